#!/usr/bin/env bash
# Installs what is missing, builds the release editor and starts it; the
# arguments are passed on to the editor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" release
exec "$root/build/release/vq700z-editor" "$@"
