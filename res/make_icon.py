#!/usr/bin/env python3
"""Draws the program's icon, res/app.ico: one 32x32 image, 32 bits per pixel.

A blue rounded square with a white check mark, antialiased by 4x4 supersampling. Run it again
after changing the drawing; the build uses the committed app.ico.
"""
import struct
from pathlib import Path

SIZE, SUB = 32, 4


def inside_rounded_square(x, y):
    lo, hi, r = 1.0, 31.0, 6.0
    cx = min(max(x, lo + r), hi - r)
    cy = min(max(y, lo + r), hi - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and lo <= x <= hi and lo <= y <= hi


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return ((px - ax - t * dx) ** 2 + (py - ay - t * dy) ** 2) ** 0.5


def on_check_mark(x, y):
    return min(distance_to_segment(x, y, 8, 16.5, 13.5, 22),
               distance_to_segment(x, y, 13.5, 22, 24, 10)) <= 2.4


def pixel(px, py):
    square = mark = 0
    for sy in range(SUB):
        for sx in range(SUB):
            x, y = px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB
            if inside_rounded_square(x, y):
                square += 1
                mark += on_check_mark(x, y)
    n = SUB * SUB
    if square == 0:
        return (0, 0, 0, 0)
    blue = (0xD2, 0x76, 0x19)  # BGR of #1976D2
    w = mark / square
    b, g, r = (round(c * (1 - w) + 255 * w) for c in blue)
    return (b, g, r, round(255 * square / n))


def main():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    xor = b"".join(bytes(p) for y in reversed(range(SIZE)) for p in rows[y])  # bottom-up
    and_mask = bytes(4 * SIZE)  # all opaque: the alpha channel decides
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    image = header + xor + and_mask
    icon = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32,
                                                       len(image), 6 + 16) + image
    Path(__file__).with_name("app.ico").write_bytes(icon)


if __name__ == "__main__":
    main()
