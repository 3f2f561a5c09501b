#!/usr/bin/env bash
# Installs the Debian packages the build, the program under Wine and the tests
# need; does nothing when they are all present already.
set -euo pipefail
packages=(cmake g++ make googletest g++-mingw-w64-x86-64-posix wine64 xvfb xdotool
          imagemagick fonts-wqy-microhei locales espeak-ng sox nsis zip unzip
          clang libclang-rt-14-dev libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
