"""Writes the scan log viewer's row markers: viruses found, scan cancelled, scan clean, each with its mask.

Each marker is 16 x 16 and is drawn through its mask (black where the marker is, white around it).
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "orvane", "art"))

from bmpart import blank, fill_circle, fill_rect, write_bmp  # noqa: E402

SIZE = 16
CENTRE = 7.5
RADIUS = 6
WHITE = (255, 255, 255)


def disc(colour):
    picture = blank(SIZE, SIZE, (0, 0, 0))
    fill_circle(picture, CENTRE, CENTRE, RADIUS, (64, 64, 64))
    fill_circle(picture, CENTRE, CENTRE, RADIUS - 1, colour)
    return picture


def viruses():
    picture = disc((200, 0, 0))
    fill_rect(picture, 7, 4, 9, 9, WHITE)
    fill_rect(picture, 7, 10, 9, 12, WHITE)
    return picture


def cancelled():
    picture = disc((230, 160, 0))
    fill_rect(picture, 4, 7, 12, 9, WHITE)
    return picture


def clean():
    picture = disc((0, 150, 60))
    for x, y in ((4, 8), (5, 9), (6, 10), (7, 9), (8, 8), (9, 7), (10, 6), (11, 5)):
        fill_rect(picture, x, y - 1, x + 1, y + 1, WHITE)
    return picture


def mask():
    picture = blank(SIZE, SIZE, WHITE)
    fill_circle(picture, CENTRE, CENTRE, RADIUS, (0, 0, 0))
    return picture


def main():
    for name, draw in (("viruses", viruses), ("cancelled", cancelled), ("clean", clean)):
        write_bmp(os.path.join(HERE, "records_%s.bmp" % name), draw())
        write_bmp(os.path.join(HERE, "records_%s_mask.bmp" % name), mask())


if __name__ == "__main__":
    main()
