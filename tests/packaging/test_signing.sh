#!/usr/bin/env bash
# Tests Authenticode signing with throw-away certificates made here by openssl:
# the packages built with a certificate carry signatures on both DLLs and all
# four packages that verify against it; a PKCS#12 file signs as well as a PEM
# pair; a flipped byte and another signer's certificate fail verification; and
# a signed DLL registers, and a signed package installs, runs the add-in and
# uninstalls under Wine.
# Usage: tests/packaging/test_signing.sh   (after scripts/build.sh i686 x86_64)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh"
work="$root/build/signing-tests"
eval "$(cmake -P "$root/packaging/maker_values.cmake")"

failures=0
passed=0
pass() { passed=$((passed + 1)); echo "  ok   $*"; }
fail() { failures=$((failures + 1)); echo "  FAIL $*"; }
expect() { local what=$1; shift; if "$@" </dev/null >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi; }
expect_not() { local what=$1; shift; if "$@" </dev/null >/dev/null 2>&1; then fail "$what"; else pass "$what"; fi; }

rm -rf "$work"
mkdir -p "$work/verify"
# certificate NAME: a self-signed code-signing certificate valid for two days.
certificate() {
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Korvanta test signer $1" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
    -keyout "$work/$1.key" -out "$work/$1.pem" </dev/null >/dev/null 2>&1
}
certificate test
certificate other
openssl pkcs12 -export -inkey "$work/test.key" -in "$work/test.pem" -out "$work/test.p12" -passout pass:korvanta-test

echo "Signing the build with a PEM certificate and key"
dist="$work/dist"
if KORVANTA_SIGN_CERT="$work/test.pem" KORVANTA_SIGN_KEY="$work/test.key" KORVANTA_SIGN_PKCS12= \
   bash "$root/packaging/build.sh" --out "$dist" >"$work/build.log" 2>&1; then
  pass "packaging/build.sh signed $(grep -c ', signed)' "$work/build.log") packages"
else
  fail "packaging/build.sh with a certificate:"; sed 's/^/      /' "$work/build.log"
fi
signed=("$dist/x86/Korvanta.dll" "$dist/x64/Korvanta.dll" "$dist"/Korvanta-*.msi)
for file in "${signed[@]}"; do
  name=${file#"$dist/"}
  report="$work/verify/${name//\//-}.txt"
  if osslsigncode verify -CAfile "$work/test.pem" -in "$file" </dev/null >"$report" 2>&1; then
    pass "$name verifies: $(grep -m1 'Text description' "$report" | sed 's/^[[:space:]]*//'), $(grep -m1 'URL description' "$report" | sed 's/^[[:space:]]*//')"
  else
    fail "$name does not verify (see $report)"
  fi
done

echo "Signing with a PKCS#12 file"
cp "$root/build/i686/dll/Korvanta.dll" "$work/pkcs12.dll"
expect "a PKCS#12 file and its password sign" env KORVANTA_SIGN_PKCS12="$work/test.p12" KORVANTA_SIGN_PASSWORD=korvanta-test \
  KORVANTA_SIGN_CERT= KORVANTA_SIGN_KEY= bash "$root/packaging/sign.sh" "$work/pkcs12.dll"
expect "its signature verifies" osslsigncode verify -CAfile "$work/test.pem" -in "$work/pkcs12.dll"
expect_not "the wrong password signs nothing" env KORVANTA_SIGN_PKCS12="$work/test.p12" KORVANTA_SIGN_PASSWORD=wrong \
  KORVANTA_SIGN_CERT= KORVANTA_SIGN_KEY= bash "$root/packaging/sign.sh" "$work/pkcs12.dll"

echo "Tampering and the wrong signer"
cp "$dist/x86/Korvanta.dll" "$work/tampered.dll"
size=$(stat -c %s "$work/tampered.dll")
offset=$((size / 2))
byte=$(od -An -tu1 -j "$offset" -N1 "$work/tampered.dll" | tr -d ' ')
printf "\\$(printf %03o $(((byte + 1) % 256)))" | dd of="$work/tampered.dll" bs=1 seek="$offset" conv=notrunc 2>/dev/null
expect_not "a signed DLL with one byte changed (offset $offset) fails verification" \
  osslsigncode verify -CAfile "$work/test.pem" -in "$work/tampered.dll"
cp "$root/build/x86_64/dll/Korvanta.dll" "$work/other.dll"
KORVANTA_SIGN_CERT="$work/other.pem" KORVANTA_SIGN_KEY="$work/other.key" KORVANTA_SIGN_PKCS12= \
  bash "$root/packaging/sign.sh" "$work/other.dll"
expect "a DLL signed with another certificate verifies against that one" \
  osslsigncode verify -CAfile "$work/other.pem" -in "$work/other.dll"
expect_not "but not against the first" osslsigncode verify -CAfile "$work/test.pem" -in "$work/other.dll"

arch=$(korvanta_run_arch)
[ "$arch" = i686 ] && platform=x86 || platform=x64
echo "The signed $platform DLL and package under Wine"
korvanta_wine_setup "$arch" wineprefix-signing
korvanta_wine_start
wine=$KORVANTA_WINE
dll="Z:${dist//\//\\}\\$platform\\Korvanta.dll"
expect "regsvr32 registers the signed DLL" "$wine" regsvr32 /s "$dll"
expect "regsvr32 /u unregisters it" "$wine" regsvr32 /u /s "$dll"
package="Z:${dist//\//\\}\\Korvanta-$KORVANTA_VERSION-$platform-machine.msi"
expect "the signed per-machine package installs" "$wine" msiexec /i "$package" /qn
installed="$WINEPREFIX/drive_c/Program Files/Korvanta/Korvanta.dll"
expect "the DLL it installed carries the signature" osslsigncode verify -CAfile "$work/test.pem" -in "$installed"
checker="$KORVANTA_BUILD/tests/packaging/package_check.exe"
if output=$("$wine" "$checker" installed machine </dev/null 2>&1); then
  pass "the installed signed DLL runs Excel's start-up sequence ($(grep -c '^  ok' <<<"$output") checks)"
else
  fail "the installed signed DLL:"; grep -v '^  ok' <<<"$output" | sed 's/^/      /'
fi
expect "the signed package uninstalls" "$wine" msiexec /x "$package" /qn
expect "and leaves only the user's settings" "$wine" "$checker" removed machine
korvanta_wine_stop

echo "Signing: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
