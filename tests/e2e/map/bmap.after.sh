# The saved charts read back with ImageMagick and the imaging library of
# Python (the system's, where python3-pil puts it): their size, depth and the colours at known points.
set -euo pipefail
# Only the files of a run that passed are worth reading.
[ "$E2E_STATUS" -eq 0 ] || exit 0
reports="$E2E_RESULTS/Tamsi/Reports"
identify -format '%w %h\n' "$reports/MTorr01C.bmp" | grep -qx '912 684'
identify -format '%w %h %z\n' "$reports/MTorr03C.bmp" | grep -Eq '^912 684 1$'
/usr/bin/python3 - "$reports" <<'PY'
import sys
from PIL import Image
reports = sys.argv[1]
chart = Image.open(reports + "/MTorr01C.bmp").convert("RGB")
assert chart.size == (912, 684), chart.size
expected = {
    (125, 255): (240, 112, 224),  # Life Path 16: violet
    (372, 41): (96, 128, 224),    # Heart's desire 33: blue
    (5, 5): (255, 255, 255),      # the background
    (856, 340): (240, 112, 224),  # the Subconcious self's dome, 7
}
for point, colour in expected.items():
    assert chart.getpixel(point) == colour, (point, chart.getpixel(point), colour)
key = Image.open(reports + "/MTorr03C.bmp")
assert key.size == (912, 684) and key.mode == "1", (key.size, key.mode)
print("bitmaps read back:", chart.size, Image.open(reports + "/MTorr01C.bmp").mode, key.mode)
PY
