#!/usr/bin/env bash
# Installs what is missing, builds the three builds and runs their test
# suites: the native and Windows tests, then a short run of every fuzz
# target (about a minute). Exits non-zero when a build or any test fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" || exit 1
"$root/tools/build.sh" native || exit 1
"$root/tools/build.sh" windows || exit 1
"$root/tools/build.sh" fuzz || exit 1

status=0
echo "== native tests =="
(cd "$root/build/native" && ctest --output-on-failure -j2) | tee "$root/build/native-ctest.log" || status=1

echo "== windows tests (Wine) =="
export TARVENOL_WINEPREFIX="$root/build/windows/wineprefix"
source "$root/tools/wine-session.sh"
wine_session_start
(cd "$root/build/windows" && ctest --output-on-failure -j2) | tee "$root/build/windows-ctest.log" || status=1
wine_session_stop

echo "== fuzz targets, short runs =="
fuzz_jobs=$(( $(nproc) >= 3 ? 3 : 2 ))
(cd "$root/build/fuzz" && ctest --output-on-failure -j"$fuzz_jobs") | tee "$root/build/fuzz-ctest.log" || status=1

echo "== summary =="
echo "native:  $(grep -E 'tests passed' "$root/build/native-ctest.log" || echo 'no result')"
echo "windows: $(grep -E 'tests passed' "$root/build/windows-ctest.log" || echo 'no result')"
echo "fuzz:    $(grep -E 'tests passed' "$root/build/fuzz-ctest.log" || echo 'no result')"
exit $status
