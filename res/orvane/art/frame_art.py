"""Draws the main frame's toolbar strip, the program icon and the three animation icons."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bmpart  # noqa: E402

FACE = (192, 192, 192)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
NAVY = (0, 0, 128)
BLUE = (0, 64, 192)
GREEN = (0, 160, 0)
RED = (200, 0, 0)
YELLOW = (255, 208, 0)
DARK_YELLOW = (160, 120, 0)


def logs_image(p, x0):
    # A sheet of paper with lines of text.
    bmpart.fill_rect(p, x0 + 5, 2, x0 + 19, 22, WHITE)
    bmpart.frame_rect(p, x0 + 5, 2, x0 + 19, 22, BLACK)
    for y in (6, 9, 12, 15, 18):
        bmpart.fill_rect(p, x0 + 8, y, x0 + 16, y + 1, NAVY)


def configuration_image(p, x0):
    # A check list: boxes with ticks beside lines.
    bmpart.fill_rect(p, x0 + 3, 2, x0 + 21, 22, WHITE)
    bmpart.frame_rect(p, x0 + 3, 2, x0 + 21, 22, BLACK)
    for y in (5, 11, 17):
        bmpart.frame_rect(p, x0 + 5, y, x0 + 9, y + 4, BLACK)
        bmpart.fill_rect(p, x0 + 6, y + 1, x0 + 8, y + 3, GREEN)
        bmpart.fill_rect(p, x0 + 11, y + 1, x0 + 19, y + 2, NAVY)


def computer_image(p, x0):
    # A monitor on a stand.
    bmpart.fill_rect(p, x0 + 3, 3, x0 + 21, 16, GREY)
    bmpart.frame_rect(p, x0 + 3, 3, x0 + 21, 16, BLACK)
    bmpart.fill_rect(p, x0 + 5, 5, x0 + 19, 14, (0, 128, 128))
    bmpart.fill_rect(p, x0 + 10, 16, x0 + 14, 19, GREY)
    bmpart.fill_rect(p, x0 + 6, 19, x0 + 18, 21, GREY)
    bmpart.frame_rect(p, x0 + 6, 19, x0 + 18, 21, BLACK)


def start_image(p, x0):
    # A green triangle pointing right.
    for y in range(4, 20):
        half = min(y - 4, 19 - y)
        bmpart.fill_rect(p, x0 + 7, y, x0 + 8 + half, y + 1, GREEN)


def stop_image(p, x0):
    bmpart.fill_rect(p, x0 + 6, 6, x0 + 18, 18, RED)
    bmpart.frame_rect(p, x0 + 6, 6, x0 + 18, 18, (96, 0, 0))


def pause_image(p, x0):
    bmpart.fill_rect(p, x0 + 7, 5, x0 + 11, 19, BLUE)
    bmpart.fill_rect(p, x0 + 13, 5, x0 + 17, 19, BLUE)


def toolbar(path):
    images = [logs_image, configuration_image, computer_image, start_image, stop_image, pause_image]
    p = bmpart.blank(24 * len(images), 24, FACE)
    for i, draw in enumerate(images):
        draw(p, 24 * i)
    bmpart.write_bmp_indexed(path, p)


def bell(p, ring):
    # A yellow bell; `ring` 0..2 swings the clapper and draws the sound waves on one side.
    bmpart.fill_circle(p, 16, 12, 8, YELLOW)
    bmpart.fill_rect(p, 8, 12, 24, 22, YELLOW)
    bmpart.fill_rect(p, 5, 22, 27, 25, DARK_YELLOW)
    bmpart.fill_circle(p, 15 + ring, 26, 2, DARK_YELLOW)
    bmpart.fill_rect(p, 15, 2, 17, 5, DARK_YELLOW)
    if ring == 0:
        for x in (3, 28):
            bmpart.fill_rect(p, x, 9, x + 1, 17, RED)
    elif ring == 1:
        bmpart.fill_rect(p, 3, 7, 4, 19, RED)
        bmpart.fill_rect(p, 0, 9, 1, 17, RED)
    elif ring == 2:
        bmpart.fill_rect(p, 28, 7, 29, 19, RED)
        bmpart.fill_rect(p, 31, 9, 32, 17, RED)


def icon(path, ring):
    transparent = (255, 0, 255)
    p = bmpart.blank(32, 32, transparent)
    bell(p, ring)
    bmpart.write_ico(path, p, transparent)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    toolbar(os.path.join(here, "frame_toolbar.bmp"))
    icon(os.path.join(here, "frame_program.ico"), -1)
    for i in range(3):
        icon(os.path.join(here, "frame_ring%d.ico" % (i + 1)), i)
