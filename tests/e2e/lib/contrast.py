#!/usr/bin/env python3
"""Contrast of a text on a screenshot, as the accessibility guidelines measure it.

Usage: contrast.py IMAGE WxH+X+Y
Prints the ratio (1 to 21) of the text inside the box: the box's most common
colour is taken as the background and the pixel farthest from it in luminance
as the text, with sRGB linearised. An empty box prints 0.
"""
import collections
import subprocess
import sys


def luminance(rgb):
    def linear(v):
        s = v / 255.0
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip())
    image, box = sys.argv[1], sys.argv[2]
    data = subprocess.run(["convert", image, "-crop", box, "+repage", "-depth", "8", "rgb:-"],
                          check=True, capture_output=True).stdout
    pixels = collections.Counter(tuple(data[i:i + 3]) for i in range(0, len(data) - 2, 3))
    if not pixels:
        print("0")
        return
    background = pixels.most_common(1)[0][0]
    print("%.2f" % max(ratio(background, colour) for colour in pixels))


if __name__ == "__main__":
    main()
