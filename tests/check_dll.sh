#!/usr/bin/env bash
# Checks that a Korvanta.dll loads on a plain Windows machine: it imports only
# Windows system DLLs (no MinGW runtime DLLs) and exports exactly the four
# entry points of an in-process COM server, undecorated. Also holds the DLL to
# its size budget, so that growth is a decision rather than an accident.
# Usage: tests/check_dll.sh path/to/Korvanta.dll objdump
set -euo pipefail
dll=$1
objdump=${2:-objdump}
listing=$("$objdump" -p "$dll")

allowed='^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|comctl32|msvcrt|shlwapi)\.dll$'
status=0
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$listing" | tr 'A-Z' 'a-z' | sort -u)
for import in $imports; do
  if ! grep -Eq "$allowed" <<<"$import"; then
    echo "FAIL: $dll imports $import, which a Windows machine does not have"
    status=1
  fi
done

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$listing" | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
expected='DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer '
if [ "$exports" != "$expected" ]; then
  echo "FAIL: $dll exports '$exports', expected '$expected'"
  status=1
fi
root=$(cd "$(dirname "$0")/.." && pwd)
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

[ $status -eq 0 ] && echo "$dll: imports $(echo $imports); exports $exports; version $version; $size bytes of $budget"
exit $status
