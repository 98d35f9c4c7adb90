#!/usr/bin/env bash
# Installs what is missing, checks the format, builds with warnings as errors
# and runs every test under the sanitizers,
# fuzzes every reader of outside bytes for a short while, runs the threaded
# tests once more under ThreadSanitizer, then builds the release editor and
# the benchmarks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
"$root/scripts/check-format.sh"
"$root/scripts/build.sh" debug-asan
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$root/build/debug-asan" --output-on-failure --parallel "$(nproc)" --timeout 600
"$root/scripts/fuzz.sh" 15
"$root/scripts/build.sh" tsan
TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1} \
  ctest --test-dir "$root/build/tsan" --output-on-failure --parallel "$(nproc)" --timeout 600
"$root/scripts/build.sh" release
