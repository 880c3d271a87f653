#!/usr/bin/env bash
# Installs what Zentaro needs to build and test on Debian 12 or Ubuntu, then
# configures the given CMake preset and builds it: everything, or only the
# targets named after the preset. Quick when everything is there.
set -euo pipefail

packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-base-dev-tools libgtest-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core appstream desktop-file-utils)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cd "$(dirname "$0")/.."
# Paths inside the checkout are hashed relative to it, so a second clone (CI's)
# reuses what ccache compiled for the first.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
preset=${1:-release}
shift || true
cmake --preset "$preset" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build --preset "$preset" "${targets[@]}"
