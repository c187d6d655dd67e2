#!/usr/bin/env python3
"""Draws the program's icon, the edge of a glass pane bonded to its frame by a dark sealant bead,
and writes it as 16x16 and 32x32 PNG images and as a Windows .ico with 16- and 256-colour images.
Run it from this folder after changing the picture; its outputs are committed."""
import struct
import zlib

# Palette index 0 is transparent.
PALETTE = [
    (0, 0, 0),        # 0 transparent
    (64, 70, 78),     # 1 frame, dark
    (128, 136, 146),  # 2 frame, mid
    (190, 196, 204),  # 3 frame, light
    (24, 24, 28),     # 4 sealant
    (70, 70, 78),     # 5 sealant highlight
    (120, 180, 220),  # 6 glass edge
    (170, 215, 240),  # 7 glass
    (215, 240, 252),  # 8 glass light
    (255, 255, 255),  # 9 glint
]


def draw(size):
    """The picture on a size x size grid, scaled from a 32-unit design."""
    s = size / 32
    grid = [[0] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(round(y0 * s), round(y1 * s)):
            for x in range(round(x0 * s), round(x1 * s)):
                grid[y][x] = colour

    rect(1, 1, 10, 31, 2)    # frame profile
    rect(1, 1, 3, 31, 3)     # its lit face
    rect(8, 1, 10, 31, 1)    # its shaded edge
    rect(10, 4, 15, 28, 4)   # sealant bead
    rect(11, 5, 12, 27, 5)
    rect(15, 1, 31, 31, 7)   # glass pane
    rect(15, 1, 17, 31, 6)   # its edge
    rect(17, 1, 31, 5, 8)
    for i in range(round(10 * s)):  # glint, one pixel across for every two up at either size
        x, y = round(19 * s) + i, round(26 * s) - 2 * i
        grid[y][x] = grid[y + 1][x] = 9
    return grid


def png(grid):
    size = len(grid)
    raw = b"".join(b"\0" + bytes(row) for row in grid)
    chunk = lambda kind, data: (struct.pack(">I", len(data)) + kind + data
                                + struct.pack(">I", zlib.crc32(kind + data)))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"tRNS", b"\0")
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def dib(grid, bits):
    """A bottom-up palette bitmap with its AND mask, as an .ico image holds it."""
    size = len(grid)
    colours = 1 << bits
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE + [(0, 0, 0)] * (colours - len(PALETTE)))
    pad = lambda row: row + b"\0" * (-len(row) % 4)
    pixels = b""
    mask = b""
    for row in reversed(grid):
        if bits == 4:
            pixels += pad(bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2)))
        else:
            pixels += pad(bytes(row))
        bitsrow = 0
        for value in row:
            bitsrow = (bitsrow << 1) | (value == 0)
        mask += pad(bitsrow.to_bytes(size // 8, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(pixels + mask), 0, 0, colours, 0)
    return header + palette + pixels + mask


def ico(images):
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for grid, bits in images:
        size = len(grid)
        image = dib(grid, bits)
        entries += struct.pack("<BBBBHHII", size, size, (1 << bits) % 256, 0, 1, bits, len(image), offset + len(data))
        data += image
    return struct.pack("<HHH", 0, 1, len(images)) + entries + data


small, large = draw(16), draw(32)
open("vardelin-16.png", "wb").write(png(small))
open("vardelin-32.png", "wb").write(png(large))
open("vardelin.ico", "wb").write(ico([(small, 4), (large, 4), (small, 8), (large, 8)]))
