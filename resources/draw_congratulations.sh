#!/usr/bin/env bash
# Draws the congratulations picture of a won game (300 x 100, and twice as large for dense
# screens): two lines of orange-red capitals with a dark outline on white. Needs ImageMagick
# and DejaVu fonts.
#   resources/draw_congratulations.sh [FOLDER]
set -euo pipefail
folder=${1:-$(dirname "$0")}
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
for scale in 1 2; do
  out=$folder/congratulations.jpg
  [ "$scale" = 2 ] && out=$folder/congratulations@2x.jpg
  convert -size $((300 * scale))x$((100 * scale)) xc:white \
    -font "$font" -fill '#ff4a10' -stroke '#3a1a08' -strokewidth "$(awk -v s=$scale 'BEGIN { print 1.5 * s }')" \
    -gravity north -pointsize $((32 * scale)) -annotate +0+$((8 * scale)) 'ПОЗДРАВЛЯЕМ' \
    -pointsize $((25 * scale)) -annotate +0+$((55 * scale)) 'ВЫ ПРОШЛИ ИГРУ!' \
    -strip -quality 92 "$out"
done
