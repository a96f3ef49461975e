#!/usr/bin/env python3
"""Draws the program's icon, a small floating island, as resources/island.ico
(16, 32 and 48 pixels, 32-bit with alpha). Run it again after changing it.
The 48-pixel image is stored as PNG, a fifth of its bitmap size (icons may
hold PNG images from Windows Vista on); the sizes read at start-up at 100 %
stay bitmaps, which need no image decoder."""
import struct
import sys
import zlib
from pathlib import Path

GRASS = (88, 170, 64)
GRASS_EDGE = (56, 128, 44)
DIRT = (134, 92, 58)
DIRT_DARK = (98, 66, 42)
TRUNK = (90, 60, 36)
LEAVES = (40, 120, 52)
WATER = (70, 150, 220)


def colour_at(x, y):
    """Colour of the point (x, y) in a unit square, or None for sky."""
    # Canopy and trunk of a tree standing on the island.
    if (x - 0.62) ** 2 + (y - 0.24) ** 2 <= 0.15 ** 2:
        return LEAVES
    if 0.59 <= x <= 0.66 and 0.3 <= y <= 0.48:
        return TRUNK
    # A little waterfall off the left edge.
    if 0.2 <= x <= 0.26 and 0.5 <= y <= 0.92:
        return WATER
    # The grass top: a flat ellipse.
    top = ((x - 0.5) / 0.46) ** 2 + ((y - 0.5) / 0.12) ** 2
    if top <= 1.0:
        return GRASS if top <= 0.6 else GRASS_EDGE
    # The rock underneath: a rounded wedge narrowing to a point.
    if 0.5 <= y <= 0.95:
        half = 0.44 * (1.0 - (y - 0.5) / 0.45) ** 0.8
        if abs(x - 0.5) <= half:
            return DIRT if x - 0.5 < half * 0.4 else DIRT_DARK
    return None


def render(size, samples=4):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    if c:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = acc[3]
            if n:
                row.append((acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (samples * samples)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bmp_entry(size):
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def png_entry(size):
    pixels = render(size)
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main():
    sizes = (16, 32, 48)
    images = [bmp_entry(s) if s < 48 else png_entry(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    target = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / "resources" / "island.ico")
    target.write_bytes(out)


if __name__ == "__main__":
    main()
