#!/usr/bin/env python3
"""Draws the program's own artwork: the two status pictures, the button glyphs, the pictures of
the image lists and the program icon. Every picture is drawn here from simple shapes; run this
script again after changing it (it needs only Python 3 and ImageMagick's `convert`).

Bitmaps are 24-bit BMP files with magenta (255, 0, 255) as the transparent colour."""
import math
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
MAGENTA = (255, 0, 255)


class Canvas:
    def __init__(self, w, h, fill=MAGENTA):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def put(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = c

    def ellipse(self, cx, cy, rx, ry, c):
        for y in range(self.h):
            for x in range(self.w):
                if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0:
                    self.px[y][x] = c

    def ring(self, cx, cy, r, width, c, a0=0.0, a1=360.0):
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                a = math.degrees(math.atan2(-(y + 0.5 - cy), x + 0.5 - cx)) % 360
                if abs(d - r) <= width / 2 and (a0 <= a <= a1 or a0 <= a + 360 <= a1):
                    self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c, width=1.0):
        n = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(n + 1):
            t = i / n
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            r = width / 2
            for dy in range(-int(r) - 1, int(r) + 2):
                for dx in range(-int(r) - 1, int(r) + 2):
                    if dx * dx + dy * dy <= r * r + 0.25:
                        self.put(x + dx, y + dy, c)

    def polygon(self, pts, c):
        for y in range(self.h):
            yc = y + 0.5
            xs = []
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(math.ceil(xs[i] - 0.5)), int(math.floor(xs[i + 1] - 0.5)) + 1):
                    self.put(x, y, c)

    def paste(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                self.put(ox + x, oy + y, other.px[y][x])

    def grey(self):
        out = Canvas(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                c = self.px[y][x]
                if c != MAGENTA:
                    g = int(150 + (0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2]) * 0.35)
                    out.px[y][x] = (g, g, g)
        return out

    def save_bmp(self, name):
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for (r, g, b) in self.px[y]:
                line += bytes((b, g, r))
            data += line + bytes(row - len(line))
        header = b"BM" + (54 + len(data)).to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little")
        info = (40).to_bytes(4, "little") + self.w.to_bytes(4, "little") + self.h.to_bytes(4, "little")
        info += (1).to_bytes(2, "little") + (24).to_bytes(2, "little") + bytes(4) + len(data).to_bytes(4, "little")
        info += (2835).to_bytes(4, "little") * 2 + bytes(8)
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(header + info + data)

    def save_ppm(self, path):
        with open(path, "wb") as f:
            f.write(b"P6 %d %d 255\n" % (self.w, self.h))
            for row in self.px:
                for c in row:
                    f.write(bytes(c))


def strip(cells):
    w = sum(c.w for c in cells)
    out = Canvas(w, cells[0].h)
    x = 0
    for c in cells:
        out.paste(c, x, 0)
        x += c.w
    return out


# ---- shapes ----
def mosquito(c, cx, cy, s, body=(40, 40, 40), wing=(170, 200, 230)):
    c.ellipse(cx - 6 * s, cy - 5 * s, 7 * s, 3 * s, wing)
    c.ellipse(cx + 2 * s, cy - 6 * s, 7 * s, 3 * s, wing)
    c.ellipse(cx, cy, 9 * s, 2.2 * s, body)
    c.ellipse(cx - 10 * s, cy - 1 * s, 2.6 * s, 2.6 * s, body)
    c.line(cx - 12 * s, cy - 1 * s, cx - 18 * s, cy + 1 * s, body, max(1, s))
    for k in (-4, 0, 4):
        c.line(cx + k * s, cy + 1 * s, cx + (k - 3) * s, cy + 7 * s, body, max(1, 0.6 * s))
        c.line(cx + (k - 3) * s, cy + 7 * s, cx + (k - 5) * s, cy + 9 * s, body, max(1, 0.6 * s))


def larva(c, cx, cy, s, col=(90, 70, 40)):
    for i in range(7):
        c.ellipse(cx - 9 * s + i * 3 * s, cy + math.sin(i * 0.9) * 2 * s, 2.3 * s, 1.9 * s, col)
    c.ellipse(cx - 11 * s, cy, 2.8 * s, 2.6 * s, (60, 45, 25))
    c.line(cx + 10 * s, cy, cx + 14 * s, cy - 3 * s, col, max(1, 0.7 * s))


def speaker(c, x, y, s, col=(60, 60, 70)):
    c.rect(int(x), int(y + 4 * s), int(x + 4 * s), int(y + 10 * s), col)
    c.polygon([(x + 4 * s, y + 4 * s), (x + 9 * s, y), (x + 9 * s, y + 14 * s), (x + 4 * s, y + 10 * s)], col)


def waves(c, cx, cy, s, col, n=3):
    for i in range(n):
        c.ring(cx, cy, (3 + 3 * i) * s, max(1.0, 0.9 * s), col, 315, 405)


def background(w, h, top, bottom):
    c = Canvas(w, h)
    for y in range(h):
        t = y / max(1, h - 1)
        col = tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3))
        c.rect(0, y, w, y + 1, col)
    return c


# ---- pictures ----
def status_picture(running):
    c = background(236, 252, (20, 40, 90), (10, 110, 150)) if running else background(236, 252, (200, 220, 240), (120, 160, 120))
    c.rect(0, 200, 236, 252, (30, 90, 60) if not running else (20, 70, 90))
    for i in range(5):
        c.line(20 + i * 45, 252, 30 + i * 45, 175 - (i % 2) * 20, (40, 120, 50), 3)
    if running:
        for i in range(5):
            c.ring(118, 120, 18 + i * 20, 3, (120, 230, 255), 0, 360)
        speaker(c, 96, 100, 3, (230, 230, 240))
        mosquito(c, 200, 40, 1.6)
        mosquito(c, 30, 200, 1.3)
    else:
        mosquito(c, 118, 110, 4.5)
        larva(c, 60, 225, 1.6)
    return c


def glyph_pair(draw):
    cell = Canvas(20, 20)
    draw(cell)
    return strip([cell, cell.grey()])


def draw_save(c):
    c.rect(2, 2, 18, 18, (40, 60, 140))
    c.rect(5, 2, 15, 8, (220, 220, 230))
    c.rect(5, 11, 15, 18, (240, 240, 240))
    c.rect(11, 3, 13, 7, (40, 60, 140))


def draw_test(c):
    speaker(c, 1, 3, 1.0, (50, 50, 60))
    waves(c, 10, 10, 1.4, (0, 120, 200))


def draw_stop(c):
    c.ellipse(10, 10, 9, 9, (180, 20, 20))
    c.rect(6, 6, 14, 14, (250, 250, 250))


def draw_start(c):
    c.ellipse(10, 10, 9, 9, (20, 140, 40))
    c.polygon([(7, 5), (15, 10), (7, 15)], (250, 250, 250))


def draw_exit(c):
    c.rect(3, 2, 12, 18, (120, 80, 40))
    c.rect(5, 4, 10, 16, (240, 220, 170))
    c.line(9, 10, 18, 10, (200, 30, 30), 2)
    c.polygon([(18, 10), (14, 6), (14, 14)], (200, 30, 30))


def draw_help(c):
    c.ellipse(8, 8, 7.5, 7.5, (30, 80, 180))
    c.ring(8, 6, 2.6, 1.6, (255, 255, 255), 330, 540)
    c.line(8, 8.6, 8, 10, (255, 255, 255), 1.5)
    c.ellipse(8, 12.3, 1.1, 1.1, (255, 255, 255))


def small(draw):
    c = Canvas(16, 16)
    draw(c)
    return c


def radar_frame(i):
    c = Canvas(16, 16)
    c.ellipse(8, 8, 7.5, 7.5, (10, 60, 30))
    c.ring(8, 8, 4.5, 1, (40, 160, 80))
    a = math.radians(90 - i * 22.5)
    for k in range(6):
        b = a + math.radians(k * 6)
        c.line(8, 8, 8 + 7 * math.cos(b), 8 - 7 * math.sin(b), (60 + 30 * (5 - k), 255 - 20 * k, 90), 1)
    return c


def icon_picture(size):
    c = Canvas(size, size)
    s = size / 32
    c.ellipse(16 * s, 16 * s, 15.5 * s, 15.5 * s, (20, 60, 120))
    for i in range(3):
        c.ring(16 * s, 16 * s, (7 + 4 * i) * s, max(1, 1.2 * s), (120, 220, 255), 20, 160)
    mosquito(c, 17 * s, 19 * s, 0.7 * s, (250, 250, 250), (200, 230, 255))
    c.line(5 * s, 27 * s, 27 * s, 5 * s, (220, 40, 40), max(1.5, 2.2 * s))
    return c


def device(kind):
    c = Canvas(32, 32)
    if kind == "pc":
        c.rect(3, 5, 29, 24, (70, 70, 80))
        c.rect(5, 7, 27, 21, (140, 200, 240))
        c.rect(12, 24, 20, 27, (70, 70, 80))
        c.rect(7, 27, 25, 29, (70, 70, 80))
        speaker(c, 9, 8, 0.8, (40, 40, 50))
        waves(c, 17, 14, 1.0, (200, 30, 30))
    else:
        c.rect(2, 8, 30, 24, (20, 110, 60))
        for x in range(4, 28, 3):
            c.rect(x, 24, x + 2, 27, (210, 170, 40))
        c.rect(5, 11, 15, 19, (30, 30, 30))
        c.ellipse(22, 16, 4, 4, (230, 230, 230))
        c.ellipse(22, 16, 1.5, 1.5, (30, 30, 30))
    return c


def pest(kind):
    c = Canvas(32, 32)
    if kind == "larva":
        c.rect(0, 20, 32, 32, (150, 200, 230))
        larva(c, 16, 16, 1.0)
    else:
        mosquito(c, 17, 17, 1.2)
    return c


def main():
    tmp = os.path.join(HERE, "_tmp.ppm")
    for name, running in (("mos00.jpg", False), ("mos01.jpg", True)):
        status_picture(running).save_ppm(tmp)
        subprocess.run(["convert", tmp, "-quality", "88", os.path.join(HERE, name)], check=True)
    os.remove(tmp)
    glyph_pair(draw_save).save_bmp("glyph_save.bmp")
    glyph_pair(draw_test).save_bmp("glyph_test.bmp")
    glyph_pair(draw_stop).save_bmp("glyph_stop.bmp")
    glyph_pair(draw_start).save_bmp("glyph_start.bmp")
    glyph_pair(draw_exit).save_bmp("glyph_exit.bmp")
    help_cell = small(draw_help)
    strip([help_cell, help_cell.grey()]).save_bmp("glyph_help.bmp")
    menu = [small(lambda c: c.paste(Canvas(1, 1), 0, 0)) for _ in range(4)]
    menu[0] = small(lambda c: (c.ellipse(8, 8, 7, 7, (20, 140, 40)), c.polygon([(6, 4), (12, 8), (6, 12)], (255, 255, 255))))
    menu[1] = small(lambda c: (c.ellipse(8, 8, 7, 7, (180, 20, 20)), c.rect(5, 5, 11, 11, (255, 255, 255))))
    menu[2] = small(lambda c: (c.rect(1, 2, 15, 14, (30, 60, 140)), c.rect(2, 5, 14, 13, (240, 240, 250))))
    menu[3] = small(lambda c: (c.rect(2, 1, 10, 15, (120, 80, 40)), c.line(7, 8, 15, 8, (200, 30, 30), 2)))
    strip(menu).save_bmp("menu_images.bmp")
    strip([radar_frame(i) for i in range(16)]).save_bmp("radar_frames.bmp")
    strip([pest("larva"), pest("mosquito")]).save_bmp("pest_images.bmp")
    strip([device("pc"), device("card")]).save_bmp("device_images.bmp")
    device("pc").save_bmp("device_pc.bmp")
    device("card").save_bmp("device_card.bmp")
    pngs = []
    for size in (32, 16):
        icon_picture(size).save_ppm(tmp)
        png = os.path.join(HERE, "_icon%d.png" % size)
        subprocess.run(["convert", tmp, "-transparent", "#FF00FF", png], check=True)
        pngs.append(png)
    subprocess.run(["convert"] + pngs + [os.path.join(HERE, "quellar.ico")], check=True)
    for p in pngs + [tmp]:
        os.remove(p)
    return 0


if __name__ == "__main__":
    sys.exit(main())
