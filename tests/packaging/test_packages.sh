#!/usr/bin/env bash
# Tests the four installer packages in build/dist/ as users get them, under Wine,
# each in a fresh prefix: silent install, every registry value against the
# registration table, Excel's start-up sequence on the installed DLL (through
# the host simulator, in package_check.exe), upgrade from an older build,
# refused downgrade, x86 and x64 side by side with one removed, and uninstall
# leaving only the user's settings. Then the Group Policy templates beside
# them: well-formed, every policy naming a value that the installed DLL reads
# and every such value with its policy, every text they refer to defined.
# 32-bit packages run in a 32-bit prefix and, with 64-bit packages, in a 64-bit
# one. Where this machine cannot run 32-bit programs, the 64-bit packages are
# tested and the rest is reported as skipped.
# Usage: tests/packaging/test_packages.sh   (after packaging/build.sh)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dist="$root/build/dist"
work="$root/build/package-tests"
eval "$(cmake -P "$root/packaging/maker_values.cmake")"
version=$KORVANTA_VERSION
older=1.0.0.0
wine32=/usr/lib/wine/wine
wine64=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver WINEDEBUG=-all

failures=0
passed=0
pass() { passed=$((passed + 1)); echo "  ok   $*"; }
fail() { failures=$((failures + 1)); echo "  FAIL $*"; }

# prefix NAME win32|win64: a fresh prefix, without display or debugger.
prefix() {
  export WINEPREFIX="$work/$1" WINEARCH=$2
  [ "$2" = win32 ] && wine=$wine32 || wine=$wine64
  export WINELOADER=$wine
  "$WINESERVER" -k </dev/null >/dev/null 2>&1
  rm -rf "$WINEPREFIX"
  "$wine" wineboot -i </dev/null >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
  "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d 'no-debugger.exe' /f </dev/null >/dev/null 2>&1
  "$WINESERVER" -w
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
}

winpath() { echo "Z:${1//\//\\}"; }

# msiexec EXPECTED-STATUS WHAT ARGS...: runs msiexec silently with a log. Wine
# hands Windows' exit code to the shell modulo 256 (1603 arrives as 67).
msiexec() {
  local expected=$1 what=$2 status log
  shift 2
  log="$work/logs/$(basename "$WINEPREFIX")-$((++logs)).log"
  "$wine" msiexec "$@" /qn /l*v "$(winpath "$log")" </dev/null >/dev/null 2>&1
  status=$?
  if [ "$status" = $((expected % 256)) ]; then
    pass "$what (msiexec $expected)"
  else
    fail "$what: msiexec exit $status, expected $expected (log $log)"
  fi
}
logs=0

package() { echo "$dist/Korvanta-$version-$1-$2.msi"; }
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }

# check CHECKER-WINE CHECKER-ARCH ACTION SCOPE: package_check inside the prefix.
check() {
  local checker="$root/build/$2/tests/packaging/package_check.exe" output
  if output=$("$1" "$checker" "$3" "$4" </dev/null 2>&1); then
    pass "$3 $4 ($2 view): $(grep -c '^  ok' <<<"$output") checks"
  else
    fail "$3 $4 ($2 view):"
    grep -v '^  ok' <<<"$output" | sed 's/^/      /'
  fi
}

# lifecycle ARCH SCOPE CHECKER-WINE CHECKER-ARCH: upgrade from an older
# version, replace a build by a rebuild of the same version, refuse a
# downgrade, run, remove.
lifecycle() {
  local arch=$1 scope=$2 current old rebuild
  current=$(package "$arch" "$scope")
  old="$work/older/Korvanta-$older-$arch-$scope.msi"
  rebuild="$work/rebuild/Korvanta-$version-$arch-$scope.msi"
  echo "$arch-$scope package in the $(basename "$WINEPREFIX") prefix"
  msiexec 0 "install $older" /i "$(winpath "$old")"
  msiexec 0 "upgrade to $version" /i "$(winpath "$current")"
  msiexec 1605 "$older is gone after the upgrade" /x "$(product_code "$old")"
  check "$3" "$4" installed "$scope"
  msiexec 0 "install another build of $version" /i "$(winpath "$rebuild")"
  msiexec 1605 "the first build of $version is gone" /x "$(product_code "$current")"
  msiexec 1603 "downgrade to $older refused" /i "$(winpath "$old")"
  check "$3" "$4" installed "$scope"
  msiexec 0 "uninstall" /x "$(winpath "$rebuild")"
  check "$3" "$4" removed "$scope"
}

# side_by_side SCOPE: x86 and x64 packages installed together, x64 removed
# first. Their shared part (ProgID, type library) stays until both are gone.
side_by_side() {
  local scope=$1 output
  echo "x86-$scope and x64-$scope side by side"
  msiexec 0 "install x86-$scope" /i "$(winpath "$(package x86 "$scope")")"
  msiexec 0 "install x64-$scope" /i "$(winpath "$(package x64 "$scope")")"
  check "$wine32" i686 beside "$scope"
  check "$wine64" x86_64 beside "$scope"
  msiexec 0 "remove x64-$scope" /x "$(winpath "$(package x64 "$scope")")"
  check "$wine32" i686 beside "$scope"
  msiexec 0 "remove x86-$scope" /x "$(winpath "$(package x86 "$scope")")"
  check "$wine32" i686 removed "$scope"
  check "$wine64" x86_64 removed "$scope"
}

# shared_component SCOPE: the part that both platforms' packages of a scope
# share is one component: the same code, folder, attributes (32-bit: no
# msidbComponentAttributes64bit, 256) and rows in both. The package's own
# component has a code of its own on each platform.
shared_component() {
  local scope=$1 arch rows=() registry=() own=()
  for arch in x86 x64; do
    rows+=("$(msiinfo export "$(package $arch "$scope")" Component | tr -d '\r' | grep $'^SharedRegistration\t')")
    registry+=("$(msiinfo export "$(package $arch "$scope")" Registry | tr -d '\r' | grep $'\tSharedRegistration$' | sort)")
    own+=("$(msiinfo export "$(package $arch "$scope")" Component | tr -d '\r' | awk -F'\t' '$1 == "KorvantaDll" { print $2 }')")
  done
  local attributes
  attributes=$(cut -f4 <<<"${rows[0]}")
  [ -n "${rows[0]}" ] && [ "${rows[0]}" = "${rows[1]}" ] && [ $((attributes & 256)) = 0 ] &&
    pass "$scope: the shared component is one 32-bit component in both packages: ${rows[0]//$'\t'/ }" ||
    fail "$scope: the shared component differs or is 64-bit: x86 '${rows[0]}', x64 '${rows[1]}'"
  [ -n "${registry[0]}" ] && [ "${registry[0]}" = "${registry[1]}" ] &&
    pass "$scope: the shared component writes the same $(wc -l <<<"${registry[0]}") values in both packages" ||
    fail "$scope: the shared component's values differ between the packages"
  [ -n "${own[0]}" ] && [ -n "${own[1]}" ] && [ "${own[0]}" != "${own[1]}" ] &&
    pass "$scope: each platform's own component has its own code" ||
    fail "$scope: the platforms' own components share the code '${own[0]}'"
}

# policy_templates: the Group Policy templates beside the packages, checked in
# a prefix where the installed DLL has started, so that the settings key holds
# every value it reads (it writes each missing one).
policy_templates() {
  local policy="$dist/policy" admx="$dist/policy/Korvanta.admx" adml language ids file
  local namespace=http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions
  local key='Software\Policies\Korvanta\Excel'
  echo "The Group Policy templates"
  xpath() { xmllint --xpath "$2" "$1" 2>/dev/null; }
  values() { grep -o '"[^"]*"' | tr -d '"' | sort; }
  [ -f "$policy/en-US/Korvanta.adml" ] && [ -f "$policy/zh-CN/Korvanta.adml" ] && [ -f "$policy/zh-TW/Korvanta.adml" ] &&
    pass "policy/Korvanta.admx with $(cd "$policy" && echo */Korvanta.adml)" || fail "an ADML file is missing"
  for file in "$admx" "$policy"/*/Korvanta.adml; do
    xmllint --noout "$file" 2>/dev/null && pass "${file#$dist/} is well-formed" || fail "${file#$dist/} is not well-formed"
    [ "$(xpath "$file" 'namespace-uri(/*)')" = "$namespace" ] && [ "$(xpath "$file" 'string(/*/@schemaVersion)')" = 1.0 ] &&
      [ -n "$(xpath "$file" 'string(/*/@revision)')" ] &&
      pass "${file#$dist/}: the policy definitions namespace, schemaVersion 1.0, a revision" ||
      fail "${file#$dist/}: namespace, schemaVersion or revision wrong"
  done
  local policies
  # The display settings' policies: on and off; the language's: a list.
  policies=$(xpath "$admx" 'count(//*[local-name()="policy"][@valueName])')
  [ "$(xpath "$admx" "count(//*[local-name()=\"policy\"][@class=\"Both\" and @key=\"$key\" and @name=@valueName
        and *[local-name()=\"parentCategory\"]/@ref=//*[local-name()=\"category\"]/@name
        and *[local-name()=\"enabledValue\"]/*[local-name()=\"decimal\"]/@value=1
        and *[local-name()=\"disabledValue\"]/*[local-name()=\"decimal\"]/@value=0])")" = "$policies" ] &&
    pass "all $policies display policies: class Both, $key, in the Korvanta category, enabled 1 and disabled 0" ||
    fail "a display policy differs from the others: class, key, category or values"
  local language_policy='//*[local-name()="policy"][@name="Language" and @class="Both" and @key="'$key'" and not(@valueName)]'
  [ "$(xpath "$admx" "$language_policy//*[local-name()=\"enum\"][@valueName=\"Language\"]//*[local-name()=\"string\"]/text()" |
      sort | tr '\n' ' ')" = "$(printf '%s\n' Office zh-CN zh-TW en | sort | tr '\n' ' ')" ] &&
    pass "the Language policy: class Both, $key, a list writing Office, zh-CN, zh-TW or en to Language" ||
    fail "the Language policy is not a list of the four texts the DLL reads"
  # The DLL writes each display setting it reads when missing, never Language.
  local names_read
  names_read=$( ("$wine" reg query 'HKCU\SOFTWARE\Microsoft\Shared Tools\Korvanta\Excel' </dev/null 2>/dev/null |
    tr -d '\r' | awk '/^    / { print $1 }'; echo Language) | sort)
  local names_set
  names_set=$( (xpath "$admx" '//*[local-name()="policy"]/@valueName | //*[local-name()="enum"]/@valueName') | values)
  [ -n "$names_read" ] && [ "$names_set" = "$names_read" ] &&
    pass "the policies name exactly the values the DLL reads: $(tr '\n' ' ' <<<"$names_read")" ||
    fail "policies and values read differ: policies $(tr '\n' ' ' <<<"$names_set"), read $(tr '\n' ' ' <<<"$names_read")"
  ids=$(grep -o '\$(string\.[^)]*)' "$admx" | sed 's/^$(string\.//; s/)$//' | sort -u)
  for adml in "$policy"/*/Korvanta.adml; do
    language=$(basename "$(dirname "$adml")")
    [ "$(xpath "$adml" '//*[local-name()="stringTable"]/*/@id' | values)" = "$ids" ] &&
      pass "$language: a text for each of the $(wc -l <<<"$ids") strings the templates refer to, and no other" ||
      fail "$language: the strings differ from those the templates refer to"
    [ "$(xpath "$adml" '//*[local-name()="presentationTable"]/*/@id' | values)" = \
      "$(grep -o '\$(presentation\.[^)]*)' "$admx" | sed 's/^$(presentation\.//; s/)$//' | sort -u)" ] &&
      pass "$language: a presentation for each the templates refer to" ||
      fail "$language: the presentations differ from those the templates refer to"
  done
}

rm -rf "$work"
mkdir -p "$work/logs"
echo "The packages' contents"
for arch in x86 x64; do
  for scope in user machine; do
    msi=$(package $arch $scope)
    [ -f "$msi" ] || { echo "missing $msi: run packaging/build.sh first" >&2; exit 1; }
    # Word count 10 (per-user: no elevation, compressed) or 2 (per-machine, compressed).
    words=$(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
    [ "$scope" = user ] && want=10 || want=2
    properties=$(msiinfo export "$msi" Property | tr -d '\r')
    allusers=$(sed -n 's/^ALLUSERS\t//p' <<<"$properties")
    [ "$words" = "$want" ] && { [ "$scope" = user ] && [ -z "$allusers" ] || [ "$allusers" = 1 ]; } &&
      pass "$(basename "$msi"): word count $words, ALLUSERS '${allusers}'" ||
      fail "$(basename "$msi"): word count $words (want $want), ALLUSERS '${allusers}'"
    # ProductVersion is the DLL's version record; no self-registration.
    dll_version=$(python3 "$root/tests/packaging/pe_version.py" "$dist/$arch/Korvanta.dll")
    product_version=$(sed -n 's/^ProductVersion\t//p' <<<"$properties")
    [ "$product_version" = "$dll_version" ] && pass "ProductVersion $product_version = the DLL's version record" ||
      fail "ProductVersion $product_version, the DLL's version record $dll_version"
    [ -z "$(msiinfo export "$msi" SelfReg 2>/dev/null | sed 1,3d)" ] && pass "no SelfReg rows" || fail "SelfReg rows"
    msiinfo export "$msi" LaunchCondition | grep -q "NOT WIX_DOWNGRADE_DETECTED.A newer version of $KORVANTA_PRODUCT_NAME is already installed" &&
      pass "a downgrade is refused with a message" || fail "no message refusing a downgrade"
  done
done
for scope in user machine; do shared_component "$scope"; done
# The older build the upgrade starts from (the same DLLs, an older version),
# and a second build of this version, with product codes of its own.
KORVANTA_SIGN_CERT='' KORVANTA_SIGN_KEY='' KORVANTA_SIGN_PKCS12='' \
  bash "$root/packaging/build.sh" --version "$older" --out "$work/older" >/dev/null
KORVANTA_SIGN_CERT='' KORVANTA_SIGN_KEY='' KORVANTA_SIGN_PKCS12='' \
  bash "$root/packaging/build.sh" --out "$work/rebuild" >/dev/null

runs32=false
"$wine32" --version >/dev/null 2>&1 && runs32=true
if $runs32; then
  prefix win32 win32
  for scope in user machine; do lifecycle x86 "$scope" "$wine32" i686; done
  msiexec 1633 "the x64 package is refused on 32-bit Windows" /i "$(winpath "$(package x64 machine)")"
  "$WINESERVER" -k </dev/null >/dev/null 2>&1
fi
prefix win64 win64
for scope in user machine; do lifecycle x64 "$scope" "$wine64" x86_64; done
if $runs32; then
  for scope in user machine; do lifecycle x86 "$scope" "$wine32" i686; done
  side_by_side machine
  # Windows 7 and later keep HKCU\Software\Classes\CLSID and \Interface apart
  # for 32-bit programs; Wine shows both platforms one key, so there the two
  # per-user packages would overwrite each other's class entries.
  echo "SKIPPED: x86-user and x64-user side by side (Wine does not redirect HKCU\\Software\\Classes\\CLSID for 32-bit programs)"
else
  echo "SKIPPED: this machine cannot run 32-bit programs; the x86 packages (in a 32-bit prefix, on 64-bit Windows, side by side) were not tested"
fi
policy_templates
"$WINESERVER" -k </dev/null >/dev/null 2>&1
echo "Installer packages: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
