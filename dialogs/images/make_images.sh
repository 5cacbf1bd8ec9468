#!/usr/bin/env bash
# Redraws the dialogs' images with ImageMagick: dialogs/logo.jpg, the About
# dialog's 177 by 81 pixel logo, and dialogs/hand.ico, the 32 by 32 pointing
# hand (drawn pixel by pixel in hand.xpm; its tip, the pointer's hot spot, is
# at x 13, y 3).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dialogs=$(dirname "$here")

convert -size 177x81 gradient:'#ffffff-#dbe8f7' \
  -fill none -stroke '#9bb8dd' -strokewidth 1 -draw "roundrectangle 1,1 175,79 8,8" \
  -stroke none -fill '#e8731a' -draw "roundrectangle 10,12 22,24 3,3" -fill '#3b7dd8' -draw "roundrectangle 24,12 36,24 3,3" \
  -fill '#6fae2e' -draw "roundrectangle 10,26 22,38 3,3" -fill '#f2b31b' -draw "roundrectangle 24,26 36,38 3,3" \
  -font DejaVu-Sans-Bold -pointsize 20 -fill '#d35f0f' -annotate +44+33 'Office' \
  -font DejaVu-Sans -pointsize 20 -fill '#5a6b80' -annotate +113+33 '2007' \
  -stroke '#c7d6ea' -strokewidth 1 -draw "line 10,44 166,44" -stroke none \
  -font DejaVu-Sans-Bold -pointsize 24 -fill '#1d4f9c' -gravity south -annotate +0+8 'Korvanta' \
  -quality 92 -strip "$dialogs/logo.jpg"

convert "$here/hand.xpm" -type TrueColorAlpha "$dialogs/hand.ico"
