#!/usr/bin/env bash
# Draws the color chart program's icon, a small wheel of the chart's colors
# around a violet centre, into resources/map.ico (32 x 32 and 16 x 16). Run
# it when the icon changes.
set -euo pipefail
cd "$(dirname "$0")/.."
convert -size 32x32 xc:white -stroke black -strokewidth 1 \
  -fill 'rgb(255,0,0)' -draw "path 'M 16,16 L 1,16 A 15,15 0 0,1 16,1 Z'" \
  -fill 'rgb(255,255,0)' -draw "path 'M 16,16 L 16,1 A 15,15 0 0,1 31,16 Z'" \
  -fill 'rgb(96,192,232)' -draw "path 'M 16,16 L 31,16 A 15,15 0 0,1 16,31 Z'" \
  -fill 'rgb(0,192,0)' -draw "path 'M 16,16 L 16,31 A 15,15 0 0,1 1,16 Z'" \
  -fill 'rgb(96,128,224)' -draw "circle 16,16 16,23" \
  -colors 16 -define icon:auto-resize=32,16 resources/map.ico
