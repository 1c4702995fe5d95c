#!/usr/bin/env bash
# Draws the virus window's picture (96 x 96, and twice as large for dense screens): a red bug
# with black legs on a screen of green code. Needs ImageMagick and DejaVu fonts.
#   resources/draw_virus.sh [FOLDER]
set -euo pipefail
folder=${1:-$(dirname "$0")}
font=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
for scale in 1 2; do
  out=$folder/virus.jpg
  [ "$scale" = 2 ] && out=$folder/virus@2x.jpg
  s="scale $scale,$scale"
  code=()
  lines=('0101 1101 01' 'MOV AX,4C00' '1011 0010 11' 'INT 21h  JMP' '0110 1110 00' 'XOR BX,BX  1'
         '1001 0111 01' 'CALL 0000:0')
  for i in "${!lines[@]}"; do
    code+=(-annotate +$((3 * scale))+$(((10 + 12 * i) * scale)) "${lines[$i]}")
  done
  convert -size $((96 * scale))x$((96 * scale)) xc:'#0b1a0e' \
    -font "$font" -pointsize $((9 * scale)) -fill '#2f8f3f' "${code[@]}" \
    -stroke '#111111' -strokewidth $((3 * scale)) \
    -draw "$s line 30,40 14,30" -draw "$s line 30,50 10,50" -draw "$s line 30,60 14,72" \
    -draw "$s line 66,40 82,30" -draw "$s line 66,50 86,50" -draw "$s line 66,60 82,72" \
    -draw "$s line 42,24 34,10" -draw "$s line 54,24 62,10" \
    -stroke '#3a0a0a' -strokewidth $((2 * scale)) -fill '#d62020' -draw "$s ellipse 48,54 20,26 0,360" \
    -fill '#2a0808' -draw "$s ellipse 48,30 11,9 0,360" \
    -stroke '#3a0a0a' -draw "$s line 48,32 48,80" \
    -fill '#ffffff' -stroke none -draw "$s circle 44,28 44,26" -draw "$s circle 52,28 52,26" \
    -fill '#111111' -draw "$s circle 38,48 38,44" -draw "$s circle 58,62 58,58" \
    -draw "$s circle 40,68 40,65" \
    -strip -quality 92 "$out"
done
