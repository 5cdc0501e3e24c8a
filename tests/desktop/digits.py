"""Reads the numbers the game writes on its window from a screenshot: each glyph is matched
against the digits of the font the game draws with, rendered by ImageMagick at the same size."""

import subprocess

FONTS = "/usr/share/fonts/truetype/liberation/"
GRID = (6, 9)  # the cells a glyph is compared in


def _coverage(pixels, width, height, ink):
    return [[ink(pixels(x, y)) for x in range(width)] for y in range(height)]


def _glyphs(cover):
    """The glyphs of a row of text, left to right, each cropped to its ink: ink that touches,
    joined with any ink over the same columns. In bold, a 1's foot and the next 0 leave no
    empty column between them, yet do not touch."""
    height, width = len(cover), len(cover[0])
    inked = {(x, y) for y in range(height) for x in range(width) if cover[y][x] > 0.3}
    boxes = []
    while inked:
        todo = [inked.pop()]
        xs, ys = [], []
        while todo:
            x, y = todo.pop()
            xs.append(x)
            ys.append(y)
            near = {(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)} & inked
            inked -= near
            todo += near
        boxes.append((min(xs), max(xs), min(ys), max(ys)))
    joined = []
    for left, right, top, bottom in sorted(boxes):
        if joined and left <= joined[-1][1]:
            l, r, t, b = joined.pop()
            left, right, top, bottom = l, max(r, right), min(t, top), max(b, bottom)
        joined.append((left, right, top, bottom))
    return [[row[left:right + 1] for row in cover[top:bottom + 1]]
            for left, right, top, bottom in joined]


def _shape(glyph):
    """A glyph's coverage averaged over GRID cells, and its height and width."""
    height, width = len(glyph), len(glyph[0])
    cells = []
    for j in range(GRID[1]):
        for i in range(GRID[0]):
            ys = range(j * height // GRID[1], max(j * height // GRID[1] + 1, (j + 1) * height // GRID[1]))
            xs = range(i * width // GRID[0], max(i * width // GRID[0] + 1, (i + 1) * width // GRID[0]))
            cells.append(sum(glyph[y][x] for y in ys for x in xs) / (len(ys) * len(xs)))
    return cells, height, width


def _shifted(cells, dx):
    """GRID cells moved dx cells to the right, blank where they come in."""
    columns, rows = GRID
    return [cells[j * columns + i - dx] if 0 <= i - dx < columns else 0.0
            for j in range(rows) for i in range(columns)]


def _templates(font, pixels):
    shapes = {}
    for digit in "0123456789":
        raw = subprocess.run(
            ["convert", "-size", "40x40", "xc:black", "-font", FONTS + font, "-pointsize",
             str(pixels), "-fill", "white", "-annotate", "+5+30", digit, "-depth", "8", "gray:-"],
            capture_output=True, check=True).stdout
        cover = [[raw[y * 40 + x] / 255 for x in range(40)] for y in range(40)]
        shapes[digit] = _shape(_glyphs(cover)[0])
    return shapes


_CACHE = {}


def read_number(shot, box, ink, font="LiberationSans-Regular.ttf", pixels=11):
    """The digits written in `box` (left, top, right, bottom) of the screenshot, where
    `ink(rgb)` says how much of a pixel is text, 0 to 1; "" when there are none."""
    templates = _CACHE.setdefault((font, pixels), None) or _templates(font, pixels)
    _CACHE[(font, pixels)] = templates
    left, top, right, bottom = box
    cover = _coverage(lambda x, y: shot.pixel(left + x, top + y), right - left, bottom - top, ink)
    text = ""
    for glyph in _glyphs(cover):
        cells, height, width = _shape(glyph)

        # The game's hinting may put a stem one cell off ImageMagick's.
        def distance(digit):
            shape, h, w = templates[digit]
            return (min(sum((a - b) ** 2 for a, b in zip(cells, _shifted(shape, dx)))
                        for dx in (-1, 0, 1))
                    + 0.05 * abs(h - height) + 0.05 * abs(w - width))
        text += min(templates, key=distance)
    return text


def yellow(rgb):
    """How yellow a pixel is: text the game writes in yellow on green or on a dark box."""
    r, g, b = rgb
    return max(0.0, min(1.0, (min(r, g) - b - 40) / 160))
