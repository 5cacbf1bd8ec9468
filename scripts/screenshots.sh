#!/usr/bin/env bash
# Pictures of the two dialogs for docs/: each is opened by the show_dialogs
# driver under Wine's X11 driver, in a virtual desktop on a private Xvfb
# display, with the dialogs' font "微软雅黑" mapped to WenQuanYi Micro Hei and
# Wine's own visual style ("Light") on. Writes docs/customise-dialog.png and
# docs/about-dialog.png at 96 DPI in Simplified Chinese, the same in
# Traditional Chinese and English (docs/customise-dialog-zh-TW.png, ...-en.png
# and the About dialog's), and docs/customise-dialog-144dpi.png and
# docs/about-dialog-144dpi.png with the screen set to 144 DPI (150%).
# Usage: scripts/screenshots.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
source "$root/scripts/wine-env.sh"
arch=$(korvanta_run_arch)
"$root/scripts/build.sh" "$arch" >/dev/null

build="$root/build/$arch"
driver="$build/tests/dialogs/show_dialogs.exe"
[ -f "$driver" ] || cmake --build "$build" --target show_dialogs >/dev/null
if [ "$arch" = i686 ]; then
  export WINEARCH=win32 KORVANTA_WINE=/usr/lib/wine/wine
else
  export WINEARCH=win64 KORVANTA_WINE=/usr/lib/wine/wine64
fi
# A prefix of its own: the tests' prefix uses the null driver, which draws nothing.
export WINEPREFIX="$build/wineprefix-screenshots" WINEDEBUG=-all
export WINELOADER=$KORVANTA_WINE WINESERVER=/usr/lib/wine/wineserver
work="$build/screenshots"
mkdir -p "$work" "$root/docs"

# A free X display.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

if [ ! -f "$WINEPREFIX/.korvanta-screenshots-ready" ]; then
  rm -rf "$WINEPREFIX"
  "$KORVANTA_WINE" wineboot -i </dev/null >/dev/null 2>&1
  "$WINESERVER" -w
  # A virtual desktop for the pictures, and the dialogs' font as the tests measure it.
  "$KORVANTA_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
  "$KORVANTA_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1000x740 /f </dev/null >/dev/null 2>&1
  korvanta_map_dialog_font
  touch "$WINEPREFIX/.korvanta-screenshots-ready"
fi

# shoot NAME PICTURE [LANGUAGE]: opens the dialog (in Simplified Chinese unless
# told), waits for it to be drawn, cuts its window out of the virtual desktop.
shoot() {
  local name=$1 picture=$2 language=${3:-zh-CN} rect="$work/$1.rect"
  rm -f "$rect"
  "$KORVANTA_WINE" "$driver" "$name" 0 "$language" </dev/null >"$rect" 2>/dev/null &
  for _ in $(seq 200); do [ -s "$rect" ] && break; sleep 0.1; done
  [ -s "$rect" ] || { echo "the $name dialog did not appear" >&2; exit 1; }
  read -r left top width height < <(tr -d "\r" <"$rect")
  sleep 1.5
  local desktop
  desktop=$(xdotool search --name 'Wine desktop' | head -n 1)
  xwd -silent -id "$desktop" | convert xwd:- -crop "${width}x${height}+${left}+${top}" +repage "$picture"
  "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
  "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
  echo "$picture"
}

# The screen's DPI, which Wine reads at start-up (each picture starts Wine anew).
screen_dpi() {
  "$KORVANTA_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
  "$KORVANTA_WINE" reg add 'HKCU\Software\Wine\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
  "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
}

screen_dpi 96
shoot customise "$root/docs/customise-dialog.png"
shoot about "$root/docs/about-dialog.png"
for language in zh-TW en; do
  shoot customise "$root/docs/customise-dialog-$language.png" "$language"
  shoot about "$root/docs/about-dialog-$language.png" "$language"
done
screen_dpi 144
shoot customise "$root/docs/customise-dialog-144dpi.png"
shoot about "$root/docs/about-dialog-144dpi.png"
screen_dpi 96
