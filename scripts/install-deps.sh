#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the tests and the editor
# need. Does nothing when they are all there already.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  clang libclang-rt-14-dev
  juce-modules-source
  libpng-dev zlib1g-dev
  libsdl2-dev
  libcairo2-dev libpango1.0-dev fonts-dejavu-core fonts-ipafont-gothic
  libasound2-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool
  clang-format clang-tidy jq
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
