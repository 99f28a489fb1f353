"""The main screen's own pictures: the window background with the river,
the picture buttons, the population heading, the four mood faces, the
window icon and the mouse cursor.
"""

from .lettering import lettering, paint
from .palette import (BLACK, BLUE, CYAN, DARK_GREY, GREEN, GREY, LETTER_EDGE, LIGHT_BLUE, LIGHT_GREY,
                      MAROON, ORANGE, PALE_YELLOW, RED, WHITE, WINDOW, YELLOW)
from .svg import Svg

# The river's course in pixels; every band lies inside a gap between the lots
# (rows 331-351, columns 642-655, rows 187-207), under the crossing spots.
FIELD_BOX = (192, 25, 796, 583)  # left, top, right, bottom (exclusive)
LOWER_ARM = (192, 336, 655, 349)
NORTH_ARM = (644, 192, 655, 349)
UPPER_ARM = (644, 192, 796, 205)


def screen_picture(width, height):
    """An empty picture of the main screen's set, which declares SVG Tiny."""
    return Svg(width, height, tiny=True)


def painted(svg, text, size, cx, cy, tracking=1.0, edge=3.0):
    """Painted words with their ink centred on (cx, cy); `edge` is the outline's stroke width."""
    paint(svg, lettering().ink_centred(text, size, cx, cy, tracking), edge)


def box(svg, corners, fill):
    left, top, right, bottom = corners
    svg.rect(left, top, right - left, bottom - top, fill)


def staggered(svg, along, colour, even, odd):
    """One mark at each position of `along`, alternating between two placements.

    `even` and `odd` turn a position into the (x, y, w, h) of its mark.
    """
    for i, position in enumerate(along):
        svg.rect(*(even if i % 2 == 0 else odd)(position), colour)


def river(svg):
    for arm in (LOWER_ARM, NORTH_ARM, UPPER_ARM):
        box(svg, arm, BLUE)
    # Light ripples: short dashes inside the band, staggered on two lines.
    staggered(svg, range(200, 636, 23), LIGHT_BLUE, lambda x: (x, 339, 6, 1), lambda x: (x, 344, 6, 1))
    staggered(svg, range(214, 330, 21), LIGHT_BLUE, lambda y: (646, y, 1, 6), lambda y: (650, y, 1, 6))
    staggered(svg, range(664, 790, 23), LIGHT_BLUE, lambda x: (x, 195, 6, 1), lambda x: (x, 200, 6, 1))
    # Orange marks on the banks, within the free strips beside the band.
    staggered(svg, range(214, 636, 37), ORANGE, lambda x: (x, 333, 4, 2), lambda x: (x, 349, 4, 2))
    staggered(svg, range(222, 326, 34), ORANGE, lambda y: (642, y, 2, 4), lambda y: (655, y, 1, 4))
    staggered(svg, range(676, 790, 37), ORANGE, lambda x: (x, 189, 4, 2), lambda x: (x, 205, 4, 2))


def main_background():
    svg = screen_picture(800, 600)
    svg.rect(0, 0, 800, 600, BLACK)
    box(svg, FIELD_BOX, GREEN)
    river(svg)
    # The wall clock's box.
    svg.rect(677, 9, 55, 21, PALE_YELLOW)
    # Headings over the left panel, each centred over what it names; the
    # two longest set the size of all three.
    size = min(lettering().fit_size(t, 178, 20, 1.0) for t in ("co budu stavět:", "nálada obyvatel:"))
    painted(svg, "co budu stavět:", size, 96, 136)
    painted(svg, "finance:", size, 96, 304)
    painted(svg, "nálada obyvatel:", size, 96, 437)
    return svg


def word_picture(width, height, lines, margin=(4, 4), tracking=1.0, edge=3.0):
    """Yellow outlined words on black, one or more lines, centred.

    margin is the (across, down) room kept free around the ink.
    """
    mx, my = margin
    svg = screen_picture(width, height)
    svg.rect(0, 0, width, height, BLACK)
    line_h = (height - 2 * my) / len(lines)
    size = min(lettering().fit_size(t, width - 2 * mx, line_h - 2, tracking) for t in lines)
    for i, text in enumerate(lines):
        painted(svg, text, size, width / 2, my + line_h * (i + 0.5), tracking, edge)
    return svg


def population_heading():
    """The two heading lines, kept clear of what lies over this picture.

    On the main screen the mood face's black square covers the top 13 rows
    (columns 40-107), and the population figure, centred over screen columns
    112-233, may reach into columns 112 and up from row 32. So both lines sit
    in rows 15-63 and left of column 112, centred on column 56, at the size
    of the panel's other headings.
    """
    svg = screen_picture(138, 64)
    svg.rect(0, 0, 138, 64, BLACK)
    painted(svg, "počet", 17.5, 56, 26)
    painted(svg, "obyvatel:", 17.5, 56, 50)
    return svg


def furious_marks(svg):
    """Cyan zigzags rising from above each eye."""
    for x in (22, 46):
        points = [(x, 15), (x - 4, 12), (x + 3, 9), (x - 3, 5), (x + 4, 2), (x, -1)]
        svg.polyline(points, CYAN, 2.5, stroke_linejoin="miter")


def fanged_mouth(svg):
    """Wide open jagged mouth: dark inside, white fangs from above and below."""
    svg.rect(17, 45, 34, 14, MAROON)
    w = 34 / 5
    for i in range(5):
        x = 17 + w * i
        svg.polygon([(x, 45), (x + w, 45), (x + w / 2, 52)], WHITE)
    for i in range(4):
        x = 17 + w * (i + 0.5)
        svg.polygon([(x, 59), (x + w, 59), (x + w / 2, 52)], WHITE)
    svg.rect(17, 45, 34, 14, "none", stroke=RED, stroke_width=2)


def mouth(svg, mood):
    style = {"stroke": RED, "stroke_width": 3.5, "stroke_linecap": "round"}
    if mood == "smiling":
        svg.path("M 18 46 Q 34 63 50 46", "none", **style)
    elif mood == "neutral":
        svg.element("line", x1=21, y1=52, x2=47, y2=52, fill="none", **style)
    elif mood == "sad":
        svg.path("M 20 57 Q 34 42 48 57", "none", **style)
    else:
        fanged_mouth(svg)


def face(mood):
    svg = screen_picture(68, 69)
    svg.rect(0, 0, 68, 69, BLACK)
    svg.circle(34, 35, 30.5, YELLOW, stroke=LETTER_EDGE, stroke_width=2)
    if mood == "furious":
        furious_marks(svg)
    # Eyes.
    for x in (24, 44):
        svg.ellipse(x, 27, 5, 7, BLUE, stroke=BLACK, stroke_width=1.5)
        svg.circle(x - 2, 24, 1.5, WHITE)
    if mood == "furious":
        # Brows slanting down to the nose.
        svg.polyline([(16, 17), (29, 22)], BLACK, 3)
        svg.polyline([(52, 17), (39, 22)], BLACK, 3)
    # Nose.
    svg.circle(34, 38, 4.5, PALE_YELLOW, stroke=LETTER_EDGE, stroke_width=1)
    mouth(svg, mood)
    return svg


def icon():
    svg = screen_picture(48, 48)
    svg.rect(0, 0, 48, 48, LIGHT_BLUE)
    # The sun low behind the towers, with short rays.
    for x1, y1, x2, y2 in [(34, 2, 34, 5), (25, 11, 22, 11), (27, 5, 25, 3), (41, 5, 43, 3), (43, 11, 46, 11)]:
        svg.line(x1, y1, x2, y2, ORANGE, 2)
    svg.circle(34, 14, 8, ORANGE)
    # Two birds.
    for x, y in [(8, 9), (17, 5)]:
        svg.path(f"M {x - 5} {y} Q {x - 3} {y - 3} {x} {y + 1} Q {x + 3} {y - 3} {x + 5} {y}", "none",
                 stroke=BLACK, stroke_width=1.5)
    towers = [(2, 24, 11, 24, GREY), (14, 14, 11, 34, LIGHT_GREY), (26, 19, 11, 29, GREY), (38, 28, 9, 20, LIGHT_GREY)]
    for x, y, w, h, colour in towers:
        svg.boxed(x, y, w, h, colour, edge=DARK_GREY, grounded=True)
        for wy in range(y + 3, 46, 5):
            for wx in range(x + 2, x + w - 2, 4):
                svg.rect(wx, wy, 2, 3, WINDOW)
    return svg


def cursor():
    """The classic arrow; its tip is the hot spot at pixel (0, 0)."""
    rows = [
        "k",
        "kk",
        "kwk",
        "kwwk",
        "kwwwk",
        "kwwwwk",
        "kwwwwwk",
        "kwwwwwwk",
        "kwwwwwwwk",
        "kwwwwwwwwk",
        "kwwwwwkkkkk",
        "kwwkwwk",
        "kwk kwwk",
        "kk  kwwk",
        "k    kwwk",
        "     kwwk",
        "      kwwk",
        "      kwwk",
        "       kk",
    ]
    svg = screen_picture(32, 32)
    svg.pixels(rows, {"k": BLACK, "w": WHITE})
    return svg


DRAWINGS = {
    "main_background": main_background,
    "end_button": lambda: word_picture(110, 44, ["konec"], margin=(9, 6), edge=4.0),
    "menu_button": lambda: word_picture(91, 35, ["menu"], margin=(8, 5), edge=4.0),
    "price_list_button": lambda: word_picture(211, 29, ["ceník budov"], margin=(6, 3)),
    "catalogue_button": lambda: word_picture(193, 31, ["nabídka budov..."], margin=(5, 3)),
    "population_heading": population_heading,
    "face_smiling": lambda: face("smiling"),
    "face_neutral": lambda: face("neutral"),
    "face_sad": lambda: face("sad"),
    "face_furious": lambda: face("furious"),
    "icon": icon,
    "cursor": cursor,
}
