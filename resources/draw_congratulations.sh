#!/usr/bin/env bash
# Draws the congratulations picture of a won game (300 x 100 JPEG): two lines of
# orange-red capitals with a dark outline on white. Needs ImageMagick and DejaVu fonts.
#   resources/draw_congratulations.sh [OUT.jpg]
set -euo pipefail
out=${1:-$(dirname "$0")/congratulations.jpg}
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
convert -size 300x100 xc:white \
  -font "$font" -fill '#ff4a10' -stroke '#3a1a08' -strokewidth 1.5 \
  -gravity north -pointsize 32 -annotate +0+8 'ПОЗДРАВЛЯЕМ' \
  -pointsize 25 -annotate +0+55 'ВЫ ПРОШЛИ ИГРУ!' \
  -strip -quality 92 "$out"
