"""The small pictures laid over the main screen's board: the bush, the two
bridge strips, the train on its rail track and the helicopter.
"""

from .main_screen import screen_picture
from .motifs import railway
from .palette import (BLACK, DARK_GREEN, DARK_GREY, DEEP_GREEN, GREEN, GREY, LETTER_EDGE, LIGHT_GREEN, MAROON,
                      NAVY, PALE_YELLOW, RED, WINDOW, YELLOW)

# Bridge strip across its width: rail, dark blue deck, rail.
BRIDGE_STRIP = [BLACK, PALE_YELLOW, BLACK] + [NAVY] * 9 + [BLACK, PALE_YELLOW, BLACK]


def bush():
    svg = screen_picture(36, 33)
    blobs = [(11, 19, 8.5), (25, 19, 8.5), (18, 11, 9), (18, 21, 10), (9, 25, 6), (27, 25, 6)]
    # A dark rim first, so the blobs read as one bush.
    for cx, cy, r in blobs:
        svg.circle(cx, cy, r, DEEP_GREEN, stroke=DEEP_GREEN, stroke_width=3)
    for cx, cy, r in blobs:
        svg.circle(cx, cy, r, DARK_GREEN)
    for cx, cy, r in [(16, 9, 4.5), (9, 17, 3.5), (24, 15, 4), (17, 19, 3.5)]:
        svg.circle(cx, cy, r, GREEN)
    for cx, cy, r in [(15, 7, 2), (8, 15, 1.5), (23, 13, 1.5), (16, 17, 1.5)]:
        svg.circle(cx, cy, r, LIGHT_GREEN)
    return svg


def bridge(vertical):
    """The strip that lies over the river at a crossing, 51 long."""
    svg = screen_picture(15, 51) if vertical else screen_picture(51, 15)
    for i, colour in enumerate(BRIDGE_STRIP):
        if vertical:
            svg.rect(i, 0, 1, 51, colour)
        else:
            svg.rect(0, i, 51, 1, colour)
    return svg


def train():
    rows = [
        "kkkkkkkkkkkkkkkkkkkkkkkkk",
        "kRRRRRRRRRRRRRRRRRRRRRRRk",
        "kRrrrrrrrrrrrrrrrrrrrrrRk",
        "kRrYYYYYYYYYYYYYYYYYYYrRk",
        "kRrYyyyyyyyyyyyyyyyyyYrRk",
        "gRrYyyGGyyyyyyyyyGGyyYrRg",
        "gRrYyyGGyyyyyyyyyGGyyYrRg",
        "gRrYyyGGyyyyyyyyyGGyyYrRg",
        "gRrYyyGGyyyyyyyyyGGyyYrRg",
        "kRrYyyyyyyyyyyyyyyyyyYrRk",
        "kRrYYYYYYYYYYYYYYYYYYYrRk",
        "kRrrrrrrrrrrrrrrrrrrrrrRk",
        "kRRRRRRRRRRRRRRRRRRRRRRRk",
        "kkkkkkkkkkkkkkkkkkkkkkkkk",
    ]
    svg = screen_picture(25, 14)
    svg.pixels(rows, {"k": BLACK, "R": MAROON, "r": RED, "Y": LETTER_EDGE, "y": YELLOW, "G": GREY,
                      "g": DARK_GREY})
    return svg


def rail_track():
    """The track the train runs on, laid east of the railway station."""
    svg = screen_picture(108, 14)
    svg.rect(0, 0, 108, 14, GREEN)
    railway(svg, 1, 108, 1, 3)
    return svg


def helicopter():
    rows = [
        "...kkkkkkkkkkkkkkkkkkkkkkkk..",
        "................kk...........",
        "kk...........kkkkkkkkkk......",
        "kRk.........krrrrrrrrrrkk....",
        "kRk.......kkrrrrrrrrrrkbbk...",
        "kRRkkkkkkkrrrrrrrrrrrrkbbbk..",
        "kRRRRRRRRRrrrrrrrrrrrrrrrrrk.",
        "kRkkkkkkkkkrrrrrrrrrrrrrrrk..",
        "kk.........kkkkkkkkkkkkkkk...",
        "..............k.......k......",
        "...........kkkkkkkkkkkkkkkkk.",
    ]
    svg = screen_picture(29, 11)
    svg.pixels(rows, {"k": BLACK, "R": MAROON, "r": RED, "b": WINDOW})
    return svg


DRAWINGS = {
    "bush": bush,
    "bridge_vertical": lambda: bridge(vertical=True),
    "bridge_horizontal": lambda: bridge(vertical=False),
    "train": train,
    "rail_track": rail_track,
    "helicopter": helicopter,
}
