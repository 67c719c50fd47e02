#!/usr/bin/env python3
"""Geometry for tools/make-vek-resources.sh, which draws the main program's
pictures with ImageMagick.

  make_vek_resources.py drawings FONT_DIR OUT_DIR
      writes the vector drawings (ImageMagick's MVG) of the home page and
      of the icon into OUT_DIR;
  make_vek_resources.py cursor SHAPE.pbm FILL.pbm OUT.cur
      packs the pointing hand into a monochrome 32 x 32 cursor file: black
      where SHAPE is set and FILL is not, white where FILL is set, and
      transparent outside SHAPE; the hot spot is the middle of the hand's
      topmost row, the tip of the index finger.
"""

import math
import os
import struct
import sys

WIDTH, HEIGHT = 540, 350

# The wheel on the left of the home page.
WHEEL_X, WHEEL_Y = 146.0, 204.0
OUTER_RING = 114.0
INNER_RING = 88.0
DIGIT_RADIUS = (OUTER_RING + INNER_RING) / 2

# The report names stand at x 300 and beyond, from y 58 down; no stars there.
LABEL_PANEL = (284, 52, WIDTH, HEIGHT)

GOLD = "#e6cf92"
LAVENDER = "#b8a6f2"
MOONLIGHT = "#f3eeff"

CURSOR_SIZE = 32


class Numbers:
    """A fixed pseudo-random sequence (a 31-bit linear congruential
    generator), so that the stars fall in the same places on every run
    and with every Python."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) % 2**31
        return self.state / 2**31


def rgba(colour, opacity):
    """An MVG colour with its opacity. (Colours carry their opacity: a run of
    "fill-opacity" settings doesn't give each shape its own.)"""
    red, green, blue = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return "'rgba(%d,%d,%d,%s)'" % (red, green, blue, number(opacity))


def number(value):
    text = "%.2f" % value
    return text.rstrip("0").rstrip(".") if "." in text else text


def point(x, y):
    return number(x) + "," + number(y)


def on_wheel(angle_degrees, radius, centre=(WHEEL_X, WHEEL_Y)):
    """The point at angle (clockwise from the top) and radius around centre."""
    angle = math.radians(angle_degrees)
    return centre[0] + radius * math.sin(angle), centre[1] - radius * math.cos(angle)


def star_polygon(points, step, radius, centre=(WHEEL_X, WHEEL_Y)):
    """The lines of the regular star polygon {points/step} on a circle."""
    lines = []
    for i in range(points):
        a = on_wheel(360.0 * i / points, radius, centre)
        b = on_wheel(360.0 * ((i + step) % points) / points, radius, centre)
        lines.append("line %s %s" % (point(*a), point(*b)))
    return lines


def circle(centre, radius):
    return "circle %s %s" % (point(*centre), point(centre[0] + radius, centre[1]))


def faded_line(start, end, colour, peak):
    """A one-pixel line, level or upright, whose opacity rises from nothing
    to peak in the middle and falls again: one point per pixel, so that no
    piece overlaps another."""
    (x0, y0), (x1, y1) = start, end
    length = max(abs(x1 - x0), abs(y1 - y0))
    out = ["push graphic-context", "stroke none"]
    for i in range(length + 1):
        out.append("fill %s" % rgba(colour, peak * math.sin(math.pi * i / length)))
        out.append("point %d,%d" % (x0 + (x1 - x0) * i // length, y0 + (y1 - y0) * i // length))
    out.append("pop graphic-context")
    return out


def stars():
    """Small stars over the sky: the top and the left, clear of the wheel's
    digits and of the report names."""
    numbers = Numbers(1949)
    out = ["push graphic-context", "stroke none"]
    placed = 0
    while placed < 70:
        x, y = numbers.next() * WIDTH, numbers.next() * HEIGHT
        size, brightness = numbers.next(), numbers.next()
        left, top = LABEL_PANEL[:2]
        if left - 6 <= x and top - 6 <= y:
            continue
        if 10 <= y <= 50 and x <= 250:  # the title
            continue
        distance = math.hypot(x - WHEEL_X, y - WHEEL_Y)
        if distance < OUTER_RING + 8:
            continue
        radius = 0.45 + 0.75 * size * size
        out.append("fill %s" % rgba(MOONLIGHT if brightness > 0.3 else LAVENDER, 0.25 + 0.6 * brightness))
        out.append(circle((x, y), radius))
        if size > 0.93:  # a few bright ones twinkle
            out += ["push graphic-context", "stroke %s" % rgba(MOONLIGHT, 0.45),
                    "stroke-width 0.6",
                    "line %s %s" % (point(x - 4.5, y), point(x + 4.5, y)),
                    "line %s %s" % (point(x, y - 4.5), point(x, y + 4.5)),
                    "pop graphic-context"]
        placed += 1
    out.append("pop graphic-context")
    return out


def wheel(fonts):
    """The wheel: two gold rings with the digits 1 to 9 between them (9 at
    the top), and inside the inner ring the star polygons {9/2} and {9/4}
    over the nine points, a faint nonagon and a small centre."""
    centre = (WHEEL_X, WHEEL_Y)
    out = ["push graphic-context", "fill none", "stroke-linejoin round"]
    # The rings.
    out += ["stroke %s" % rgba(GOLD, 0.9), "stroke-width 1.3", circle(centre, OUTER_RING),
            "stroke %s" % rgba(GOLD, 0.45), "stroke-width 0.7", circle(centre, OUTER_RING + 4),
            "stroke %s" % rgba(GOLD, 0.7), "stroke-width 0.9", circle(centre, INNER_RING)]
    # The figures inside.
    out += ["stroke %s" % rgba(LAVENDER, 0.28), "stroke-width 0.8"]
    out += star_polygon(9, 1, INNER_RING)
    out += ["stroke %s" % rgba(LAVENDER, 0.42)]
    out += star_polygon(9, 2, INNER_RING)
    out += ["stroke %s" % rgba(GOLD, 0.75), "stroke-width 0.9"]
    out += star_polygon(9, 4, INNER_RING)
    out += ["stroke %s" % rgba(GOLD, 0.55), "stroke-width 0.8", circle(centre, 17),
            "stroke %s" % rgba(GOLD, 0.3), circle(centre, 34)]
    # Dots where the figures meet the inner ring, and between the digits.
    out += ["stroke none", "fill %s" % rgba(GOLD, 0.95)]
    for i in range(9):
        out.append(circle(on_wheel(40.0 * i, INNER_RING), 2.1))
    out.append("fill %s" % rgba(GOLD, 0.6))
    for i in range(9):
        out.append(circle(on_wheel(40.0 * i + 20, DIGIT_RADIUS), 1.3))
    out.append("fill '%s'" % GOLD)
    out.append(circle(centre, 2.4))
    # The digits, upright, 9 at the top and 1 to 8 clockwise.
    out += ["fill '%s'" % MOONLIGHT,
            "font '%s'" % os.path.join(fonts, "LiberationSerif-Regular.ttf"),
            "font-size 17", "text-anchor middle"]
    for digit in range(1, 10):
        x, y = on_wheel(40.0 * (digit % 9), DIGIT_RADIUS)
        out.append("text %s '%d'" % (point(x, y + 6), digit))
    out.append("pop graphic-context")
    return out


def title(fonts):
    return ["push graphic-context", "fill '%s'" % MOONLIGHT, "stroke none",
            "font '%s'" % os.path.join(fonts, "LiberationSerif-Italic.ttf"),
            "font-size 29", "text 20,41 'Tamsi Numerology'", "pop graphic-context"]


def panel_edge():
    """A fine gold line down the left of the report names."""
    return faded_line((286, 56), (286, 344), GOLD, 0.6)


def group_lines():
    """Faint lines between the groups of report names: after "Chart
    Calculator" and after "Brindo"."""
    out = []
    for y in (112, 155):
        out += faded_line((300, y), (500, y), GOLD, 0.45)
    return out


def icon(fonts, size):
    """The icon: a gold ring with a 9 in it on night blue."""
    scale = size / 32.0
    centre = (size / 2.0, size / 2.0)
    out = ["viewbox 0 0 %d %d" % (size, size), "stroke-linejoin round",
           "push graphic-context", "fill none", "stroke '%s'" % GOLD,
           "stroke-width %s" % number(1.6 * scale if size > 16 else 1.2),
           circle(centre, 13.6 * scale), "pop graphic-context"]
    if size > 16:
        out += ["push graphic-context", "fill '%s'" % GOLD, "stroke none"]
        for i in range(9):
            out.append(circle(on_wheel(40.0 * i, 10.2 * scale, centre), 0.9))
        out.append("pop graphic-context")
    out += ["push graphic-context", "fill '%s'" % MOONLIGHT, "stroke none",
            "font '%s'" % os.path.join(fonts, "LiberationSerif-Bold.ttf"),
            "font-size %s" % number(18 * scale if size > 16 else 13), "text-anchor middle",
            "text %s '9'" % point(centre[0], centre[1] + (6.3 * scale if size > 16 else 4.6)),
            "pop graphic-context"]
    return out


def write_drawings(fonts, folder):
    drawings = {
        "stars.mvg": stars(),
        "wheel.mvg": wheel(fonts),
        "title.mvg": title(fonts),
        "panel.mvg": panel_edge() + group_lines(),
        "icon32.mvg": icon(fonts, 32),
        "icon16.mvg": icon(fonts, 16),
    }
    for name, lines in drawings.items():
        if not name.startswith("icon"):
            lines = ["viewbox 0 0 %d %d" % (WIDTH, HEIGHT)] + lines
        with open(os.path.join(folder, name), "w") as out:
            out.write("\n".join(lines) + "\n")


def read_pbm(path):
    """A binary PBM ("P4") of CURSOR_SIZE x CURSOR_SIZE as rows of 0/1."""
    with open(path, "rb") as f:
        data = f.read()
    fields, at = [], 0
    while len(fields) < 3:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    at += 1  # the one blank after the height
    if fields[0] != b"P4" or int(fields[1]) != CURSOR_SIZE or int(fields[2]) != CURSOR_SIZE:
        sys.exit("%s: not a %d x %d binary PBM" % (path, CURSOR_SIZE, CURSOR_SIZE))
    row_bytes = (CURSOR_SIZE + 7) // 8
    rows = []
    for y in range(CURSOR_SIZE):
        row = data[at + y * row_bytes:at + (y + 1) * row_bytes]
        rows.append([(row[x // 8] >> (7 - x % 8)) & 1 for x in range(CURSOR_SIZE)])
    return rows


def pack_rows(rows):
    """Rows of 0/1 as a 1-bit bitmap: bottom row first, each row padded to
    four bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits = 0
        for value in row:
            bits = bits << 1 | value
        out += bits.to_bytes(CURSOR_SIZE // 8, "big")
        out += bytes((-(CURSOR_SIZE // 8)) % 4)
    return bytes(out)


def write_cursor(shape_path, fill_path, out_path):
    # In a PBM 1 is black: the hand's pixels in both pictures.
    shape = read_pbm(shape_path)
    fill = read_pbm(fill_path)
    for y in range(CURSOR_SIZE):
        for x in range(CURSOR_SIZE):
            if fill[y][x] and not shape[y][x]:
                sys.exit("%s: the fill reaches outside the hand at %d,%d" % (fill_path, x, y))
    top = next(y for y in range(CURSOR_SIZE) if any(shape[y]))
    tip = [x for x in range(CURSOR_SIZE) if shape[top][x]]
    hot_x, hot_y = (tip[0] + tip[-1]) // 2, top

    # A monochrome cursor: the screen is ANDed with the mask, then XORed
    # with the image: mask 1 + image 0 leaves the screen (transparent),
    # mask 0 + image 0 is black, mask 0 + image 1 is white.
    image = pack_rows(fill)
    mask = pack_rows([[1 - value for value in row] for row in shape])
    header = struct.pack("<IiiHHIIiiII", 40, CURSOR_SIZE, 2 * CURSOR_SIZE, 1, 1, 0,
                         len(image) + len(mask), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    resource = header + palette + image + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", CURSOR_SIZE, CURSOR_SIZE, 2, 0, hot_x, hot_y, len(resource),
                        len(directory) + 16)
    with open(out_path, "wb") as out:
        out.write(directory + entry + resource)
    print("%s: hot spot %d,%d" % (out_path, hot_x, hot_y))


def main(argv):
    if len(argv) == 4 and argv[1] == "drawings":
        write_drawings(argv[2], argv[3])
    elif len(argv) == 5 and argv[1] == "cursor":
        write_cursor(argv[2], argv[3], argv[4])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
