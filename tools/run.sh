#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it under Wine in a
# project folder (the sample project unless one is given; the sample-project
# tool lays it out when the folder is not there). Without a DISPLAY it runs
# inside Xvfb, saves a screenshot of its windows and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
project=${1:-$root/build/sample-project}
"$root/tools/install-deps.sh"
"$root/tools/build.sh" windows

headless=0
[ -n "${DISPLAY:-}" ] || headless=1
if [ $headless -eq 1 ]; then
  export TARVENOL_WINEPREFIX="$root/build/windows/wineprefix"
else
  # On a real display the editor's windows stand on the desktop itself.
  export TARVENOL_WINEPREFIX="$root/build/windows/wineprefix-display"
  export TARVENOL_UNMANAGED_WINDOWS=0
fi
source "$root/tools/wine-session.sh"
wine_session_start
trap wine_session_stop EXIT

if [ ! -e "$project" ]; then
  # Without a display no one can answer the first start's question whether
  # to make the data folder from the defaults: the tool makes it at once.
  with_data=()
  [ $headless -eq 0 ] || with_data=(--with-data)
  mkdir -p "$(dirname "$project")"
  wine "$root/build/windows/make_sample_project.exe" "${with_data[@]}" "$(winepath -w "$project")" </dev/null
fi

cd "$project"
if [ $headless -eq 0 ]; then
  wine "$root/build/windows/Tarvenol.exe"
else
  wine "$root/build/windows/Tarvenol.exe" </dev/null >/dev/null 2>&1 &
  editor=$!
  # The first start measures the sheet rate; give the windows time to settle.
  sleep 10
  import -window root "$project/screenshot.png"
  echo "Screenshot of the editor: $project/screenshot.png"
  kill "$editor" 2>/dev/null || true
fi
