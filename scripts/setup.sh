#!/usr/bin/env bash
# Installs the Debian packages the build, the program under Wine and the tests
# need; does nothing when they are all present already. Every package a
# script or test calls is named here, with the libraries Wine only
# recommends but the tests rely on (X rendering, fonts), so nothing depends
# on apt installing recommended packages.
set -euo pipefail
packages=(
  # build and unit tests
  cmake g++ make googletest libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  # Wine and what its X11 driver loads
  wine wine64 libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1
  libxfixes3 libxxf86vm1 fonts-wine
  # a headless display, input and screenshots
  xvfb xauth xdotool x11-utils imagemagick fonts-wqy-microhei locales
  # voice add-on, installer, zip, the tests' small tools
  espeak-ng sox nsis zip unzip python3 e2fsprogs mount
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0
if ((EUID != 0)); then
  echo "setup.sh: these packages are missing: ${missing[*]}" >&2
  echo "setup.sh: installing them needs root; run it as root, e.g. sudo bash scripts/setup.sh" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
