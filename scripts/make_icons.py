#!/usr/bin/env python3
"""Draws Tamberlock's icons and writes them as .ico files into src/app/res/icons.

Pure Python, no packages: shapes are rasterised with 4x4 supersampling and written as 32-bit
DIB icon images with an AND mask. The output is the same byte for byte on every run.
Run: python3 scripts/make_icons.py
"""
import os
import struct

SS = 4  # supersampling per axis
OUT = os.path.join(os.path.dirname(__file__), "..", "src", "app", "res", "icons")


class Canvas:
    """Drawing in a 0..1 coordinate space, rasterised at size*SS."""

    def __init__(self, size):
        self.size = size
        self.n = size * SS
        self.px = [[(0, 0, 0, 0)] * self.n for _ in range(self.n)]

    def _blend(self, x, y, c):
        r, g, b, a = c
        pr, pg, pb, pa = self.px[y][x]
        fa = a / 255.0
        na = a + pa * (1 - fa)
        if na == 0:
            return
        mix = lambda s, d: int(round((s * a + d * pa * (1 - fa)) / na))
        self.px[y][x] = (mix(r, pr), mix(g, pg), mix(b, pb), int(round(na)))

    def shape(self, inside, color):
        n = self.n
        for y in range(n):
            fy = (y + 0.5) / n
            for x in range(n):
                if inside((x + 0.5) / n, fy):
                    self._blend(x, y, color)

    def rect(self, x0, y0, x1, y1, color, radius=0.0):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 + 1e-12
        self.shape(inside, color)

    def circle(self, cx, cy, r, color):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, color)

    def polygon(self, pts, color):
        def inside(x, y):
            c = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    c = not c
                j = i
            return c
        self.shape(inside, color)

    def pixels(self):
        """Downsampled rows, top row first, as (r, g, b, a)."""
        out = []
        for y in range(self.size):
            row = []
            for x in range(self.size):
                acc = [0, 0, 0, 0]
                for sy in range(SS):
                    for sx in range(SS):
                        r, g, b, a = self.px[y * SS + sy][x * SS + sx]
                        acc[0] += r * a
                        acc[1] += g * a
                        acc[2] += b * a
                        acc[3] += a
                a = acc[3] / (SS * SS)
                if acc[3]:
                    row.append((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], int(round(a))))
                else:
                    row.append((0, 0, 0, 0))
            out.append(row)
        return out


WHITE = (250, 250, 250, 255)
PAPER_EDGE = (120, 128, 140, 255)
LINE = (160, 168, 180, 255)
RED = (214, 56, 48, 255)
DARK = (45, 49, 58, 255)
YELLOW = (240, 190, 60, 255)
YELLOW_DARK = (205, 150, 35, 255)
GREEN = (46, 160, 67, 255)
GRAY = (150, 156, 166, 255)
GRAY_DARK = (95, 101, 112, 255)
BLUE = (40, 110, 200, 255)
GOLD = (245, 200, 60, 255)


def page(c, x0=0.2, y0=0.08, x1=0.8, y1=0.92):
    fold = (x1 - x0) * 0.3
    c.polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], PAPER_EDGE)
    d = 0.035
    c.polygon([(x0 + d, y0 + d), (x1 - fold, y0 + d), (x1 - d, y0 + fold), (x1 - d, y1 - d), (x0 + d, y1 - d)], WHITE)
    c.polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], LINE)
    if c.size >= 24:
        for i in range(4):
            y = y0 + 0.3 + i * 0.13
            c.rect(x0 + 0.1, y, x1 - 0.1, y + 0.04, LINE)


def folder(c, x0=0.06, y0=0.18, x1=0.94, y1=0.86):
    c.rect(x0, y0, x0 + 0.38, y0 + 0.16, YELLOW_DARK, 0.04)
    c.rect(x0, y0 + 0.08, x1, y1, YELLOW_DARK, 0.05)
    c.rect(x0 + 0.02, y0 + 0.2, x1 - 0.02, y1 - 0.02, YELLOW, 0.04)


def disk(c):
    c.rect(0.06, 0.3, 0.94, 0.74, GRAY_DARK, 0.08)
    c.rect(0.09, 0.33, 0.91, 0.71, GRAY, 0.06)
    c.rect(0.12, 0.58, 0.6, 0.64, GRAY_DARK)
    c.circle(0.8, 0.61, 0.05, (60, 200, 90, 255))


def shield(c):
    c.polygon([(0.5, 0.05), (0.9, 0.2), (0.86, 0.55), (0.5, 0.95), (0.14, 0.55), (0.1, 0.2)], BLUE)
    c.polygon([(0.5, 0.05), (0.5, 0.95), (0.14, 0.55), (0.1, 0.2)], GOLD)
    c.polygon([(0.5, 0.05), (0.9, 0.2), (0.86, 0.55), (0.5, 0.95)], BLUE)
    c.polygon([(0.1, 0.2), (0.5, 0.05), (0.5, 0.5), (0.12, 0.5)], BLUE)
    c.polygon([(0.5, 0.5), (0.86, 0.5), (0.5, 0.95)], GOLD)


def plus(c):
    c.circle(0.76, 0.76, 0.22, GREEN)
    c.rect(0.64, 0.73, 0.88, 0.79, WHITE)
    c.rect(0.73, 0.64, 0.79, 0.88, WHITE)


def shredder(c, background=True):
    if background:
        c.rect(0.02, 0.02, 0.98, 0.98, DARK, 0.18)
    # the sheet going in
    c.rect(0.28, 0.1, 0.72, 0.46, WHITE, 0.02)
    c.rect(0.34, 0.2, 0.66, 0.24, LINE)
    c.rect(0.34, 0.3, 0.6, 0.34, LINE)
    # the shredder body
    c.rect(0.14, 0.42, 0.86, 0.6, RED, 0.05)
    c.rect(0.2, 0.49, 0.8, 0.53, (120, 20, 20, 255))
    # the strips coming out
    for i in range(5):
        x = 0.3 + i * 0.085
        c.rect(x, 0.6, x + 0.05, 0.9 - (i % 2) * 0.06, WHITE)


ICONS = {
    "app": ([16, 24, 32, 48, 64], lambda c: shredder(c)),
    "file": ([16, 32], lambda c: page(c)),
    "folder": ([16, 32], lambda c: folder(c)),
    "disk": ([16, 32], lambda c: disk(c)),
    "shield": ([16, 32], lambda c: shield(c)),
    "addfiles": ([32], lambda c: (page(c, 0.14, 0.04, 0.7, 0.88), plus(c))),
    "addfolder": ([32], lambda c: (folder(c, 0.04, 0.1, 0.86, 0.78), plus(c))),
    "start": ([32], lambda c: shredder(c, background=False)),
    "refresh": ([32], lambda c: disk(c)),
}


def dib(size, rows):
    """One icon image: BITMAPINFOHEADER, BGRA rows bottom-up, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def write_ico(path, images):
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    blobs = []
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        blobs.append(data)
    for b in blobs:
        out += b
    with open(path, "wb") as f:
        f.write(bytes(out))


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, (sizes, draw) in ICONS.items():
        images = []
        for size in sizes:
            c = Canvas(size)
            draw(c)
            images.append((size, dib(size, c.pixels())))
        write_ico(os.path.join(OUT, name + ".ico"), images)
        print("wrote", name + ".ico", sizes)


if __name__ == "__main__":
    main()
