#!/usr/bin/env bash
# Checks that a Korvanta.dll loads on a plain Windows machine: it imports only
# Windows system DLLs (no MinGW runtime DLLs), and from them only functions
# that Windows XP has (tests/xp_imports.txt), and exports exactly the four
# entry points of an in-process COM server, undecorated. Also holds the DLL to
# its size budget, so that growth is a decision rather than an accident.
# Usage: tests/check_dll.sh path/to/Korvanta.dll objdump
set -euo pipefail
dll=$1
objdump=${2:-objdump}
listing=$("$objdump" -p "$dll")
root=$(cd "$(dirname "$0")/.." && pwd)

allowed='^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|comctl32|msvcrt|shlwapi)\.dll$'
status=0
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$listing" | tr 'A-Z' 'a-z' | sort -u)
for import in $imports; do
  if ! grep -Eq "$allowed" <<<"$import"; then
    echo "FAIL: $dll imports $import, which a Windows machine does not have"
    status=1
  fi
done

# objdump lists each DLL's imports under its name: a tab, the hint-name
# address, then the hint and the function's name.
functions=$(awk -F'\t' '/DLL Name:/ { sub(/.*DLL Name: /, ""); dll = tolower($0); next }
  dll && NF >= 3 && $2 ~ /^[0-9a-f]+$/ { split($3, words, " "); print dll, words[2] }' <<<"$listing" | sort -u)
newer=$(comm -23 <(echo "$functions") <(grep -v '^#' "$root/tests/xp_imports.txt" | sort -u))
while read -r from function; do
  # A DLL that is no system DLL has already failed above.
  [ -n "$from" ] && grep -Eq "$allowed" <<<"$from" || continue
  echo "FAIL: $dll imports $from!$function, which is not among the functions Windows XP has (tests/xp_imports.txt); look it up at run time"
  status=1
done <<<"$newer"

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$listing" | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
expected='DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer '
if [ "$exports" != "$expected" ]; then
  echo "FAIL: $dll exports '$exports', expected '$expected'"
  status=1
fi
eval "$(cmake -P "$root/packaging/maker_values.cmake")"
version=$(python3 "$root/tests/packaging/pe_version.py" "$dll") || version="none"
if [ "$version" != "$KORVANTA_VERSION" ]; then
  echo "FAIL: $dll has version record $version, expected $KORVANTA_VERSION"
  status=1
fi
# Budgets in bytes (1 KB = 1000 bytes): the shipped 32-bit DLL 250 KB; the
# 64-bit one 210 KB, as its unwind tables are smaller than the 32-bit build's
# DWARF ones and the same code comes out about 15% smaller.
case $(sed -n 's/.*file format //p' <<<"$listing" | head -1) in
  pei-i386) budget=250000 ;;
  pei-x86-64) budget=210000 ;;
  *) echo "FAIL: $dll is neither a 32-bit nor a 64-bit Windows DLL"; exit 1 ;;
esac
size=$(stat -c %s "$dll")
if [ "$size" -gt "$budget" ]; then
  echo "FAIL: $dll is $size bytes, over its budget of $budget"
  status=1
fi

[ $status -eq 0 ] && echo "$dll: imports $(wc -l <<<"$functions") functions, all in Windows XP, from $(echo $imports); exports $exports; version $version; $size bytes of $budget"
exit $status
