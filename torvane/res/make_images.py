#!/usr/bin/env python3
"""Draws the engine program's own pictures and its hover sound.

Writes the toolbar strip, the splash picture, the panel captions, the
status, OK and Cancel pictures, the two icons and the hover click into this
folder. Run it again after changing a drawing; the outputs are committed.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# A 5 x 7 upper-case font, one string of 7 rows per glyph.
FONT = {
    'A': "01110 10001 10001 11111 10001 10001 10001", 'B': "11110 10001 10001 11110 10001 10001 11110",
    'C': "01110 10001 10000 10000 10000 10001 01110", 'D': "11110 10001 10001 10001 10001 10001 11110",
    'E': "11111 10000 10000 11110 10000 10000 11111", 'F': "11111 10000 10000 11110 10000 10000 10000",
    'G': "01110 10001 10000 10111 10001 10001 01111", 'H': "10001 10001 10001 11111 10001 10001 10001",
    'I': "01110 00100 00100 00100 00100 00100 01110", 'K': "10001 10010 10100 11000 10100 10010 10001",
    'L': "10000 10000 10000 10000 10000 10000 11111", 'M': "10001 11011 10101 10101 10001 10001 10001",
    'N': "10001 11001 10101 10011 10001 10001 10001", 'O': "01110 10001 10001 10001 10001 10001 01110",
    'P': "11110 10001 10001 11110 10000 10000 10000", 'R': "11110 10001 10001 11110 10100 10010 10001",
    'S': "01111 10000 10000 01110 00001 00001 11110", 'T': "11111 00100 00100 00100 00100 00100 00100",
    'U': "10001 10001 10001 10001 10001 10001 01110", 'V': "10001 10001 10001 10001 10001 01010 00100",
    'W': "10001 10001 10001 10101 10101 10101 01010", 'X': "10001 10001 01010 00100 01010 10001 10001",
    'Y': "10001 10001 01010 00100 00100 00100 00100", 'Z': "11111 00001 00010 00100 01000 10000 11111",
    '0': "01110 10001 10011 10101 11001 10001 01110", '4': "00010 00110 01010 10010 11111 00010 00010",
    '5': "11111 10000 11110 00001 00001 10001 01110", '.': "00000 00000 00000 00000 00000 01100 01100",
    ' ': "00000 00000 00000 00000 00000 00000 00000", '-': "00000 00000 00000 11111 00000 00000 00000",
}


class Picture:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.rows = [[colour] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.set(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x1, y0, x1, y1, colour)
        self.line(x1, y1, x0, y1, colour)
        self.line(x0, y1, x0, y0, colour)

    def text(self, x, y, string, colour, scale=1):
        for ch in string:
            glyph = FONT[ch].split()
            for row, bits in enumerate(glyph):
                for col, bit in enumerate(bits):
                    if bit == '1':
                        self.fill(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale,
                                  colour)
            x += 6 * scale

    @staticmethod
    def text_width(string, scale=1):
        return len(string) * 6 * scale - scale


def write_bmp24(name, picture):
    stride = (picture.width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(picture.rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, picture.width, picture.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), 'wb') as out:
        out.write(header + info + data)


VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
       (0, 255, 255), (255, 255, 255)]


def write_bmp4(name, picture):
    """16 colours: the system-colour loader maps the greys, black and white."""
    stride = ((picture.width + 1) // 2 + 3) & ~3
    data = bytearray()
    for row in reversed(picture.rows):
        line = bytearray()
        for x in range(0, picture.width, 2):
            hi = VGA.index(row[x])
            lo = VGA.index(row[x + 1]) if x + 1 < picture.width else 0
            line.append((hi << 4) | lo)
        data += line + bytes(stride - len(line))
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in VGA)
    offset = 54 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, picture.width, picture.height, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    with open(os.path.join(HERE, name), 'wb') as out:
        out.write(header + info + palette + data)


def write_ico(name, pictures):
    """32-bit icons; pure magenta is transparent."""
    images = []
    for p in pictures:
        xor = bytearray()
        for row in reversed(p.rows):
            for r, g, b in row:
                xor += bytes((b, g, r, 0 if (r, g, b) == (255, 0, 255) else 255))
        mask_stride = ((p.width + 31) // 32) * 4
        mask = bytes(mask_stride * p.height)
        info = struct.pack('<IiiHHIIiiII', 40, p.width, p.height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append(info + xor + mask)
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for p, image in zip(pictures, images):
        out += struct.pack('<BBBBHHII', p.width % 256, p.height % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(out + b''.join(images))


def write_click(name):
    """A short falling blip, 8-bit mono at 11025 Hz."""
    rate, count = 11025, 330
    samples = bytes(int(128 + 90 * math.exp(-i / 60.0) * math.sin(2 * math.pi * (1800 - 2 * i) * i / rate))
                    for i in range(count))
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate, 1, 8)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(samples)) + samples
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(b'RIFF' + struct.pack('<I', len(body)) + body)


BLACK, WHITE, GREY, SILVER = (0, 0, 0), (255, 255, 255), (128, 128, 128), (192, 192, 192)
RED, GREEN, BLUE, YELLOW, NAVY, TEAL, MAROON = (255, 0, 0), (0, 128, 0), (0, 0, 255), (255, 255, 0), (0, 0, 128), \
    (0, 128, 128), (128, 0, 0)


def toolbar():
    strip = Picture(176, 15, SILVER)

    def at(i):
        return i * 16

    x = at(0)  # New: a page with a folded corner
    strip.fill(x + 3, 1, x + 12, 14, WHITE); strip.frame(x + 3, 1, x + 12, 14, BLACK)
    strip.line(x + 9, 1, x + 12, 4, BLACK); strip.line(x + 9, 1, x + 9, 4, BLACK); strip.line(x + 9, 4, x + 12, 4, BLACK)
    x = at(1)  # Open: a folder
    strip.fill(x + 1, 5, x + 14, 13, YELLOW); strip.frame(x + 1, 5, x + 14, 13, BLACK)
    strip.line(x + 2, 4, x + 6, 4, BLACK); strip.line(x + 9, 1, x + 13, 1, BLACK); strip.line(x + 13, 1, x + 13, 4, BLACK)
    x = at(2)  # Save: a disk
    strip.fill(x + 1, 1, x + 14, 14, NAVY); strip.fill(x + 4, 2, x + 11, 7, WHITE); strip.fill(x + 5, 10, x + 10, 14, SILVER)
    x = at(3)  # Quick iterator: a lightning flash
    for i, (a, b) in enumerate([(9, 11), (8, 10), (7, 9), (6, 8), (5, 11), (8, 10), (7, 9), (6, 8), (5, 7), (4, 6)]):
        strip.fill(x + a, 2 + i, x + b, 3 + i, YELLOW)
    strip.line(x + 4, 12, x + 10, 1, BLACK)
    x = at(4)  # Sweep: bars of rising height
    for i, h in enumerate([4, 7, 10, 12]):
        strip.fill(x + 2 + i * 3, 14 - h, x + 4 + i * 3, 14, [BLUE, TEAL, GREEN, RED][i])
    strip.line(x + 1, 14, x + 14, 14, BLACK)
    x = at(5)  # Cylinder-head airflow: a port with arrows
    strip.fill(x + 2, 3, x + 13, 12, GREY); strip.fill(x + 5, 6, x + 10, 9, WHITE)
    strip.line(x + 1, 1, x + 5, 5, BLUE); strip.line(x + 10, 10, x + 14, 14, BLUE)
    x = at(6)  # Cam math: a cam lobe
    for dy in range(-6, 7):
        for dx in range(-6, 7):
            r = math.hypot(dx, dy)
            lobe = 4 + (3 if dy < 0 and abs(dx) < 3 else 0)
            if r <= lobe:
                strip.set(x + 7 + dx, 8 + dy, MAROON)
    strip.fill(x + 6, 7, x + 9, 10, WHITE)
    x = at(7)  # Compression ratio: a piston in a bore
    strip.line(x + 3, 1, x + 3, 14, BLACK); strip.line(x + 12, 1, x + 12, 14, BLACK)
    strip.fill(x + 4, 7, x + 12, 12, GREY); strip.line(x + 7, 12, x + 8, 14, BLACK)
    x = at(8)  # Airflow math: flowing lines
    for y in (3, 7, 11):
        strip.line(x + 1, y, x + 11, y, BLUE); strip.line(x + 11, y, x + 9, y - 2, BLUE); strip.line(x + 11, y, x + 9, y + 2, BLUE)
    x = at(9)  # Print: a printer
    strip.fill(x + 4, 1, x + 12, 6, WHITE); strip.frame(x + 4, 1, x + 12, 6, BLACK)
    strip.fill(x + 1, 6, x + 15, 12, GREY); strip.frame(x + 1, 6, x + 15, 12, BLACK)
    strip.fill(x + 4, 10, x + 12, 14, WHITE)
    x = at(10)  # About: a blue disc with an i
    for dy in range(-7, 8):
        for dx in range(-7, 8):
            if dx * dx + dy * dy <= 42:
                strip.set(x + 8 + dx, 7 + dy, BLUE)
    strip.fill(x + 7, 3, x + 9, 5, WHITE); strip.fill(x + 7, 6, x + 9, 12, WHITE)
    write_bmp4('Toolbar.bmp', strip)


def splash():
    p = Picture(400, 240)
    for y in range(240):
        t = y / 239
        colour = (int(0x22 + 0x41 * t), int(0x59 + 0x1c * t), int(0xCA + 0x0c * t))
        for x in range(400):
            p.rows[y][x] = colour
    # A dyno curve: power rising and falling.
    for x in range(40, 360):
        t = (x - 40) / 320
        y = int(200 - 130 * math.sin(math.pi * min(t * 1.2, 1.0)) * (0.4 + 0.6 * t))
        p.fill(x, y, x + 1, y + 3, (255, 255, 0))
    p.line(40, 205, 360, 205, WHITE); p.line(40, 60, 40, 205, WHITE)
    title = 'TORVANE'
    p.text((400 - Picture.text_width(title, 6)) // 2, 20, title, WHITE, 6)
    sub = 'ENGINE DYNO SIMULATOR  4.05'
    p.text((400 - Picture.text_width(sub, 2)) // 2, 216, sub, WHITE, 2)
    write_bmp24('Splash.bmp', p)


def captions(names=('SHORT BLOCK', 'CYLINDER HEADS', 'COMPRESSION', 'INDUCTION', 'EXHAUST', 'CAMSHAFT', 'NOTES'),
             ids=range(172, 179)):
    background, border = (0x63, 0x75, 0xD6), (0x22, 0x59, 0xCA)
    for name, number in zip(names, ids):
        p = Picture(Picture.text_width(name) + 10, 12, border)
        p.fill(1, 1, p.width - 1, p.height - 1, background)
        p.text(5, 2, name, WHITE)
        write_bmp24('Caption%d.bmp' % number, p)


def status_pictures():
    valid = Picture(16, 16, (0xC0, 0xC0, 0xC0))
    for dy in range(-7, 8):
        for dx in range(-7, 8):
            if dx * dx + dy * dy <= 49:
                valid.set(8 + dx, 8 + dy, (0, 160, 0))
    for a, b in [((4, 8), (7, 11)), ((7, 11), (12, 5))]:
        for w in (0, 1):
            valid.line(a[0], a[1] + w, b[0], b[1] + w, WHITE)
    write_bmp24('Valid.bmp', valid)
    invalid = Picture(16, 16, (0xC0, 0xC0, 0xC0))
    for dy in range(-7, 8):
        for dx in range(-7, 8):
            if dx * dx + dy * dy <= 49:
                invalid.set(8 + dx, 8 + dy, (210, 0, 0))
    for w in (0, 1):
        invalid.line(5 + w, 5, 10 + w, 11, WHITE); invalid.line(10 + w, 5, 5 + w, 11, WHITE)
    write_bmp24('Invalid.bmp', invalid)
    ok = Picture(12, 10, SILVER)
    for w in (0, 1):
        ok.line(2, 4 + w, 4, 7 + w, (0, 128, 0)); ok.line(4, 7 + w, 9, 1 + w, (0, 128, 0))
    write_bmp24('EditorOk.bmp', ok)
    cancel = Picture(12, 10, SILVER)
    for w in (0, 1):
        cancel.line(3 + w, 1, 8 + w, 8, (192, 0, 0)); cancel.line(8 + w, 1, 3 + w, 8, (192, 0, 0))
    write_bmp24('EditorCancel.bmp', cancel)


def icons():
    def engine(size, document):
        p = Picture(size, size, (255, 0, 255))
        s = size / 32.0
        if document:
            p.fill(int(4 * s), int(1 * s), int(28 * s), int(31 * s), WHITE)
            p.frame(int(4 * s), int(1 * s), int(28 * s) - 1, int(31 * s) - 1, BLACK)
        for i in range(4):  # four cylinders
            x0 = int((5 + i * 6) * s)
            p.fill(x0, int(8 * s), x0 + max(int(5 * s), 2), int(24 * s), (0x63, 0x75, 0xD6) if document else GREY)
            p.fill(x0, int(8 * s), x0 + max(int(5 * s), 2), int(11 * s), (0x22, 0x59, 0xCA))
        p.line(int(4 * s), int(25 * s), int(28 * s), int(25 * s), BLACK)
        p.line(int(6 * s), int(28 * s), int(26 * s), int(18 * s), RED)
        return p
    write_ico('Torvane.ico', [engine(32, False), engine(16, False)])
    write_ico('TorvaneDoc.ico', [engine(32, True), engine(16, True)])


if __name__ == '__main__':
    toolbar()
    splash()
    captions()
    status_pictures()
    icons()
    write_click('Hover.wav')
