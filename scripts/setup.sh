#!/usr/bin/env bash
# Installs what building, testing and demonstrating Korvanta needs on Debian 12,
# then checks that every tool the scripts call comes from one of those
# packages, so that nothing rests on a tool made by hand on one machine.
# Idempotent: installs only what is missing. Must run as root.
set -euo pipefail
export PATH=/usr/sbin:/usr/bin:/sbin:/bin${PATH:+:$PATH}

packages=(
  cmake ninja-build python3
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools   # the cross compilers and widl
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32       # the win32-thread C++ runtime the DLL links
  wine wine64 wine32:i386 libwine-dev                      # Wine, its IDL files and stdole2.tlb
  googletest libxml2-utils g++                             # test framework sources, xmllint, native sanitizer build
  clang libclang-rt-14-dev libxml2-dev                     # libFuzzer targets, libxml2 as their oracle
  xvfb xdotool x11-apps imagemagick fonts-wqy-microhei     # screenshots of the dialogs
  wixl msitools                                            # the installer packages, and reading them back
  osslsigncode openssl                                     # Authenticode signing; the tests' throw-away certificate
)

# The tools the build, the tests and the demo call, by the name they call them.
tools=(
  cmake ninja g++ clang++ python3 xmllint
  i686-w64-mingw32-g++-posix i686-w64-mingw32-gcc-posix i686-w64-mingw32-gcc-win32 i686-w64-mingw32-windres i686-w64-mingw32-objdump i686-w64-mingw32-widl
  x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-gcc-win32 x86_64-w64-mingw32-windres x86_64-w64-mingw32-objdump x86_64-w64-mingw32-widl
  /usr/lib/wine/wine64 /usr/lib/wine/wineserver
  Xvfb xdotool xwd convert
  wixl msiinfo osslsigncode openssl
)
# Only where the machine can run 32-bit programs at all does wine32 install it.
tools_if_present=(/usr/lib/wine/wine)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

from_package() {
  local path
  path=$(command -v "$1" 2>/dev/null) || { echo "missing tool: $1" >&2; return 1; }
  dpkg -S "$(readlink -f "$path")" >/dev/null 2>&1 || { echo "$1 ($path) comes from no Debian package" >&2; return 1; }
}
status=0
for tool in "${tools[@]}"; do from_package "$tool" || status=1; done
for tool in "${tools_if_present[@]}"; do [ ! -e "$tool" ] || from_package "$tool" || status=1; done
exit $status
