#!/usr/bin/env python3
"""Draws the program's icon, res/tarvesk.ico: a mouse seen from above, its
wheel lit, on a rounded blue square; 16, 32 and 48 pixels, 32-bit colour.

    python3 tools/make-icon.py [OUT]
"""
import struct
import sys

BLUE = (0x2B, 0x57, 0x9A, 255)
WHITE = (0xF5, 0xF5, 0xF5, 255)
AMBER = (0xFF, 0xB3, 0x00, 255)
CLEAR = (0, 0, 0, 0)


def inside_rounded(x, y, size, radius):
    """The pixel centre (x, y) lies in a size x size square with rounded corners."""
    cx = min(max(x, radius), size - radius)
    cy = min(max(y, radius), size - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(x, y, size):
    u, v = (x + 0.5) / size, (y + 0.5) / size  # 0..1, v downwards
    if not inside_rounded(x + 0.5, y + 0.5, size, size * 0.2):
        return CLEAR
    # The mouse body: an ellipse in the middle.
    ex, ey = (u - 0.5) / 0.26, (v - 0.53) / 0.36
    if ex * ex + ey * ey <= 1.0:
        if abs(u - 0.5) <= 0.05 and 0.27 <= v <= 0.45:
            return AMBER  # the wheel
        if abs(v - 0.47) <= 0.02 or (abs(u - 0.5) <= 0.015 and v < 0.47):
            return BLUE  # the seam between the buttons and the body
        return WHITE
    return BLUE


def image(size):
    """BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask (all zero)."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            rows += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    return header + bytes(rows) + bytes(mask_row * size)


def icon(sizes):
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "res/tarvesk.ico"
    with open(path, "wb") as f:
        f.write(icon([16, 32, 48]))
