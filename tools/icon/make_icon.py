#!/usr/bin/env python3
# Draws Tessavor's application icon and writes it as a one-image .ico:
# 128 x 128, 8 bits per pixel, 256-colour palette, 1-bit transparency mask.
# Two orange arrows chase each other round a circle, "CM" above the centre
# and "DOT" below it. Standard library only; the same bytes on every run.
#
#   python3 tools/icon/make_icon.py [--ico app/tessavor.ico] [--preview out.png]

import argparse
import math
import os
import struct
import zlib

SIZE = 128
CENTRE = SIZE / 2

# The ring: centre-line radius and stroke width, chosen so that the arrowheads
# (RING_RADIUS + HEAD_HALF_WIDTH = 62) stay inside the 64-pixel half-size.
RING_RADIUS = 51.0
RING_WIDTH = 10.0
HEAD_HALF_WIDTH = 11.0
HEAD_DEGREES = 25.0          # angular length of an arrowhead, about 22 pixels
BODY_DEGREES = 133.0         # each arrow: body + head + gap = 180 degrees
# Arrow tips sit just past 3 and 9 o'clock, level with the gap between the
# two rows of letters, so the heads never come near the letters.
FIRST_TIP_DEGREES = 101.0
OUTLINE = 1.1                # darker rim that keeps the shapes crisp on any background

# Letters: cap height, stroke width and the two rows, centred on the icon.
LETTER_HEIGHT = 22.0
LETTER_STROKE = 4.6
TOP_ROW_Y = 35.0             # "CM", bottom at 57
BOTTOM_ROW_Y = 71.0          # "DOT", bottom at 93
LETTER_OUTLINE = 0.9

SUPERSAMPLE = 8              # 8 x 8 samples for each pixel on an edge

# Palette: index 0 is black, the colour every transparent pixel carries so
# that the icon's XOR image leaves the screen unchanged there. Then one ramp
# from rim colour to fill colour for each ink.
SHADES = 64
ORANGE_RIM, ORANGE_FILL = (178, 72, 0), (255, 145, 20)
BLUE_RIM, BLUE_FILL = (0, 40, 130), (20, 95, 220)
ORANGE_BASE = 1
BLUE_BASE = ORANGE_BASE + SHADES


# Signed distance helpers: negative inside, in pixels.

def segment_distance(px, py, ax, ay, bx, by, half_width):
    """Distance to a stroke of the given half width along segment a-b (round ends)."""
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = min(1.0, max(0.0, t))
    return math.hypot(px - ax - t * dx, py - ay - t * dy) - half_width


def half_plane(px, py, ax, ay, bx, by):
    """Distance beyond the line a->b, positive on the side to the right of a
    walker going from a to b on screen (y grows down)."""
    nx, ny = -(by - ay), bx - ax
    length = math.hypot(nx, ny)
    return ((px - ax) * nx + (py - ay) * ny) / length


def triangle_distance(px, py, corners):
    """Distance to a triangle: its edges' lines, walked so that the inside is
    on the negative side of each."""
    (ax, ay), (bx, by), (cx, cy) = corners
    if half_plane(cx, cy, ax, ay, bx, by) > 0:
        (bx, by), (cx, cy) = (cx, cy), (bx, by)
    return max(half_plane(px, py, ax, ay, bx, by),
               half_plane(px, py, bx, by, cx, cy),
               half_plane(px, py, cx, cy, ax, ay))


def on_circle(degrees, radius):
    """Point at a clock angle (0 = 12 o'clock, clockwise) around the icon centre."""
    a = math.radians(degrees)
    return CENTRE + radius * math.sin(a), CENTRE - radius * math.cos(a)


class Arrow:
    """An arc of the ring from `start` clockwise, ending in a triangular head."""

    def __init__(self, tip_degrees):
        self.tip = tip_degrees
        self.base = tip_degrees - HEAD_DEGREES
        self.start = self.base - BODY_DEGREES
        # The body runs a little into the head so that their union has no seam.
        self.body_end = self.base + 3.0
        self.tip_point = on_circle(self.tip, RING_RADIUS)
        self.outer_corner = on_circle(self.base, RING_RADIUS + HEAD_HALF_WIDTH)
        self.inner_corner = on_circle(self.base, RING_RADIUS - HEAD_HALF_WIDTH)
        self.start_edge = on_circle(self.start, 1.0)
        self.end_edge = on_circle(self.body_end, 1.0)

    def distance(self, px, py):
        ring = abs(math.hypot(px - CENTRE, py - CENTRE) - RING_RADIUS) - RING_WIDTH / 2
        # The body's wedge is under 180 degrees, so two half planes through the
        # centre bound it.
        wedge = max(half_plane(px, py, CENTRE, CENTRE, *self.start_edge),
                    -half_plane(px, py, CENTRE, CENTRE, *self.end_edge))
        body = max(ring, wedge)
        head = triangle_distance(px, py, (self.outer_corner, self.inner_corner, self.tip_point))
        return min(body, head)


# Letters are stroke paths in a box of the letter's width and LETTER_HEIGHT;
# strokes may overshoot the box, which is cut flat at its edges.

def ellipse_points(cx, cy, rx, ry, from_degrees, to_degrees, steps):
    """Points on an ellipse, angles counter-clockwise from +x (y grows down)."""
    points = []
    for i in range(steps + 1):
        a = math.radians(from_degrees + (to_degrees - from_degrees) * i / steps)
        points.append((cx + rx * math.cos(a), cy - ry * math.sin(a)))
    return points


def letter_paths(letter, w):
    h, s = LETTER_HEIGHT, LETTER_STROKE
    inner_h = h / 2 - s / 2
    if letter == 'C':
        return [ellipse_points(w / 2, h / 2, w / 2 - s / 2, inner_h, 42, 318, 40)]
    if letter == 'M':
        return [[(s / 2, h + 2), (s / 2, 0), (w / 2, h * 0.66), (w - s / 2, 0), (w - s / 2, h + 2)]]
    if letter == 'D':
        bowl_x = w * 0.42
        bowl = ellipse_points(bowl_x, h / 2, w - s / 2 - bowl_x, inner_h, 90, -90, 30)
        return [[(s / 2, -2), (s / 2, h + 2)],
                [(s / 2, s / 2)] + bowl + [(s / 2, h - s / 2)]]
    if letter == 'O':
        return [ellipse_points(w / 2, h / 2, w / 2 - s / 2, inner_h, 0, 360, 48)]
    if letter == 'T':
        return [[(-2, s / 2), (w + 2, s / 2)], [(w / 2, 0), (w / 2, h + 2)]]
    raise ValueError(letter)


class Word:
    """A row of letters, centred horizontally, its top at `top`."""

    WIDTHS = {'C': 18.0, 'M': 23.0, 'D': 19.0, 'O': 20.0, 'T': 18.0}

    def __init__(self, text, top, gap):
        total = sum(self.WIDTHS[c] for c in text) + gap * (len(text) - 1)
        # Whole-pixel letter edges: a curve whose extreme falls on a half
        # pixel leaves a lone pixel sticking out.
        x = round(CENTRE - total / 2)
        self.letters = []
        for c in text:
            w = self.WIDTHS[c]
            segments = []
            for path in letter_paths(c, w):
                for (ax, ay), (bx, by) in zip(path, path[1:]):
                    segments.append((x + ax, top + ay, x + bx, top + by))
            self.letters.append(((x, top, x + w, top + LETTER_HEIGHT), segments))
            x += w + gap

    def distance(self, px, py):
        best = 1e9
        for (x0, y0, x1, y1), segments in self.letters:
            box = max(x0 - px, px - x1, y0 - py, py - y1)
            if box > best:
                continue
            stroke = min(segment_distance(px, py, *seg, LETTER_STROKE / 2) for seg in segments)
            best = min(best, max(stroke, box))
        return best


ARROWS = [Arrow(FIRST_TIP_DEGREES), Arrow(FIRST_TIP_DEGREES + 180.0)]
WORDS = [Word('CM', TOP_ROW_Y, 4.0), Word('DOT', BOTTOM_ROW_Y, 3.0)]


def arrows_distance(px, py):
    return min(a.distance(px, py) for a in ARROWS)


def words_distance(px, py):
    return min(w.distance(px, py) for w in WORDS)


def shade_pixel(distance, x, y, rim):
    """Fraction of the pixel inside the shape, and the fill share of that part.

    Pixels well away from an edge are decided from their centre; the rest are
    supersampled."""
    d = distance(x + 0.5, y + 0.5)
    if d > 1.0:
        return 0.0, 0.0
    if d < -rim - 1.0:
        return 1.0, 1.0
    inside = filled = 0
    n = SUPERSAMPLE
    for j in range(n):
        for i in range(n):
            ds = distance(x + (i + 0.5) / n, y + (j + 0.5) / n)
            if ds < 0:
                inside += 1
                if ds < -rim:
                    filled += 1
    if inside == 0:
        return 0.0, 0.0
    return inside / (n * n), filled / inside


def render():
    """Palette indices (row 0 at the top) and the opaque flags of every pixel."""
    indices = [[0] * SIZE for _ in range(SIZE)]
    opaque = [[False] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            for distance, rim, base in ((arrows_distance, OUTLINE, ORANGE_BASE),
                                        (words_distance, LETTER_OUTLINE, BLUE_BASE)):
                coverage, fill = shade_pixel(distance, x, y, rim)
                # A 1-bit mask cannot blend with the background, so a pixel is
                # opaque when at least half of it is covered; the rim-to-fill
                # shading inside the shape is where the smoothing happens.
                if coverage >= 0.5:
                    indices[y][x] = base + round(fill * (SHADES - 1))
                    opaque[y][x] = True
                    break
    return indices, opaque


def palette():
    colours = [(0, 0, 0)] * 256
    for base, rim, fill in ((ORANGE_BASE, ORANGE_RIM, ORANGE_FILL), (BLUE_BASE, BLUE_RIM, BLUE_FILL)):
        for i in range(SHADES):
            t = i / (SHADES - 1)
            colours[base + i] = tuple(round(a + (b - a) * t) for a, b in zip(rim, fill))
    return colours


def ico_bytes(indices, opaque):
    """One-image .ico: directory, BITMAPINFOHEADER, palette, XOR rows, AND rows."""
    xor_size = SIZE * SIZE                 # 128 bytes a row, already 4-byte aligned
    and_row = SIZE // 8                    # 16 bytes a row, already 4-byte aligned
    and_size = and_row * SIZE
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 8, 0,
                         xor_size + and_size, 0, 0, 256, 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette())
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):        # DIB rows run bottom-up
        xor += bytes(indices[y])
        for x0 in range(0, SIZE, 8):
            byte = 0
            for bit in range(8):
                if not opaque[y][x0 + bit]:
                    byte |= 0x80 >> bit    # a set AND bit is a transparent pixel
            mask.append(byte)
    image = header + colours + bytes(xor) + bytes(mask)
    # Directory entry: width and height 128 fit in a byte (0 would mean 256);
    # colour count 0 because the palette has 256 entries.
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def png_bytes(rows):
    """RGB PNG of a list of rows of (r, g, b)."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    raw = b''.join(b'\0' + bytes(c for pixel in row for c in pixel) for row in rows)
    head = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', head) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')


def preview_rows(indices, opaque, scale):
    """The icon enlarged, side by side over a checkerboard, white and dark grey."""
    colours = palette()
    backgrounds = [None, (255, 255, 255), (48, 48, 48)]
    rows = []
    for y in range(SIZE * scale):
        row = []
        for background in backgrounds:
            for x in range(SIZE * scale):
                sx, sy = x // scale, y // scale
                if opaque[sy][sx]:
                    row.append(colours[indices[sy][sx]])
                elif background is None:
                    row.append((204, 204, 204) if (x // 8 + y // 8) % 2 else (250, 250, 250))
                else:
                    row.append(background)
        rows.append(row)
    return rows


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description='Draw the Tessavor icon.')
    parser.add_argument('--ico', default=os.path.join(here, '..', '..', 'app', 'tessavor.ico'))
    parser.add_argument('--preview', help='also write an enlarged PNG preview here')
    parser.add_argument('--scale', type=int, default=4, help='enlargement of the preview')
    args = parser.parse_args()
    indices, opaque = render()
    with open(args.ico, 'wb') as f:
        f.write(ico_bytes(indices, opaque))
    if args.preview:
        with open(args.preview, 'wb') as f:
            f.write(png_bytes(preview_rows(indices, opaque, args.scale)))


if __name__ == '__main__':
    main()
