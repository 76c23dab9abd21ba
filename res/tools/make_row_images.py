#!/usr/bin/env python3
# Usage: python3 res/tools/make_row_images.py  (rewrites res/row_images.bmp)
"""Draws the row image strip: four shaded balls (grey, green, orange, red), 13 pixels a cell.

Each ball is drawn from one shading map; only the three shades of its colour change.  Light
falls from the upper left, so the highlight sits there and the rim darkens to the lower right.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import imagefiles  # noqa: E402

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)

# dark, middle, light shade of each ball, in the order of the strip
BALL_SHADES = [
    ((88, 88, 96), (150, 150, 158), (206, 206, 212)),  # grey: pending
    ((0, 104, 24), (36, 172, 56), (128, 228, 120)),  # green: renamed
    ((176, 80, 0), (244, 140, 16), (255, 204, 96)),  # orange: unused by the program
    ((136, 0, 8), (220, 28, 36), (255, 120, 112)),  # red: failed
]

# "." background, "D" dark, "M" middle, "L" light, "W" white highlight
BALL = [
    ".............",
    "....DDDDD....",
    "..DDLLLMMDD..",
    "..DLWWLMMMD..",
    ".DLWWWLMMMMD.",
    ".DLWWLMMMMMD.",
    ".DLLLMMMMMMD.",
    ".DLMMMMMMMMD.",
    ".DMMMMMMMMDD.",
    "..DMMMMMMDD..",
    "..DDMMMDDDD..",
    "....DDDDD....",
    ".............",
]


def palette():
    entries = [MAGENTA, WHITE]
    for shades in BALL_SHADES:
        entries.extend(shades)
    entries.extend([(0, 0, 0)] * (16 - len(entries)))
    return entries


def strip():
    balls = []
    for number in range(len(BALL_SHADES)):
        first = 2 + 3 * number
        legend = {".": 0, "W": 1, "D": first, "M": first + 1, "L": first + 2}
        balls.append(imagefiles.parse_art(BALL, legend))
    return imagefiles.join_side_by_side(*balls)


def main():
    res = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    imagefiles.write(os.path.join(res, "row_images.bmp"), imagefiles.bmp4_bytes(palette(), strip()))


if __name__ == "__main__":
    main()
