#!/usr/bin/env python3
"""pe_overhead.py <installer.exe>: the installer's size without its payloads.

Reads the PE resource directory (no dependencies) and prints the file size, the sizes of the
RCDATA resources RES_SCR, RES_HLP and RES_RTF, and the file size minus those three: what the
installer's own code and the rest of its resources cost.
"""
import struct
import sys

PAYLOADS = ("RES_SCR", "RES_HLP", "RES_RTF")
RT_RCDATA = 10
GOAL = 92 * 1024


def resource_sizes(image):
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        sys.exit("pe_overhead: not a PE file")
    sections_count = struct.unpack_from("<H", image, pe + 6)[0]
    optional_size = struct.unpack_from("<H", image, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)  # PE32 or PE32+
    resource_rva = struct.unpack_from("<I", image, directories + 2 * 8)[0]

    sections = []
    for i in range(sections_count):
        at = optional + optional_size + 40 * i
        vsize, va, raw_size, raw_at = struct.unpack_from("<IIII", image, at + 8)
        sections.append((va, max(vsize, raw_size), raw_at))

    def offset(rva):
        for va, size, raw_at in sections:
            if va <= rva < va + size:
                return raw_at + rva - va
        sys.exit("pe_overhead: address 0x%x lies in no section" % rva)

    base = offset(resource_rva)

    def entries(table):
        named, numbered = struct.unpack_from("<HH", image, base + table + 12)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", image, base + table + 16 + 8 * i)
            if name & 0x80000000:
                at = base + (name & 0x7FFFFFFF)
                length = struct.unpack_from("<H", image, at)[0]
                name = image[at + 2:at + 2 + 2 * length].decode("utf-16-le")
            yield name, target

    sizes = {}
    for kind, names in entries(0):
        if kind != RT_RCDATA:
            continue
        for name, languages in entries(names & 0x7FFFFFFF):
            for _, leaf in entries(languages & 0x7FFFFFFF):
                sizes[name] = sizes.get(name, 0) + struct.unpack_from("<I", image, base + leaf + 4)[0]
    return sizes


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        image = f.read()
    sizes = resource_sizes(image)
    missing = [name for name in PAYLOADS if name not in sizes]
    if missing:
        sys.exit("pe_overhead: no RCDATA resource " + ", ".join(missing))
    overhead = len(image) - sum(sizes[name] for name in PAYLOADS)
    print("%s: %d bytes" % (sys.argv[1], len(image)))
    for name in PAYLOADS:
        print("  %-8s %9d bytes" % (name, sizes[name]))
    verdict = "within" if overhead < GOAL else "OVER"
    print("  overhead %9d bytes (%.1f KB; %s the %d KB goal)"
          % (overhead, overhead / 1024, verdict, GOAL // 1024))
    return 0 if overhead < GOAL else 1


if __name__ == "__main__":
    sys.exit(main())
