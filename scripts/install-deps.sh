#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build, the program and the tests need and is missing.
#   scripts/install-deps.sh [--set-up]
#       --set-up: also npm, with which scripts/build-dictionaries.sh fetches the
#       lexicon of word forms (scripts/run.sh asks for it; the tests do not).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  clang libclang-rt-dev
  qt6-base-dev libgl-dev qt6-multimedia-dev
  # the icon's renderer; the validators of the desktop entry and the metainfo, and what cpack -G DEB runs
  qt6-svg-dev desktop-file-utils appstream dpkg-dev file
  libgtest-dev libbenchmark-dev
  zlib1g-dev
  fonts-dejavu-core
)
if [ "${1:-}" = "--set-up" ] && ! command -v npm >/dev/null; then
  packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
