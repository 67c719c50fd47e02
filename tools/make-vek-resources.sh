#!/usr/bin/env bash
# Draws the main program's pictures: the home page (resources/homepage.bmp,
# 540 x 350, 24 bits per pixel), its icon (resources/vek.ico, 32 x 32 and
# 16 x 16) and the pointing-hand cursor of the home page's report names
# (resources/finger.cur). Run it when one of them changes; the same run
# gives the same bytes. tools/make_vek_resources.py holds the geometry.
set -euo pipefail
cd "$(dirname "$0")/.."
fonts=/usr/share/fonts/truetype/liberation
for face in LiberationSerif-Regular LiberationSerif-Italic LiberationSerif-Bold; do
  [[ -f $fonts/$face.ttf ]] || { echo "$fonts/$face.ttf is missing (fonts-liberation)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 tools/make_vek_resources.py drawings "$fonts" "$work"

# The home page: a night sky from deep blue (top left) to violet (bottom
# left), darker on the right where the report names stand in white; a soft
# glow behind the wheel of the nine digits; the title at the top left.
convert -size 540x350 xc: \
  -sparse-color Bilinear '0,0 #142152 540,0 #0a0f33 0,350 #2d1a5c 540,350 #120c34' \
  \( -size 340x340 radial-gradient:'rgba(150,125,245,0.42)'-'rgba(150,125,245,0)' \) \
  -geometry -24+34 -compose Over -composite \
  \( -size 540x350 xc:none -fill 'rgba(4,5,22,0.6)' -draw 'rectangle 292,52 560,370' -blur 0x7 \) \
  -geometry +0+0 -composite \
  -draw "$(< "$work/stars.mvg")" \
  \( -size 540x350 xc:none -draw "$(< "$work/wheel.mvg")" -channel A -blur 0x2.5 -evaluate multiply 0.5 +channel \) \
  -composite \
  -draw "$(< "$work/wheel.mvg")" \
  \( -size 540x350 xc:none -draw "$(< "$work/title.mvg")" -channel A -blur 0x3 -evaluate multiply 0.6 +channel \) \
  -composite \
  -draw "$(< "$work/title.mvg")" \
  -draw "$(< "$work/panel.mvg")" \
  -alpha off -type TrueColor BMP3:resources/homepage.bmp

# The icon: a gold ring of nine points with a 9 in it, on night blue.
for size in 32 16; do
  corner=$((size / 5))
  convert -size "${size}x${size}" gradient:'#1d2b68'-'#2e1860' \
    \( -size "${size}x${size}" xc:black -fill white \
       -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $corner,$corner" \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    -draw "$(< "$work/icon$size.mvg")" "PNG32:$work/icon$size.png"
done
convert "$work/icon32.png" "$work/icon16.png" resources/vek.ico

# The cursor: a hand pointing up with its index finger, the other fingers
# folded and the thumb to the left. The shape is drawn without smoothing;
# its inside, one pixel in from the edge, is white, with black lines
# between the folded fingers.
convert -size 32x32 xc:black +antialias -fill white -stroke none \
  -draw "polygon 9,0 10,0 12,2 12,18 7,18 7,2" \
  -draw "polygon 13,9 15,9 17,11 17,20 12,20 12,10" \
  -draw "polygon 17,10 19,10 21,12 21,21 16,21 16,11" \
  -draw "polygon 21,12 23,12 25,14 25,22 20,22 20,13" \
  -draw "polygon 7,16 25,16 25,25 23,28 22,31 10,31 9,28 7,25" \
  -draw "polygon 8,18 5,14 3,13 1,14 1,16 3,20 6,25 9,29" \
  "$work/hand.png"
convert "$work/hand.png" -virtual-pixel Black -morphology Erode Diamond:1 +antialias -stroke black \
  -strokewidth 1 -draw "line 12,11 12,16" -draw "line 16,12 16,17" -draw "line 20,14 20,18" \
  "$work/fill.png"
convert "$work/hand.png" -negate "$work/hand.pbm"
convert "$work/fill.png" -negate "$work/fill.pbm"
python3 tools/make_vek_resources.py cursor "$work/hand.pbm" "$work/fill.pbm" resources/finger.cur
