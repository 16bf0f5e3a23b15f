#!/usr/bin/env bash
# Configures and builds one of the three builds: native (the portable core
# and its tests, with the sanitizers), windows (everything, cross-compiled) or
# fuzz (the portable core and the fuzz targets, built by clang with libFuzzer
# and the sanitizers).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=$1
jobs=$(nproc)
case "$kind" in
  native) cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
  windows) cmake -S "$root" -B "$root/build/windows" -DCMAKE_BUILD_TYPE=Debug \
             -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null ;;
  fuzz) CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DTARVENOL_FUZZ=ON >/dev/null ;;
  *) echo "usage: build.sh native|windows|fuzz" >&2; exit 2 ;;
esac
cmake --build "$root/build/$kind" -j"$jobs"
