"""Writes the browse pictures of the Broadcast, Event Log and Trouble Ticket pages.

One strip of sixteen 16 x 16 images on the mask colour (128, 0, 128): 0 an empty page (the
placeholder), 8 a server, 10 the network (a globe), 12 a printer, 15 a domain (three small
computers); the other places hold the same server so that a stray index still shows something.
"""
import os

from bmpart import blank, fill_rect, frame_rect, fill_circle, write_bmp

HERE = os.path.dirname(os.path.abspath(__file__))
MASK = (128, 0, 128)
SIZE = 16


def tile():
    return blank(SIZE, SIZE, MASK)


def server():
    p = tile()
    fill_rect(p, 2, 1, 12, 11, (190, 190, 190))
    frame_rect(p, 2, 1, 12, 11, (40, 40, 40))
    fill_rect(p, 4, 3, 10, 8, (0, 110, 150))
    fill_rect(p, 5, 11, 9, 13, (90, 90, 90))
    fill_rect(p, 1, 13, 15, 15, (150, 150, 150))
    frame_rect(p, 1, 13, 15, 15, (40, 40, 40))
    fill_rect(p, 12, 6, 15, 13, (120, 120, 120))
    return p


def small_computer(p, x, y, screen):
    fill_rect(p, x, y, x + 7, y + 5, (190, 190, 190))
    frame_rect(p, x, y, x + 7, y + 5, (40, 40, 40))
    fill_rect(p, x + 1, y + 1, x + 6, y + 4, screen)
    fill_rect(p, x + 2, y + 5, x + 5, y + 6, (60, 60, 60))


def domain():
    p = tile()
    fill_rect(p, 3, 9, 13, 10, (0, 0, 0))
    fill_rect(p, 7, 6, 8, 10, (0, 0, 0))
    small_computer(p, 4, 0, (0, 130, 0))
    small_computer(p, 0, 10, (0, 130, 0))
    small_computer(p, 9, 10, (0, 130, 0))
    return p


def network():
    p = tile()
    fill_circle(p, 7.5, 7.5, 7, (30, 90, 200))
    fill_rect(p, 3, 4, 7, 7, (40, 160, 60))
    fill_rect(p, 8, 8, 12, 12, (40, 160, 60))
    fill_rect(p, 7, 1, 8, 15, (200, 220, 255))
    fill_rect(p, 1, 7, 15, 8, (200, 220, 255))
    return p


def printer():
    p = tile()
    fill_rect(p, 4, 1, 12, 6, (255, 255, 255))
    frame_rect(p, 4, 1, 12, 6, (60, 60, 60))
    fill_rect(p, 1, 6, 15, 12, (170, 170, 170))
    frame_rect(p, 1, 6, 15, 12, (40, 40, 40))
    fill_rect(p, 12, 8, 14, 9, (0, 180, 0))
    fill_rect(p, 4, 10, 12, 15, (255, 255, 255))
    frame_rect(p, 4, 10, 12, 15, (60, 60, 60))
    return p


def placeholder():
    p = tile()
    fill_rect(p, 4, 2, 12, 14, (255, 255, 255))
    frame_rect(p, 4, 2, 12, 14, (120, 120, 120))
    return p


def main():
    images = [server() for _ in range(16)]
    images[0] = placeholder()
    images[10] = network()
    images[12] = printer()
    images[15] = domain()
    strip = [[None] * (SIZE * 16) for _ in range(SIZE)]
    for i, image in enumerate(images):
        for y in range(SIZE):
            for x in range(SIZE):
                strip[y][i * SIZE + x] = image[y][x]
    write_bmp(os.path.join(HERE, "network_strip.bmp"), strip)


if __name__ == "__main__":
    main()
