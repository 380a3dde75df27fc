#!/usr/bin/env python3
"""Draws the two pointer images the program ships: resources/HAND-M.CUR (the
hand shown over push buttons) and resources/drag.ico (shown while an entry of
the number list is carried). Both are 32x32, 32-bit BGRA with an AND mask, the
layout every .cur/.ico reader understands. Run from the repository root."""
import struct
import sys
from pathlib import Path

SIZE = 32

HAND = """
      XX
     X..X
     X..X
     X..X
     X..X
     X..XXX
     X..X..XXX
     X..X..X..XX
     X..X..X..X.X
  XX X........X..X
 X..XX...........X
 X...X...........X
  X..............X
   X.............X
   X............X
    X...........X
    X..........X
     X.........X
     X.........X
     XXXXXXXXXXX
"""
HAND_HOTSPOT = (6, 0)  # the tip of the index finger

DRAG = """
X
XX
X.X
X..X
X...X
X....X
X.....X
X......X
X.......X
X........X
X.....XXXXX
X..X..X
X.X X..X
XX  X..X
X    X..X
     X..X
      XX

        XXXXXXXXXXXXXXXXX
        X...............X
        X.XXXXXXXXXXX...X
        X...............X
        X.XXXXXXX.......X
        X...............X
        XXXXXXXXXXXXXXXXX
"""
DRAG_HOTSPOT = (0, 0)  # the tip of the arrow


def pixels(art):
    rows = art.strip("\n").split("\n")
    grid = [[None] * SIZE for _ in range(SIZE)]
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "X":
                grid[y][x] = (0, 0, 0)
            elif ch == ".":
                grid[y][x] = (255, 255, 255)
    return grid


def bitmap(grid):
    """BITMAPINFOHEADER + bottom-up BGRA rows + bottom-up AND mask rows."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            p = grid[y][x]
            if p is None:
                colour += bytes((0, 0, 0, 0))
                bits |= 1 << (SIZE - 1 - x)
            else:
                r, g, b = p
                colour += bytes((b, g, r, 255))
        mask += bits.to_bytes(SIZE // 8, "big")
    return header + bytes(colour) + bytes(mask)


def container(kind, grid, hotspot):
    data = bitmap(grid)
    # For a cursor (kind 2) the planes/bit-count words of the directory entry
    # hold the hotspot; for an icon (kind 1) they hold 1 and 32.
    w1, w2 = hotspot if kind == 2 else (1, 32)
    head = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, w1, w2, len(data), 6 + 16)
    return head + entry + data


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "resources")
    out.mkdir(parents=True, exist_ok=True)
    (out / "HAND-M.CUR").write_bytes(container(2, pixels(HAND), HAND_HOTSPOT))
    (out / "drag.ico").write_bytes(container(1, pixels(DRAG), DRAG_HOTSPOT))


if __name__ == "__main__":
    main()
