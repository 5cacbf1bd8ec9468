#!/usr/bin/env bash
# Signs files in place with Authenticode (Korvanta.dll and the .msi packages),
# with the certificate named by the environment:
#   KORVANTA_SIGN_CERT and KORVANTA_SIGN_KEY   a PEM certificate (with its chain)
#                                              and its private key, or
#   KORVANTA_SIGN_PKCS12                       a PKCS#12 (.pfx/.p12) file;
#   KORVANTA_SIGN_PASSWORD                     the key's or the PKCS#12 file's
#                                              password, if it has one;
#   KORVANTA_SIGN_TIMESTAMP                    an RFC 3161 timestamp server's URL
#                                              (none by default).
# The signature's description and URL are the product's name and the maker's
# web page from cmake/maker.cmake.
# Usage: packaging/sign.sh FILE...     (packaging/sign.sh --configured: exit 0
#                                       when a certificate is given, else 1)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

configured() { [ -n "${KORVANTA_SIGN_PKCS12:-}" ] || [ -n "${KORVANTA_SIGN_CERT:-}${KORVANTA_SIGN_KEY:-}" ]; }
if [ "${1:-}" = --configured ]; then configured; exit; fi
configured || { echo "sign.sh: no certificate (set KORVANTA_SIGN_CERT and KORVANTA_SIGN_KEY, or KORVANTA_SIGN_PKCS12)" >&2; exit 2; }

credentials=()
if [ -n "${KORVANTA_SIGN_PKCS12:-}" ]; then
  credentials=(-pkcs12 "$KORVANTA_SIGN_PKCS12")
else
  [ -n "${KORVANTA_SIGN_CERT:-}" ] && [ -n "${KORVANTA_SIGN_KEY:-}" ] ||
    { echo "sign.sh: KORVANTA_SIGN_CERT and KORVANTA_SIGN_KEY go together" >&2; exit 2; }
  credentials=(-certs "$KORVANTA_SIGN_CERT" -key "$KORVANTA_SIGN_KEY")
fi
[ -z "${KORVANTA_SIGN_PASSWORD:-}" ] || credentials+=(-pass "$KORVANTA_SIGN_PASSWORD")
# Without a timestamp a signature verifies only while the certificate is valid.
timestamp=()
[ -z "${KORVANTA_SIGN_TIMESTAMP:-}" ] || timestamp=(-ts "$KORVANTA_SIGN_TIMESTAMP")

eval "$(cmake -P "$root/packaging/maker_values.cmake")"
for file in "$@"; do
  signed="$file.signing"
  rm -f "$signed"
  osslsigncode sign "${credentials[@]}" "${timestamp[@]}" -h sha256 \
    -n "$KORVANTA_PRODUCT_NAME" -i "$KORVANTA_MAKER_WEB" -in "$file" -out "$signed" >/dev/null ||
    { rm -f "$signed"; echo "sign.sh: signing $file failed" >&2; exit 1; }
  mv "$signed" "$file"
done
