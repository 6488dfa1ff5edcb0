"""Writes an 8-bit, 256-colour bottom-up BMP of the given size: a test picture."""
import struct
import sys

width, height, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
stride = (width + 3) & ~3
palette = b"".join(struct.pack("<BBBB", i, 255 - i, (i * 7) & 255, 0) for i in range(256))
pixels = b"".join(bytes((x + y) & 255 for x in range(width)) + b"\0" * (stride - width)
                  for y in range(height))
offset = 14 + 40 + len(palette)
with open(path, "wb") as out:
    out.write(b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset))
    out.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835,
                          256, 0))
    out.write(palette + pixels)
