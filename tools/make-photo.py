#!/usr/bin/env python3
"""Writes a photo-like 24-bit BMP (sky, sun, hills with fine texture, a tree) to argv[1].

Soft gradients, a bright disc, mid tones with noise and a dark silhouette: the mix a real
photograph gives a black-and-white conversion. Standard library only."""
import math
import random
import struct
import sys

W, H = 640, 400
random.seed(7)
# Value noise on a coarse lattice, smoothed: the hills' texture.
GRID = 16
lattice = [[random.random() for _ in range(W // GRID + 2)] for _ in range(H // GRID + 2)]


def noise(x, y):
    gx, gy = x / GRID, y / GRID
    ix, iy = int(gx), int(gy)
    fx, fy = gx - ix, gy - iy
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = lattice[iy][ix] * (1 - fx) + lattice[iy][ix + 1] * fx
    b = lattice[iy + 1][ix] * (1 - fx) + lattice[iy + 1][ix + 1] * fx
    return a * (1 - fy) + b * fy


def pixel(x, y):
    ridge = 250 - 60 * math.sin(x / 110.0) - 25 * math.sin(x / 37.0 + 1)
    if (x - 155) ** 2 / 55.0 ** 2 + (y - 185) ** 2 / 50.0 ** 2 <= 1 or (148 <= x <= 162 and 185 <= y <= 330):
        return (40, 38, 30)  # the tree
    if y >= ridge:
        t = noise(x, y) * 0.6 + random.random() * 0.4
        shade = 1.0 - (y - ridge) / (H - ridge + 1) * 0.5
        return (int((50 + 90 * t) * shade), int((90 + 110 * t) * shade), int((30 + 50 * t) * shade))
    if (x - 500) ** 2 + (y - 90) ** 2 <= 35 ** 2:
        return (255, 244, 192)  # the sun
    t = y / ridge
    glow = max(0.0, 1 - math.hypot(x - 500, y - 90) / 260.0)
    return tuple(min(255, int(c0 + (c1 - c0) * t + 60 * glow))
                 for c0, c1 in ((80, 240), (130, 210), (210, 170)))


rows = []
for y in range(H - 1, -1, -1):  # bottom-up, as BMP keeps them
    row = bytearray()
    for x in range(W):
        r, g, b = pixel(x, y)
        row += bytes((b, g, r))
    rows.append(bytes(row))
data = b"".join(rows)
header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
with open(sys.argv[1], "wb") as f:
    f.write(header + info + data)
