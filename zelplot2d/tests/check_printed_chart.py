#!/usr/bin/env python3
"""Checks the chart the library printed into the PDF printer by its colours
as pdftoppm renders them: the owner's zone, and both curves still visible
through it (the blue one darkened by the zone's mask). Without a printer
there is no file: skipped."""
import os
import subprocess
import sys


def pixels(ppm):
    """The (r, g, b) pixels of a binary PPM (P6, 8 bits)."""
    fields, position = [], 0
    while len(fields) < 4:
        while ppm[position:position + 1].isspace():
            position += 1
        if ppm[position:position + 1] == b"#":
            position = ppm.index(b"\n", position)
            continue
        end = position
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[position:end])
        position = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError("not an 8-bit PPM")
    data = ppm[position + 1:]
    return zip(data[0::3], data[1::3], data[2::3])


def main(path):
    if not os.path.exists(path):
        if os.environ.get("TEST_PRINTER_OUTPUT_DIR"):
            print("no printed chart at " + path)
            return 1
        print("skipped: no printer")
        return 0
    ppm = subprocess.run(["pdftoppm", "-r", "60", "-singlefile", path], capture_output=True, timeout=30).stdout
    counts = {"zone": 0, "red": 0, "blue": 0, "masked blue": 0}
    for r, g, b in pixels(ppm):
        if abs(r - 0xFF) < 12 and abs(g - 0xF3) < 12 and abs(b - 0xBD) < 12:
            counts["zone"] += 1
        elif r > 200 and g < 60 and b < 60:
            counts["red"] += 1
        elif r < 60 and g < 60 and b > 0xE0:
            counts["blue"] += 1
        elif r < 60 and g < 60 and abs(b - 0xBD) < 20:
            counts["masked blue"] += 1
    failures = []
    if counts["zone"] < 500:
        failures.append("too little zone colour: %d" % counts["zone"])
    if counts["red"] < 30 or counts["blue"] < 30:
        failures.append("the curves are missing: %d red, %d blue" % (counts["red"], counts["blue"]))
    if counts["masked blue"] < 10:
        failures.append("the zone hides the blue curve: %d masked blue pixels" % counts["masked blue"])
    for failure in failures:
        print(failure)
    print("printed chart: %(zone)d zone, %(red)d red, %(blue)d blue, %(masked blue)d masked blue pixels" % counts)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
