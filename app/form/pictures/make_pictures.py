"""Draws the two pictures of the drop targets: 25 x 32 pixels at 96 DPI and
50 x 64 pixels for 200 %, as 32-bit bitmaps whose alpha is 0 where they are
clear. At 200 % the arrow heads and the lids step by half a pixel of the
small picture. Run once; the bitmaps are kept in the repository."""
import struct

W, H = 25, 32
CLEAR = None
BOX, DARK, EDGE = (222, 170, 84), (170, 120, 48), (90, 60, 20)
ARROW = (30, 110, 200)


class Picture:
    def __init__(self, k):
        self.k = k
        self.pixels = [[CLEAR] * (W * k) for _ in range(H * k)]

    def fill(self, x0, y0, x1, y1, colour):
        """Fills device pixels x0 <= x < x1, y0 <= y < y1."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills a rectangle given in pixels of the small picture, inclusive."""
        k = self.k
        self.fill(x0 * k, y0 * k, (x1 + 1) * k, (y1 + 1) * k, colour)


def box(p, top):
    p.rect(2, top, 22, 30, EDGE)
    p.rect(3, top + 1, 21, 29, BOX)
    p.rect(11, top + 1, 13, 29, DARK)  # the band round the archive


def arrow(p, tip, up):
    # A head one pixel wider each side per row, pointing out of the box (up)
    # or into it (down), and a shaft.
    k = p.k
    for j in range(5 * k):
        y = tip * k + j if up else tip * k + k - 1 - j
        p.fill(12 * k - j, y, 13 * k + j, y + 1, ARROW)
    if up:
        p.rect(11, tip + 5, 13, tip + 10, ARROW)
    else:
        p.rect(11, tip - 10, 13, tip - 5, ARROW)


def opening():
    p = Picture(K)
    box(p, 18)
    # Lids thrown open to both sides, one pixel out every two rows.
    k = p.k
    for j in range(6 * k):
        y = 17 * k + k - 1 - j
        p.fill(2 * k + j // 2, y, 4 * k + j // 2, y + 1, EDGE)
        p.fill(21 * k - j // 2, y, 23 * k - j // 2, y + 1, EDGE)
    arrow(p, 1, True)
    return p


def closing():
    p = Picture(K)
    box(p, 18)
    p.rect(1, 16, 23, 18, EDGE)  # the lid shut on top
    p.rect(2, 17, 22, 17, DARK)
    arrow(p, 14, False)
    return p


def save(p, name):
    width, height = len(p.pixels[0]), len(p.pixels)
    data = b""
    for y in reversed(range(height)):
        for colour in p.pixels[y]:
            data += bytes((0, 0, 0, 0)) if colour is CLEAR else bytes((colour[2], colour[1], colour[0], 255))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, len(data), 2835, 2835, 0, 0)
    with open(name, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 54))
        f.write(header + data)


for K, suffix in ((1, ""), (2, "200")):
    save(opening(), "melt%s.bmp" % suffix)
    save(closing(), "freeze%s.bmp" % suffix)
