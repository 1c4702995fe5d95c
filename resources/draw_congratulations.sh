#!/usr/bin/env bash
# Draws the congratulations picture of a won game (300 x 100, and twice as large for dense
# screens) in each language of the game: two lines of orange-red capitals with a dark outline on
# white. A translator adds a row with the file's suffix, the two lines and their sizes in points.
# Needs ImageMagick and DejaVu fonts.
#   resources/draw_congratulations.sh [FOLDER]
set -euo pipefail
folder=${1:-$(dirname "$0")}
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
languages=(
  "|ПОЗДРАВЛЯЕМ|32|ВЫ ПРОШЛИ ИГРУ!|25"
  "-en|CONGRATULATIONS|25|YOU HAVE WON THE GAME!|18"
)
for row in "${languages[@]}"; do
  IFS='|' read -r suffix first firstSize second secondSize <<<"$row"
  for scale in 1 2; do
    out=$folder/congratulations$suffix.jpg
    [ "$scale" = 2 ] && out=$folder/congratulations$suffix@2x.jpg
    convert -size $((300 * scale))x$((100 * scale)) xc:white \
      -font "$font" -fill '#ff4a10' -stroke '#3a1a08' -strokewidth "$(awk -v s=$scale 'BEGIN { print 1.5 * s }')" \
      -gravity north -pointsize $((firstSize * scale)) -annotate +0+$((8 * scale)) "$first" \
      -pointsize $((secondSize * scale)) -annotate +0+$((55 * scale)) "$second" \
      -strip -quality 92 "$out"
  done
done
