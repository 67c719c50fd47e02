#!/usr/bin/env bash
# Draws the puzzle's icon, a corner of its board with four red pieces, into
# resources/brindo.ico (32 x 32 and 16 x 16). Run it when the icon changes.
set -euo pipefail
cd "$(dirname "$0")/.."
gray='rgb(192,192,192)'
convert -size 32x32 xc:'rgb(0,128,128)' -fill white -draw "rectangle 4,4 27,27" \
  -fill "$gray" -draw "rectangle 4,4 9,9" -draw "rectangle 16,4 21,9" -draw "rectangle 10,10 15,15" \
  -draw "rectangle 22,10 27,15" -draw "rectangle 4,16 9,21" -draw "rectangle 16,16 21,21" \
  -draw "rectangle 10,22 15,27" -draw "rectangle 22,22 27,27" \
  -fill red -draw "rectangle 10,4 15,9" -draw "rectangle 22,10 27,15" -draw "rectangle 4,16 9,21" \
  -draw "rectangle 16,22 21,27" -colors 16 -define icon:auto-resize=32,16 resources/brindo.ico
