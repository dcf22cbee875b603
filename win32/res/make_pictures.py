#!/usr/bin/env python3
"""Draws the program's icon and bitmaps and writes them as .ico and .bmp files.

Pure Python, no randomness: running it twice gives the same bytes, so the generated files can be
kept in the tree next to this script and rebuilt at will:  python3 make_pictures.py [OUT_DIR]

Shapes are drawn with 4 x 4 supersampling. The bitmaps are 8 bits per pixel, each with a palette
of its own (median cut) that always holds the exact 3-D greys (128, 192, 223), so
LoadImage(LR_LOADMAP3DCOLORS) can swap the button-face background for the user's colours. The icon carries 8-bit images with a mask for old
systems and 32-bit images with alpha for the rest.
"""

import math
import os
import struct
import sys

SUPERSAMPLE = 4
BUTTON_FACE = (192, 192, 192)


# --- geometry: each shape is a function (x, y) -> inside, in pixel units of a design grid ---

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner):
    return lambda x, y: r_inner * r_inner <= (x - cx) ** 2 + (y - cy) ** 2 <= r_outer * r_outer


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    return inside


def capsule(ax, ay, bx, by, width):
    """A line from a to b with round ends."""
    half = width / 2.0
    vx, vy = bx - ax, by - ay
    length2 = vx * vx + vy * vy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / length2))
        px, py = ax + t * vx - x, ay + t * vy - y
        return px * px + py * py <= half * half
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def power_symbol(cx, cy, r, width, gap_degrees=40):
    """The IEC stand-by symbol: a broken ring with a bar through the gap."""
    r_outer, r_inner = r + width / 2.0, r - width / 2.0
    gap = math.radians(gap_degrees)

    def arc(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if not (r_inner * r_inner <= d2 <= r_outer * r_outer):
            return False
        angle_from_top = abs(math.atan2(x - cx, cy - y))
        return angle_from_top >= gap

    # Round the two ends of the arc.
    ends = []
    for sign in (-1, 1):
        ex = cx + sign * r * math.sin(gap)
        ey = cy - r * math.cos(gap)
        ends.append(circle(ex, ey, width / 2.0))
    bar = capsule(cx, cy - r - width * 0.35, cx, cy - r * 0.15, width)
    return union(arc, bar, *ends)


def chevron(cx, cy, size, width):
    return union(capsule(cx - size / 2, cy - size, cx + size / 2, cy, width),
                 capsule(cx + size / 2, cy, cx - size / 2, cy + size, width))


def gear(cx, cy, r_body, r_teeth, teeth, tooth_degrees, r_hole):
    step = 2 * math.pi / teeth
    half_tooth = math.radians(tooth_degrees) / 2

    def inside(x, y):
        dx, dy = x - cx, y - cy
        d2 = dx * dx + dy * dy
        if d2 <= r_hole * r_hole or d2 > r_teeth * r_teeth:
            return False
        if d2 <= r_body * r_body:
            return True
        a = math.atan2(dy, dx) % step
        return a <= half_tooth or a >= step - half_tooth
    return inside


# --- colours ---

def vertical_gradient(y0, y1, top, bottom):
    def colour(x, y):
        t = min(1.0, max(0.0, (y - y0) / float(y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    return colour


def radial_gradient(cx, cy, r, inner, outer):
    def colour(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return tuple(inner[i] + (outer[i] - inner[i]) * t for i in range(3))
    return colour


# --- canvas ---

class Canvas:
    """RGBA pixels with straight alpha; a design grid of design_w x design_h maps onto the pixels."""

    def __init__(self, width, height, background=None, design=None):
        self.width, self.height = width, height
        design_w, design_h = design or (width, height)
        self.sx, self.sy = design_w / float(width), design_h / float(height)
        fill = (background[0], background[1], background[2], 1.0) if background else (0.0, 0.0, 0.0, 0.0)
        self.pixels = [list(fill) for _ in range(width * height)]

    def paint(self, shape, colour, offset=(0.0, 0.0), opacity=1.0):
        ox, oy = offset
        n = SUPERSAMPLE
        for py in range(self.height):
            for px in range(self.width):
                hits = 0
                for sy in range(n):
                    for sx in range(n):
                        x = (px + (sx + 0.5) / n) * self.sx - ox
                        y = (py + (sy + 0.5) / n) * self.sy - oy
                        if shape(x, y):
                            hits += 1
                if hits == 0:
                    continue
                coverage = hits / float(n * n) * opacity
                cx = (px + 0.5) * self.sx - ox
                cy = (py + 0.5) * self.sy - oy
                c = colour(cx, cy) if callable(colour) else colour
                self._blend(px, py, c, coverage)

    def _blend(self, px, py, c, a):
        p = self.pixels[py * self.width + px]
        out_a = a + p[3] * (1 - a)
        if out_a <= 0:
            return
        for i in range(3):
            p[i] = (c[i] * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    def map_colours(self, fn):
        for p in self.pixels:
            p[0], p[1], p[2] = fn(p[0], p[1], p[2])

    def rgba8(self, px, py):
        p = self.pixels[py * self.width + px]
        return tuple(int(round(min(255.0, max(0.0, v)))) for v in p[:3]) + (int(round(p[3] * 255)),)


# --- palette and quantisation ---

# Kept in every palette so the 3-D colour mapping of LoadImage finds them.
FIXED_COLOURS = [(0, 0, 0), (128, 128, 128), (192, 192, 192), (223, 223, 223), (255, 255, 255)]


def median_cut(colours, boxes_wanted):
    """colours: dict rgb -> count. Splits the widest box at its weighted median until there are
    enough boxes; returns one weighted mean per box."""
    boxes = [sorted(colours.items())]
    while len(boxes) < boxes_wanted:
        best, best_range, best_channel = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                values = [c[ch] for c, _ in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, best_channel = i, spread, ch
        if best is None:
            break
        box = sorted(boxes[best], key=lambda item: (item[0][best_channel], item[0]))
        total = sum(n for _, n in box)
        running, cut = 0, 1
        for k, (_, n) in enumerate(box):
            running += n
            if running * 2 >= total:
                cut = min(max(k + 1, 1), len(box) - 1)
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    means = []
    for box in boxes:
        total = sum(n for _, n in box)
        means.append(tuple(int(round(sum(c[ch] * n for c, n in box) / float(total))) for ch in range(3)))
    return means


class Palette:
    def __init__(self, colours):
        entries = list(FIXED_COLOURS)
        for c in median_cut(colours, 256 - len(FIXED_COLOURS)):
            if c not in entries:
                entries.append(c)
        self.entries = (entries + [(0, 0, 0)] * 256)[:256]
        self.cache = {}

    def index(self, rgb):
        hit = self.cache.get(rgb)
        if hit is None:
            best, best_d = 0, None
            for i, p in enumerate(self.entries):
                d = (p[0] - rgb[0]) ** 2 + (p[1] - rgb[1]) ** 2 + (p[2] - rgb[2]) ** 2
                if best_d is None or d < best_d:
                    best, best_d = i, d
            self.cache[rgb] = hit = best
        return hit

    def to_bytes(self):
        return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in self.entries)


def opaque_colours(canvas):
    colours = {}
    for py in range(canvas.height):
        for px in range(canvas.width):
            r, g, b, a = canvas.rgba8(px, py)
            if a >= 128:
                colours[(r, g, b)] = colours.get((r, g, b), 0) + 1
    return colours


def row_padding(n):
    return (4 - n % 4) % 4


# --- file formats ---

def dib_8bit(canvas):
    """The palette and the bottom-up rows of indices; transparent pixels are black."""
    palette = Palette(opaque_colours(canvas))
    out = bytearray()
    for py in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for px in range(canvas.width):
            r, g, b, a = canvas.rgba8(px, py)
            row.append(palette.index((0, 0, 0) if a < 128 else (r, g, b)))
        out += row + b"\0" * row_padding(len(row))
    return palette.to_bytes(), bytes(out)


def info_header(width, height, bits, colours_used):
    size_image = 0
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, size_image, 0, 0, colours_used, 0)


def write_bmp(path, canvas):
    palette, pixels = dib_8bit(canvas)
    header = info_header(canvas.width, canvas.height, 8, 256)
    offset = 14 + len(header) + len(palette)
    data = header + palette + pixels
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(data), 0, 0, offset) + data)


def and_mask(canvas):
    out = bytearray()
    row_bytes = (canvas.width + 31) // 32 * 4
    for py in range(canvas.height - 1, -1, -1):
        row = bytearray(row_bytes)
        for px in range(canvas.width):
            if canvas.rgba8(px, py)[3] < 128:
                row[px // 8] |= 0x80 >> (px % 8)
        out += row
    return bytes(out)


def icon_image_8bit(canvas):
    palette, pixels = dib_8bit(canvas)
    return info_header(canvas.width, canvas.height * 2, 8, 256) + palette + pixels + and_mask(canvas)


def icon_image_32bit(canvas):
    pixels = bytearray()
    for py in range(canvas.height - 1, -1, -1):
        for px in range(canvas.width):
            r, g, b, a = canvas.rgba8(px, py)
            if a == 0:
                r = g = b = 0
            pixels += bytes((b, g, r, a))
    return info_header(canvas.width, canvas.height * 2, 32, 0) + bytes(pixels) + and_mask(canvas)


def write_ico(path, images):
    """images: list of (canvas, bits)."""
    blobs = []
    for canvas, bits in images:
        blob = icon_image_8bit(canvas) if bits == 8 else icon_image_32bit(canvas)
        blobs.append((canvas, bits, blob))
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for canvas, bits, blob in blobs:
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    for _, _, blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(bytes(out))


# --- the pictures (design grids: icon 32 x 32, toolbar 24 x 24, main button 180 x 28, LED 15 x 15) ---

def draw_main_icon(size):
    c = Canvas(size, size, design=(32, 32))
    c.paint(rounded_rect(1, 1, 31, 31, 7), (8, 20, 60))
    c.paint(rounded_rect(2, 2, 30, 30, 6), vertical_gradient(2, 30, (44, 92, 190), (14, 34, 100)))
    c.paint(rounded_rect(4, 3, 28, 12, 5), (255, 255, 255), opacity=0.12)
    glyph = power_symbol(16, 17.5, 8.5, 3.6 if size >= 32 else 4.4)
    c.paint(glyph, (60, 0, 0), offset=(0.6, 0.8), opacity=0.6)
    c.paint(glyph, vertical_gradient(6, 27, (255, 110, 80), (210, 20, 10)))
    return c


def draw_settings():
    c = Canvas(24, 24, background=BUTTON_FACE)
    body = gear(12, 12, 7.6, 10.6, 8, 24, 3.4)
    c.paint(body, (40, 48, 64), offset=(0.8, 0.8), opacity=0.45)
    c.paint(body, (52, 62, 84))
    c.paint(gear(12, 12, 6.6, 9.6, 8, 16, 3.4), radial_gradient(10, 10, 10, (178, 190, 214), (92, 104, 132)))
    c.paint(ring(12, 12, 4.4, 3.4), (52, 62, 84))
    return c


def draw_tray():
    c = Canvas(24, 24, background=BUTTON_FACE)
    # A window ...
    c.paint(rect(1.5, 1.5, 14.5, 12.5), (0, 0, 0))
    c.paint(rect(2.5, 2.5, 13.5, 11.5), (255, 255, 255))
    c.paint(rect(2.5, 2.5, 13.5, 4.8), (0, 0, 128))
    # ... that goes down into the notification area of the taskbar.
    c.paint(rect(0, 18, 24, 24), (96, 96, 96))
    c.paint(rect(0, 18, 24, 18.9), (223, 223, 223))
    c.paint(rect(13.5, 19.8, 23, 23), (160, 160, 164))
    c.paint(circle(19.5, 21.4, 1.5), (220, 30, 20))
    arrow = union(capsule(9, 8, 15.5, 14.5, 2.6), polygon([(19.8, 18.8), (11.6, 16.6), (17.6, 10.6)]))
    c.paint(arrow, (0, 0, 0), offset=(0.7, 0.7), opacity=0.35)
    c.paint(arrow, vertical_gradient(8, 19, (40, 200, 40), (0, 120, 0)))
    return c


def draw_info():
    c = Canvas(24, 24, background=BUTTON_FACE)
    c.paint(circle(12, 12, 10.6), (0, 0, 0), offset=(0.8, 0.8), opacity=0.35)
    c.paint(circle(12, 12, 10.6), (10, 40, 130))
    c.paint(circle(12, 12, 9.8), radial_gradient(9, 8, 13, (110, 170, 255), (20, 70, 190)))
    c.paint(circle(12, 6.8, 1.9), (255, 255, 255))
    c.paint(union(capsule(12, 10.6, 12, 17.4, 3.2), capsule(9.6, 17.6, 14.4, 17.6, 1.6),
                  capsule(10.2, 10.4, 12, 10.4, 1.6)), (255, 255, 255))
    return c


def draw_main_button(state):
    """The picture of the big main button: a red plate with the stand-by symbol, a fading row of
    dots and three chevrons, all saying 'switch it off'."""
    c = Canvas(180, 28, background=BUTTON_FACE)
    pressed = state == "pressed"
    shift = (1.0, 1.0) if pressed else (0.0, 0.0)
    top, bottom = ((150, 24, 16), (96, 8, 4)) if pressed else ((222, 56, 40), (136, 16, 10))
    plate = rounded_rect(1, 1, 178, 26, 6)
    if not pressed:
        c.paint(rounded_rect(2, 2, 179, 27, 6), (0, 0, 0), opacity=0.35)
    c.paint(plate, (80, 8, 4), offset=shift)
    c.paint(rounded_rect(2, 2, 177, 25, 5), vertical_gradient(2, 25, top, bottom), offset=shift)
    if not pressed:
        c.paint(rounded_rect(4, 2.6, 175, 10, 4), (255, 255, 255), opacity=0.18)
    light = (255, 236, 220)
    c.paint(circle(17, 14, 10.2), (60, 0, 0), offset=shift, opacity=0.45)
    c.paint(power_symbol(17, 14.6, 6.4, 2.6), light, offset=shift)
    for i in range(7):
        x = 40 + i * 14
        c.paint(circle(x, 14, 2.6 - i * 0.22), light, offset=shift, opacity=1.0 - i * 0.11)
    for i, x in enumerate((142, 153, 164)):
        c.paint(chevron(x, 14, 6.5, 2.6), light, offset=shift, opacity=0.45 + i * 0.27)
    if state == "disabled":
        def grey_out(r, g, b):
            lum = 0.3 * r + 0.59 * g + 0.11 * b
            return (lum * 0.45 + 192 * 0.55,) * 3
        c.map_colours(grey_out)
    return c


def draw_disabled_icon(size):
    """The application icon in light greys: the tray icon's disabled picture."""
    c = draw_main_icon(size)

    def grey_out(r, g, b):
        lum = 0.3 * r + 0.59 * g + 0.11 * b
        return (lum * 0.5 + 160 * 0.5,) * 3
    c.map_colours(grey_out)
    return c


def draw_led(lit):
    """A round LED of 15 x 15 pixels in a dark bezel: lit is the colour of its light."""
    c = Canvas(15, 15, background=BUTTON_FACE)
    dark = tuple(int(v * 0.35) for v in lit)
    c.paint(circle(7.5, 7.5, 6.6), (64, 64, 64))
    c.paint(circle(7.5, 7.5, 5.4), radial_gradient(6.2, 6.0, 6.5, lit, dark))
    c.paint(circle(5.8, 5.4, 1.7), (255, 255, 255), opacity=0.7)
    return c


def draw_folder(full):
    """A 16 x 16 folder on silver: with a sheet of paper in it (full) or without (empty)."""
    c = Canvas(16, 16, background=BUTTON_FACE)
    outline = (96, 72, 0)
    c.paint(union(rounded_rect(1, 3, 7, 6, 0.8), rect(1, 4.5, 14.5, 13.5)), outline)
    c.paint(union(rounded_rect(1.8, 3.8, 6.2, 6, 0.5), rect(1.8, 5.3, 13.7, 12.7)),
            vertical_gradient(4, 13, (255, 224, 120), (214, 168, 40)))
    if full:
        c.paint(rect(4, 2, 12.5, 9), (80, 80, 80))
        c.paint(rect(4.7, 2.7, 11.8, 9), (255, 255, 255))
        for y in (4.2, 5.9, 7.6):
            c.paint(rect(5.7, y, 10.8, y + 0.6), (0, 0, 160))
    c.paint(polygon([(1, 13.5), (2.6, 7.5), (15.5, 7.5), (14.5, 13.5)]), outline)
    c.paint(polygon([(1.9, 12.8), (3.2, 8.2), (14.6, 8.2), (13.8, 12.8)]),
            vertical_gradient(8, 13, (255, 236, 150), (230, 186, 60)))
    return c


def draw_drive(kind):
    """A 16 x 16 drive of one type for the drive list, on button-face grey (drawn through a mask
    of that grey): floppy, fixed, cdrom, network, ram, removable (a drive with a cartridge half in)
    or tape (a cassette)."""
    c = Canvas(16, 16, background=BUTTON_FACE)
    dark = (40, 40, 52)
    metal = vertical_gradient(4, 12, (226, 230, 240), (122, 128, 150))

    def slab(y0, y1):
        c.paint(rounded_rect(0.8, y0, 15.2, y1, 1.2), dark)
        c.paint(rounded_rect(1.6, y0 + 0.8, 14.4, y1 - 0.8, 0.8), metal)
        c.paint(rect(2.6, y1 - 2.6, 9.5, y1 - 2.0), (70, 74, 92))

    if kind == "floppy":
        c.paint(polygon([(2, 1.5), (12.5, 1.5), (14.5, 3.5), (14.5, 14.5), (2, 14.5)]), (16, 20, 48))
        c.paint(polygon([(2.8, 2.3), (12.2, 2.3), (13.7, 3.8), (13.7, 13.7), (2.8, 13.7)]),
                vertical_gradient(2, 14, (70, 96, 200), (28, 40, 120)))
        c.paint(rect(5, 2.3, 11.5, 6.6), (214, 218, 230))
        c.paint(rect(8.6, 3.0, 10.2, 5.8), (58, 62, 76))
        c.paint(rect(4.2, 9, 12.4, 13.7), (250, 250, 250))
        for y in (10.4, 12.0):
            c.paint(rect(5.2, y, 11.4, y + 0.5), (40, 40, 160))
    elif kind == "fixed":
        slab(4.5, 12)
        c.paint(circle(12.4, 9.6, 1.0), (30, 210, 40))
    elif kind == "cdrom":
        c.paint(circle(8, 8, 7.4), (84, 88, 104))
        c.paint(circle(8, 8, 6.6), radial_gradient(5.5, 5, 9, (250, 250, 255), (120, 150, 214)))
        c.paint(ring(8, 8, 5.2, 4.4), (236, 200, 240), opacity=0.6)
        c.paint(circle(8, 8, 2.4), (96, 100, 116))
        c.paint(circle(8, 8, 1.4), BUTTON_FACE)
    elif kind == "network":
        slab(1.5, 8.5)
        c.paint(circle(12.4, 6.1, 1.0), (30, 210, 40))
        c.paint(capsule(8, 8.5, 8, 13, 1.6), dark)
        c.paint(capsule(1.5, 13.5, 14.5, 13.5, 1.8), dark)
    elif kind == "ram":
        c.paint(rect(0.8, 3.5, 15.2, 11.5), (10, 60, 24))
        c.paint(rect(1.5, 4.2, 14.5, 10.8), (30, 140, 60))
        for x in (2.5, 6.4, 10.3):
            c.paint(rect(x, 5.4, x + 3.0, 9.4), (24, 24, 30))
        for i in range(7):
            x = 1.8 + i * 2.0
            c.paint(rect(x, 11.5, x + 1.0, 14), (226, 176, 30))
    elif kind == "removable":
        slab(6.5, 14.5)
        c.paint(rect(3.5, 8.4, 12.5, 9.6), (24, 24, 30))
        c.paint(rounded_rect(4.2, 1.2, 11.8, 9.0, 0.8), (16, 20, 48))
        c.paint(rounded_rect(4.9, 1.9, 11.1, 9.0, 0.5), vertical_gradient(2, 9, (96, 150, 230), (36, 64, 150)))
        c.paint(rect(6.2, 2.8, 9.8, 4.6), (236, 236, 240))
        c.paint(circle(12.4, 12.0, 0.9), (240, 160, 20))
    elif kind == "tape":
        c.paint(rounded_rect(0.6, 3.0, 15.4, 13.4, 1.2), (20, 20, 26))
        c.paint(rounded_rect(1.4, 3.8, 14.6, 12.6, 0.8), vertical_gradient(4, 13, (96, 98, 112), (52, 54, 66)))
        c.paint(rect(3.2, 5.2, 12.8, 10.0), (236, 228, 200))
        for x in (5.4, 10.6):
            c.paint(circle(x, 7.6, 1.9), (40, 30, 24))
            c.paint(circle(x, 7.6, 0.8), (236, 228, 200))
        c.paint(polygon([(4.0, 13.4), (5.0, 11.2), (11.0, 11.2), (12.0, 13.4)]), (30, 30, 38))
    return c


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write_ico(os.path.join(out_dir, "main.ico"),
              [(draw_main_icon(32), 8), (draw_main_icon(16), 8), (draw_main_icon(32), 32), (draw_main_icon(16), 32)])
    write_ico(os.path.join(out_dir, "disabled.ico"),
              [(draw_disabled_icon(32), 8), (draw_disabled_icon(16), 8), (draw_disabled_icon(32), 32),
               (draw_disabled_icon(16), 32)])
    write_bmp(os.path.join(out_dir, "settings.bmp"), draw_settings())
    write_bmp(os.path.join(out_dir, "tray.bmp"), draw_tray())
    write_bmp(os.path.join(out_dir, "info.bmp"), draw_info())
    for state in ("normal", "disabled", "pressed"):
        write_bmp(os.path.join(out_dir, "main_%s.bmp" % state), draw_main_button(state))
    write_bmp(os.path.join(out_dir, "led_red.bmp"), draw_led((255, 40, 30)))
    write_bmp(os.path.join(out_dir, "led_green.bmp"), draw_led((40, 230, 40)))
    write_bmp(os.path.join(out_dir, "folder_full.bmp"), draw_folder(True))
    write_bmp(os.path.join(out_dir, "folder_empty.bmp"), draw_folder(False))
    for kind in ("floppy", "fixed", "cdrom", "network", "ram", "removable", "tape"):
        write_bmp(os.path.join(out_dir, "drive_%s.bmp" % kind), draw_drive(kind))


if __name__ == "__main__":
    main()
