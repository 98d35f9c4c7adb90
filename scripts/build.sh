#!/usr/bin/env bash
# Configures and builds one configuration into build/<config>:
#   debug-asan  the tests, with AddressSanitizer and UndefinedBehaviorSanitizer
#   release     the editor and the benchmarks, optimised, without sanitizers
#   fuzz        the fuzz targets with libFuzzer (clang) and their seed corpus
#   tsan        the MIDI, protocol, transfer and dispatch tests and the MIDI monitor's
#               closing under traffic, with ThreadSanitizer
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
config=${1:-release}

targets=()
case "$config" in
  debug-asan) options=(-DCMAKE_BUILD_TYPE=Debug -DVQ_SANITIZE=ON -DVQ_BUILD_TESTS=ON -DVQ_BUILD_BENCH=OFF) ;;
  release)    options=(-DCMAKE_BUILD_TYPE=Release -DVQ_SANITIZE=OFF -DVQ_BUILD_TESTS=OFF -DVQ_BUILD_BENCH=ON) ;;
  fuzz)
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
             -DVQ_FUZZ=ON -DVQ_SANITIZE=OFF -DVQ_BUILD_TESTS=OFF -DVQ_BUILD_BENCH=OFF
             # clang's -Wall adds warnings (overloads that the framework's classes hide by
             # design) that the GCC builds, which treat warnings as errors, do not have.
             -DVQ_WERROR=OFF)
    targets=(--target fuzzers) ;;
  tsan)
    options=(-DCMAKE_BUILD_TYPE=Debug -DVQ_TSAN=ON -DVQ_SANITIZE=OFF -DVQ_BUILD_TESTS=ON -DVQ_BUILD_BENCH=OFF)
    targets=(--target tsan_tests) ;;
  *) echo "unknown configuration: $config (debug-asan, release, fuzz or tsan)" >&2; exit 2 ;;
esac

# Objects compiled in another clone or work tree of the project are reused.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-8G}

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
build="$root/build/$config"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" "${generator[@]}" "${options[@]}"
else
  cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
fi
cmake --build "$build" --parallel "${VQ_BUILD_JOBS:-$(nproc)}" "${targets[@]}"
