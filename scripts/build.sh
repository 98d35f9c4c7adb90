#!/usr/bin/env bash
# Configures and builds one configuration into build/<config>:
#   debug-asan  the tests, with AddressSanitizer and UndefinedBehaviorSanitizer
#   release     the editor and the benchmarks, optimised, without sanitizers
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
config=${1:-release}

case "$config" in
  debug-asan) options=(-DCMAKE_BUILD_TYPE=Debug -DVQ_SANITIZE=ON -DVQ_BUILD_TESTS=ON -DVQ_BUILD_BENCH=OFF) ;;
  release)    options=(-DCMAKE_BUILD_TYPE=Release -DVQ_SANITIZE=OFF -DVQ_BUILD_TESTS=OFF -DVQ_BUILD_BENCH=ON) ;;
  *) echo "unknown configuration: $config (debug-asan or release)" >&2; exit 2 ;;
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
cmake --build "$build" --parallel "$(nproc)"
