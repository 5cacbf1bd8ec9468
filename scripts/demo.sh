#!/usr/bin/env bash
# Builds Korvanta and runs the demo: the add-in in its simulated Excel, under
# Wine, in a private prefix; the dialogs are driven and read back. Installs
# what it needs first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
korvanta_prepare
echo "Korvanta.dll (32-bit, shipped): $root/build/i686/dll/Korvanta.dll"
echo "Demo: the $arch build in a simulated Excel under $(basename "$KORVANTA_WINE")"
dll="Z:$(echo "$KORVANTA_BUILD/dll/Korvanta.dll" | tr / '\\')"
"$KORVANTA_WINE" "$KORVANTA_BUILD/hostsim/korvanta-demo.exe" "$dll" </dev/null

# With a display, the dialogs are also photographed (drawn by Wine's X11 driver
# on a virtual screen of their own).
if [ -n "${DISPLAY:-}" ]; then
  korvanta_wine_stop
  bash "$root/scripts/screenshots.sh"
  echo "Screenshots of both dialogs: $root/docs/customise-dialog.png, $root/docs/about-dialog.png"
fi
