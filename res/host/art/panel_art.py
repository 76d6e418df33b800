"""Draws the panel host's icon, the two panels' icons and their toolbar strips."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "orvane", "art"))
import bmpart  # noqa: E402

FACE = (192, 192, 192)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
NAVY = (0, 0, 128)
GREEN = (0, 160, 0)
RED = (200, 0, 0)
CLEAR = (255, 0, 255)


def shield(p, colour):
    bmpart.fill_rect(p, 6, 4, 26, 18, colour)
    for y in range(18, 28):
        inset = (y - 17) * 2
        bmpart.fill_rect(p, 6 + inset // 2 + 1, y, 26 - inset // 2 - 1, y + 1, colour)
    bmpart.frame_rect(p, 6, 4, 26, 18, BLACK)


def host_icon():
    p = bmpart.blank(32, 32, CLEAR)
    bmpart.fill_rect(p, 2, 4, 30, 26, GREY)
    bmpart.fill_rect(p, 4, 6, 28, 24, WHITE)
    bmpart.fill_rect(p, 4, 6, 28, 9, NAVY)
    shield(p, GREEN)
    return p


def scanner_icon():
    p = bmpart.blank(32, 32, CLEAR)
    shield(p, NAVY)
    bmpart.fill_circle(p, 16, 12, 5, WHITE)
    bmpart.fill_circle(p, 16, 12, 3, NAVY)
    bmpart.fill_rect(p, 19, 15, 24, 20, WHITE)
    return p


def service_icon():
    p = bmpart.blank(32, 32, CLEAR)
    shield(p, RED)
    for x in (9, 15, 21):
        bmpart.fill_rect(p, x, 8, x + 3, 14, WHITE)
    bmpart.fill_rect(p, 9, 16, 24, 17, WHITE)
    return p


def strip(buttons, colour):
    p = bmpart.blank(16 * buttons, 15, FACE)
    for i in range(buttons):
        x = i * 16
        bmpart.fill_rect(p, x + 3, 3, x + 13, 12, colour if i % 2 == 0 else WHITE)
        bmpart.frame_rect(p, x + 3, 3, x + 13, 12, BLACK)
    return p


if __name__ == "__main__":
    res = os.path.join(HERE, "..", "..")
    bmpart.write_ico(os.path.join(res, "host", "art", "host.ico"), host_icon(), CLEAR)
    bmpart.write_ico(os.path.join(res, "quillet", "art", "quillet.ico"), scanner_icon(), CLEAR)
    bmpart.write_ico(os.path.join(res, "service", "art", "service.ico"), service_icon(), CLEAR)
    bmpart.write_bmp_indexed(os.path.join(res, "quillet", "art", "toolbar.bmp"), strip(4, NAVY))
    bmpart.write_bmp_indexed(os.path.join(res, "service", "art", "toolbar.bmp"), strip(4, RED))
