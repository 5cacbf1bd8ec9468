#!/usr/bin/env bash
# Builds Korvanta and its installer packages, then runs the demo: the
# per-machine package for the architecture that runs here is installed into a
# private Wine prefix as a user would install it, the add-in runs in its
# simulated Excel 2007 and again in a simulated Excel 2013-365 (the dialogs are
# driven and read back), and the package is removed again, showing what is
# left. Installs what it needs first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
korvanta_prepare
echo "Korvanta.dll (32-bit Excel): $root/build/i686/dll/Korvanta.dll"
echo "Korvanta.dll (64-bit Excel): $root/build/x86_64/dll/Korvanta.dll"
echo
echo "== Building the installer packages =="
bash "$root/packaging/build.sh"

# Wine creates COM classes from HKLM only, so the demo installs for every user.
[ "$arch" = i686 ] && platform=x86 || platform=x64
eval "$(cmake -P "$root/packaging/maker_values.cmake")"
package="$root/build/dist/Korvanta-$KORVANTA_VERSION-$platform-machine.msi"
korvanta_wine_stop
korvanta_wine_setup "$arch" wineprefix-demo
korvanta_wine_start
winpackage="Z:$(echo "$package" | tr / '\\')"
echo
echo "== Installing $(basename "$package") (msiexec /i /qn) =="
"$KORVANTA_WINE" msiexec /i "$winpackage" /qn </dev/null
echo "Installed."
echo "Demo: the $arch build in a simulated Excel 2007 under $(basename "$KORVANTA_WINE")"
"$KORVANTA_WINE" "$KORVANTA_BUILD/hostsim/korvanta-demo.exe" --installed </dev/null
echo
echo "Demo again: the same add-in in a simulated Excel 2013-365 (a window per workbook, recent files in the cloud),"
echo "for a user who chose English for Korvanta's own texts (--language en)"
"$KORVANTA_WINE" "$KORVANTA_BUILD/hostsim/korvanta-demo.exe" --installed --excel 365 --language en </dev/null

echo
echo "== Removing $(basename "$package") (msiexec /x /qn) =="
"$KORVANTA_WINE" msiexec /x "$winpackage" /qn </dev/null
for key in 'HKCR\Korvanta.Connect' 'HKLM\Software\Microsoft\Office\Excel\Addins\Korvanta.Connect'; do
  if "$KORVANTA_WINE" reg query "$key" </dev/null >/dev/null 2>&1; then echo "  $key: still there"; else echo "  $key: gone"; fi
done
echo "  What is left, the user's choices (HKCU\\SOFTWARE\\Microsoft\\Shared Tools\\Korvanta\\Excel):"
"$KORVANTA_WINE" reg query 'HKCU\SOFTWARE\Microsoft\Shared Tools\Korvanta\Excel' </dev/null 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *\([A-Za-z]*\) *REG_SZ *\(.*\)$/    \1 = \2/p'

# With a display, the dialogs are also photographed (drawn by Wine's X11 driver
# on a virtual screen of their own).
if [ -n "${DISPLAY:-}" ]; then
  korvanta_wine_stop
  bash "$root/scripts/screenshots.sh"
  echo "Screenshots of both dialogs: $root/docs/customise-dialog.png, $root/docs/about-dialog.png"
fi
