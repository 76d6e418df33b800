"""Writes the Alert Manager's splash picture (startup_splash.bmp, 320 x 200).

A deep blue field with an alert emblem, the program's name and the maker's name in plain
block letters drawn from a 5 x 7 grid.
"""
import os

from bmpart import blank, fill_circle, fill_rect, frame_rect, write_bmp

WIDTH, HEIGHT = 320, 200

GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    " ": ["....."] * 7,
}

NAVY_TOP = (18, 36, 84)
NAVY_BOTTOM = (36, 78, 150)
GOLD = (222, 176, 64)
WHITE = (250, 250, 250)
SHADOW = (10, 20, 48)
MIST = (190, 206, 232)


def text_width(text, scale, gap):
    return len(text) * 5 * scale + (len(text) - 1) * gap


def draw_text(picture, text, top, scale, gap, colour):
    left = (WIDTH - text_width(text, scale, gap)) // 2
    for letter in text:
        for row, line in enumerate(GLYPHS[letter]):
            for column, cell in enumerate(line):
                if cell == "#":
                    x = left + column * scale
                    y = top + row * scale
                    fill_rect(picture, x, y, x + scale, y + scale, colour)
        left += 5 * scale + gap


def gradient(picture):
    for y in range(HEIGHT):
        t = y / (HEIGHT - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(NAVY_TOP, NAVY_BOTTOM))
        fill_rect(picture, 0, y, WIDTH, y + 1, colour)


def emblem(picture, cx, cy):
    """A gold ring around an exclamation mark: the alert."""
    fill_circle(picture, cx, cy, 26, GOLD)
    fill_circle(picture, cx, cy, 22, NAVY_TOP)
    fill_rect(picture, cx - 3, cy - 15, cx + 3, cy + 5, WHITE)
    fill_rect(picture, cx - 3, cy + 9, cx + 3, cy + 15, WHITE)


def splash():
    picture = blank(WIDTH, HEIGHT)
    gradient(picture)
    emblem(picture, WIDTH // 2, 50)
    draw_text(picture, "ALERT MANAGER", 97, 3, 3, SHADOW)
    draw_text(picture, "ALERT MANAGER", 95, 3, 3, WHITE)
    fill_rect(picture, 60, 130, WIDTH - 60, 132, GOLD)
    draw_text(picture, "VEXOMAR", 146, 2, 6, MIST)
    frame_rect(picture, 0, 0, WIDTH, HEIGHT, GOLD)
    frame_rect(picture, 3, 3, WIDTH - 3, HEIGHT - 3, NAVY_BOTTOM)
    return picture


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "startup_splash.bmp"), splash())
