#!/usr/bin/env python3
"""Finds the program's window on a screenshot of a Weston desktop.

Usage: weston_window.py SHOT.ppm WIDTH HEIGHT -> prints "LEFT TOP WIDTH HEIGHT
BAR" of the window's client area in screenshot pixels, BAR being the menu
bar's height at the client area's top (0 where none is seen).

Weston places windows itself, and the title bar is drawn by the program, so
the window is found by its look: the title bar's top is the first row below
the panel with a long run of light pixels over the dark desktop, and just
under the title bar the window's light top row spans the whole frame (3
pixels of frame, the client area, 3 pixels of frame). The client area's left
column is light down to the bottom frame, and the menu bar ends in a line of
light grey, under white, in the client area's left margin. The SHOT is an 8-bit binary PPM.
"""
import sys

PANEL = 32          # Weston's panel at the top of the desktop
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


def pixel(px, w, x, y):
    return min(px[3 * (y * w + x):3 * (y * w + x) + 3])


def client_height(px, w, left, top, height):
    """Rows of the client area: its left column is light down to the bottom
    frame, under which the desktop (or the screen's end) is dark."""
    y = top
    while y < height and pixel(px, w, left, y) >= 225:
        y += 1
    return y - FRAME - top


def menu_bar(px, w, left, top, rows):
    """The menu bar's height: down to its bottom line, the first row whose
    margin at the client area's left turns from white to one light grey."""
    for y in range(top + 1, top + min(rows, 60)):
        margin = {pixel(px, w, x, y) for x in range(left, left + 6)}
        if len(margin) == 1 and 200 <= min(margin) < 250 and pixel(px, w, left, y - 1) == 255:
            return y - top + 1
    return 0


def grey(px, w, xs, ys):
    return all(230 <= pixel(px, w, x, y) <= 248 for x in xs for y in ys)


def framed(px, w, outer_left, title_top):
    """The title bar's left end and then the frame's side in the frame's
    grey, where a white area inside a window has white."""
    top = title_top + TITLE_BAR
    return (grey(px, w, range(outer_left, outer_left + 2 * FRAME), range(title_top + 3, top))
            and grey(px, w, range(outer_left, outer_left + FRAME), range(top, top + 20)))


def main():
    w, h, px = read_ppm(sys.argv[1])
    width, height = int(sys.argv[2]), int(sys.argv[3])
    for y in range(PANEL, height - TITLE_BAR - 2):
        title = light_run(px, w, y, width, 300)
        if not title:
            continue
        # A title bar's top stands on the desktop or the panel, never inside
        # another light area.
        if pixel(px, w, (title[0] + title[1]) // 2, y - 1) >= 225:
            continue
        below = light_run(px, w, y + TITLE_BAR, width, 300)
        if not below:
            continue
        left, top = below[0] + FRAME, y + TITLE_BAR
        if not framed(px, w, below[0], y):
            continue
        inner = below[1] - below[0] + 1 - 2 * FRAME
        rows = client_height(px, w, left, top, height)
        print(left, top, inner, rows, menu_bar(px, w, left, top, rows))
        return 0
    return 1


sys.exit(main())
