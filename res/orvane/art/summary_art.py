"""Writes the summary page's markers for broadcast and event-log recipients, each with its mask.

Each is 16 x 16: a small computer (a case with a screen) for a Windows NT machine, and three
small computers joined by a line for a Windows NT domain. A mask is black where its marker is
drawn and white around it.
"""
import os

from bmpart import blank, fill_rect, frame_rect, write_bmp

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 16


def machine():
    picture = blank(SIZE, SIZE, (0, 0, 0))
    fill_rect(picture, 2, 1, 14, 10, (170, 170, 170))
    frame_rect(picture, 2, 1, 14, 10, (40, 40, 40))
    fill_rect(picture, 4, 3, 12, 8, (0, 110, 120))
    fill_rect(picture, 1, 11, 15, 15, (150, 150, 150))
    frame_rect(picture, 1, 11, 15, 15, (40, 40, 40))
    return picture


def small_computer(picture, left, top, screen):
    fill_rect(picture, left, top, left + 6, top + 5, (170, 170, 170))
    frame_rect(picture, left, top, left + 6, top + 5, (40, 40, 40))
    fill_rect(picture, left + 1, top + 1, left + 5, top + 4, screen)


def domain():
    picture = blank(SIZE, SIZE, (0, 0, 0))
    fill_rect(picture, 3, 8, 13, 9, (220, 200, 60))
    fill_rect(picture, 7, 5, 8, 11, (220, 200, 60))
    small_computer(picture, 5, 0, (160, 40, 40))
    small_computer(picture, 0, 10, (160, 40, 40))
    small_computer(picture, 10, 10, (160, 40, 40))
    return picture


def mask_of(picture):
    return [[(255, 255, 255) if colour == (0, 0, 0) else (0, 0, 0) for colour in row] for row in picture]


def main():
    write_bmp(os.path.join(HERE, "summary_machine.bmp"), machine())
    write_bmp(os.path.join(HERE, "summary_machine_mask.bmp"), mask_of(machine()))
    write_bmp(os.path.join(HERE, "summary_domain.bmp"), domain())
    write_bmp(os.path.join(HERE, "summary_domain_mask.bmp"), mask_of(domain()))


if __name__ == "__main__":
    main()
