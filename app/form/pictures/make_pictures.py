"""Draws the two pictures of the drop targets as 25 x 32 bitmaps; magenta is
the transparent colour. Run once; the bitmaps are kept in the repository."""
import struct

W, H = 25, 32
CLEAR = (255, 0, 255)
BOX, DARK, EDGE = (222, 170, 84), (170, 120, 48), (90, 60, 20)
ARROW = (30, 110, 200)


def canvas():
    return [[CLEAR] * W for _ in range(H)]


def rect(p, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            p[y][x] = colour


def box(p, top):
    rect(p, 2, top, 22, 30, EDGE)
    rect(p, 3, top + 1, 21, 29, BOX)
    rect(p, 11, top + 1, 13, 29, DARK)  # the band round the archive


def arrow(p, tip, up):
    # A shaft and a head, pointing out of the box (up) or into it (down).
    for i in range(5):
        y = tip + i if up else tip - i
        rect(p, 12 - i, y, 12 + i, y, ARROW)
    shaft = range(tip + 5, tip + 11) if up else range(tip - 10, tip - 4)
    for y in shaft:
        rect(p, 11, y, 13, y, ARROW)


def opening():
    p = canvas()
    box(p, 18)
    # Lids thrown open to both sides.
    for i in range(6):
        rect(p, 2 - 0 + i // 2, 17 - i, 2 + i // 2 + 1, 17 - i, EDGE)
        rect(p, 22 - i // 2 - 1, 17 - i, 22 - i // 2, 17 - i, EDGE)
    arrow(p, 1, True)
    return p


def closing():
    p = canvas()
    box(p, 18)
    rect(p, 1, 16, 23, 18, EDGE)  # the lid shut on top
    rect(p, 2, 17, 22, 17, DARK)
    arrow(p, 14, False)
    return p


def save(p, name):
    row = (W * 3 + 3) // 4 * 4
    data = b""
    for y in reversed(range(H)):
        line = b"".join(bytes((b, g, r)) for r, g, b in p[y])
        data += line + b"\0" * (row - W * 3)
    header = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(name, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 54))
        f.write(header + data)


save(opening(), "melt.bmp")
save(closing(), "freeze.bmp")
