#!/usr/bin/env python3
"""Writes the small seed corpus of picture blocks into tools/fuzz/corpus/."""
import os, struct, zlib

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
os.makedirs(here, exist_ok=True)


def bmp(w, h, offset=54):
    stride = (w * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in range(h):
        row = bytearray()
        for x in range(w):
            row += bytes(((x * 7 + y) & 255, (y * 5 + 3) & 255, (x + y * 11 + 1) & 255))
        pixels += row + bytes(stride - len(row))
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    header += struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels) if offset == 54 else 0,
                          2834, 2834, 0, 0)
    return header + bytes(offset - len(header)) + bytes(pixels)


seeds = {
    "plain54_3x2.bmp": bmp(3, 2),
    "plain64_5x3.bmp": bmp(5, 3, 64),
    "plain54_1x1.bmp": bmp(1, 1),
    "zlib_4x4.z": zlib.compress(bmp(4, 4)),
    "zlib_64_2x5.z": zlib.compress(bmp(2, 5, 64)),
    "short_header": bmp(3, 2)[:30],
    "short_pixels": bmp(6, 6)[:-20],
    "zlib_truncated.z": zlib.compress(bmp(8, 8))[:40],
}
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
