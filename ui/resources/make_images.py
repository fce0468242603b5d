#!/usr/bin/env python3
"""Draws QUINTARO's icon and spectrum sketch and writes them as 16-colour
Windows files: quintaro.ico (32 x 32 and 16 x 16) and spectrum.bmp (48 x 48).

The pictures are drawn pixel by pixel from a few coordinates, so the output
is the same byte for byte on every run; the committed files are checked
against a fresh run. Usage: make_images.py [OUTPUT_DIR] (default: beside
this script).
"""
import os
import struct
import sys

# The standard 16-colour palette, in palette order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREEN, RED, WHITE = 0, 2, 9, 15

# 3 x 5 letters for the axis labels.
LETTERS = {
    "C": [".##", "#..", "#..", "#..", ".##"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
}


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[WHITE] * size for _ in range(size)]

    def dot(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour):
        # Bresenham: every step touches the next pixel, so no gaps.
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.dot(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def letter(self, ch, x, y, colour):
        for row, bits in enumerate(LETTERS[ch]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    self.dot(x + col, y + row, colour)


def draw_spectrum_motif(c, origin, top, right, plateau_start, plateau_end,
                        plateau_height, floor_height, marked_x, line_reach,
                        dots, arrow):
    """Axes, design-spectrum curve, the green marks of one point of the
    falling branch and red dots around it (offsets from that point)."""
    ox, oy = origin
    # Axes with arrowheads.
    c.line(ox, oy, ox, top, BLACK)
    c.line(ox, oy, right, oy, BLACK)
    for k in range(1, arrow + 1):
        c.dot(ox - k, top + k, BLACK)
        c.dot(ox + k, top + k, BLACK)
        c.dot(right - k, oy - k, BLACK)
        c.dot(right - k, oy + k, BLACK)

    # The curve: a rising line from the ordinate, a plateau, then a branch
    # falling as 1/T that flattens out towards the right.
    start_height = plateau_height * 2 // 5
    def height(x):
        if x <= plateau_start:
            return start_height + (plateau_height - start_height) * (x - ox) / (plateau_start - ox)
        if x <= plateau_end:
            return plateau_height
        return max(plateau_height * (plateau_end - ox) / (x - ox), floor_height)

    def y_of(x):
        return oy - int(round(height(x)))

    prev = (ox, y_of(ox))
    for x in range(ox + 1, right - arrow):
        here = (x, y_of(x))
        c.line(prev[0], prev[1], here[0], here[1], BLACK)
        prev = here

    # The marked point of the falling branch.
    px, py = marked_x, y_of(marked_x)
    c.line(px - line_reach, py, px + line_reach, py, GREEN)
    c.line(px, py - line_reach, px, py + line_reach, GREEN)
    for dx, dy in dots:
        c.dot(px + dx, py + dy, RED)


def spectrum_bitmap():
    c = Canvas(48)
    draw_spectrum_motif(
        c, origin=(8, 40), top=3, right=45, plateau_start=13, plateau_end=19,
        plateau_height=28, floor_height=9, marked_x=27, line_reach=8,
        dots=[(-5, -4), (-2, -6), (3, -5), (6, -2), (-6, 1), (-3, 3),
              (2, 2), (5, 4), (-1, 6), (4, -8), (-7, -7), (7, 7), (1, -2),
              (-4, -1), (3, 6)],
        arrow=2)
    c.letter("C", 2, 2, BLACK)
    c.letter("T", 39, 43, BLACK)
    return c


def icon_large():
    c = Canvas(32)
    draw_spectrum_motif(
        c, origin=(3, 29), top=1, right=30, plateau_start=7, plateau_end=11,
        plateau_height=21, floor_height=6, marked_x=16, line_reach=6,
        dots=[(-4, -3), (-1, -5), (3, -4), (5, -1), (-5, 1), (-2, 3),
              (2, 2), (4, 4), (-1, 5), (1, -2), (-3, -1)],
        arrow=2)
    return c


def icon_small():
    # Close-up of the marked point: the two green lines and the red dots.
    c = Canvas(16)
    c.line(1, 7, 14, 7, GREEN)
    c.line(7, 1, 7, 14, GREEN)
    for dx, dy in [(-4, -3), (-2, -5), (3, -4), (5, -2), (-5, 2), (-2, 3),
                   (2, 2), (4, 5), (-1, 6), (1, -2), (-3, -1), (-5, -6),
                   (6, 4)]:
        c.dot(7 + dx, 7 + dy, RED)
    return c


def dib_bits(canvas):
    """4-bit pixel rows, bottom row first, each padded to 4 bytes."""
    out = bytearray()
    for row in reversed(canvas.pixels):
        packed = bytearray()
        for x in range(0, canvas.size, 2):
            packed.append((row[x] << 4) | row[x + 1])
        packed.extend(b"\0" * (-len(packed) % 4))
        out += packed
    return bytes(out)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0,
                       image_size, 0, 0, 16, 0)


def bmp_file(canvas):
    bits = dib_bits(canvas)
    header = info_header(canvas.size, canvas.size, len(bits)) + palette_bytes()
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + header + bits


def icon_image(canvas):
    xor = dib_bits(canvas)
    mask_row = (canvas.size // 8 + 3) // 4 * 4
    mask = b"\0" * (mask_row * canvas.size)  # all zero: every pixel opaque
    return info_header(canvas.size, 2 * canvas.size, len(xor) + len(mask)) + palette_bytes() + xor + mask


def ico_file(canvases):
    images = [icon_image(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.size, c.size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(out_dir, "spectrum.bmp"), "wb") as f:
        f.write(bmp_file(spectrum_bitmap()))
    with open(os.path.join(out_dir, "quintaro.ico"), "wb") as f:
        f.write(ico_file([icon_large(), icon_small()]))


if __name__ == "__main__":
    main()
