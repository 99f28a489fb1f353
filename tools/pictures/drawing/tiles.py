"""The plain board tiles (grey, empty lot, the two selection captions) and
the pieces every 74 x 75 board tile is built from.

Everything is placed on whole pixels so the tiles stay crisp when drawn 1:1.
"""

from .lettering import BOLD, CONDENSED, lettering, paint
from .palette import BLACK, DARK_GREEN, DARK_GREY, GREEN, GREY, ORANGE, PALE_YELLOW, RED, WHITE, YELLOW
from .svg import Svg

W, H = 74, 75


def tile():
    """An empty board tile; its numbers are written as Python prints them."""
    return Svg(W, H, number=str)


def grass(svg):
    """The lot's green ground with the subtle edge every board tile shares."""
    svg.rect(0, 0, W, H, GREEN)
    svg.frame(0, 0, W, H, DARK_GREEN)
    # A faint highlight just inside the edge on the top and left.
    svg.rect(1, 1, W - 2, 1, "#3AA83A")
    svg.rect(1, 2, 1, H - 3, "#3AA83A")


def lot():
    """A tile of the lot's grass, which every building stands on."""
    svg = tile()
    grass(svg)
    return svg


def flower(svg, x, y, petal):
    """A 3 x 3 flower head with a yellow centre and a stem below."""
    svg.rect(x, y + 3, 1, 2, DARK_GREEN)
    svg.rect(x - 1, y + 1, 3, 1, petal)
    svg.rect(x, y, 1, 3, petal)
    svg.rect(x, y + 1, 1, 1, YELLOW if petal != YELLOW else ORANGE)


def flowers(svg, spots):
    for x, y, petal in spots:
        flower(svg, x, y, petal)


def glazing(svg, x, y, w, h, glass, step):
    """A glass front with a black edge and white glazing bars every `step` pixels."""
    svg.boxed(x, y, w, h, glass)
    svg.rects([(bx, y + 1, 1, h - 2) for bx in range(x + 1, x + w - 1, step)], WHITE)


def painted_words(svg, text, size, baseline, font=BOLD, outline=2.0, **colours):
    """Painted words centred across the tile; `outline` is how far the edge shows."""
    d = lettering(font).outline(text, size, W / 2, baseline, "middle")
    paint(svg, d, outline * 2, **colours)


def grey_tile():
    svg = tile()
    svg.rect(0, 0, W, H, GREY)
    svg.frame(0, 0, W, H, DARK_GREY, 2)
    return svg


def empty_lot():
    """A quiet plot: grass, a few flowers and a small "volno" near the bottom.

    56 of these fill the board at the start, so the tile stays calm and lets
    built lots stand out. The top rows carry only dark tufts: the city's name
    is written in yellow over the top of the first board row.
    """
    svg = lot()
    for x, y in [(8, 7), (30, 5), (52, 10), (66, 25), (5, 30), (40, 22), (20, 33),
                 (58, 38), (12, 50), (63, 51), (33, 45)]:
        svg.rect(x, y, 1, 2, DARK_GREEN)
        svg.rect(x + 2, y, 1, 2, DARK_GREEN)
        svg.rect(x + 1, y - 1, 1, 3, DARK_GREEN)
    flowers(svg, [(14, 40, RED), (49, 31, WHITE), (27, 52, WHITE), (57, 46, RED), (41, 55, PALE_YELLOW)])
    # The word small and pale near the bottom, clear of the rows that the lot
    # below may cover.
    painted_words(svg, "volno", 11, 69, outline=1.0, fill=PALE_YELLOW, edge=DARK_GREEN)
    return svg


def caption_tile(lines, font):
    """Black tile with a yellow frame and painted words, as in the selection slots."""
    svg = tile()
    svg.rect(0, 0, W, H, BLACK)
    svg.frame(2, 2, W - 4, H - 4, YELLOW, 2)
    for text, size, baseline in lines:
        painted_words(svg, text, size, baseline, font, outline=1.5)
    return svg


DRAWINGS = {
    "grey_tile": grey_tile,
    "empty_lot": empty_lot,
    "choose_building": lambda: caption_tile([("vyber", 17, 33), ("stavbu", 17, 55)], CONDENSED),
    "other_buildings": lambda: caption_tile([("speciální", 13, 33), ("stavby", 15, 54)], CONDENSED),
}
