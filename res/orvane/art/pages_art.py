"""Writes the list markers of the pager and SNMP pages, each with the mask it is drawn through.

Every marker is 16 x 16: a small pager (a dark case with a display, digits or letters on it)
for the two pager types, and a small monitor with a network cable for the SNMP managers (blue
for IPX, green for IP). A mask is black where the marker is drawn and white around it.
"""
import os

from bmpart import blank, fill_rect, frame_rect, write_bmp

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 16


def pager(display, marks):
    picture = blank(SIZE, SIZE, (0, 0, 0))
    fill_rect(picture, 1, 3, 15, 14, (60, 60, 70))
    frame_rect(picture, 1, 3, 15, 14, (20, 20, 20))
    fill_rect(picture, 3, 5, 13, 9, display)
    for x, y in marks:
        fill_rect(picture, x, y, x + 1, y + 1, (0, 0, 0))
    fill_rect(picture, 4, 11, 6, 12, (200, 200, 200))
    fill_rect(picture, 10, 11, 12, 12, (200, 200, 200))
    return picture


def pager_mask():
    picture = blank(SIZE, SIZE, (255, 255, 255))
    fill_rect(picture, 1, 3, 15, 14, (0, 0, 0))
    return picture


def monitor(screen):
    picture = blank(SIZE, SIZE, (0, 0, 0))
    fill_rect(picture, 1, 1, 15, 11, (150, 150, 150))
    frame_rect(picture, 1, 1, 15, 11, (40, 40, 40))
    fill_rect(picture, 3, 3, 13, 9, screen)
    fill_rect(picture, 6, 11, 10, 13, (90, 90, 90))
    fill_rect(picture, 3, 13, 13, 15, (90, 90, 90))
    return picture


def monitor_mask():
    picture = blank(SIZE, SIZE, (255, 255, 255))
    fill_rect(picture, 1, 1, 15, 11, (0, 0, 0))
    fill_rect(picture, 6, 11, 10, 13, (0, 0, 0))
    fill_rect(picture, 3, 13, 13, 15, (0, 0, 0))
    return picture


def main():
    digits = [(4, 6), (6, 6), (8, 6), (10, 6), (4, 7), (6, 7), (8, 7), (10, 7)]
    letters = [(4, 6), (5, 7), (6, 6), (8, 6), (8, 7), (9, 6), (11, 6), (11, 7), (12, 7)]
    write_bmp(os.path.join(HERE, "pages_pager_numeric.bmp"), pager((170, 210, 140), digits))
    write_bmp(os.path.join(HERE, "pages_pager_alpha.bmp"), pager((150, 200, 230), letters))
    write_bmp(os.path.join(HERE, "pages_pager_mask.bmp"), pager_mask())
    write_bmp(os.path.join(HERE, "pages_snmp_ipx.bmp"), monitor((40, 80, 200)))
    write_bmp(os.path.join(HERE, "pages_snmp_ip.bmp"), monitor((30, 160, 60)))
    write_bmp(os.path.join(HERE, "pages_snmp_mask.bmp"), monitor_mask())


if __name__ == "__main__":
    main()
