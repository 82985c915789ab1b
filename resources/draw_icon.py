#!/usr/bin/env python3
"""Draws the application icon: a globe with blue seas and green land, with a pale-blue
envelope bearing blue handwriting lying diagonally across it. Writes resources/kestrune.ico
with eleven images: 48, 32 and 16 px in 16 colours; 48, 32, 24 and 16 px in 256 colours; and
48, 32, 24 and 16 px in 32-bit colour with alpha. With --png FOLDER it writes instead the
icons of the freedesktop hicolor theme, FOLDER/SIZExSIZE/apps/kestrune.png, for the Linux
program.

    python3 resources/draw_icon.py [--png FOLDER]
"""
import io
import struct
import sys
from pathlib import Path

from PIL import Image, ImageDraw

MASTER = 192  # drawn large once, then scaled down for each size


def draw_master():
    image = Image.new("RGBA", (MASTER, MASTER), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    # The globe: a deep-blue sea with a lighter rim, and green continents.
    d.ellipse((8, 8, 184, 184), fill=(20, 80, 190, 255), outline=(10, 40, 120, 255), width=6)
    d.ellipse((26, 22, 120, 96), fill=(50, 120, 220, 255))
    land = (40, 160, 60, 255)
    d.polygon([(40, 50), (80, 30), (110, 45), (100, 80), (70, 95), (50, 85)], fill=land)
    d.polygon([(115, 100), (150, 90), (170, 120), (150, 160), (125, 150)], fill=land)
    d.polygon([(45, 120), (75, 115), (85, 150), (60, 170), (40, 150)], fill=land)
    # The envelope, drawn upright on its own layer and then turned to lie diagonally.
    envelope = Image.new("RGBA", (150, 96), (0, 0, 0, 0))
    e = ImageDraw.Draw(envelope)
    e.rectangle((2, 2, 147, 93), fill=(200, 225, 250, 255), outline=(60, 100, 170, 255), width=4)
    e.line((4, 4, 75, 52, 145, 4), fill=(60, 100, 170, 255), width=4)
    for y, right in ((62, 110), (74, 96)):  # handwriting
        points = [(24 + x, y + (4 if (x // 8) % 2 else -4)) for x in range(0, right - 24, 8)]
        e.line(points, fill=(20, 60, 200, 255), width=4)
    envelope = envelope.rotate(30, expand=True, resample=Image.BICUBIC)
    image.alpha_composite(envelope, ((MASTER - envelope.width) // 2 + 14,
                                     (MASTER - envelope.height) // 2 + 22))
    return image


def rows_bottom_up(data, stride, height):
    return b"".join(data[y * stride:(y + 1) * stride] for y in reversed(range(height)))


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def and_mask(image):
    size = image.width
    rows = []
    for y in range(size):
        bits = 0
        row = bytearray()
        for x in range(size):
            bits = (bits << 1) | (image.getpixel((x, y))[3] < 128)
            if x % 8 == 7:
                row.append(bits)
                bits = 0
        if size % 8:
            row.append(bits << (8 - size % 8))
        rows.append(padded(bytes(row)))
    return b"".join(reversed(rows))


def header(size, bits, colours):
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def true_colour(image):
    size = image.width
    pixels = bytearray()
    for y in range(size):
        for x in range(size):
            r, g, b, a = image.getpixel((x, y))
            pixels += bytes((b, g, r, a))
    return header(size, 32, 0) + rows_bottom_up(bytes(pixels), size * 4, size) + and_mask(image)


def paletted(image, colours):
    size = image.width
    black = Image.new("RGBA", image.size, (0, 0, 0, 255))
    flat = Image.alpha_composite(black, image).convert("RGB")
    indexed = flat.quantize(colors=colours, method=Image.Quantize.MEDIANCUT)
    palette = indexed.getpalette()[: colours * 3]
    palette += [0] * (colours * 3 - len(palette))
    quads = b"".join(bytes((palette[i + 2], palette[i + 1], palette[i], 0))
                     for i in range(0, colours * 3, 3))
    bits = 4 if colours == 16 else 8
    rows = []
    for y in range(size):
        values = [indexed.getpixel((x, y)) for x in range(size)]
        if bits == 4:
            row = bytes((values[x] << 4) | values[x + 1] for x in range(0, size, 2))
        else:
            row = bytes(values)
        rows.append(padded(row))
    return header(size, bits, colours) + quads + b"".join(reversed(rows)) + and_mask(image)


HICOLOR_SIZES = (16, 24, 32, 48, 256)


def write_theme_icons(master, folder):
    for size in HICOLOR_SIZES:
        target = Path(folder) / f"{size}x{size}" / "apps" / "kestrune.png"
        target.parent.mkdir(parents=True, exist_ok=True)
        master.resize((size, size), Image.LANCZOS).save(target, optimize=True)


def main():
    master = draw_master()
    if len(sys.argv) == 3 and sys.argv[1] == "--png":
        write_theme_icons(master, sys.argv[2])
        return
    images = []
    for colours, sizes in ((16, (48, 32, 16)), (256, (48, 32, 24, 16)), (0, (48, 32, 24, 16))):
        for size in sizes:
            small = master.resize((size, size), Image.LANCZOS)
            data = true_colour(small) if colours == 0 else paletted(small, colours)
            bits = {16: 4, 256: 8, 0: 32}[colours]
            images.append((size, colours if colours == 16 else 0, bits, data))
    out = io.BytesIO()
    out.write(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, colours, bits, data in images:
        out.write(struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset))
        offset += len(data)
    for *_, data in images:
        out.write(data)
    Path(__file__).with_name("kestrune.ico").write_bytes(out.getvalue())


if __name__ == "__main__":
    main()
