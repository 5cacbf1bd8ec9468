#!/usr/bin/env bash
# Installs what building, testing and demonstrating Korvanta needs on Debian 12.
# Idempotent: installs only what is missing. Must run as root.
set -euo pipefail

packages=(
  cmake ninja-build python3
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools   # the cross compilers and widl
  wine wine64 wine32:i386 libwine-dev                      # Wine, its IDL files and stdole2.tlb
  googletest libxml2-utils g++                             # test framework sources, xmllint, native sanitizer build
  xvfb xdotool x11-apps imagemagick fonts-wqy-microhei     # screenshots of the dialogs
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
