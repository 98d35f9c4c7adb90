#!/usr/bin/env bash
# Builds the fuzz targets (scripts/build.sh fuzz) and runs each for SECONDS
# (default 60), as many at once as there are cores. The corpus each run
# grows is kept in build/fuzz/work/<target> for the next. Exits non-zero
# when any target found a crash, leak, hang or runaway allocation, after
# printing the input; keep such an input in tests/fuzz/regressions/<target>/
# once it is mended, so the test build replays it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
case "$seconds" in
  '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac

"$root/scripts/build.sh" fuzz
build="$root/build/fuzz"
logs="$build/logs"
rm -rf "$logs"
mkdir -p "$logs" "$build/work" "$build/findings"

run_target() {
  local program=$1 seconds=$2 build=$3
  local name=${program##*/fuzz_}
  mkdir -p "$build/work/$name" "$build/findings/$name"
  # The same allocation limit as the replay of the kept inputs.
  if "$program" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=128 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$name/" \
      "$build/work/$name" "$build/corpus/$name" >"$build/logs/$name.log" 2>&1; then
    echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$name.log" | grep -o '[0-9]*$') runs, clean"
  else
    echo "$name: FAILED (log: $build/logs/$name.log)"
    return 1
  fi
}
export -f run_target

status=0
find "$build/fuzzers" -maxdepth 1 -type f -name 'fuzz_*' -print0 | sort -z |
  xargs -0 -P "$(nproc)" -I{} bash -c 'run_target "$@"' _ {} "$seconds" "$build" || status=1

if [ "$status" -ne 0 ]; then
  for log in "$logs"/*.log; do
    input=$(grep -o "Test unit written to .*" "$log" | sed 's/Test unit written to //' || true)
    [ -n "$input" ] || continue
    echo
    echo "== ${log##*/}: $input"
    grep -E "^(==[0-9]+==ERROR|SUMMARY|.*runtime error)" "$log" | head -5 || true
    od -An -tx1 -v "$input" | head -20
  done
fi
exit "$status"
