#!/usr/bin/env bash
# Runs the fuzz targets of the fuzz build (tools/build.sh fuzz).
#
#   tools/fuzz.sh list                     the targets
#   tools/fuzz.sh run TARGET SECONDS [libFuzzer options]
#                                          one target for a bounded time
#   tools/fuzz.sh coverage TARGET          edges of the project's sources that
#                                          the kept corpus reaches, file by file
#   tools/fuzz.sh long [SECONDS] [TARGET...]
#                                          long runs (default 600 s each, every
#                                          target), at most 3 at a time
#
# The test suite runs each target for a few seconds: ctest in build/fuzz.
# A run starts from the target's seeds (written anew by the program) and its
# kept corpus build/fuzz/corpus/TARGET, which it grows. A crash, a sanitizer
# report, a leak, a hang of 10 s or 2 GB of memory fails the run; the input
# is kept as build/fuzz/crashes/TARGET/<kind>-<hash> and the log as
# build/fuzz/logs/TARGET.log. Replay a kept input with
#   build/fuzz/tests/fuzz/tarvenol_fuzz TARGET FILE
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TARVENOL_FUZZ_BUILD:-$root/build/fuzz}
fuzz="$out/tests/fuzz/tarvenol_fuzz"

run_one() {
  local target=$1 seconds=$2
  shift 2
  mkdir -p "$out/corpus/$target" "$out/crashes/$target" "$out/logs" "$out/seeds"
  rm -rf "$out/seeds/$target"
  "$fuzz" seeds "$out/seeds" "$target" >/dev/null || { echo "$target: no seeds"; return 1; }
  local log="$out/logs/$target.log"
  "$fuzz" "$target" "$out/corpus/$target" "$out/seeds/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/crashes/$target/" "$@" >"$log" 2>&1
  local rc=$?
  local done runs
  done=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 | sed -E 's/^#[0-9]+[[:space:]]+DONE[[:space:]]+//; s/[[:space:]]+lim:.*//')
  runs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
  if [ $rc -eq 0 ]; then
    echo "$target: ok, ${runs:-?} runs in ${seconds} s, $done"
  else
    echo "$target: FAILED (exit $rc), log $log"
    grep -E 'ERROR:|fuzz check failed|SUMMARY|Test unit written' "$log" | head -5 | sed 's/^/  /'
  fi
  return $rc
}

case "${1:-}" in
  list) "$fuzz" list | cut -d' ' -f1 ;;
  run)
    [ $# -ge 3 ] || { echo "usage: fuzz.sh run TARGET SECONDS [options]" >&2; exit 2; }
    target=$2 seconds=$3
    shift 3
    run_one "$target" "$seconds" "$@" ;;
  coverage)
    [ $# -eq 2 ] || { echo "usage: fuzz.sh coverage TARGET" >&2; exit 2; }
    "$fuzz" "$2" "$out/corpus/$2" -runs=0 -print_coverage=1 2>&1 |
      awk -v src="$root/src/" '/^(UN)?COVERED_FUNC:/ {
          file = $NF; sub(/:[0-9]+$/, "", file)
          if (index(file, src) != 1) next
          file = substr(file, length(src) + 1)
          split($5, e, "/"); hit[file] += e[1]; all[file] += e[2]
        }
        END {
          for (f in hit) if (hit[f] > 0) { printf "  %-32s %5d / %5d edges\n", f, hit[f], all[f]; h += hit[f]; a += all[f] }
          printf "  %-32s %5d / %5d edges (%.0f%%)\n", "in the files it reaches", h, a, a ? 100 * h / a : 0
        }' | sort ;;
  long)
    seconds=${2:-600}
    shift $(( $# >= 2 ? 2 : 1 ))
    targets=("$@")
    [ ${#targets[@]} -gt 0 ] || mapfile -t targets < <("$fuzz" list | cut -d' ' -f1)
    export -f run_one
    export fuzz out
    printf '%s\n' "${targets[@]}" | xargs -P 3 -I{} bash -c 'run_one "$1" "$2"' _ {} "$seconds"
    ;;
  *) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac
