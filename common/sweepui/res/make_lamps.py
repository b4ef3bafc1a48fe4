#!/usr/bin/env python3
"""Draws the four 13 x 13 lamp pictures of the sweep dialogs.

A round lamp on the dialog grey, green or red, lit (bright, with a small
highlight) or unlit (dark). Run it again after changing a drawing; the
outputs are committed.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 13
FACE = (192, 192, 192)
RIM = (64, 64, 64)

LAMPS = {
    "LampGreenLit.bmp": (0, 255, 0),
    "LampGreenUnlit.bmp": (0, 96, 0),
    "LampRedLit.bmp": (255, 0, 0),
    "LampRedUnlit.bmp": (96, 0, 0),
}


def pixel(x, y, colour, lit):
    centre = (SIZE - 1) / 2.0
    d2 = (x - centre) ** 2 + (y - centre) ** 2
    if d2 > 6.2 ** 2:
        return FACE
    if d2 > 5.2 ** 2:
        return RIM
    if lit and (x - 4.0) ** 2 + (y - 4.0) ** 2 <= 2.0:
        return (255, 255, 255)
    return colour


def write_bmp(path, colour, lit):
    row_bytes = (SIZE * 3 + 3) & ~3
    data = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(SIZE):
            r, g, b = pixel(x, y, colour, lit)
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        data += row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
    with open(path, "wb") as out:
        out.write(file_header + header + data)


for name, colour in LAMPS.items():
    write_bmp(os.path.join(HERE, name), colour, name.endswith("Lit.bmp") and "Unlit" not in name)
