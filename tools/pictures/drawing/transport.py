"""The transport tiles of the board: metro, airport, car park, railway
station and the road bridge over the river.

Each is a 74 x 75 tile on the shared grass, drawn on whole pixels.
"""

from .palette import (ASPHALT, BLACK, BLUE, BRICK, BROWN, DARK_BROWN, DARK_GREEN, DARK_GREY, DEEP_WATER,
                      GREY, LIGHT_BLUE, LIGHT_GREEN, LIGHT_GREY, ORANGE, PALE_YELLOW, RED, ROOF, WHITE,
                      WINDOW, YELLOW)
from .motifs import railway
from .tiles import H, W, glazing, lot

# White shapes drawn with a thin black edge.
OUTLINED = {"stroke": BLACK, "stroke_width": 1, "stroke_linejoin": "round"}


def car_top(svg, x, y, body):
    """A car seen from above, 10 x 6, nose to the right."""
    svg.rect(x, y, 10, 6, BLACK)
    svg.rect(x, y + 1, 10, 4, body)
    svg.rect(x + 6, y + 1, 2, 4, LIGHT_BLUE)
    svg.rect(x + 2, y + 1, 1, 4, LIGHT_BLUE)


def pixel_m(svg, x, y, colour):
    """A 7 x 6 pixel M for the small metro signs."""
    rows = ["##...##", "###.###", "##.#.##", "##...##", "##...##", "##...##"]
    for j, row in enumerate(rows):
        for i, c in enumerate(row):
            if c == "#":
                svg.rect(x + i, y + j, 1, 1, colour)


def round_sign(svg, cx, cy, r, small):
    """The metro's round sign: a red ring round a white disc with a red M."""
    svg.circle(cx, cy, r, RED)
    svg.circle(cx, cy, r - 2, WHITE)
    if small:
        pixel_m(svg, cx - 3.5, cy - 3, RED)
    else:
        svg.polygon([(cx + px, cy + py) for px, py in
                  [(-6, 5.5), (-6, -5.5), (-3, -5.5), (0, -0.5), (3, -5.5), (6, -5.5),
                   (6, 5.5), (3, 5.5), (3, 0.5), (0, 4.5), (-3, 0.5), (-3, 5.5)]], RED)


def metro():
    svg = lot()
    # Paved square with a tile pattern.
    svg.rect(2, 24, 70, 49, LIGHT_GREY)
    svg.rects([(x, 24, 1, 49) for x in range(2, 72, 7)], "#B4B4B4")
    svg.rects([(2, y, 70, 1) for y in range(24, 73, 7)], "#B4B4B4")
    # The stairwell going down: near steps lit, far ones in the dark.
    svg.rect(16, 38, 42, 35, DARK_GREY)
    shades = ["#101010", "#202020", "#303030", "#404040", "#505050", "#686868",
              "#808080", "#989898", "#B0B0B0"]
    for i, c in enumerate(shades):
        svg.rect(19, 40 + 4 * i, 36, 3, c)
        svg.rect(19, 43 + 4 * i, 36, 1, BLACK)
    svg.rect(16, 38, 3, 35, GREY)
    svg.rect(55, 38, 3, 35, GREY)
    svg.rect(17, 38, 1, 35, WHITE)
    svg.rect(56, 38, 1, 35, WHITE)
    # Glass canopy over the entrance.
    glazing(svg, 13, 28, 48, 10, LIGHT_BLUE, 6)
    svg.rect(13, 36, 48, 2, DARK_GREY)
    # M signs: a large one over the canopy and one on a post at each side.
    svg.rect(36, 22, 2, 6, DARK_GREY)
    round_sign(svg, 37, 12.5, 12, small=False)
    for cx in (8, 65):
        svg.rect(cx - 1, 24, 2, 34, DARK_GREY)
        svg.rect(cx - 2, 57, 4, 2, BLACK)
        round_sign(svg, cx + 0.5, 19.5, 7, small=True)
    return svg


def airport():
    svg = lot()
    # Runway with edge lines, centre dashes and threshold bars.
    svg.rect(0, 44, W, 16, ASPHALT)
    svg.rect(0, 45, W, 1, WHITE)
    svg.rect(0, 58, W, 1, WHITE)
    svg.rects([(x, 51, 5, 2) for x in range(14, W, 9)], WHITE)
    svg.rects([(3, y, 7, 1) for y in range(48, 57, 2)], WHITE)
    # Apron and taxiway.
    svg.rect(4, 34, 42, 7, GREY)
    svg.rect(22, 41, 8, 3, GREY)
    # Terminal with a long glass front.
    svg.boxed(3, 16, 40, 18, LIGHT_GREY, grounded=True)
    svg.rect(4, 17, 38, 2, WHITE)
    svg.rect(6, 22, 34, 5, WINDOW)
    svg.rects([(x, 22, 1, 5) for x in range(10, 40, 6)], WHITE)
    svg.boxed(19, 28, 8, 6, LIGHT_BLUE, edge=DARK_GREY, grounded=True)
    # Control tower.
    svg.rect(51, 10, 7, 29, BLACK)
    svg.rect(52, 10, 5, 29, LIGHT_GREY)
    svg.rect(55, 10, 2, 29, GREY)
    svg.rect(47, 3, 15, 8, BLACK)
    svg.rect(48, 5, 13, 5, LIGHT_BLUE)
    svg.rect(47, 2, 15, 2, DARK_GREY)
    svg.rect(54, 0, 1, 2, RED)
    # A small aeroplane on the runway, seen from above, nose to the right.
    svg.rect(36, 50, 20, 4, BLACK)
    svg.rect(37, 51, 19, 2, WHITE)
    # Nose, wings and tail planes.
    for points in ([(56, 50), (59, 52), (56, 54)],
                   [(45, 51), (49, 51), (44, 41), (42, 41)], [(45, 53), (49, 53), (44, 63), (42, 63)],
                   [(37, 51), (39, 51), (37, 46), (36, 46)], [(37, 53), (39, 53), (37, 58), (36, 58)]):
        svg.polygon(points, WHITE, **OUTLINED)
    svg.rect(37, 51, 19, 1, WINDOW)
    # Runway lights along the grass.
    svg.rects([(x, 62, 2, 2) for x in range(6, W, 12)], YELLOW)
    return svg


def car_park():
    svg = lot()
    svg.rect(2, 2, 70, 56, ASPHALT)
    # Bays on both sides of the driving lane.
    for x in range(3, 72, 9):
        svg.rect(x, 3, 1, 15, WHITE)
        svg.rect(x, 37, 1, 15, WHITE)
    svg.rect(3, 3, 64, 1, WHITE)
    svg.rect(3, 51, 64, 1, WHITE)
    for i in range(3):
        svg.rect(12 + 16 * i, 27, 8, 1, WHITE)
        svg.polygon([(20 + 16 * i, 25), (23 + 16 * i, 27.5), (20 + 16 * i, 30)], WHITE)
    bays_top = [RED, None, YELLOW, WINDOW, None, WHITE, ORANGE]
    bays_bottom = [WHITE, ORANGE, None, RED, LIGHT_GREEN, None, YELLOW]
    for y, bays in ((5, bays_top), (39, bays_bottom)):
        for i, body in enumerate(bays):
            if body:
                big_car(svg, 5 + 9 * i, y, body)
    # Entrance road at the bottom with a booth and a striped barrier.
    svg.rect(48, 58, 16, 17, ASPHALT)
    svg.rects([(2, 58, 46, 2), (64, 58, 8, 2)], DARK_GREEN)
    svg.boxed(36, 56, 9, 10, LIGHT_GREY, grounded=True)
    svg.rect(38, 58, 5, 3, WINDOW)
    svg.rect(35, 55, 11, 2, RED)
    svg.rect(45, 60, 3, 4, DARK_GREY)
    svg.rect(47, 61, 24, 3, BLACK)
    for k in range(6):
        svg.rect(48 + 4 * k, 62, 4, 1, RED if k % 2 == 0 else WHITE)
        svg.rect(48 + 4 * k, 61, 4, 1, RED if k % 2 == 0 else WHITE)
    return svg


def big_car(svg, x, y, body):
    """A car from above, 7 x 12, nose at the top."""
    svg.rect(x, y + 1, 7, 10, BLACK)
    svg.rect(x + 1, y, 5, 12, BLACK)
    svg.rect(x + 1, y + 1, 5, 10, body)
    svg.rect(x + 1, y + 3, 5, 2, LIGHT_BLUE)
    svg.rect(x + 1, y + 8, 5, 1, LIGHT_BLUE)
    svg.rect(x + 2, y + 5, 3, 3, body)


def railway_station():
    svg = lot()
    # The track across rows 8 to 21, edge to edge: ballast, sleepers, rails.
    # Rails and sleepers line up with the rail track that continues east of
    # this lot (its sleepers fall on every sixth column from column 3 here).
    svg.rect(0, 8, W, 14, GREY)
    railway(svg, 9, W, 3, 2)
    # Platform along the track.
    svg.rect(0, 22, W, 6, LIGHT_GREY)
    svg.rect(0, 22, W, 1, WHITE)
    svg.rect(0, 23, W, 1, YELLOW)
    svg.rect(0, 27, W, 1, GREY)
    # Station building with a red roof, a clock and arched windows.
    svg.polygon([(2, 40), (72, 40), (64, 29), (10, 29)], ROOF)
    svg.rect(2, 39, 70, 2, BRICK)
    svg.rect(10, 29, 54, 1, BRICK)
    svg.rect(4, 41, 66, 31, BLACK)
    svg.rect(5, 41, 64, 31, PALE_YELLOW)
    svg.rect(5, 41, 64, 2, "#D8D060")
    svg.polygon([(26, 41), (37, 30), (48, 41)], PALE_YELLOW, **OUTLINED)
    svg.circle(37, 37, 4, BLACK)
    svg.circle(37, 37, 3, WHITE)
    svg.rect(37, 35, 1, 3, BLACK)
    svg.rect(37, 37, 2, 1, BLACK)
    for x in (9, 19, 50, 60):
        svg.path(f"M{x},{56} L{x},{50} A3,3 0 0,1 {x + 6},{50} L{x + 6},{56} Z", fill=WHITE)
        svg.path(f"M{x + 1},{55} L{x + 1},{50} A2,2 0 0,1 {x + 5},{50} L{x + 5},{55} Z", fill=WINDOW)
    svg.path("M31,72 L31,53 A6,6 0 0,1 43,53 L43,72 Z", fill=BLACK)
    svg.path("M32,72 L32,53 A5,5 0 0,1 42,53 L42,72 Z", fill=BROWN)
    svg.rect(37, 50, 1, 22, DARK_BROWN)
    svg.rect(5, 61, 64, 1, "#D8D060")
    return svg


def bridge():
    svg = lot()
    # The river runs top to bottom; orange marks along its banks.
    svg.rect(25, 0, 24, H, BLUE)
    svg.rect(24, 0, 1, H, DARK_GREEN)
    svg.rect(49, 0, 1, H, DARK_GREEN)
    for x, y in [(29, 8), (40, 16), (32, 58), (43, 66), (28, 68), (41, 5)]:
        svg.rect(x, y, 4, 1, LIGHT_BLUE)
        svg.rect(x + 1, y - 1, 2, 1, LIGHT_BLUE)
    for x, y in [(21, 10), (51, 22), (21, 60), (51, 64)]:
        svg.rect(x, y, 2, 3, ORANGE)
    # Road from bank to bank; on the bridge the deck casts a shadow on the water.
    svg.rect(0, 30, W, 15, DARK_GREY)
    svg.rect(0, 30, W, 1, GREY)
    svg.rect(0, 44, W, 1, GREY)
    svg.rect(25, 48, 24, 3, DEEP_WATER)
    svg.boxed(19, 26, 36, 22, LIGHT_GREY)
    svg.rect(20, 30, 34, 14, DARK_GREY)
    svg.rect(20, 28, 34, 1, WHITE)
    svg.rect(20, 45, 34, 1, WHITE)
    for x in range(21, 54, 4):
        svg.rect(x, 27, 1, 3, GREY)
        svg.rect(x, 44, 1, 3, GREY)
    svg.rects([(x, 37, 4, 1) for x in range(3, W, 8)], WHITE)
    car_top(svg, 28, 31, RED)
    car_top(svg, 58, 38, YELLOW)
    return svg


DRAWINGS = {
    "metro": metro,
    "airport": airport,
    "car_park": car_park,
    "railway_station": railway_station,
    "bridge": bridge,
}
