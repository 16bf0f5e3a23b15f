#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it under Wine in a
# project folder (the sample project unless one is given). Without a DISPLAY
# it runs inside Xvfb, saves a screenshot of its windows and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
project=${1:-$root/build/sample-project}
"$root/tools/install-deps.sh"
"$root/tools/build.sh" windows
"$root/tools/make-sample-project.sh" "$project"

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
cd "$project"
if [ $headless -eq 0 ]; then
  wine "$root/build/windows/Tarvenol.exe"
else
  wine "$root/build/windows/Tarvenol.exe" </dev/null >/dev/null 2>&1 &
  sleep 10
  import -window root "$project/screenshot.png"
  echo "Screenshot of the editor: $project/screenshot.png"
fi
wine_session_stop
