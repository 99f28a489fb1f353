"""The village dialogs' pictures: the village scene, the police car that
drives through it and the stretch of track the rail offer lays over it.
"""

import random

from .lettering import lettering
from .motifs import small_flower, smooth, smooth_area, tree
from .palette import (BLACK, BLUE, BROWN, DARK_BROWN, DARK_GREEN, DARK_GREY, GREEN, GREY, LEAF, LIGHT_BLUE,
                      LIGHT_GREEN, LIGHT_GREY, LIVERY_BLUE, ORANGE, RED, ROOF, WHITE, WINDOW, YELLOW)
from .svg import Svg

W, H = 664, 436


def track_stretch():
    """The stretch of track the rail offer lays over the scene's lower-left corner."""
    svg = Svg(145, 29)
    svg.rect(0, 0, 145, 29, GREEN)
    # A strip of darker grass and gravel under the sleepers.
    svg.rect(0, 3, 145, 23, DARK_GREEN)
    svg.rect(0, 5, 145, 19, "#8A7A60")
    for x in range(2, 145, 9):
        svg.rect(x, 3, 5, 23, BROWN)
        svg.rect(x, 3, 1, 23, "#9A5A1A")
        svg.rect(x + 4, 3, 1, 23, DARK_BROWN)
    for top in (8, 18):
        svg.rect(0, top, 145, 3, DARK_GREY)
        svg.rect(0, top, 145, 1, LIGHT_GREY)
    return svg


def police_car():
    svg = Svg(98, 38)
    body = [(3, 17), (20, 15), (29, 6), (64, 6), (75, 15), (93, 17), (96, 20), (96, 29), (94, 31),
            (4, 31), (2, 29), (2, 19)]
    svg.polygon(body, WHITE, stroke=BLACK, stroke_width="1", stroke_linejoin="round")
    # Roof light bar.
    svg.rect(40, 2, 7, 4, LIVERY_BLUE, stroke=BLACK, stroke_width="0.6")
    svg.rect(47, 2, 7, 4, RED, stroke=BLACK, stroke_width="0.6")
    svg.rect(41, 2.5, 3, 1, LIGHT_BLUE)
    # Side windows with the door pillar between them.
    svg.polygon([(23, 15), (31, 8), (46, 8), (46, 15)], LIGHT_BLUE, stroke=DARK_GREY, stroke_width="0.8")
    svg.polygon([(49, 8), (63, 8), (71, 15), (49, 15)], LIGHT_BLUE, stroke=DARK_GREY, stroke_width="0.8")
    # Stripe, door seams and handle.
    svg.rect(3, 17, 93, 2, LIVERY_BLUE)
    svg.line(47.5, 15, 47.5, 30, GREY, 1)
    svg.line(72.5, 16, 72.5, 30, GREY, 1)
    svg.rect(51, 20, 3, 1, DARK_GREY)
    svg.path(lettering(kerning=True).outline("police", 10, 48.5, 28, "middle"), LIVERY_BLUE)
    # Lamps.
    svg.rect(92, 19, 4, 3, YELLOW, stroke=ORANGE, stroke_width="0.6")
    svg.rect(2, 19, 3, 3, RED)
    svg.rect(86, 27, 10, 2, GREY)
    svg.rect(2, 27, 8, 2, GREY)
    # Wheels in their arches.
    for cx in (20, 78):
        svg.circle(cx, 30, 8.5, DARK_GREY)
        svg.circle(cx, 30, 7, BLACK)
        svg.circle(cx, 30, 3.5, LIGHT_GREY)
        svg.circle(cx, 30, 1.2, DARK_GREY)
    return svg


def cloud(svg, x, y, w):
    """A white cloud `w` wide, its flat base centred on (x, y)."""
    h = w * 0.3
    svg.ellipse(x, y, w * 0.5, h * 0.35, WHITE)
    svg.circle(x - w * 0.15, y - h * 0.35, h * 0.55, WHITE)
    svg.circle(x + w * 0.12, y - h * 0.45, h * 0.7, WHITE)


def church(svg):
    """The village church left of the river: nave, tower with a clock and a green spire."""
    wall, wall_edge = "#F0ECE0", DARK_GREY
    # Nave with its red roof.
    svg.rect(66, 248, 88, 54, wall, stroke=wall_edge, stroke_width="1")
    svg.polygon([(60, 249), (72, 224), (148, 224), (160, 249)], ROOF, stroke=DARK_BROWN, stroke_width="1")
    for x in (82, 104, 126):
        svg.path(f"M{x},290 L{x},270 C{x},263 {x + 10},263 {x + 10},270 L{x + 10},290 Z", WINDOW,
                 stroke=wall_edge, stroke_width="1")
    # Tower with clock, belfry and spire.
    svg.rect(34, 196, 32, 106, wall, stroke=wall_edge, stroke_width="1")
    svg.path("M42,302 L42,284 C42,276 58,276 58,284 L58,302 Z", BROWN, stroke=DARK_BROWN, stroke_width="1")
    svg.circle(50, 232, 7, WHITE, stroke=BLACK, stroke_width="1")
    svg.line(50, 232, 50, 227, BLACK, 1)
    svg.line(50, 232, 53, 233, BLACK, 1)
    svg.path("M44,214 L44,206 C44,201 56,201 56,206 L56,214 Z", BLACK)
    svg.polygon([(30, 197), (50, 132), (70, 197)], "#3A8A7A", stroke="#1E5A4E", stroke_width="1")
    svg.line(50, 132, 50, 116, "#C8A000", 2)
    svg.line(44.5, 122, 55.5, 122, "#C8A000", 2)


def village_house(svg):
    """The house right of the river, with its garden fence."""
    svg.rect(496, 248, 106, 58, "#F2E6C8", stroke=DARK_GREY, stroke_width="1")
    svg.rect(568, 204, 10, 26, "#A04030", stroke=DARK_BROWN, stroke_width="1")
    svg.polygon([(486, 250), (549, 208), (612, 250)], ROOF, stroke=DARK_BROWN, stroke_width="1")
    svg.circle(549, 234, 6, WINDOW, stroke=WHITE, stroke_width="2")
    for x in (508, 568):
        svg.rect(x, 262, 20, 18, WINDOW, stroke=WHITE, stroke_width="2")
        svg.line(x + 10, 262, x + 10, 280, WHITE, 2)
    svg.rect(540, 272, 18, 34, BROWN, stroke=DARK_BROWN, stroke_width="1")
    svg.rect(553, 288, 2, 2, YELLOW)
    # Its garden fence.
    svg.rect(488, 300, 124, 6, "#B08040")
    svg.rects([(x, 296, 2, 10) for x in range(490, 612, 6)], WHITE)


def sky(svg):
    """Sky, sun and clouds: kept plain where the dialogs' texts lie on it."""
    svg.rect(0, 0, W, H, LIGHT_BLUE)
    svg.circle(30, 34, 18, YELLOW, stroke=ORANGE, stroke_width="2")
    cloud(svg, 160, 88, 70)
    cloud(svg, 560, 112, 80)
    cloud(svg, 380, 128, 50)


def hills(svg):
    """Far hills, then nearer ones, with field strips on the far ones."""
    for ridge, colour in [([(0, 182), (70, 158), (160, 172), (250, 150), (330, 176), (420, 156), (520, 142),
                            (600, 160), (664, 150)], "#7FC87F"),
                          ([(0, 214), (90, 196), (200, 208), (300, 196), (360, 200), (460, 186), (560, 200),
                            (664, 190)], LIGHT_GREEN),
                          ([(0, 250), (120, 238), (260, 246), (400, 240), (520, 246), (664, 236)], GREEN)]:
        svg.path(smooth_area(ridge, [(664, H), (0, H)]), colour)
    for patch in ([(420, 176), (470, 168), (480, 186), (430, 192)], [(120, 196), (170, 190), (178, 204), (126, 208)]):
        svg.polygon(patch, "#A8D860")


def river(svg):
    """The river, from a gap in the hills down the middle towards the viewer."""
    left = [(337, 198), (322, 230), (290, 262), (250, 292), (222, 318), (206, 352), (192, 390), (176, 436)]
    right = [(341, 198), (340, 230), (322, 262), (300, 292), (282, 318), (278, 352), (286, 390), (304, 436)]
    svg.path(smooth(left) + " L" + smooth(list(reversed(right)))[1:] + " Z", BLUE)
    for bank in (left, right):
        svg.path(smooth(bank), "none", stroke=BROWN, stroke_width="2")
    # A shoulder of the hill hides where the river comes from.
    svg.ellipse(344, 204, 30, 8, LIGHT_GREEN)
    svg.path("M318,206 C328,213 356,214 370,205", "none", stroke="#48AC48", stroke_width="1.5")
    for x, y, w in [(318, 232, 8), (296, 258, 12), (262, 286, 14), (240, 306, 16), (222, 390, 20),
                    (256, 404, 18), (210, 420, 14), (268, 426, 16)]:
        svg.line(x, y + 0.5, x + w, y + 0.5, LIGHT_BLUE, 1)


def road(svg):
    """Road across the scene; the police car drives on it with its wheels near row 349."""
    svg.rect(0, 318, W, 34, GREY)
    svg.rect(0, 318, W, 2, DARK_GREY)
    svg.rect(0, 350, W, 2, DARK_GREY)
    svg.rects([(x, 334, 14, 2) for x in range(6, W, 28)], WHITE)


def road_bridge(svg):
    """Road bridge over the river, its right end at column 291."""
    stone, stone_dark = LIGHT_GREY, DARK_GREY
    svg.rect(188, 352, 104, 26, stone, stroke=stone_dark, stroke_width="1")
    svg.path("M206,378 L206,370 C206,356 276,356 276,370 L276,378 Z", "#1A4A9A")
    svg.path("M206,378 C206,356 276,356 276,378", "none", stroke=stone_dark, stroke_width="1")
    for x in range(192, 291, 12):
        svg.line(x + 0.5, 352, x + 0.5, 356, stone_dark, 1)
    svg.rect(188, 308, 104, 10, stone, stroke=stone_dark, stroke_width="1")
    svg.rect(188, 306, 104, 3, GREY)
    for x in range(194, 290, 12):
        svg.line(x + 0.5, 309, x + 0.5, 318, GREY, 1)
    svg.rect(188, 344, 104, 8, stone, stroke=stone_dark, stroke_width="1")
    svg.rect(186, 302, 6, 50, GREY, stroke=stone_dark, stroke_width="1")
    svg.rect(287, 302, 6, 50, GREY, stroke=stone_dark, stroke_width="1")


def meadow(svg):
    """Foreground meadow: flowers and bushes."""
    rng = random.Random(11)
    for _ in range(40):
        x, y = rng.uniform(4, 660), rng.uniform(362, 428)
        # Keep the flowers off the river, and off the strip of track that the
        # rail offer lays over the lower-left corner (columns 0-144, rows 368-396).
        if 160 < x < 320 or (x < 150 and y < 402):
            continue
        small_flower(svg, round(x) + 0.5, round(y) + 0.5, rng.choice([RED, YELLOW, WHITE]), ORANGE, 1.5)
    # A few more below that strip, so the left meadow is not bare.
    for x, y, petal in [(14, 414, WHITE), (42, 426, RED), (70, 410, YELLOW), (88, 428, WHITE), (146, 424, RED)]:
        small_flower(svg, x + 0.5, y + 0.5, petal, ORANGE, 1.5)
    for x, y, r in [(360, 392, 12), (376, 396, 9), (600, 380, 14), (620, 388, 10), (120, 410, 12)]:
        svg.circle(x, y, r, DARK_GREEN)
        svg.circle(x - r * 0.3, y - r * 0.3, r * 0.4, LEAF)


def village_scene():
    svg = Svg(W, H)
    sky(svg)
    hills(svg)
    river(svg)
    # Trees and the two buildings behind the road.
    tree(svg, 180, 300, 56, 15)
    tree(svg, 200, 290, 40, 10)
    church(svg)
    tree(svg, 455, 302, 64, 17)
    tree(svg, 630, 304, 60, 16)
    village_house(svg)
    road(svg)
    road_bridge(svg)
    meadow(svg)
    return svg


DRAWINGS = {
    "village_scene": village_scene,
    "police_car": police_car,
    "track_stretch": track_stretch,
}
