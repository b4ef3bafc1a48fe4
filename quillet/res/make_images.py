#!/usr/bin/env python3
"""Draws the drag-race program's own pictures.

Writes the toolbar strip, the splash picture, the two icons, the form's
panel captions and status icons, the field editor's buttons and the hover
sound into this folder with the drawing and file helpers of the engine
program's picture script. Run it again after changing a drawing; the outputs are committed.
"""
import importlib.util
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location(
    'engine_pictures', os.path.join(HERE, '..', '..', 'torvane', 'res', 'make_images.py'))
draw = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(draw)
draw.HERE = HERE  # the writers put their files here
draw.FONT['Q'] = "01110 10001 10001 10001 10101 10010 01101"
draw.FONT['/'] = "00001 00010 00010 00100 01000 01000 10000"

Picture = draw.Picture
BLACK, WHITE, SILVER, GREY = (0, 0, 0), (255, 255, 255), (192, 192, 192), (128, 128, 128)
RED, GREEN, BLUE, YELLOW = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0)
NAVY, MAROON, TEAL, OLIVE = (0, 0, 128), (128, 0, 0), (0, 128, 128), (128, 128, 0)


def wheel(p, cx, cy, r, colour=BLACK):
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            if dx * dx + dy * dy <= r * r:
                p.set(cx + dx, cy + dy, colour)


def toolbar():
    strip = Picture(176, 15, SILVER)

    def at(i):
        return i * 16

    x = at(0)  # New: a blank page
    strip.fill(x + 3, 1, x + 12, 14, WHITE); strip.frame(x + 3, 1, x + 12, 14, BLACK)
    strip.line(x + 9, 1, x + 12, 4, BLACK)
    x = at(1)  # Open: a folder
    strip.fill(x + 1, 5, x + 14, 13, YELLOW); strip.frame(x + 1, 5, x + 14, 13, BLACK)
    strip.line(x + 3, 3, x + 7, 3, BLACK)
    x = at(2)  # Save: a disk
    strip.fill(x + 1, 1, x + 14, 14, NAVY); strip.fill(x + 4, 2, x + 11, 7, WHITE)
    x = at(3)  # Quick iterator: a flash
    strip.line(x + 9, 1, x + 5, 8, RED); strip.line(x + 5, 8, x + 10, 8, RED); strip.line(x + 10, 8, x + 6, 14, RED)
    x = at(4)  # Sweep: stepped bars
    for i, h in enumerate([3, 6, 9, 12]):
        strip.fill(x + 2 + i * 3, 14 - h, x + 4 + i * 3, 14, [BLUE, TEAL, GREEN, RED][i])
    x = at(5)  # Time slip: a slip of paper with lines
    strip.fill(x + 3, 1, x + 13, 14, YELLOW); strip.frame(x + 3, 1, x + 13, 14, BLACK)
    for y in (4, 7, 10):
        strip.line(x + 5, y, x + 11, y, BLACK)
    x = at(6)  # Traction: a tyre on the ground
    wheel(strip, x + 7, 7, 6); wheel(strip, x + 7, 7, 2, GREY)
    strip.line(x + 0, 14, x + 15, 14, MAROON)
    x = at(7)  # Power curve: a rising curve
    for i in range(13):
        strip.set(x + 1 + i, 13 - int(11 * math.sin(math.pi * i / 16)), RED)
    strip.line(x + 1, 14, x + 14, 14, BLACK); strip.line(x + 1, 1, x + 1, 14, BLACK)
    x = at(8)  # Import engine: an arrow into a block
    strip.fill(x + 7, 4, x + 15, 13, GREY); strip.frame(x + 7, 4, x + 14, 12, BLACK)
    strip.line(x + 0, 8, x + 6, 8, BLUE); strip.line(x + 6, 8, x + 3, 5, BLUE); strip.line(x + 6, 8, x + 3, 11, BLUE)
    x = at(9)  # Print: a printer
    strip.fill(x + 4, 1, x + 12, 6, WHITE); strip.frame(x + 4, 1, x + 12, 6, BLACK)
    strip.fill(x + 1, 6, x + 15, 12, GREY); strip.frame(x + 1, 6, x + 15, 12, BLACK)
    x = at(10)  # About: a disc with an i
    wheel(strip, x + 8, 7, 6, BLUE)
    strip.fill(x + 7, 3, x + 9, 5, WHITE); strip.fill(x + 7, 6, x + 9, 12, WHITE)
    draw.write_bmp4('Toolbar.bmp', strip)


def splash():
    p = Picture(400, 240)
    for y in range(240):
        t = y / 239
        colour = (int(0x20 + 0x60 * t), int(0x20 + 0x30 * t), int(0x30 + 0x20 * t))
        for x in range(400):
            p.rows[y][x] = colour
    # A strip with its start line, lights and a car.
    p.fill(0, 170, 400, 205, GREY)
    p.line(0, 187, 400, 187, WHITE)
    p.fill(60, 160, 63, 215, WHITE)
    for i, c in enumerate([YELLOW, YELLOW, YELLOW, GREEN]):
        wheel(p, 30, 80 + i * 18, 6, c)
    p.fill(150, 160, 260, 178, RED); p.fill(175, 150, 225, 162, RED)
    wheel(p, 170, 180, 9); wheel(p, 245, 180, 7)
    title = 'QUILLET'
    p.text((400 - Picture.text_width(title, 6)) // 2, 20, title, WHITE, 6)
    sub = 'DRAG RACE SIMULATOR  4.05'
    p.text((400 - Picture.text_width(sub, 2)) // 2, 220, sub, WHITE, 2)
    draw.write_bmp24('Splash.bmp', p)


def icons():
    def car(size, document):
        p = Picture(size, size, (255, 0, 255))
        s = size / 32.0
        if document:
            p.fill(int(4 * s), int(1 * s), int(28 * s), int(31 * s), WHITE)
            p.frame(int(4 * s), int(1 * s), int(28 * s) - 1, int(31 * s) - 1, BLACK)
        p.fill(int(3 * s), int(14 * s), int(29 * s), int(21 * s), RED)
        p.fill(int(10 * s), int(9 * s), int(20 * s), int(15 * s), RED)
        wheel(p, int(8 * s), int(22 * s), max(int(4 * s), 1))
        wheel(p, int(24 * s), int(22 * s), max(int(3 * s), 1))
        return p
    draw.write_ico('Quillet.ico', [car(32, False), car(16, False)])
    draw.write_ico('QuilletDoc.ico', [car(32, True), car(16, True)])


if __name__ == '__main__':
    toolbar()
    splash()
    icons()
    draw.captions(['VEHICLE', 'ENGINE', 'DRIVETRAIN', 'TIRES/WHEELS', 'DRIVING', 'WEATHER', 'NOTES'],
                  [138, 139, 140, 141, 142, 143, 146])
    draw.status_pictures()
    draw.write_click('Hover.wav')
