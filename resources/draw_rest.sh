#!/usr/bin/env bash
# Draws the rest window's picture (200 x 110, and twice as large for dense screens): an
# evening in the park, the sun going down over the hills, a skate ramp and a cafe table.
# Needs ImageMagick.
#   resources/draw_rest.sh [FOLDER]
set -euo pipefail
folder=${1:-$(dirname "$0")}
for scale in 1 2; do
  out=$folder/rest.jpg
  [ "$scale" = 2 ] && out=$folder/rest@2x.jpg
  s="scale $scale,$scale"
  convert -size $((200 * scale))x$((110 * scale)) gradient:'#ffb36b'-'#6a7fd0' -rotate 180 \
    -fill '#ffe27a' -stroke none -draw "$s circle 140,62 140,44" \
    -fill '#4f8f4a' -draw "$s ellipse 50,110 90,40 180,360" \
    -fill '#3d7a3a' -draw "$s ellipse 170,112 80,34 180,360" \
    -fill '#7a5230' -draw "$s rectangle 18,62 22,92" \
    -fill '#2f6b2c' -draw "$s circle 20,56 20,40" \
    -fill '#9aa3ad' -stroke '#4d5560' -strokewidth 1 \
    -draw "$s path 'M 92,100 Q 112,100 118,78 L 124,78 L 124,100 Z'" \
    -fill '#c0392b' -stroke '#5a1a12' -draw "$s rectangle 150,86 182,89" \
    -draw "$s line 156,89 156,100" -draw "$s line 176,89 176,100" \
    -fill '#f4f4f4' -stroke none -draw "$s circle 160,82 160,79" -draw "$s circle 172,82 172,79" \
    -strip -quality 92 "$out"
done
