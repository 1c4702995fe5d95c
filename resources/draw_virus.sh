#!/usr/bin/env bash
# Draws the virus window's picture (96 x 96 JPEG): a red bug with black legs on a screen of
# green code. Needs ImageMagick and DejaVu fonts.
#   resources/draw_virus.sh [OUT.jpg]
set -euo pipefail
out=${1:-$(dirname "$0")/virus.jpg}
font=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
convert -size 96x96 xc:'#0b1a0e' \
  -font "$font" -pointsize 9 -fill '#2f8f3f' \
  -annotate +3+10 '0101 1101 01' -annotate +3+22 'MOV AX,4C00' -annotate +3+34 '1011 0010 11' \
  -annotate +3+46 'INT 21h  JMP' -annotate +3+58 '0110 1110 00' -annotate +3+70 'XOR BX,BX  1' \
  -annotate +3+82 '1001 0111 01' -annotate +3+94 'CALL 0000:0' \
  -stroke '#111111' -strokewidth 3 \
  -draw 'line 30,40 14,30' -draw 'line 30,50 10,50' -draw 'line 30,60 14,72' \
  -draw 'line 66,40 82,30' -draw 'line 66,50 86,50' -draw 'line 66,60 82,72' \
  -draw 'line 42,24 34,10' -draw 'line 54,24 62,10' \
  -stroke '#3a0a0a' -strokewidth 2 -fill '#d62020' -draw 'ellipse 48,54 20,26 0,360' \
  -fill '#2a0808' -draw 'ellipse 48,30 11,9 0,360' \
  -stroke '#3a0a0a' -draw 'line 48,32 48,80' \
  -fill '#ffffff' -stroke none -draw 'circle 44,28 44,26' -draw 'circle 52,28 52,26' \
  -fill '#111111' -draw 'circle 38,48 38,44' -draw 'circle 58,62 58,58' -draw 'circle 40,68 40,65' \
  -strip -quality 92 "$out"
