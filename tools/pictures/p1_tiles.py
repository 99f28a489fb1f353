#!/usr/bin/env python3
"""Draws the 74 x 75 board tiles as self-contained SVG files.

Run from anywhere: it writes assets/pictures/<name>.svg next to drawings.txt.
Lettering is turned into glyph outlines with fontTools, so the SVGs never
depend on installed fonts. Everything is placed on whole pixels so the tiles
stay crisp when drawn 1:1.
"""

import math
import os
import sys

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "assets", "pictures"))
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_CONDENSED = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"

W, H = 74, 75

# Shared palette.
BLACK = "#000000"
YELLOW = "#FFFF00"
LETTER_EDGE = "#A03000"
GREEN = "#2F9A2F"
DARK_GREEN = "#1F7A1F"
LIGHT_GREEN = "#5CC05C"
BLUE = "#2A6FD6"
LIGHT_BLUE = "#6FA8F0"
ORANGE = "#FF8C1A"
BROWN = "#804000"
DARK_BROWN = "#5A2E00"
LIGHT_GREY = "#C8C8C8"
GREY = "#9A9A9A"
DARK_GREY = "#5A5A5A"
ROOF = "#C8402A"
WINDOW = "#4A90E2"
WHITE = "#FFFFFF"
RED = "#E01010"
PALE_YELLOW = "#FFFF80"
# The few extra colours the tiles need.
SAND = "#C8A060"
DARK_RED = "#8A2010"
ASPHALT = "#3C3C3C"


class Svg:
    """Collects SVG elements for one picture."""

    def __init__(self, width=W, height=H):
        self.width = width
        self.height = height
        self.parts = []

    def add(self, element):
        self.parts.append(element)

    def rect(self, x, y, w, h, fill):
        self.add(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}"/>')

    def frame(self, x, y, w, h, colour, thickness=1):
        """An outline drawn inside the box (x, y, w, h) from solid rects."""
        t = thickness
        self.rect(x, y, w, t, colour)
        self.rect(x, y + h - t, w, t, colour)
        self.rect(x, y + t, t, h - 2 * t, colour)
        self.rect(x + w - t, y + t, t, h - 2 * t, colour)

    def poly(self, points, fill, stroke=None, width=1):
        pts = " ".join(f"{x},{y}" for x, y in points)
        extra = f' stroke="{stroke}" stroke-width="{width}" stroke-linejoin="round"' if stroke else ""
        self.add(f'<polygon points="{pts}" fill="{fill}"{extra}/>')

    def path(self, d, fill="none", stroke=None, width=1, extra=""):
        s = f' stroke="{stroke}" stroke-width="{width}"' if stroke else ""
        self.add(f'<path d="{d}" fill="{fill}"{s}{extra}/>')

    def circle(self, cx, cy, r, fill, stroke=None, width=1):
        s = f' stroke="{stroke}" stroke-width="{width}"' if stroke else ""
        self.add(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"{s}/>')

    def ellipse(self, cx, cy, rx, ry, fill, stroke=None, width=1):
        s = f' stroke="{stroke}" stroke-width="{width}"' if stroke else ""
        self.add(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{fill}"{s}/>')

    def line(self, x1, y1, x2, y2, colour, width=1):
        self.add(f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{colour}" stroke-width="{width}"/>')

    def source(self):
        return f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" height="{self.height}" ' \
               f'viewBox="0 0 {self.width} {self.height}">\n' + "\n".join(self.parts) + "\n</svg>\n"


# ---------------------------------------------------------------- lettering

_fonts = {}


def _font(path):
    if path not in _fonts:
        _fonts[path] = TTFont(path)
    return _fonts[path]


def text_width(s, size, font=FONT_BOLD):
    f = _font(font)
    cmap = f.getBestCmap()
    hmtx = f["hmtx"]
    scale = size / f["head"].unitsPerEm
    return sum(hmtx[cmap[ord(c)]][0] for c in s) * scale


def text_outline(s, size, cx, baseline, font=FONT_BOLD, spacing=0.0):
    """Path data of the glyph outlines of s, centred on cx, sitting on baseline."""
    f = _font(font)
    cmap = f.getBestCmap()
    glyphs = f.getGlyphSet()
    hmtx = f["hmtx"]
    scale = size / f["head"].unitsPerEm
    total = text_width(s, size, font) + spacing * (len(s) - 1)
    x = cx - total / 2
    pen = SVGPathPen(glyphs, ntos=lambda n: f"{n:.2f}".rstrip("0").rstrip("."))
    for c in s:
        name = cmap[ord(c)]
        glyphs[name].draw(TransformPen(pen, (scale, 0, 0, -scale, x, baseline)))
        x += hmtx[name][0] * scale + spacing
    return pen.getCommands()


def painted_words(svg, s, size, cx, baseline, font=FONT_BOLD, edge=2.0, spacing=0.0,
                  fill=YELLOW, edge_colour=LETTER_EDGE):
    """Yellow letters with a dark orange-brown outline, as on the game's buttons."""
    d = text_outline(s, size, cx, baseline, font, spacing)
    svg.path(d, fill=edge_colour, stroke=edge_colour, width=edge * 2,
             extra=' stroke-linejoin="round"')
    svg.path(d, fill=fill)


# ------------------------------------------------------------ shared pieces

def grass(svg):
    """The lot's green ground with the subtle edge every board tile shares."""
    svg.rect(0, 0, W, H, GREEN)
    svg.frame(0, 0, W, H, DARK_GREEN)
    # A faint highlight just inside the edge on the top and left.
    svg.rect(1, 1, W - 2, 1, "#3AA83A")
    svg.rect(1, 2, 1, H - 3, "#3AA83A")


def flower(svg, x, y, petal):
    """A 3 x 3 flower head with a yellow centre and a stem below."""
    svg.rect(x, y + 3, 1, 2, DARK_GREEN)
    svg.rect(x - 1, y + 1, 3, 1, petal)
    svg.rect(x, y, 1, 3, petal)
    svg.rect(x, y + 1, 1, 1, YELLOW if petal != YELLOW else ORANGE)


def window(svg, x, y, w=5, h=6, cross=True, frame=WHITE):
    svg.rect(x, y, w, h, frame)
    svg.rect(x + 1, y + 1, w - 2, h - 2, WINDOW)
    if cross:
        svg.rect(x + w // 2, y + 1, 1, h - 2, frame)
        svg.rect(x + 1, y + h // 2, w - 2, 1, frame)
    else:
        svg.rect(x + 1, y + 1, 1, 1, LIGHT_BLUE)


def tree(svg, cx, cy, r):
    """A tree seen from above: a round crown with a shadow and a highlight."""
    svg.circle(cx + 1, cy + 1, r, "#145A14")
    svg.circle(cx, cy, r, DARK_GREEN)
    svg.circle(cx - r / 3, cy - r / 3, r / 2, LIGHT_GREEN)


def car_top(svg, x, y, body):
    """A car seen from above, 10 x 6, nose to the right."""
    svg.rect(x, y, 10, 6, BLACK)
    svg.rect(x, y + 1, 10, 4, body)
    svg.rect(x + 6, y + 1, 2, 4, LIGHT_BLUE)
    svg.rect(x + 2, y + 1, 1, 4, LIGHT_BLUE)


def radiation_sign(svg, cx, cy, r):
    """Yellow disc with the black trefoil."""
    svg.circle(cx, cy, r, BLACK)
    svg.circle(cx, cy, r - 1, YELLOW)
    inner, outer = r * 0.28, r * 0.86
    for k in range(3):
        a0 = math.radians(-90 + 120 * k - 30)
        a1 = math.radians(-90 + 120 * k + 30)
        p = [(cx + inner * math.cos(a0), cy + inner * math.sin(a0)),
             (cx + outer * math.cos(a0), cy + outer * math.sin(a0)),
             (cx + outer * math.cos(a1), cy + outer * math.sin(a1)),
             (cx + inner * math.cos(a1), cy + inner * math.sin(a1))]
        svg.path(f"M{p[0][0]:.2f},{p[0][1]:.2f} L{p[1][0]:.2f},{p[1][1]:.2f} "
                 f"A{outer},{outer} 0 0,1 {p[2][0]:.2f},{p[2][1]:.2f} "
                 f"L{p[3][0]:.2f},{p[3][1]:.2f} A{inner},{inner} 0 0,0 {p[0][0]:.2f},{p[0][1]:.2f} Z",
                 fill=BLACK)
    svg.circle(cx, cy, max(r * 0.16, 0.9), BLACK)


def house(svg, x, y, wall, door=BROWN):
    """A one-storey house, 36 wide and 40 high, with a red hip roof and a chimney."""
    # Chimney behind the roof.
    svg.rect(x + 25, y, 4, 8, DARK_GREY)
    svg.rect(x + 24, y, 6, 2, GREY)
    # Walls.
    svg.rect(x + 2, y + 15, 32, 25, DARK_GREY)
    svg.rect(x + 3, y + 16, 30, 23, wall)
    svg.rect(x + 3, y + 16, 30, 2, GREY)
    # Hip roof with a darker eave and ridge.
    svg.poly([(x, y + 17), (x + 36, y + 17), (x + 28, y + 4), (x + 8, y + 4)], ROOF)
    svg.rect(x, y + 16, 36, 2, DARK_RED)
    svg.rect(x + 8, y + 4, 20, 1, DARK_RED)
    svg.line(x + 8.5, y + 5, x + 1, y + 16, DARK_RED)
    svg.line(x + 27.5, y + 5, x + 35, y + 16, DARK_RED)
    for i in range(3):
        svg.rect(x + 5 + 2 * i, y + 8 + 3 * i, 26 - 4 * i, 1, "#D8604A")
    # Door and windows.
    svg.rect(x + 14, y + 25, 8, 15, DARK_BROWN)
    svg.rect(x + 15, y + 26, 6, 14, door)
    svg.rect(x + 19, y + 33, 1, 1, YELLOW)
    window(svg, x + 5, y + 22, 7, 8)
    window(svg, x + 24, y + 22, 7, 8)


def draw_grey_tile():
    svg = Svg()
    svg.rect(0, 0, W, H, GREY)
    svg.frame(0, 0, W, H, DARK_GREY, 2)
    return svg


def draw_empty_lot():
    """A quiet plot: grass, a few flowers and a small "volno" near the bottom.

    56 of these fill the board at the start, so the tile stays calm and lets
    built lots stand out. The top rows carry only dark tufts: the city's name
    is written in yellow over the top of the first board row.
    """
    svg = Svg()
    grass(svg)
    for x, y in [(8, 7), (30, 5), (52, 10), (66, 25), (5, 30), (40, 22), (20, 33),
                 (58, 38), (12, 50), (63, 51), (33, 45)]:
        svg.rect(x, y, 1, 2, DARK_GREEN)
        svg.rect(x + 2, y, 1, 2, DARK_GREEN)
        svg.rect(x + 1, y - 1, 1, 3, DARK_GREEN)
    for x, y, c in [(14, 40, RED), (49, 31, WHITE), (27, 52, WHITE), (57, 46, RED),
                    (41, 55, PALE_YELLOW)]:
        flower(svg, x, y, c)
    # The word small and pale near the bottom, clear of the rows that the lot
    # below may cover.
    painted_words(svg, "volno", 11, 37, 69, edge=1.0, fill=PALE_YELLOW, edge_colour=DARK_GREEN)
    return svg


def draw_house_pool():
    svg = Svg()
    grass(svg)
    tree(svg, 58, 13, 8)
    house(svg, 3, 5, WHITE)
    # Garden path from the door.
    svg.rect(20, 45, 6, 27, SAND)
    # The swimming pool: white edge, blue water, ripples and a ladder.
    svg.rect(36, 44, 34, 28, WHITE)
    svg.frame(36, 44, 34, 28, GREY)
    svg.rect(39, 47, 28, 22, BLUE)
    svg.rect(39, 47, 28, 2, "#1E56B0")
    for x, y in [(43, 52), (55, 51), (47, 58), (60, 57), (42, 64), (53, 64)]:
        svg.rect(x, y, 5, 1, LIGHT_BLUE)
        svg.rect(x + 1, y - 1, 3, 1, LIGHT_BLUE)
    svg.rect(62, 45, 1, 6, DARK_GREY)
    svg.rect(65, 45, 1, 6, DARK_GREY)
    svg.rect(62, 47, 4, 1, DARK_GREY)
    svg.rect(62, 49, 4, 1, DARK_GREY)
    # A sunshade and a lounger beside the pool.
    svg.rect(11, 52, 1, 13, DARK_GREY)
    svg.poly([(3, 56), (11, 50), (11, 56)], RED)
    svg.poly([(11, 50), (19, 56), (11, 56)], WHITE)
    svg.rect(3, 56, 17, 1, DARK_RED)
    svg.rect(5, 64, 13, 2, WHITE)
    svg.rect(5, 62, 3, 2, WHITE)
    svg.rect(6, 66, 1, 2, DARK_GREY)
    svg.rect(16, 66, 1, 2, DARK_GREY)
    return svg


def flower_bed(svg, x, y, w, h, colours):
    svg.rect(x, y, w, h, DARK_BROWN)
    svg.rect(x + 1, y + 1, w - 2, h - 2, BROWN)
    k = 0
    for yy in range(y + 2, y + h - 2, 4):
        for xx in range(x + 2 + (yy // 4) % 2 * 2, x + w - 2, 4):
            c = colours[k % len(colours)]
            k += 1
            svg.rect(xx, yy + 1, 2, 1, DARK_GREEN)
            svg.rect(xx, yy - 1, 2, 2, c)


def draw_house_flowers():
    svg = Svg()
    grass(svg)
    house(svg, 19, 4, PALE_YELLOW)
    petals = [RED, YELLOW, WHITE, ORANGE, "#E040C0", RED, YELLOW]
    flower_bed(svg, 3, 8, 13, 38, petals)
    flower_bed(svg, 58, 8, 13, 38, petals[2:] + petals[:2])
    flower_bed(svg, 3, 52, 29, 19, petals[1:] + petals[:1])
    flower_bed(svg, 42, 52, 29, 19, petals[3:] + petals[:3])
    # Path from the door between the beds.
    svg.rect(34, 44, 6, 29, SAND)
    svg.rect(3, 48, 68, 2, SAND)
    return svg


def draw_factory():
    svg = Svg()
    grass(svg)
    svg.rect(2, 66, 70, 7, GREY)
    # Water tank on braced legs.
    for x0, x1 in [(49, 47), (62, 64)]:
        svg.line(x0 + 0.5, 17, x1 + 0.5, 50, DARK_GREY, 2)
    svg.line(49, 24, 64, 36, DARK_GREY)
    svg.line(64, 24, 49, 36, DARK_GREY)
    svg.line(48, 40, 64, 40, DARK_GREY)
    svg.rect(46, 7, 20, 12, DARK_GREY)
    svg.rect(47, 8, 18, 10, LIGHT_GREY)
    svg.rect(59, 8, 6, 10, GREY)
    svg.rect(48, 9, 2, 8, WHITE)
    svg.poly([(45, 8), (56, 1), (67, 8)], DARK_GREY)
    svg.poly([(48, 7), (56, 2.5), (64, 7)], GREY)
    # Sheds with a sawtooth roof of north lights.
    svg.rect(2, 38, 42, 34, DARK_GREY)
    svg.rect(3, 46, 40, 25, LIGHT_GREY)
    for i in range(4):
        x0 = 3 + 10 * i
        svg.poly([(x0, 46), (x0, 37), (x0 + 10, 46)], GREY)
        svg.rect(x0, 38, 2, 8, WINDOW)
        svg.line(x0 + 2, 38, x0 + 10, 45.5, DARK_GREY)
    svg.rect(2, 46, 42, 1, DARK_GREY)
    for x in range(6, 42, 6):
        svg.rect(x, 50, 4, 4, WINDOW)
    svg.rect(9, 58, 14, 13, DARK_GREY)
    for y in range(60, 71, 2):
        svg.rect(10, y, 12, 1, GREY)
    svg.rect(28, 59, 6, 12, BROWN)
    # A smaller shed behind, in a lower roof line.
    svg.rect(8, 26, 26, 12, DARK_GREY)
    svg.rect(9, 27, 24, 11, GREY)
    svg.rect(8, 24, 26, 3, DARK_GREY)
    for x in range(12, 32, 6):
        svg.rect(x, 30, 3, 3, WINDOW)
    # Domed tank.
    svg.rect(47, 54, 23, 17, DARK_GREY)
    svg.rect(48, 54, 21, 16, LIGHT_GREY)
    svg.rect(61, 54, 8, 16, GREY)
    svg.rect(50, 55, 2, 14, WHITE)
    svg.path("M47,55 A11.5,10 0 0,1 70,55 Z", fill=DARK_GREY)
    svg.path("M48,55 A10.5,9 0 0,1 69,55 Z", fill=LIGHT_GREY)
    svg.path("M51,50 A7,6 0 0,1 58,47", stroke=WHITE, width=2)
    svg.rect(57, 46, 3, 2, DARK_GREY)
    for y in range(57, 70, 3):
        svg.rect(54, y, 4, 1, DARK_GREY)
    svg.rect(54, 56, 1, 14, DARK_GREY)
    svg.rect(57, 56, 1, 14, DARK_GREY)
    # Pipe from the shed to the tank.
    svg.rect(44, 60, 3, 3, DARK_GREY)
    return svg


def block_letter(svg, letter, x, y, colour):
    """A large crisp sign letter (N, H or P), 14 x 16 pixels, with its top-left corner at (x, y)."""
    shapes = {
        "N": [[(0, 0), (4, 0), (10, 9), (10, 0), (14, 0), (14, 16), (10, 16), (4, 7), (4, 16), (0, 16)]],
        "H": [[(0, 0), (4, 0), (4, 6), (10, 6), (10, 0), (14, 0), (14, 16), (10, 16), (10, 10),
               (4, 10), (4, 16), (0, 16)]],
    }
    if letter == "P":
        # The bowl needs a hole, so P is one path with the even-odd rule.
        svg.path(f"M{x},{y} h11 l3,3 v5 l-3,3 h-7 v5 h-4 Z M{x + 4},{y + 3} h6 v5 h-6 Z",
                 fill=colour, extra=' fill-rule="evenodd"')
        return
    for shape in shapes[letter]:
        svg.poly([(x + px, y + py) for px, py in shape], colour)


def pixel_m(svg, x, y, colour):
    """A 7 x 6 pixel M for the small metro signs."""
    rows = ["##...##", "###.###", "##.#.##", "##...##", "##...##", "##...##"]
    for j, row in enumerate(rows):
        for i, c in enumerate(row):
            if c == "#":
                svg.rect(x + i, y + j, 1, 1, colour)


def sign_board(svg, x, y, board, border, letter, colour):
    """A 30 x 24 board on two posts, showing one large letter."""
    w, h = 30, 24
    svg.rect(x + 5, y + h, 2, 6, DARK_GREY)
    svg.rect(x + w - 7, y + h, 2, 6, DARK_GREY)
    svg.rect(x, y, w, h, BLACK)
    svg.rect(x + 1, y + 1, w - 2, h - 2, border)
    svg.rect(x + 3, y + 3, w - 6, h - 6, board)
    block_letter(svg, letter, x + 8, y + 4, colour)


def office_building(svg, wall, trim, top=30, door=WINDOW):
    """A two-storey public building across the lower part of the tile."""
    svg.rect(3, top, 68, 72 - top, BLACK)
    svg.rect(4, top + 1, 66, 70 - top, wall)
    svg.rect(4, top + 1, 66, 3, trim)
    for y in (top + 8, top + 20):
        for x in range(8, 68, 9):
            if 30 <= x <= 40 and y > top + 10:
                continue
            window(svg, x, y, 6, 7)
    svg.rect(29, 58, 16, 14, BLACK)
    svg.rect(30, 59, 14, 13, door)
    svg.rect(37, 59, 1, 13, BLACK)
    svg.rect(27, 56, 20, 2, trim)


def draw_hospital():
    svg = Svg()
    grass(svg)
    office_building(svg, WHITE, RED)
    sign_board(svg, 22, 1, WHITE, RED, "N", RED)
    return svg


def draw_police_station():
    svg = Svg()
    grass(svg)
    office_building(svg, LIGHT_GREY, "#1A4FA8")
    sign_board(svg, 22, 1, "#1A4FA8", WHITE, "P", WHITE)
    return svg


def draw_fire_station():
    svg = Svg()
    grass(svg)
    # Hose-drying tower.
    svg.rect(55, 10, 16, 62, BLACK)
    svg.rect(56, 11, 14, 61, LIGHT_GREY)
    svg.rect(65, 11, 5, 61, GREY)
    svg.poly([(53, 11), (63, 3), (73, 11)], ROOF)
    svg.rect(53, 10, 20, 2, DARK_RED)
    for y in (16, 28, 40):
        svg.rect(60, y, 4, 6, WINDOW)
    # Engine house with two red garage doors.
    svg.rect(2, 32, 54, 40, BLACK)
    svg.rect(3, 33, 52, 39, LIGHT_GREY)
    svg.rect(3, 33, 52, 3, RED)
    for x in (6, 30):
        svg.rect(x, 42, 20, 30, BLACK)
        svg.rect(x + 1, 43, 18, 29, RED)
        for y in range(46, 72, 4):
            svg.rect(x + 1, y, 18, 1, DARK_RED)
        svg.rect(x + 3, 45, 14, 4, WINDOW)
    sign_board(svg, 12, 1, RED, WHITE, "H", WHITE)
    return svg


def round_sign(svg, cx, cy, r, small):
    """The metro's round sign: a red ring round a white disc with a red M."""
    svg.circle(cx, cy, r, RED)
    svg.circle(cx, cy, r - 2, WHITE)
    if small:
        pixel_m(svg, cx - 3.5, cy - 3, RED)
    else:
        svg.poly([(cx + px, cy + py) for px, py in
                  [(-6, 5.5), (-6, -5.5), (-3, -5.5), (0, -0.5), (3, -5.5), (6, -5.5),
                   (6, 5.5), (3, 5.5), (3, 0.5), (0, 4.5), (-3, 0.5), (-3, 5.5)]], RED)


def draw_metro():
    svg = Svg()
    grass(svg)
    # Paved square with a tile pattern.
    svg.rect(2, 24, 70, 49, LIGHT_GREY)
    for x in range(2, 72, 7):
        svg.rect(x, 24, 1, 49, "#B4B4B4")
    for y in range(24, 73, 7):
        svg.rect(2, y, 70, 1, "#B4B4B4")
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
    svg.rect(13, 28, 48, 10, BLACK)
    svg.rect(14, 29, 46, 8, LIGHT_BLUE)
    for x in range(14, 60, 6):
        svg.rect(x, 29, 1, 8, WHITE)
    svg.rect(13, 36, 48, 2, DARK_GREY)
    # M signs: a large one over the canopy and one on a post at each side.
    svg.rect(36, 22, 2, 6, DARK_GREY)
    round_sign(svg, 37, 12.5, 12, small=False)
    for cx in (8, 65):
        svg.rect(cx - 1, 24, 2, 34, DARK_GREY)
        svg.rect(cx - 2, 57, 4, 2, BLACK)
        round_sign(svg, cx + 0.5, 19.5, 7, small=True)
    return svg


def draw_airport():
    svg = Svg()
    grass(svg)
    # Runway with edge lines, centre dashes and threshold bars.
    svg.rect(0, 44, W, 16, ASPHALT)
    svg.rect(0, 45, W, 1, WHITE)
    svg.rect(0, 58, W, 1, WHITE)
    for x in range(14, W, 9):
        svg.rect(x, 51, 5, 2, WHITE)
    for y in range(48, 57, 2):
        svg.rect(3, y, 7, 1, WHITE)
    # Apron and taxiway.
    svg.rect(4, 34, 42, 7, GREY)
    svg.rect(22, 41, 8, 3, GREY)
    # Terminal with a long glass front.
    svg.rect(3, 16, 40, 18, BLACK)
    svg.rect(4, 17, 38, 17, LIGHT_GREY)
    svg.rect(4, 17, 38, 2, WHITE)
    svg.rect(6, 22, 34, 5, WINDOW)
    for x in range(10, 40, 6):
        svg.rect(x, 22, 1, 5, WHITE)
    svg.rect(19, 28, 8, 6, DARK_GREY)
    svg.rect(20, 29, 6, 5, LIGHT_BLUE)
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
    svg.poly([(56, 50), (59, 52), (56, 54)], WHITE, BLACK)
    svg.poly([(45, 51), (49, 51), (44, 41), (42, 41)], WHITE, BLACK)
    svg.poly([(45, 53), (49, 53), (44, 63), (42, 63)], WHITE, BLACK)
    svg.poly([(37, 51), (39, 51), (37, 46), (36, 46)], WHITE, BLACK)
    svg.poly([(37, 53), (39, 53), (37, 58), (36, 58)], WHITE, BLACK)
    svg.rect(37, 51, 19, 1, WINDOW)
    # Runway lights along the grass.
    for x in range(6, W, 12):
        svg.rect(x, 62, 2, 2, YELLOW)
    return svg


def draw_park():
    svg = Svg()
    grass(svg)
    svg.rect(2, 2, 70, 71, "#36A636")
    # Winding sand path from the bottom left to the top right.
    svg.path("M-2,60 C18,58 22,40 34,36 S52,20 76,14", stroke=DARK_BROWN, width=7)
    svg.path("M-2,60 C18,58 22,40 34,36 S52,20 76,14", stroke=SAND, width=5)
    # Pond with a darker bank, ripples and a duck.
    svg.ellipse(51, 55, 19, 12, DARK_GREEN)
    svg.ellipse(51, 55, 17, 10, BLUE)
    svg.ellipse(47, 52, 9, 4, "#3A80E0")
    svg.rect(40, 56, 6, 1, LIGHT_BLUE)
    svg.rect(53, 60, 7, 1, LIGHT_BLUE)
    svg.rect(56, 50, 5, 1, LIGHT_BLUE)
    svg.rect(47, 58, 4, 3, WHITE)
    svg.rect(50, 56, 2, 2, WHITE)
    svg.rect(52, 57, 1, 1, ORANGE)
    # Trees.
    for cx, cy, r in [(12, 12, 8), (31, 10, 6), (10, 38, 6), (55, 33, 6),
                      (16, 66, 6), (66, 30, 5), (46, 6, 5)]:
        tree(svg, cx, cy, r)
    # A bench by the path.
    svg.rect(22, 27, 9, 2, BROWN)
    svg.rect(22, 25, 9, 1, DARK_BROWN)
    svg.rect(23, 29, 1, 2, DARK_BROWN)
    svg.rect(29, 29, 1, 2, DARK_BROWN)
    for x, y, c in [(28, 46, RED), (32, 52, YELLOW), (26, 56, WHITE), (64, 70, RED),
                    (36, 68, YELLOW), (62, 8, WHITE)]:
        flower(svg, x, y, c)
    return svg


def draw_supermarket():
    svg = Svg()
    grass(svg)
    # Car park strip in front.
    svg.rect(2, 64, 70, 9, DARK_GREY)
    for x in range(6, 70, 8):
        svg.rect(x, 66, 1, 7, WHITE)
    # Store: one wide hall with a glass front.
    svg.rect(2, 30, 70, 34, BLACK)
    svg.rect(3, 31, 68, 33, LIGHT_GREY)
    svg.rect(3, 31, 68, 4, GREY)
    svg.rect(6, 42, 62, 17, BLACK)
    svg.rect(7, 43, 60, 15, WINDOW)
    for x in range(7, 67, 8):
        svg.rect(x, 43, 1, 15, WHITE)
    svg.rect(7, 44, 60, 1, LIGHT_BLUE)
    svg.rect(30, 46, 14, 18, BLACK)
    svg.rect(31, 47, 6, 17, LIGHT_BLUE)
    svg.rect(38, 47, 5, 17, LIGHT_BLUE)
    svg.rect(3, 38, 68, 2, RED)
    # The red market sign on the roof with a white shopping trolley.
    svg.rect(20, 26, 2, 5, DARK_GREY)
    svg.rect(52, 26, 2, 5, DARK_GREY)
    svg.rect(11, 3, 52, 24, BLACK)
    svg.rect(12, 4, 50, 22, RED)
    svg.frame(14, 6, 46, 18, WHITE)
    svg.path("M20,9.5 L25,9.5 L28,18.5 L48,18.5", stroke=WHITE, width=2)
    svg.poly([(25, 11), (54, 11), (51, 17), (27, 17)], WHITE)
    for x in (31, 37, 43):
        svg.rect(x, 12, 2, 4, RED)
    svg.circle(30, 21, 1.8, WHITE)
    svg.circle(46, 21, 1.8, WHITE)
    return svg


def draw_car_park():
    svg = Svg()
    grass(svg)
    svg.rect(2, 2, 70, 56, ASPHALT)
    # Bays on both sides of the driving lane.
    for x in range(3, 72, 9):
        svg.rect(x, 3, 1, 15, WHITE)
        svg.rect(x, 37, 1, 15, WHITE)
    svg.rect(3, 3, 64, 1, WHITE)
    svg.rect(3, 51, 64, 1, WHITE)
    for i in range(3):
        svg.rect(12 + 16 * i, 27, 8, 1, WHITE)
        svg.poly([(20 + 16 * i, 25), (23 + 16 * i, 27.5), (20 + 16 * i, 30)], WHITE)
    bays_top = [RED, None, YELLOW, WINDOW, None, WHITE, ORANGE]
    bays_bottom = [WHITE, ORANGE, None, RED, LIGHT_GREEN, None, YELLOW]
    for i, c in enumerate(bays_top):
        if c:
            big_car(svg, 5 + 9 * i, 5, c)
    for i, c in enumerate(bays_bottom):
        if c:
            big_car(svg, 5 + 9 * i, 39, c)
    # Entrance road at the bottom with a booth and a striped barrier.
    svg.rect(48, 58, 16, 17, ASPHALT)
    svg.rect(2, 58, 46, 2, DARK_GREEN)
    svg.rect(64, 58, 8, 2, DARK_GREEN)
    svg.rect(36, 56, 9, 10, BLACK)
    svg.rect(37, 57, 7, 9, LIGHT_GREY)
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


def cooling_tower(svg, cx):
    left = f"M{cx - 15},70 C{cx - 8},50 {cx - 7},30 {cx - 10},14 L{cx + 10},14 " \
           f"C{cx + 7},30 {cx + 8},50 {cx + 15},70 Z"
    svg.path(left, fill=LIGHT_GREY, stroke=BLACK, width=1)
    svg.path(f"M{cx + 3},70 C{cx + 4},50 {cx + 3},30 {cx + 2},14 L{cx + 10},14 "
             f"C{cx + 7},30 {cx + 8},50 {cx + 15},70 Z", fill=GREY)
    svg.path(left, stroke=BLACK, width=1)
    svg.ellipse(cx, 14, 10, 2, DARK_GREY, BLACK)
    radiation_sign(svg, cx, 48, 7)


def draw_power_plant():
    svg = Svg()
    grass(svg)
    svg.rect(2, 66, 70, 7, GREY)
    # Steam over both towers.
    for cx, cy, r in [(20, 8, 5), (26, 6, 5), (15, 5, 4), (22, 3, 4),
                      (54, 8, 5), (60, 6, 5), (49, 5, 4), (57, 3, 4)]:
        svg.circle(cx, cy, r, WHITE)
    svg.circle(23, 7, 3, "#E8E8E8")
    svg.circle(57, 7, 3, "#E8E8E8")
    cooling_tower(svg, 20)
    cooling_tower(svg, 54)
    return svg


def draw_block_of_flats():
    svg = Svg()
    grass(svg)
    # Flat roof seen from slightly above, with lift rooms.
    svg.rect(2, 12, 70, 6, BLACK)
    svg.rect(3, 13, 68, 4, GREY)
    for x in (14, 50):
        svg.rect(x, 8, 9, 6, BLACK)
        svg.rect(x + 1, 9, 7, 5, LIGHT_GREY)
    # Long front of prefabricated panels.
    svg.rect(2, 17, 70, 53, BLACK)
    svg.rect(3, 18, 68, 51, LIGHT_GREY)
    svg.rect(3, 18, 68, 2, DARK_GREY)
    for floor in range(5):
        y = 22 + 8 * floor
        svg.rect(3, y + 6, 68, 1, GREY)
        for col in range(9):
            x = 5 + 7 * col
            if floor == 4 and col in (2, 6):
                continue
            svg.rect(x, y, 5, 5, WINDOW)
            svg.rect(x, y, 5, 1, DARK_GREY)
            svg.rect(x + 1, y + 1, 1, 2, LIGHT_BLUE)
    # Coloured stairwell strips and entrances.
    for x in (19, 47):
        svg.rect(x, 21, 4, 39, ORANGE)
        svg.rect(x - 1, 61, 6, 9, BLACK)
        svg.rect(x, 62, 4, 8, BROWN)
        svg.rect(x - 3, 59, 10, 2, DARK_GREY)
    svg.rect(2, 70, 70, 3, GREY)
    return svg


def draw_railway_station():
    svg = Svg()
    grass(svg)
    # The track across rows 8 to 21, edge to edge: ballast, sleepers, rails.
    # Rails and sleepers line up with the rail track that continues east of
    # this lot (its sleepers fall on every sixth column from column 3 here).
    svg.rect(0, 8, W, 14, GREY)
    for x in range(3, W, 6):
        svg.rect(x, 9, 2, 12, BROWN)
        svg.rect(x + 2, 9, 1, 12, DARK_BROWN)
    for y in (11, 17):
        svg.rect(0, y, W, 1, LIGHT_GREY)
        svg.rect(0, y + 1, W, 1, DARK_GREY)
    # Platform along the track.
    svg.rect(0, 22, W, 6, LIGHT_GREY)
    svg.rect(0, 22, W, 1, WHITE)
    svg.rect(0, 23, W, 1, YELLOW)
    svg.rect(0, 27, W, 1, GREY)
    # Station building with a red roof, a clock and arched windows.
    svg.poly([(2, 40), (72, 40), (64, 29), (10, 29)], ROOF)
    svg.rect(2, 39, 70, 2, DARK_RED)
    svg.rect(10, 29, 54, 1, DARK_RED)
    svg.rect(4, 41, 66, 31, BLACK)
    svg.rect(5, 41, 64, 31, PALE_YELLOW)
    svg.rect(5, 41, 64, 2, "#D8D060")
    svg.poly([(26, 41), (37, 30), (48, 41)], PALE_YELLOW, BLACK)
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


def draw_bridge():
    svg = Svg()
    grass(svg)
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
    svg.rect(25, 48, 24, 3, "#1E56B0")
    svg.rect(19, 26, 36, 22, BLACK)
    svg.rect(20, 27, 34, 20, LIGHT_GREY)
    svg.rect(20, 30, 34, 14, DARK_GREY)
    svg.rect(20, 28, 34, 1, WHITE)
    svg.rect(20, 45, 34, 1, WHITE)
    for x in range(21, 54, 4):
        svg.rect(x, 27, 1, 3, GREY)
        svg.rect(x, 44, 1, 3, GREY)
    for x in range(3, W, 8):
        svg.rect(x, 37, 4, 1, WHITE)
    car_top(svg, 28, 31, RED)
    car_top(svg, 58, 38, YELLOW)
    return svg


def caption_tile(lines, font):
    """Black tile with a yellow frame and painted words, as in the selection slots."""
    svg = Svg()
    svg.rect(0, 0, W, H, BLACK)
    svg.frame(2, 2, W - 4, H - 4, YELLOW, 2)
    for text, size, baseline in lines:
        painted_words(svg, text, size, W / 2, baseline, font, edge=1.5)
    return svg


def draw_choose_building():
    return caption_tile([("vyber", 17, 33), ("stavbu", 17, 55)], FONT_CONDENSED)


def draw_other_buildings():
    return caption_tile([("speciální", 13, 33), ("stavby", 15, 54)], FONT_CONDENSED)


TILES = {
    "grey_tile": draw_grey_tile,
    "empty_lot": draw_empty_lot,
    "house_pool": draw_house_pool,
    "house_flowers": draw_house_flowers,
    "factory": draw_factory,
    "hospital": draw_hospital,
    "police_station": draw_police_station,
    "fire_station": draw_fire_station,
    "metro": draw_metro,
    "airport": draw_airport,
    "park": draw_park,
    "supermarket": draw_supermarket,
    "car_park": draw_car_park,
    "power_plant": draw_power_plant,
    "block_of_flats": draw_block_of_flats,
    "railway_station": draw_railway_station,
    "bridge": draw_bridge,
    "choose_building": draw_choose_building,
    "other_buildings": draw_other_buildings,
}


def main(argv):
    names = argv[1:] or list(TILES)
    for name in names:
        svg = TILES[name]()
        with open(os.path.join(OUT_DIR, name + ".svg"), "w", encoding="utf-8") as out:
            out.write(svg.source())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
