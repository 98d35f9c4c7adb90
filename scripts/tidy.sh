#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the editor's own sources, as compiled in
# build/<config> (default debug-asan, which must have been configured).
# A file whose preprocessed text, command and checks passed before is not
# checked again: passes are remembered in ~/.cache/vq700z-editor/tidy.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/${1:-debug-asan}"
cache=${VQ_TIDY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vq700z-editor/tidy}
mkdir -p "$cache"
export root build cache

salt=$( (clang-tidy --version; cat "$root/.clang-tidy") | sha256sum | cut -c1-64)
export salt

check_one() {
  local file=$1 command key
  command=$(jq -r --arg f "$file" '.[] | select(.file == $f) | .command' "$build/compile_commands.json" | head -n1)
  # The key: checks, command and preprocessed source, with this clone's path taken out.
  key=$( (echo "$salt"; echo "$command";
          cd "$build" && eval "$(sed -E 's# -o [^ ]+# -o /dev/stdout#' <<<"$command") -E -P" 2>/dev/null) |
         sed "s#$root#<root>#g" | sha256sum | cut -c1-64)
  [ -f "$cache/$key" ] && return 0
  if clang-tidy --quiet -p "$build" "$file" >"$cache/$key.log" 2>&1; then
    mv "$cache/$key.log" "$cache/$key"
  else
    cat "$cache/$key.log"
    rm -f "$cache/$key.log"
    return 1
  fi
}
export -f check_one

jq -r '.[].file' "$build/compile_commands.json" |
  grep -E "^$root/(platform|framework|model|app|editor)/" | sort -u |
  xargs -r -P "$(nproc)" -I{} bash -c 'check_one "$1"' _ {}
