#!/usr/bin/env python3
"""Draws the picture button's two 50 x 50 pictures as baseline JPEGs (8 bits, YCbCr, no
subsampling): a white square in a one-pixel mid-blue frame holding a bold logo mark, a slanting
wedge on the left whose foot runs into a large circular loop on the right, the loop shading to
a highlight around its small white hole.

    picture_normal.jpg      the mark in sky blue, a pale-blue highlight in the loop
    picture_mouse_over.jpg  the mark in dark navy, a royal-blue glow in the loop

    python3 resources/draw_pictures.py
"""
import math
from pathlib import Path

from PIL import Image, ImageDraw

SIZE = 50
SCALE = 4  # drawn four times larger, then scaled down for smooth edges
FRAME = (70, 110, 190)
LOOP_CENTRE = (32.5, 27.5)
LOOP_OUTER = 15.5
HOLE = 3.5


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def draw(mark, glow):
    big = SIZE * SCALE
    image = Image.new("RGB", (big, big), (255, 255, 255))
    d = ImageDraw.Draw(image)
    s = SCALE
    # The wedge: broad at the top left, slanting down and right into the loop's foot.
    d.polygon([(5 * s, 6 * s), (17 * s, 6 * s), (30 * s, 43 * s), (19 * s, 43 * s)], fill=mark)
    d.polygon([(19 * s, 43 * s), (30 * s, 43 * s), (36 * s, 40 * s), (26 * s, 36 * s)], fill=mark)
    # The loop: a ring shading from the mark's colour at its rim to the glow at its hole.
    cx, cy = LOOP_CENTRE[0] * s, LOOP_CENTRE[1] * s
    for y in range(big):
        for x in range(big):
            r = math.hypot(x - cx, y - cy) / s
            if HOLE < r <= LOOP_OUTER:
                t = max(0.0, 1 - (r - HOLE) / (LOOP_OUTER - HOLE) * 1.6)
                image.putpixel((x, y), blend(mark, glow, t))
    small = image.resize((SIZE, SIZE), Image.LANCZOS)
    ImageDraw.Draw(small).rectangle((0, 0, SIZE - 1, SIZE - 1), outline=FRAME)
    return small


def main():
    here = Path(__file__).parent
    pictures = {
        "picture_normal.jpg": draw((48, 144, 208), (142, 189, 226)),
        "picture_mouse_over.jpg": draw((0, 0, 100), (20, 40, 165)),
    }
    for name, picture in pictures.items():
        picture.save(here / name, "JPEG", quality=90, subsampling=0, progressive=False,
                     optimize=False)


if __name__ == "__main__":
    main()
