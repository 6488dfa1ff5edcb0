#!/usr/bin/env python3
"""Generates the installer artwork: resources/tessellux.ico and resources/picture.bmp.

Standard library only, fully deterministic: the same bytes on every run.
Usage: python3 make_art.py [output_dir]   (default: the resources/ folder)
"""

import math
import os
import struct
import sys

PHI = (1 + 5 ** 0.5) / 2


# --------------------------------------------------------------------------
# Small colour helpers
# --------------------------------------------------------------------------

def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


def smoothstep(e0, e1, x):
    t = min(1.0, max(0.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


def clamp255(v):
    return max(0, min(255, int(round(v))))


def hash01(*vals):
    # Integer hash so tile variations do not depend on Python's hash seed.
    h = 2166136261
    for v in vals:
        h = ((h ^ (v & 0xFFFFFFFF)) * 16777619) & 0xFFFFFFFF
    h ^= h >> 13
    h = (h * 0x5BD1E995) & 0xFFFFFFFF
    h ^= h >> 15
    return h / 0xFFFFFFFF


# --------------------------------------------------------------------------
# The icon: a cube of rhombs (a "tumbling blocks" tile), lit from the centre
# --------------------------------------------------------------------------

# Our own 16 colours, chosen for the motif rather than the VGA set.
ICON_PALETTE = [
    (0, 0, 0),          # 0  transparent areas (masked)
    (8, 12, 40),        # 1  outline / grout, deepest navy
    (18, 30, 86),       # 2  navy
    (28, 56, 150),      # 3  blue
    (44, 98, 214),      # 4  bright blue
    (0, 110, 150),      # 5  deep cyan
    (20, 176, 222),     # 6  cyan
    (120, 228, 255),    # 7  light cyan
    (255, 255, 255),    # 8  white highlight
    (134, 84, 14),      # 9  dark gold
    (214, 150, 30),     # 10 gold
    (255, 204, 72),     # 11 light gold
    (255, 238, 170),    # 12 pale gold
    (70, 40, 130),      # 13 violet (spare)
    (190, 120, 230),    # 14 light violet (spare)
    (96, 110, 150),     # 15 slate (spare)
]


def icon_layout(size):
    """Isometric hexagon with 2:1 edges so the pixel steps stay crisp."""
    if size == 32:
        return dict(cx=16.0, cy=16.0, w=14.0, h=7.0, split=2)
    return dict(cx=8.0, cy=8.0, w=7.0, h=3.5, split=1)


def icon_sample(x, y, lay):
    """Colour of the continuous design at (x, y), or None when outside."""
    cx, cy, w, h, split = lay["cx"], lay["cy"], lay["w"], lay["h"], lay["split"]
    dx, dy = x - cx, y - cy
    # Isometric axes: u goes down-right, v goes down-left, both 2:1.
    # Hexagon = |dx| <= w and |dy| + |dx|/2 <= h + w/2.
    if abs(dx) > w or abs(dy) + abs(dx) / 2 > h + w / 2:
        return None
    outline = 0.9 if w > 10 else 0.7
    edge = min(w - abs(dx), (h + w / 2 - abs(dy) - abs(dx) / 2) * 0.894)
    if edge < outline:
        return ICON_PALETTE[1]
    # Face coordinates in [0,1] for the three rhombs meeting at the centre.
    # Top face: above both lines y = cy - |dx|/2.
    if dy < -abs(dx) / 2:
        face = "top"
        s = (-dy + dx / 2) / w          # along the up-right edge
        t = (-dy - dx / 2) / w          # along the up-left edge
    elif dx < 0:
        face = "left"
        s = -dx / w
        t = (dy + abs(dx) / 2) / (2 * h)
    else:
        face = "right"
        s = dx / w
        t = (dy + abs(dx) / 2) / (2 * h)
    # Grout lines between the sub-rhombs and along the three inner edges.
    g = 0.10 if split > 1 else 0.0
    fs, ft = s * split, t * split
    near_line = False
    for f in (fs, ft):
        fr = f - math.floor(f)
        if split > 1 and 0.5 < f < split - 0.5 and (fr < g or fr > 1 - g):
            near_line = True
    # Distance to the three edges where the faces meet (0.894 = cos of 2:1 slope).
    if face == "top":
        inner = abs(dy + abs(dx) / 2) * 0.894
    else:
        inner = min(abs(dx), abs(dy + abs(dx) / 2) * 0.894)
    if inner < (0.55 if w > 10 else 0.35):
        return ICON_PALETTE[1]
    if near_line:
        return ICON_PALETTE[1]
    # Light falls off from the centre vertex: the glow of the tiling.
    glow = max(0.0, 1.0 - math.hypot(dx / w, dy / (h + w / 2)))
    cell = (int(fs), int(ft))
    if face == "top":
        ramp = [ICON_PALETTE[10], ICON_PALETTE[11], ICON_PALETTE[12]]
    elif face == "left":
        ramp = [ICON_PALETTE[5], ICON_PALETTE[6], ICON_PALETTE[7]]
    else:
        ramp = [ICON_PALETTE[2], ICON_PALETTE[3], ICON_PALETTE[4]]
    if split > 1:
        # Sub-rhombs nearest the centre are brightest.
        k = 2 - min(2, cell[0] + cell[1])
    else:
        k = 2 if glow > 0.55 else 1
    return ramp[k]


def render_icon(size):
    """Returns (pixels as palette indices, mask rows) for one icon image."""
    lay = icon_layout(size)
    n = 4
    index_rows, mask_rows = [], []
    for py in range(size):
        irow, mrow = [], []
        for px in range(size):
            counts = {}
            inside = 0
            for sy in range(n):
                for sx in range(n):
                    c = icon_sample(px + (sx + 0.5) / n, py + (sy + 0.5) / n, lay)
                    if c is not None:
                        inside += 1
                        counts[c] = counts.get(c, 0) + 1
            if inside * 2 <= n * n:
                irow.append(0)
                mrow.append(1)
                continue
            # Majority colour keeps the pixel art crisp instead of muddy blends.
            best = max(sorted(counts), key=lambda c: counts[c])
            irow.append(ICON_PALETTE.index(best))
            mrow.append(0)
        index_rows.append(irow)
        mask_rows.append(mrow)
    return index_rows, mask_rows


def ico_image(size):
    rows, mask = render_icon(size)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         (xor_stride + and_stride) * size, 0, 0, 0, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in ICON_PALETTE)
    xor = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        line = bytearray()
        for i in range(0, size, 2):
            line.append((row[i] << 4) | row[i + 1])
        xor += line + bytes(xor_stride - len(line))
    andm = bytearray()
    for row in reversed(mask):
        line = bytearray()
        for i in range(0, size, 8):
            byte = 0
            for bit in range(8):
                byte |= row[i + bit] << (7 - bit)
            line.append(byte)
        andm += line + bytes(and_stride - len(line))
    return header + pal + bytes(xor) + bytes(andm)


def write_ico(path):
    images = [(32, ico_image(32)), (16, ico_image(16))]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


# --------------------------------------------------------------------------
# The picture: a glowing Penrose rhomb tiling on a receding plane
# --------------------------------------------------------------------------

def penrose_triangles(depth, radius):
    """Robinson triangles of a P3 rhomb tiling; (kind, A, B, C) with B-C shared
    between the two halves of a rhomb. kind 0 = thin rhomb, 1 = thick."""
    tris = []
    for i in range(10):
        b = complex(math.cos((2 * i - 1) * math.pi / 10), math.sin((2 * i - 1) * math.pi / 10)) * radius
        c = complex(math.cos((2 * i + 1) * math.pi / 10), math.sin((2 * i + 1) * math.pi / 10)) * radius
        if i % 2 == 0:
            b, c = c, b
        tris.append((0, 0j, b, c))
    for _ in range(depth):
        nxt = []
        for kind, a, b, c in tris:
            if kind == 0:
                p = a + (b - a) / PHI
                nxt += [(0, c, p, b), (1, p, c, a)]
            else:
                q = b + (a - b) / PHI
                r = b + (c - b) / PHI
                nxt += [(1, r, c, a), (1, q, r, b), (0, r, q, a)]
        tris = nxt
    return tris


class TriangleGrid:
    """Buckets triangles by bounding box for fast point location."""

    def __init__(self, tris, cell):
        self.cell = cell
        self.buckets = {}
        for t in tris:
            _, a, b, c = t
            xs = (a.real, b.real, c.real)
            ys = (a.imag, b.imag, c.imag)
            for gx in range(math.floor(min(xs) / cell), math.floor(max(xs) / cell) + 1):
                for gy in range(math.floor(min(ys) / cell), math.floor(max(ys) / cell) + 1):
                    self.buckets.setdefault((gx, gy), []).append(t)

    def locate(self, z):
        for t in self.buckets.get((math.floor(z.real / self.cell), math.floor(z.imag / self.cell)), ()):
            _, a, b, c = t
            d1 = cross(b - a, z - a)
            d2 = cross(c - b, z - b)
            d3 = cross(a - c, z - c)
            if (d1 >= 0 and d2 >= 0 and d3 >= 0) or (d1 <= 0 and d2 <= 0 and d3 <= 0):
                return t
        return None


def cross(u, v):
    return u.real * v.imag - u.imag * v.real


def seg_dist(z, a, b):
    ab = b - a
    t = max(0.0, min(1.0, ((z - a).real * ab.real + (z - a).imag * ab.imag) / (abs(ab) ** 2)))
    return abs(z - (a + ab * t))


PIC_W, PIC_H = 152, 112
NAVY = (6, 10, 34)
DEEP = (12, 22, 70)
CYAN = (40, 200, 240)
ICE = (190, 245, 255)
GOLD = (255, 184, 60)
AMBER = (200, 110, 30)


def render_picture():
    depth = 9
    radius = 1.0
    tris = penrose_triangles(depth, radius)
    edge_len = radius / PHI ** depth
    grid = TriangleGrid(tris, edge_len * 1.5)

    # Camera: a plane seen at a slant, its far edge fading into darkness.
    horizon = -0.55          # screen-space v of the horizon (above the image)
    scale = 0.080            # plane units per screen unit at the bottom row
    plane_off = complex(0.031, -0.017)   # keep the ten-fold centre off-picture
    light = (0.60, 0.34)     # where the glow sits, in image fractions
    ss = 3

    img = []
    for py in range(PIC_H):
        row = []
        for px in range(PIC_W):
            acc = [0.0, 0.0, 0.0]
            for sy in range(ss):
                for sx in range(ss):
                    u = (px + (sx + 0.5) / ss) / PIC_H - PIC_W / PIC_H / 2
                    v = (py + (sy + 0.5) / ss) / PIC_H
                    col = shade_sample(u, v, horizon, scale, plane_off, grid, edge_len, light)
                    acc[0] += col[0]
                    acc[1] += col[1]
                    acc[2] += col[2]
            n = ss * ss
            row.append((acc[0] / n, acc[1] / n, acc[2] / n))
        img.append(row)
    return img


def shade_sample(u, v, horizon, scale, plane_off, grid, edge_len, light):
    # Inverse perspective: depth grows as v approaches the horizon.
    dz = (1.0 - horizon) / (v - horizon)
    z = complex(u * dz, dz) * scale * 0.9 + plane_off
    z = z * complex(math.cos(0.31), math.sin(0.31))
    lx = (u + PIC_W / PIC_H / 2) / (PIC_W / PIC_H)
    # Glow: a soft pool of light plus a dimmer spread.
    d = math.hypot((lx - light[0]) * 1.35, v - light[1])
    glow = math.exp(-(d / 0.26) ** 2) * 1.0 + math.exp(-(d / 0.65) ** 2) * 0.22
    fog = smoothstep(0.0, 1.0, (dz - 1.0) / 2.6)   # 0 near, 1 far
    bg = mix(DEEP, NAVY, min(1.0, d * 1.1))
    t = grid.locate(z)
    if t is None:
        return bg
    kind, a, b, c = t
    # Distance to the rhomb's outer edges (A-B and A-C); B-C is interior.
    e = min(seg_dist(z, a, b), seg_dist(z, a, c)) / edge_len
    mid = (b + c) / 2
    key = (int(round(mid.real / edge_len * 8)), int(round(mid.imag / edge_len * 8)))
    var = hash01(key[0], key[1])
    if kind == 1:
        base = mix(DEEP, CYAN, 0.30 + 0.45 * var)
    else:
        base = mix(AMBER, GOLD, 0.4 + 0.6 * var)
    # A few tiles burn brighter, like cells catching the light.
    lit = 1.0 + (0.9 if var > 0.86 else 0.0)
    # Bevel: tile faces darken toward their rims, rims glow.
    face_shade = 0.35 + 0.65 * smoothstep(0.0, 0.22, e)
    body = tuple(ch * face_shade * (0.10 + 0.80 * glow) * lit for ch in base)
    line_w = 0.035 + 0.05 * fog
    rim = math.exp(-(e / line_w) ** 2)
    rim_col = mix(ICE, GOLD, 0.25) if kind == 0 else ICE
    col = tuple(bch + rch * rim * (0.12 + 1.2 * glow) for bch, rch in zip(body, rim_col))
    col = mix(col, bg, fog * 0.85)
    # Bloom over the brightest spot, and a vignette that frames the picture.
    bloom = math.exp(-(d / 0.16) ** 2) * 0.22
    col = tuple(ch + ich * bloom for ch, ich in zip(col, ICE))
    vig = 1.0 - 0.55 * smoothstep(0.45, 1.05, math.hypot(lx - 0.5, (v - 0.45) * 0.9) * 1.6)
    return tuple(ch * vig for ch in col)


# --------------------------------------------------------------------------
# 256-colour quantisation (median cut) and the BMP writer
# --------------------------------------------------------------------------

def median_cut(pixels, count):
    boxes = [sorted(set(pixels))]
    weights = {}
    for p in pixels:
        weights[p] = weights.get(p, 0) + 1
    while len(boxes) < count:
        # Split the box with the widest channel range weighted by population.
        best, best_score, best_ch = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                lo = min(p[ch] for p in box)
                hi = max(p[ch] for p in box)
                pop = sum(weights[p] for p in box)
                score = (hi - lo) * math.sqrt(pop)
                if score > best_score:
                    best, best_score, best_ch = i, score, ch
        if best is None:
            break
        box = sorted(boxes[best], key=lambda p: (p[best_ch], p))
        total = sum(weights[p] for p in box)
        run, cut = 0, 1
        for j, p in enumerate(box):
            run += weights[p]
            if run * 2 >= total:
                cut = max(1, min(len(box) - 1, j + 1))
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    pal = []
    for box in boxes:
        w = sum(weights[p] for p in box)
        pal.append(tuple(clamp255(sum(p[ch] * weights[p] for p in box) / w) for ch in range(3)))
    while len(pal) < count:
        pal.append((0, 0, 0))
    return pal


def quantise(img):
    flat = [tuple(clamp255(ch) for ch in px) for row in img for px in row]
    pal = median_cut(flat, 256)
    cache = {}
    out = []
    # Floyd-Steinberg dithering, with a light touch to avoid grain on the glow.
    err = [[[0.0, 0.0, 0.0] for _ in range(PIC_W + 2)] for _ in range(2)]
    for y in range(PIC_H):
        cur, nxt = err[y % 2], err[(y + 1) % 2]
        for e in nxt:
            e[0] = e[1] = e[2] = 0.0
        row = []
        for x in range(PIC_W):
            want = [img[y][x][ch] + cur[x + 1][ch] for ch in range(3)]
            key = tuple(clamp255(ch) for ch in want)
            idx = cache.get(key)
            if idx is None:
                idx = min(range(len(pal)), key=lambda i: (
                    (pal[i][0] - key[0]) ** 2 * 3 + (pal[i][1] - key[1]) ** 2 * 4
                    + (pal[i][2] - key[2]) ** 2 * 2, i))
                cache[key] = idx
            row.append(idx)
            q = [(want[ch] - pal[idx][ch]) * 0.6 for ch in range(3)]
            for ch in range(3):
                cur[x + 2][ch] += q[ch] * 7 / 16
                nxt[x][ch] += q[ch] * 3 / 16
                nxt[x + 1][ch] += q[ch] * 5 / 16
                nxt[x + 2][ch] += q[ch] * 1 / 16
        out.append(row)
    return pal, out


def write_bmp8(path, pal, rows):
    w, h = len(rows[0]), len(rows)
    stride = (w + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        pixels += bytes(row) + bytes(stride - w)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + palette + bytes(pixels))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(here)
    write_ico(os.path.join(out_dir, "tessellux.ico"))
    pal, rows = quantise(render_picture())
    write_bmp8(os.path.join(out_dir, "picture.bmp"), pal, rows)


if __name__ == "__main__":
    main()
