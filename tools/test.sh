#!/usr/bin/env bash
# Installs what is missing, builds both builds and runs both test suites.
# Exits non-zero when a build or any test fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" || exit 1
"$root/tools/build.sh" native || exit 1
"$root/tools/build.sh" windows || exit 1

status=0
echo "== native tests =="
(cd "$root/build/native" && ctest --output-on-failure -j2) | tee "$root/build/native-ctest.log" || status=1

echo "== windows tests (Wine) =="
export TARVENOL_WINEPREFIX="$root/build/windows/wineprefix"
source "$root/tools/wine-session.sh"
wine_session_start
(cd "$root/build/windows" && ctest --output-on-failure -j2) | tee "$root/build/windows-ctest.log" || status=1
wine_session_stop

echo "== summary =="
echo "native:  $(grep -E 'tests passed' "$root/build/native-ctest.log" || echo 'no result')"
echo "windows: $(grep -E 'tests passed' "$root/build/windows-ctest.log" || echo 'no result')"
exit $status
