"""Writes the event viewer's priority markers: a coloured dot per priority and its mask.

Each marker is 16 x 16. The list draws a marker through its mask, black where the dot is and
white around it, so the dot sits cleanly on a plain row and on a highlighted one alike.
"""
import os

from bmpart import blank, fill_circle, write_bmp

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 16
CENTRE = 7.5
RADIUS = 6

MARKERS = {
    "critical": ((200, 0, 0), (255, 120, 120)),
    "warning": ((230, 190, 0), (255, 240, 140)),
    "informational": ((0, 110, 200), (120, 200, 255)),
}


def dot(colour, shine):
    picture = blank(SIZE, SIZE, (0, 0, 0))
    fill_circle(picture, CENTRE, CENTRE, RADIUS, (64, 64, 64))
    fill_circle(picture, CENTRE, CENTRE, RADIUS - 1, colour)
    fill_circle(picture, CENTRE - 2, CENTRE - 2, 2, shine)
    return picture


def mask():
    picture = blank(SIZE, SIZE, (255, 255, 255))
    fill_circle(picture, CENTRE, CENTRE, RADIUS, (0, 0, 0))
    return picture


def main():
    for name, (colour, shine) in MARKERS.items():
        write_bmp(os.path.join(HERE, "logs_%s.bmp" % name), dot(colour, shine))
        write_bmp(os.path.join(HERE, "logs_%s_mask.bmp" % name), mask())


if __name__ == "__main__":
    main()
