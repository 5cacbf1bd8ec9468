#!/usr/bin/env bash
# Builds Korvanta's four Windows Installer packages from the two DLLs (build
# them first: scripts/build.sh i686 x86_64) into build/dist/:
#   Korvanta-<version>-x86-user.msi     32-bit Excel, for the installing user, no elevation
#   Korvanta-<version>-x64-user.msi     64-bit Excel, the same
#   Korvanta-<version>-x86-machine.msi  32-bit Excel, every user of the machine
#   Korvanta-<version>-x64-machine.msi  64-bit Excel, the same
# beside the DLLs they hold (x86/Korvanta.dll, x64/Korvanta.dll), and the Group
# Policy templates (policy/Korvanta.admx, policy/<language>/Korvanta.adml). When a
# certificate is given (see packaging/sign.sh) the DLLs are signed before they
# are packed and the packages after.
# Usage: packaging/build.sh [--version A.B.C.D] [--out FOLDER]
#   --version  a version other than cmake/maker.cmake's (the tests build an older one)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
eval "$(cmake -P "$root/packaging/maker_values.cmake")"
version=$KORVANTA_VERSION
out="$root/build/dist"
while [ $# -gt 0 ]; do
  case $1 in
    --version) version=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    *) echo "usage: packaging/build.sh [--version A.B.C.D] [--out FOLDER]" >&2; exit 2 ;;
  esac
done

# The registry rows come from the registration table, through a native tool.
tools="$root/build/packaging"
[ -f "$tools/CMakeCache.txt" ] || cmake -S "$root/packaging" -B "$tools" -G Ninja >/dev/null
cmake --build "$tools" >/dev/null

mkdir -p "$out/x86" "$out/x64"
rm -f "$out"/Korvanta-*.msi
rm -rf "$out/policy"
"$tools/korvanta-policy-templates" "$out/policy"
cp "$root/build/i686/dll/Korvanta.dll" "$out/x86/Korvanta.dll"
cp "$root/build/x86_64/dll/Korvanta.dll" "$out/x64/Korvanta.dll"
sign=false
if bash "$root/packaging/sign.sh" --configured; then
  sign=true
  bash "$root/packaging/sign.sh" "$out/x86/Korvanta.dll" "$out/x64/Korvanta.dll"
else
  echo "No signing certificate given (KORVANTA_SIGN_CERT/KORVANTA_SIGN_KEY or KORVANTA_SIGN_PKCS12): building unsigned"
fi

# Windows Installer compares the first three fields of a version.
IFS=. read -r major minor build _ <<<"$version"
upgrade_below="$major.$minor.$((build + 1))"

work="$tools/wix"
for arch in x86 x64; do
  for scope in user machine; do
    rows="$work/$arch-$scope"
    mkdir -p "$rows"
    "$tools/korvanta-registry-rows" "$scope" "$arch" "$rows"
    package="$out/Korvanta-$version-$arch-$scope.msi"
    # wixl wants File/@Source relative: it is resolved from the output folder.
    (cd "$out" && wixl -a "$arch" -I "$rows" -o "$package" \
      -D Arch="$arch" -D Scope="$scope" -D Version="$version" -D UpgradeBelow="$upgrade_below" -D VersionText="$KORVANTA_VERSION_TEXT" \
      -D ProductName="$KORVANTA_PRODUCT_NAME" -D Manufacturer="$KORVANTA_MAKER_NAME" -D MakerWeb="$KORVANTA_MAKER_WEB" \
      "$root/packaging/Korvanta.wxs")
    ! $sign || bash "$root/packaging/sign.sh" "$package"
    echo "$package ($(stat -c %s "$package") bytes$($sign && echo ", signed"))"
  done
done
