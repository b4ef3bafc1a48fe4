#!/usr/bin/env python3
"""Draws the two pictures of the engine sweep dialog's range pages.

SweepCamTiming.bmp: the intake and the exhaust lift curves with their TDC
and BDC marks; each of the four events is marked above the place where the
page shows its window (IVO, IVC, EVO, EVC from left to right).
SweepBoreStroke.bmp: a cylinder cross-section with its piston, connecting
rod and crank, and the bore and stroke dimension arrows.

Plain 24-bit pictures on the dialog grey. Run it again after changing a
drawing; the outputs are committed.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
FACE = (192, 192, 192)
INK = (0, 0, 0)
SHADE = (128, 128, 128)
METAL = (160, 160, 160)
INTAKE = (0, 0, 160)
EXHAUST = (160, 0, 0)

# 5 x 7 capitals, one string a row, '#' for ink.
GLYPHS = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "B": ["#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "],
    "C": [" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "],
    "D": ["#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "],
    "E": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    "H": ["#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "I": [" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "K": ["#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"],
    "N": ["#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"],
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "R": ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "T": ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    "U": ["#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "V": ["#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "],
    "X": ["#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"],
}


class Picture:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[FACE] * width for _ in range(height)]

    def dot(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour, dashed=False):
        steps = int(max(abs(x1 - x0), abs(y1 - y0))) or 1
        for i in range(steps + 1):
            if dashed and (i // 3) % 2:
                continue
            self.dot(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps, colour)

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(cy - radius, cy + radius + 1):
            for x in range(cx - radius, cx + radius + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.dot(x, y, colour)

    def circle(self, cx, cy, radius, colour):
        for i in range(360):
            a = math.radians(i)
            self.dot(cx + radius * math.cos(a), cy + radius * math.sin(a), colour)

    def text(self, x, y, words, colour=INK):
        for n, letter in enumerate(words):
            for row, bits in enumerate(GLYPHS.get(letter, [""] * 7)):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        self.dot(x + 6 * n + col, y + row, colour)

    def centred_text(self, cx, y, words, colour=INK):
        self.text(cx - (6 * len(words) - 1) // 2, y, words, colour)

    def arrow_head(self, x, y, dx, dy, colour):
        """A small filled head at (x, y) pointing along (dx, dy), one of the axes."""
        for i in range(4):
            for j in range(-i, i + 1):
                if dx:
                    self.dot(x - dx * i, y + j, colour)
                else:
                    self.dot(x + j, y - dy * i, colour)

    def save(self, name):
        row_bytes = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):  # bottom-up
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((b, g, r))
            row += bytes(row_bytes - len(row))
            data += row
        header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
        with open(os.path.join(HERE, name), "wb") as out:
            out.write(file_header + header + data)


# Cam timing. The page centres its four window texts 65, 146, 226 and 307
# dialog units right of the picture's left edge; the dialog font makes a
# unit 1.75 pixels wide.
CAM_SIZE = (546, 100)
CAM_EVENT_X = (114, 256, 396, 537)
BASELINE = 66
LIFT = 44


def lobe(picture, open_x, close_x, colour):
    previous = None
    for x in range(open_x, close_x + 1):
        phase = (x - open_x) / (close_x - open_x)
        y = BASELINE - LIFT * math.sin(math.pi * phase) ** 1.6
        if previous:
            picture.line(previous[0], previous[1], x, y, colour)
        previous = (x, y)


def cam_timing():
    p = Picture(*CAM_SIZE)
    ivo, ivc, evo, evc = CAM_EVENT_X
    # Both lobes last 265 crank degrees: intake from 25 before TDC to 60
    # after BDC, exhaust from 60 before BDC to 25 after TDC.
    def at(open_x, close_x, degrees):
        return open_x + (close_x - open_x) * degrees / 265.0

    p.line(4, BASELINE, CAM_SIZE[0] - 1, BASELINE, INK)
    marks = [(at(ivo, ivc, 25), "TDC"), (at(ivo, ivc, 205), "BDC"),
             (at(evo, evc, 60), "BDC"), (at(evo, evc, 240), "TDC")]
    for x, name in marks:
        p.line(x, BASELINE - LIFT - 6, x, BASELINE + 3, SHADE, dashed=True)
        p.centred_text(int(x), BASELINE + 5, name, SHADE)
    lobe(p, ivo, ivc, INTAKE)
    lobe(p, evo, evc, EXHAUST)
    p.centred_text((ivo + ivc) // 2, 4, "INTAKE", INTAKE)
    p.centred_text((evo + evc) // 2, 4, "EXHAUST", EXHAUST)
    for x, name, colour in ((ivo, "IVO", INTAKE), (ivc, "IVC", INTAKE),
                            (evo, "EVO", EXHAUST), (evc, "EVC", EXHAUST)):
        p.line(x, BASELINE - 4, x, CAM_SIZE[1] - 2, colour)
        p.fill(x - 1, BASELINE - 1, x + 1, BASELINE + 1, colour)
        p.arrow_head(x, CAM_SIZE[1] - 1, 0, 1, colour)
        left = x - 20 if x + 20 > CAM_SIZE[0] else x + 4
        p.text(left, 83, name, colour)
    p.save("SweepCamTiming.bmp")


def bore_stroke():
    p = Picture(124, 124)
    left, right = 20, 68  # cylinder wall inner faces
    centre = (left + right) // 2
    head, wall_bottom = 20, 86
    tdc, bdc = 24, 52  # piston crown at top and bottom dead centre
    crank_y, throw = 100, (bdc - tdc) // 2
    # Bore: dimension arrow over the cylinder between extension lines.
    p.centred_text(centre, 1, "BORE")
    p.line(left, 10, left, head - 2, INK)
    p.line(right, 10, right, head - 2, INK)
    p.line(left + 1, 13, right - 1, 13, INK)
    p.arrow_head(left + 1, 13, -1, 0, INK)
    p.arrow_head(right - 1, 13, 1, 0, INK)
    # Head and walls.
    p.fill(left - 6, head - 1, right + 6, head, INK)
    p.fill(left - 5, head, left - 1, wall_bottom, SHADE)
    p.fill(right + 1, head, right + 5, wall_bottom, SHADE)
    p.line(left - 1, head, left - 1, wall_bottom, INK)
    p.line(right + 1, head, right + 1, wall_bottom, INK)
    # Piston at the bottom of its stroke, with rings and pin; the top of
    # the stroke dashed.
    p.line(left, tdc, right, tdc, INK, dashed=True)
    p.fill(left + 1, bdc, right - 1, bdc + 18, METAL)
    p.line(left + 1, bdc, right - 1, bdc, INK)
    for ring in (bdc + 3, bdc + 6):
        p.line(left + 1, ring, right - 1, ring, SHADE)
    p.line(left + 1, bdc + 18, right - 1, bdc + 18, INK)
    pin_y = bdc + 11
    # Rod from the pin to the crank pin, straight down at bottom dead centre.
    crank_pin_y = crank_y + throw
    p.fill(centre - 3, pin_y, centre + 3, crank_pin_y, SHADE)
    p.line(centre - 4, pin_y, centre - 4, crank_pin_y, INK)
    p.line(centre + 4, pin_y, centre + 4, crank_pin_y, INK)
    p.disc(centre, pin_y, 3, INK)
    p.circle(centre, crank_y, throw + 5, INK)
    p.disc(centre, crank_y, 2, INK)
    p.disc(centre, crank_pin_y, 3, INK)
    # Stroke: dimension arrow beside the cylinder from crown to crown.
    x = right + 12
    p.line(right + 7, tdc, x + 3, tdc, INK)
    p.line(right + 7, bdc, x + 3, bdc, INK)
    p.line(x, tdc + 1, x, bdc - 1, INK)
    p.arrow_head(x, tdc + 1, 0, -1, INK)
    p.arrow_head(x, bdc - 1, 0, 1, INK)
    p.text(x + 6, (tdc + bdc) // 2 - 3, "STROKE")
    p.save("SweepBoreStroke.bmp")


cam_timing()
bore_stroke()
