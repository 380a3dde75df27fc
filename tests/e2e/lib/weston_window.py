#!/usr/bin/env python3
"""Finds the program's window on a screenshot of a Weston desktop.

Usage: weston_window.py SHOT.ppm WIDTH HEIGHT -> prints "LEFT TOP" of the
window's client area (the designed 536 x 638 pixels) in screenshot pixels.

Weston places windows itself, and the title bar is drawn by the program, so
the window is found by its look: the title bar's top is the first row below
the panel with a long run of light pixels, and just under the title bar the
window's white top margin spans the whole frame (3 pixels of frame, the
client area, 3 pixels of frame). The SHOT is an 8-bit binary PPM.
"""
import sys

PANEL = 34          # Weston's panel at the top of the desktop
TITLE_BAR = 30      # height of the title bar the program draws
FRAME = 3           # the frame's side width


def read_ppm(path):
    data = open(path, "rb").read()
    fields, i = [], 0
    while len(fields) < 4:
        while data[i:i + 1].isspace():
            i += 1
        j = i
        while not data[j:j + 1].isspace():
            j += 1
        fields.append(data[i:j])
        i = j
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit("not an 8-bit binary PPM")
    return int(fields[1]), int(fields[2]), data[i + 1:]


def light_run(px, w, y, width, at_least):
    run = 0
    for x in range(width + 1):
        if x < width and min(px[3 * (y * w + x):3 * (y * w + x) + 3]) >= 225:
            run += 1
            continue
        if run >= at_least:
            return x - run, x - 1
        run = 0
    return None


def main():
    w, h, px = read_ppm(sys.argv[1])
    width, height = int(sys.argv[2]), int(sys.argv[3])
    for y in range(PANEL, height - TITLE_BAR - 2):
        if light_run(px, w, y, width, 400):
            below = light_run(px, w, y + TITLE_BAR + 2, width, 500)
            if below:
                print(below[0] + FRAME, y + TITLE_BAR)
                return 0
    return 1


sys.exit(main())
