"""Writers for the image formats of the resources: 4-bit BMP, 4-bit ICO and RGBA PNG.

Pixel art is kept as text: one character per pixel, a legend mapping characters to
palette indexes.  Rows are listed top to bottom, as they are drawn.
"""

import struct
import zlib


def parse_art(rows, legend):
    """Turns rows of characters into rows of palette indexes."""
    width = len(rows[0])
    for number, row in enumerate(rows):
        if len(row) != width:
            raise ValueError(f"art row {number} is {len(row)} wide, expected {width}")
    return [[legend[char] for char in row] for row in rows]


def join_side_by_side(*images):
    """Places images of equal height next to each other, left to right."""
    height = len(images[0])
    if any(len(image) != height for image in images):
        raise ValueError("images to join differ in height")
    return [sum((image[y] for image in images), []) for y in range(height)]


def _palette_bytes(palette):
    if len(palette) != 16:
        raise ValueError("a 4-bit image needs exactly 16 palette entries")
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def _packed_rows_4bit(pixels):
    """Bottom-up rows, two pixels a byte, high nibble first, each row padded to 4 bytes."""
    out = bytearray()
    for row in reversed(pixels):
        padded = row + [0] * (len(row) % 2)
        line = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        out += line + b"\0" * (-len(line) % 4)
    return bytes(out)


def _packed_mask_rows(mask):
    """Bottom-up 1-bit rows (1 = transparent), each padded to 4 bytes."""
    out = bytearray()
    for row in reversed(mask):
        line = bytearray((len(row) + 7) // 8)
        for x, transparent in enumerate(row):
            if transparent:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line + b"\0" * (-len(line) % 4)
    return bytes(out)


def _info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 2835, 2835, 16, 16)


def bmp4_bytes(palette, pixels):
    width, height = len(pixels[0]), len(pixels)
    data = _packed_rows_4bit(pixels)
    offset = 14 + 40 + 64
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return file_header + _info_header(width, height, len(data)) + _palette_bytes(palette) + data


def ico_bytes(images):
    """images: list of (palette, pixels, transparent_index); the transparent index goes to the
    AND mask and is stored as colour 0 in the colour plane, as the platform expects."""
    entries = []
    for palette, pixels, transparent in images:
        width, height = len(pixels[0]), len(pixels)
        mask = [[index == transparent for index in row] for row in pixels]
        colours = [[0 if index == transparent else index for index in row] for row in pixels]
        xor = _packed_rows_4bit(colours)
        and_mask = _packed_mask_rows(mask)
        # The height in an icon's header counts the colour plane and the mask together.
        body = (_info_header(width, 2 * height, len(xor) + len(and_mask)) +
                _palette_bytes(palette) + xor + and_mask)
        entries.append((width, height, body))
    header = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    directory = b""
    bodies = b""
    for width, height, body in entries:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4,
                                 len(body), offset + len(bodies))
        bodies += body
    return header + directory + bodies


def png_bytes(rgba_rows):
    """rgba_rows: rows of (r, g, b, a) tuples, top row first."""
    width, height = len(rgba_rows[0]), len(rgba_rows)
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel)
                   for row in rgba_rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def to_rgba(palette, pixels, transparent):
    return [[(0, 0, 0, 0) if index == transparent else palette[index] + (255,) for index in row]
            for row in pixels]


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)
