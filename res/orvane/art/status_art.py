"""Draws the Alert Summary page's three pictures: critical, warning and informational alerts.

Run from this folder: python3 status_art.py. Each picture is 48 x 48 on the button face.
"""
import bmpart

SIZE = 48
FACE = (192, 192, 192)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
SHADOW = (128, 128, 128)


def fill_triangle(picture, top, bottom, half_base, colour):
    """An upright triangle centred in the picture, apex at `top`, base at `bottom`."""
    centre = SIZE / 2
    for y in range(top, bottom):
        half = half_base * (y - top + 1) / (bottom - top)
        for x in range(SIZE):
            if abs(x + 0.5 - centre) <= half:
                picture[y][x] = colour


def critical():
    """A red disc holding a white exclamation mark."""
    picture = bmpart.blank(SIZE, SIZE, FACE)
    bmpart.fill_circle(picture, 24, 25, 21, SHADOW)
    bmpart.fill_circle(picture, 23, 23, 21, (200, 0, 0))
    bmpart.fill_circle(picture, 23, 23, 18, (230, 30, 30))
    bmpart.fill_rect(picture, 20, 9, 27, 29, WHITE)
    bmpart.fill_rect(picture, 20, 32, 27, 39, WHITE)
    return picture


def warning():
    """A yellow triangle edged in black holding a black exclamation mark."""
    picture = bmpart.blank(SIZE, SIZE, FACE)
    fill_triangle(picture, 3, 45, 23, BLACK)
    fill_triangle(picture, 7, 43, 20, (255, 220, 0))
    bmpart.fill_rect(picture, 21, 16, 27, 33, BLACK)
    bmpart.fill_rect(picture, 21, 36, 27, 41, BLACK)
    return picture


def informational():
    """A blue disc holding a white letter i."""
    picture = bmpart.blank(SIZE, SIZE, FACE)
    bmpart.fill_circle(picture, 24, 25, 21, SHADOW)
    bmpart.fill_circle(picture, 23, 23, 21, (0, 60, 170))
    bmpart.fill_circle(picture, 23, 23, 18, (20, 90, 210))
    bmpart.fill_circle(picture, 23, 12, 3, WHITE)
    bmpart.fill_rect(picture, 20, 18, 27, 36, WHITE)
    bmpart.fill_rect(picture, 17, 18, 21, 21, WHITE)
    bmpart.fill_rect(picture, 17, 34, 30, 37, WHITE)
    return picture


if __name__ == "__main__":
    bmpart.write_bmp("status_critical.bmp", critical())
    bmpart.write_bmp("status_warning.bmp", warning())
    bmpart.write_bmp("status_informational.bmp", informational())
