#!/usr/bin/env python3
# Usage: python3 res/tools/make_icon.py  (rewrites res/zentavo.ico and the 16 and 32 pixel PNGs)
"""Draws the program icon as 16-colour pixel art: two document sheets, a red arrow from the
upper-left sheet into the lower-right one.

The 32 and 16 pixel images are drawn separately rather than scaled, so that each stays crisp;
both use the standard 16-colour VGA palette, which every icon reader understands.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import imagefiles  # noqa: E402

VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TRANSPARENT = 13  # magenta; never drawn, it only marks the pixels the AND mask lets through

# "." transparent, "K" black outline, "W" white paper, "G" grey text line, "s" silver folded
# corner, "R" red arrow, "r" dark red shading on the arrow's lower and outer side
LEGEND = {".": TRANSPARENT, "K": 0, "W": 15, "G": 8, "s": 7, "R": 9, "r": 1}

ICON_32 = [
    "KKKKKKKK........................",
    "KWWWWWWKK.......................",
    "KWWWWWWKsK......................",
    "KWGGGGWKssK.....................",
    "KWWWWWWKKKKK....................",
    "KWGGGGWWWWWK....................",
    "KWWWWWWWWWWK....................",
    "KWGGGGGGGGWK....................",
    "KWWWWWWWWWWK....................",
    "KWGGGGGGWWWK....................",
    "KWWWWWWWWWWK....................",
    "KWGGGGGGGGWK....................",
    "KWWWWWWWWWWK....................",
    "KWGGGGGGGWWK....................",
    "KWWWWWWWWWWK....................",
    "KKKKKrRRRKKK....................",
    "....KrRRRK......K...KKKKKKKK....",
    "....KrRRRK.....KRK..KWWWWWWKK...",
    "....KrRRRK.....KRRK.KWWWWWWKsK..",
    ".....KrRRRK....KRRRKKWGGGGWKssK.",
    ".....KrRRRRKKKKKRRRRKWWWWWWKKKKK",
    "......KrRRRRRRRRRRRRRKGGGGWWWWWK",
    ".......KrRRRRRRRRRRRRrKWWWWWWWWK",
    "........KrrRRRRRRRRRrKGGGGGGGGWK",
    ".........KKrrrrrRRRrKWWWWWWWWWWK",
    "...........KKKKKRRrKKWGGGGGGWWWK",
    "...............KRrK.KWWWWWWWWWWK",
    "...............KrK..KWGGGGGGGGWK",
    "................K...KWWWWWWWWWWK",
    "....................KWGGGGGGGWWK",
    "....................KWWWWWWWWWWK",
    "....................KKKKKKKKKKKK",
]

ICON_16 = [
    "KKKKK...........",
    "KWWWKK..........",
    "KWGGKsK.........",
    "KWWWKKK.........",
    "KWGGGWK.........",
    "KWWWWWK.........",
    "KWGGGWK.........",
    "KWWWWWK..KKKKK..",
    "KKrRRKK..KWWWKK.",
    "..rRR..R.KWGGKsK",
    "..rRR..RRKWWWKKK",
    "..rRRRRRRRWGGGWK",
    "...rRRRRRRRWWWWK",
    "....rrrRRrWGGGWK",
    ".......RrKWWWWWK",
    ".......r.KKKKKKK",
]


def images():
    """The two images, largest first, as (palette, pixels, transparent index)."""
    return [(VGA_PALETTE, imagefiles.parse_art(art, LEGEND), TRANSPARENT)
            for art in (ICON_32, ICON_16)]


def main():
    res = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    imagefiles.write(os.path.join(res, "zentavo.ico"), imagefiles.ico_bytes(images()))
    for palette, pixels, transparent in images():
        size = len(pixels)
        folder = os.path.join(res, "icons", "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        rgba = imagefiles.to_rgba(palette, pixels, transparent)
        imagefiles.write(os.path.join(folder, "zentavo.png"), imagefiles.png_bytes(rgba))


if __name__ == "__main__":
    main()
