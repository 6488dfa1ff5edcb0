#!/usr/bin/env python3
"""Writes the payload fixtures into the folder given as the only argument.

binary.bin    exactly 2,000,000 bytes drawn from 0D, 0A, 1A and 00: any text-mode
              translation on the way to disk changes it (the packer turns it into binary.z)
empty.bin     0 bytes: an empty RES_HLP
damaged.z     a zlib stream whose Adler-32 trailer is wrong, so it inflates completely and
              only fails at the very end
oversized.z   a well-formed zlib stream of 2,000,001 bytes, one more than the installer's
              buffer (the packer refuses to make it, hence this script)
"""
import os
import random
import sys
import zlib

LIMIT = 2_000_000


def binary_payload(size):
    # Runs of every length of the four bytes, so CR LF, lone LF, lone CR, CR CR LF and the
    # DOS end-of-file mark all occur many times. Seeded: the build is reproducible.
    rng = random.Random(0x7E55)
    return bytes(rng.choice(b"\r\n\x1a\x00\r\n") for _ in range(size))


def write(folder, name, data):
    path = os.path.join(folder, name)
    temp = path + ".tmp"
    with open(temp, "wb") as f:
        f.write(data)
    os.replace(temp, path)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)

    binary = binary_payload(LIMIT)
    write(folder, "binary.bin", binary)
    write(folder, "empty.bin", b"")

    damaged = bytearray(zlib.compress(binary[:100_000], 6))
    damaged[-1] ^= 0xFF
    try:
        zlib.decompress(bytes(damaged))
        sys.exit("make_fixtures: damaged.z still inflates")
    except zlib.error:
        pass
    write(folder, "damaged.z", bytes(damaged))

    oversized = zlib.compress(binary + b"\r", 6)
    assert len(zlib.decompress(oversized)) == LIMIT + 1
    write(folder, "oversized.z", oversized)


if __name__ == "__main__":
    main()
