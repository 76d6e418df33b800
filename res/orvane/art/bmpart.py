"""Writes the Alert Manager's bitmaps and icons from small drawings made in Python.

Only the standard library is used: a picture is a list of rows of (r, g, b) tuples, top row
first. Bitmaps are 24-bit BMP files; icons hold one 32 x 32 image with 32-bit colour and an
AND mask.
"""
import struct


def blank(width, height, colour=(192, 192, 192)):
    return [[colour for _ in range(width)] for _ in range(height)]


def fill_rect(picture, left, top, right, bottom, colour):
    for y in range(max(top, 0), min(bottom, len(picture))):
        row = picture[y]
        for x in range(max(left, 0), min(right, len(row))):
            row[x] = colour


def fill_circle(picture, cx, cy, radius, colour):
    for y in range(len(picture)):
        for x in range(len(picture[0])):
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                picture[y][x] = colour


def frame_rect(picture, left, top, right, bottom, colour):
    fill_rect(picture, left, top, right, top + 1, colour)
    fill_rect(picture, left, bottom - 1, right, bottom, colour)
    fill_rect(picture, left, top, left + 1, bottom, colour)
    fill_rect(picture, right - 1, top, right, bottom, colour)


def _rows_bgr(picture):
    width = len(picture[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(picture):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    return bytes(data)


def write_bmp(path, picture):
    width, height = len(picture[0]), len(picture)
    pixels = _rows_bgr(picture)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def write_ico(path, picture, transparent=None):
    """One image; pixels equal to `transparent` are left out through the AND mask."""
    width, height = len(picture[0]), len(picture)
    xor = bytearray()
    for row in reversed(picture):
        for pixel in row:
            alpha = 0 if pixel == transparent else 255
            r, g, b = pixel
            xor += bytes((b, g, r, alpha))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(picture):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel == transparent:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def write_bmp_indexed(path, picture):
    """An 8-bit bitmap with a colour table: the loader can then map the classic greys of a
    toolbar strip to the system's button colours."""
    width, height = len(picture[0]), len(picture)
    palette = []
    index = {}
    for row in picture:
        for pixel in row:
            if pixel not in index:
                index[pixel] = len(palette)
                palette.append(pixel)
    if len(palette) > 256:
        raise ValueError("more than 256 colours")
    stride = (width + 3) & ~3
    pixels = bytearray()
    for row in reversed(picture):
        line = bytes(index[p] for p in row)
        pixels += line + b"\0" * (stride - width)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, len(palette), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + table + bytes(pixels))
