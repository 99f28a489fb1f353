#!/usr/bin/python3
"""Draws the SVG sources of the dialog and splash pictures.

Writes aeroplane, splash_title, naming_box_background, catalogue_background,
police_car, village_scene, track_stretch, rosette and banner into
assets/pictures/ (or the directory given as the first argument). Painted
letters are turned into paths with fontTools so the SVGs never depend on the
fonts installed where the game runs.

Needs fontTools (Debian: python3-fonttools) and the DejaVu fonts.
"""

import math
import os
import random
import sys

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "..", "..", "assets", "pictures")
BOLD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# The shared palette.
BLACK = "#000000"
YELLOW = "#FFFF00"
LETTER_EDGE = "#A03000"
FIELD = "#2F9A2F"
FIELD_DARK = "#1F7A1F"
FIELD_LIGHT = "#5CC05C"
RIVER = "#2A6FD6"
RIVER_LIGHT = "#6FA8F0"
ORANGE = "#FF8C1A"
BROWN = "#804000"
BROWN_DARK = "#5A2E00"
WALL_LIGHT = "#C8C8C8"
WALL = "#9A9A9A"
WALL_DARK = "#5A5A5A"
ROOF = "#C8402A"
WINDOW = "#4A90E2"
WHITE = "#FFFFFF"
RED = "#E01010"
PALE_YELLOW = "#FFFF80"


def num(v):
    """Short decimal form for coordinates."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def attrs(kw):
    return "".join(f' {k.rstrip("_").replace("_", "-")}="{v}"' for k, v in kw.items())


def pts(points):
    return " ".join(f"{num(x)},{num(y)}" for x, y in points)


class Svg:
    def __init__(self, name, width, height):
        self.name, self.w, self.h = name, width, height
        self.parts = []

    def add(self, text):
        self.parts.append(text)

    def rect(self, x, y, w, h, fill, **kw):
        self.add(f'<rect x="{num(x)}" y="{num(y)}" width="{num(w)}" height="{num(h)}" fill="{fill}"{attrs(kw)}/>')

    def circle(self, cx, cy, r, fill, **kw):
        self.add(f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="{fill}"{attrs(kw)}/>')

    def ellipse(self, cx, cy, rx, ry, fill, **kw):
        self.add(f'<ellipse cx="{num(cx)}" cy="{num(cy)}" rx="{num(rx)}" ry="{num(ry)}" fill="{fill}"{attrs(kw)}/>')

    def line(self, x1, y1, x2, y2, stroke, width=1, **kw):
        self.add(f'<line x1="{num(x1)}" y1="{num(y1)}" x2="{num(x2)}" y2="{num(y2)}" '
                 f'stroke="{stroke}" stroke-width="{num(width)}"{attrs(kw)}/>')

    def polygon(self, points, fill, **kw):
        self.add(f'<polygon points="{pts(points)}" fill="{fill}"{attrs(kw)}/>')

    def polyline(self, points, stroke, width=1, **kw):
        self.add(f'<polyline points="{pts(points)}" fill="none" stroke="{stroke}" '
                 f'stroke-width="{num(width)}"{attrs(kw)}/>')

    def path(self, d, fill, **kw):
        self.add(f'<path d="{d}" fill="{fill}"{attrs(kw)}/>')

    def save(self, directory):
        body = "\n".join(self.parts)
        text = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.w}" height="{self.h}" '
                f'viewBox="0 0 {self.w} {self.h}">\n{body}\n</svg>\n')
        with open(os.path.join(directory, self.name + ".svg"), "w", encoding="utf-8") as f:
            f.write(text)


# Lettering ---------------------------------------------------------------

_fonts = {}


def _font(path):
    if path not in _fonts:
        _fonts[path] = TTFont(path)
    return _fonts[path]


def _kerning(font):
    if "kern" not in font:
        return {}
    table = {}
    for sub in font["kern"].kernTables:
        table.update(getattr(sub, "kernTable", {}))
    return table


def text_width(text, size, font_path=BOLD_FONT, spacing=0.0):
    return text_outline(text, size, 0, 0, font_path=font_path, spacing=spacing)[1]


def text_outline(text, size, x, baseline, anchor="start", font_path=BOLD_FONT, spacing=0.0):
    """Path data of `text` set at `size` px with its baseline at `baseline`.

    Returns (path data, advance width). `anchor` is start, middle or end,
    as in SVG. `spacing` adds that many pixels between letters.
    """
    font = _font(font_path)
    glyphs = font.getGlyphSet()
    cmap = font.getBestCmap()
    kern = _kerning(font)
    scale = size / font["head"].unitsPerEm
    names = [cmap[ord(ch)] for ch in text]
    offsets = []
    pos = 0.0
    for i, name in enumerate(names):
        offsets.append(pos)
        pos += glyphs[name].width * scale + spacing
        if i + 1 < len(names):
            pos += kern.get((name, names[i + 1]), 0) * scale
    width = pos - spacing
    start = x - {"start": 0, "middle": width / 2, "end": width}[anchor]
    pen = SVGPathPen(glyphs, ntos=num)
    for name, off in zip(names, offsets):
        glyphs[name].draw(TransformPen(pen, (scale, 0, 0, -scale, start + off, baseline)))
    return pen.getCommands(), width


def outlined_text(svg, text, size, x, baseline, anchor="start", edge=2.0, fill=YELLOW, edge_colour=LETTER_EDGE,
                  spacing=0.0, shadow=None):
    """Yellow letters with an outline lying wholly outside the letter shapes.

    The outline is a stroke of twice the edge width drawn first, so the fill
    painted over it keeps the letters at full weight. `shadow` (dx, dy)
    adds a hard dark copy behind for depth.
    """
    d, width = text_outline(text, size, x, baseline, anchor, spacing=spacing)
    if shadow:
        svg.add(f'<g transform="translate({num(shadow[0])},{num(shadow[1])})">')
        svg.path(d, BLACK, stroke=BLACK, stroke_width=num(2 * edge), stroke_linejoin="round")
        svg.add("</g>")
    svg.path(d, edge_colour, stroke=edge_colour, stroke_width=num(2 * edge), stroke_linejoin="round")
    svg.path(d, fill)
    return width


def smooth(points):
    """Path data of a smooth curve through `points` (Catmull-Rom as cubic Beziers)."""
    d = [f"M{num(points[0][0])},{num(points[0][1])}"]
    for i in range(len(points) - 1):
        p0 = points[max(i - 1, 0)]
        p1, p2 = points[i], points[i + 1]
        p3 = points[min(i + 2, len(points) - 1)]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d.append(f"C{num(c1[0])},{num(c1[1])} {num(c2[0])},{num(c2[1])} {num(p2[0])},{num(p2[1])}")
    return " ".join(d)


def smooth_area(points, corners):
    """Closed area: a smooth edge through `points`, then straight lines through `corners`."""
    tail = " ".join(f"L{num(x)},{num(y)}" for x, y in corners)
    return f"{smooth(points)} {tail} Z"


# Shared motifs -----------------------------------------------------------

def radiation_sign(svg, cx, cy, r):
    """Yellow disc with the black trefoil."""
    svg.circle(cx, cy, r, YELLOW, stroke=BLACK, stroke_width="1")
    inner, outer = r * 0.22, r * 0.85
    for k in range(3):
        a0 = math.radians(-90 - 30 + 120 * k)
        a1 = math.radians(-90 + 30 + 120 * k)
        p = [(cx + inner * math.cos(a0), cy + inner * math.sin(a0)),
             (cx + outer * math.cos(a0), cy + outer * math.sin(a0)),
             (cx + outer * math.cos(a1), cy + outer * math.sin(a1)),
             (cx + inner * math.cos(a1), cy + inner * math.sin(a1))]
        d = (f"M{num(p[0][0])},{num(p[0][1])} L{num(p[1][0])},{num(p[1][1])} "
             f"A{num(outer)},{num(outer)} 0 0 1 {num(p[2][0])},{num(p[2][1])} "
             f"L{num(p[3][0])},{num(p[3][1])} "
             f"A{num(inner)},{num(inner)} 0 0 0 {num(p[0][0])},{num(p[0][1])} Z")
        svg.path(d, BLACK)
    svg.circle(cx, cy, r * 0.14, BLACK)


def small_flower(svg, cx, cy, petal=RED, heart=YELLOW, r=1.6):
    """A five-petal flower a few pixels across."""
    for k in range(5):
        a = math.radians(-90 + 72 * k)
        svg.circle(cx + r * 1.1 * math.cos(a), cy + r * 1.1 * math.sin(a), r, petal)
    svg.circle(cx, cy, r * 0.8, heart)


def close_mark(svg, x, y, w, h, radius):
    """Yellow rounded box with a thin red X: the dialogs' close mark."""
    svg.rect(x, y, w, h, YELLOW, rx=radius, ry=radius)
    m = 8
    svg.line(x + m, y + m * 0.8, x + w - m, y + h - m * 0.8, RED, 2, stroke_linecap="round")
    svg.line(x + w - m, y + m * 0.8, x + m, y + h - m * 0.8, RED, 2, stroke_linecap="round")


def flowers_avoiding(svg, rng, count, area, keep_out, petal=RED, heart=YELLOW, r=1.6):
    """Scatters flowers over `area` (x0, y0, x1, y1) outside the `keep_out` boxes."""
    placed = []
    x0, y0, x1, y1 = area
    tries = 0
    while len(placed) < count and tries < 5000:
        tries += 1
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        if any(a - 7 <= x <= c + 7 and b - 7 <= y <= d + 7 for a, b, c, d in keep_out):
            continue
        if any((x - px) ** 2 + (y - py) ** 2 < 18 ** 2 for px, py in placed):
            continue
        placed.append((x, y))
        small_flower(svg, round(x) + 0.5, round(y) + 0.5, petal, heart, r)


# The pictures ------------------------------------------------------------

def banner():
    svg = Svg("banner", 494, 104)
    svg.rect(0, 0, 494, 104, BLACK)
    word = "Gratulations"
    size = 80
    size *= 462 / text_width(word, size)
    outlined_text(svg, word, size, 247, 52 + size * 0.36, "middle", edge=2.5, shadow=(3, 3))
    return svg


def track_stretch():
    svg = Svg("track_stretch", 145, 29)
    svg.rect(0, 0, 145, 29, FIELD)
    # A strip of darker grass and gravel under the sleepers.
    svg.rect(0, 3, 145, 23, FIELD_DARK)
    svg.rect(0, 5, 145, 19, "#8A7A60")
    for x in range(2, 145, 9):
        svg.rect(x, 3, 5, 23, BROWN)
        svg.rect(x, 3, 1, 23, "#9A5A1A")
        svg.rect(x + 4, 3, 1, 23, BROWN_DARK)
    for top in (8, 18):
        svg.rect(0, top, 145, 3, WALL_DARK)
        svg.rect(0, top, 145, 1, WALL_LIGHT)
    return svg


def catalogue_background():
    svg = Svg("catalogue_background", 417, 306)
    svg.rect(0, 0, 417, 306, "#804000")
    svg.rect(3, 3, 411, 300, "#008000")
    rng = random.Random(7)
    panel = (75, 22, 364, 266)
    close = (3, 4, 45, 36)
    flowers_avoiding(svg, rng, 48, (9, 9, 408, 297), [panel, close], RED, YELLOW, 2.0)
    # Panel: inside spans 76..363 x 23..265, outline on the pixel just outside.
    svg.rect(75.5, 22.5, 289, 244, "#804000", stroke=BLACK, stroke_width="1", rx="9", ry="9")
    close_mark(svg, 3, 4, 43, 33, 7)
    return svg


def naming_box_background():
    svg = Svg("naming_box_background", 318, 236)
    svg.rect(0, 0, 318, 236, BROWN_DARK)
    svg.rect(2, 2, 314, 232, BROWN)
    svg.rect(5, 5, 308, 226, FIELD)
    rng = random.Random(3)
    panel = (76, 31, 248, 209)
    close = (0, 0, 48, 40)
    flowers_avoiding(svg, rng, 24, (10, 10, 308, 226), [panel, close], RED, YELLOW, 2.0)
    # The credits labels have the same brown as their background, so they melt into the panel.
    svg.rect(76.5, 31.5, 171, 178, BROWN, stroke=BROWN_DARK, stroke_width="1", rx="12", ry="12")
    close_mark(svg, 2, 2, 44, 36, 7)
    return svg


def aeroplane():
    svg = Svg("aeroplane", 158, 51)
    cyan = "#00FFFF"
    # Far-side tail plane and wing, drawn first so the body covers their roots.
    svg.polygon([(10, 25), (30, 24), (34, 27), (13, 28)], WALL_LIGHT, stroke=WALL_DARK, stroke_width="1")
    # Tail fin, swept back, with the airline's emblem.
    svg.polygon([(5, 2), (17, 2), (44, 21), (15, 22)], WHITE, stroke=WALL_DARK, stroke_width="1")
    svg.polygon([(7, 3), (16, 3), (26, 10), (11, 10)], "#1E4FD0")
    svg.circle(20, 12, 4.5, ORANGE, stroke=RED, stroke_width="1.2")
    # Fuselage.
    body = ("M13,20 L138,20 C148,20 155,25 156,29 C156.5,32 153,34.5 146,34.5 "
            "L46,34.5 C33,34.5 21,30 11,23 Z")
    svg.path(body, WHITE, stroke=WALL_DARK, stroke_width="1")
    svg.path("M46,31 L150,31 C153,31 155,32 154,33 C152,34 150,34.5 146,34.5 L46,34.5 C40,34.5 35,33.5 30,32 Z",
             "#DCDCDC")
    # Cheat line under the windows.
    svg.polygon([(28, 28), (152, 28), (153, 30), (32, 30)], "#1E4FD0")
    # Passenger windows and the cockpit.
    for x in range(34, 136, 5):
        svg.rect(x, 23, 2, 3, cyan)
    svg.polygon([(142, 23), (149, 23), (153, 27), (142, 27)], "#1E4FD0")
    svg.polygon([(143, 24), (148, 24), (151, 26), (143, 26)], cyan)
    svg.rect(125, 22, 3, 7, "none", stroke=WALL, stroke_width="0.8")
    svg.rect(40, 22, 3, 7, "none", stroke=WALL, stroke_width="0.8")
    # Near wing, swept back, with its engine hanging below.
    svg.polygon([(72, 32), (98, 32), (70, 47), (58, 47)], WALL_LIGHT, stroke=WALL_DARK, stroke_width="1")
    svg.path("M74,38 L93,38 C96,38 97,40 97,41.5 C97,43 96,45 93,45 L74,45 Z", WALL_LIGHT,
             stroke=WALL_DARK, stroke_width="1")
    svg.rect(94, 39, 2, 5, WALL_DARK)
    # Near tail plane.
    svg.polygon([(14, 27), (36, 28), (32, 31), (10, 31)], WHITE, stroke=WALL_DARK, stroke_width="1")
    return svg


def police_car():
    svg = Svg("police_car", 98, 38)
    blue = "#1E4FD0"
    body = [(3, 17), (20, 15), (29, 6), (64, 6), (75, 15), (93, 17), (96, 20), (96, 29), (94, 31),
            (4, 31), (2, 29), (2, 19)]
    svg.polygon(body, WHITE, stroke=BLACK, stroke_width="1", stroke_linejoin="round")
    # Roof light bar.
    svg.rect(40, 2, 7, 4, blue, stroke=BLACK, stroke_width="0.6")
    svg.rect(47, 2, 7, 4, RED, stroke=BLACK, stroke_width="0.6")
    svg.rect(41, 2.5, 3, 1, RIVER_LIGHT)
    # Side windows with the door pillar between them.
    svg.polygon([(23, 15), (31, 8), (46, 8), (46, 15)], RIVER_LIGHT, stroke=WALL_DARK, stroke_width="0.8")
    svg.polygon([(49, 8), (63, 8), (71, 15), (49, 15)], RIVER_LIGHT, stroke=WALL_DARK, stroke_width="0.8")
    # Stripe, door seams and handle.
    svg.rect(3, 17, 93, 2, blue)
    svg.line(47.5, 15, 47.5, 30, WALL, 1)
    svg.line(72.5, 16, 72.5, 30, WALL, 1)
    svg.rect(51, 20, 3, 1, WALL_DARK)
    d, _ = text_outline("police", 10, 48.5, 28, "middle")
    svg.path(d, blue)
    # Lamps.
    svg.rect(92, 19, 4, 3, YELLOW, stroke=ORANGE, stroke_width="0.6")
    svg.rect(2, 19, 3, 3, RED)
    svg.rect(86, 27, 10, 2, WALL)
    svg.rect(2, 27, 8, 2, WALL)
    # Wheels in their arches.
    for cx in (20, 78):
        svg.circle(cx, 30, 8.5, WALL_DARK)
        svg.circle(cx, 30, 7, BLACK)
        svg.circle(cx, 30, 3.5, WALL_LIGHT)
        svg.circle(cx, 30, 1.2, WALL_DARK)
    return svg


def rosette():
    svg = Svg("rosette", 116, 151)
    svg.rect(0, 0, 116, 151, BLACK)
    cx, cy = 58, 56
    # Ribbon tails behind the sunburst, each ending in a notch.
    ribbon, ribbon_dark = "#2050E0", "#102A80"
    for side in (-1, 1):
        def m(x):
            return cx + side * (x - cx)
        tail = [(m(46), 84), (m(60), 88), (m(42), 150), (m(34), 140), (m(24), 147)]
        svg.polygon(tail, ribbon, stroke=ribbon_dark, stroke_width="1.2", stroke_linejoin="round")
        svg.polyline([(m(53), 87), (m(34), 140)], RIVER_LIGHT, 2)
    # Sunburst.
    rays = []
    for k in range(48):
        r = 55 if k % 2 == 0 else 42
        a = math.radians(-90 + 7.5 * k)
        rays.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    svg.polygon(rays, YELLOW, stroke="#C08000", stroke_width="1", stroke_linejoin="round")
    svg.circle(cx, cy, 39, "#FFD000", stroke="#C08000", stroke_width="1")
    # The red disc with the orange sun and the city before it.
    r = 34
    svg.circle(cx, cy, r, "#D01818", stroke="#801010", stroke_width="1")
    svg.circle(cx + 2, cy - 6, 18, ORANGE)
    svg.circle(cx + 2, cy - 6, 13, "#FFB040")
    tops = [(24, 72), (31, 64), (37, 57), (43, 67), (49, 52), (55, 47), (62, 62), (69, 55), (76, 66), (83, 60),
            (90, 70)]
    edges = [t[0] for t in tops] + [93]

    def roof(x):
        for i, (x0, top) in enumerate(tops):
            if x0 <= x < edges[i + 1]:
                return top
        return cy + r

    inner = r - 0.5
    outline = []
    x = cx - inner
    steps = []
    while x <= cx + inner:
        steps.append(x)
        x += 0.5
    for e in edges:
        steps.extend([e - 0.001, e])
    for x in sorted(set(s for s in steps if cx - inner <= s <= cx + inner)):
        half = math.sqrt(max(inner * inner - (x - cx) ** 2, 0))
        outline.append((x, min(max(roof(x), cy - half), cy + half)))
    for x in sorted(steps, reverse=True):
        if cx - inner <= x <= cx + inner:
            half = math.sqrt(max(inner * inner - (x - cx) ** 2, 0))
            outline.append((x, cy + half))
    svg.polygon(outline, "#401010")
    # Lit windows.
    for i, (x0, top) in enumerate(tops):
        x1 = edges[i + 1]
        for wy in range(top + 3, 86, 4):
            for wx in range(x0 + 2, x1 - 2, 3):
                if (wx - cx) ** 2 + (wy + 1 - cy) ** 2 < (r - 4) ** 2 and (wx * 7 + wy * 3) % 5 != 0:
                    svg.rect(wx, wy, 1, 2, PALE_YELLOW)
    return svg


def tree(svg, x, base, height, crown):
    """A round deciduous tree standing with its trunk foot at (x, base)."""
    trunk_w = max(2, round(crown * 0.25))
    svg.rect(round(x - trunk_w / 2), base - height * 0.45, trunk_w, height * 0.45, BROWN_DARK)
    cy = base - height + crown
    svg.circle(x, cy, crown, FIELD_DARK)
    svg.circle(x - crown * 0.45, cy + crown * 0.3, crown * 0.7, FIELD_DARK)
    svg.circle(x + crown * 0.45, cy + crown * 0.25, crown * 0.7, FIELD_DARK)
    svg.circle(x - crown * 0.3, cy - crown * 0.3, crown * 0.45, "#3FAE3F")
    svg.circle(x + crown * 0.2, cy + crown * 0.1, crown * 0.3, "#3FAE3F")


def cooling_tower(svg, x0, x1, top, base, sign=True):
    """Hyperboloid cooling tower between columns x0..x1, from row top to row base."""
    w = x1 - x0
    waist = top + (base - top) * 0.55
    d = (f"M{num(x0 + w * 0.2)},{num(top)} L{num(x1 - w * 0.2)},{num(top)} "
         f"C{num(x1 - w * 0.27)},{num(waist - 10)} {num(x1 - w * 0.27)},{num(waist)} {num(x1 - w * 0.22)},{num(waist + 8)} "
         f"C{num(x1 - w * 0.12)},{num(base - 20)} {num(x1)},{num(base - 5)} {num(x1)},{num(base)} "
         f"L{num(x0)},{num(base)} "
         f"C{num(x0)},{num(base - 5)} {num(x0 + w * 0.12)},{num(base - 20)} {num(x0 + w * 0.22)},{num(waist + 8)} "
         f"C{num(x0 + w * 0.27)},{num(waist)} {num(x0 + w * 0.27)},{num(waist - 10)} {num(x0 + w * 0.2)},{num(top)} Z")
    svg.path(d, WALL_LIGHT, stroke=WALL_DARK, stroke_width="1.5")
    # Shaded right flank.
    d2 = (f"M{num(x1 - w * 0.32)},{num(top)} L{num(x1 - w * 0.2)},{num(top)} "
          f"C{num(x1 - w * 0.27)},{num(waist - 10)} {num(x1 - w * 0.27)},{num(waist)} {num(x1 - w * 0.22)},{num(waist + 8)} "
          f"C{num(x1 - w * 0.12)},{num(base - 20)} {num(x1)},{num(base - 5)} {num(x1)},{num(base)} "
          f"L{num(x1 - w * 0.2)},{num(base)} "
          f"C{num(x1 - w * 0.28)},{num(base - 25)} {num(x1 - w * 0.4)},{num(waist)} {num(x1 - w * 0.32)},{num(top)} Z")
    svg.path(d2, WALL)
    svg.ellipse((x0 + x1) / 2, top, w * 0.3, 3, WALL_DARK, stroke=WALL_DARK, stroke_width="1")
    if sign:
        radiation_sign(svg, (x0 + x1) / 2, base - (base - top) * 0.3, w * 0.16)


def steam(svg, puffs):
    for x, y, r in puffs:
        svg.circle(x, y, r, WALL_LIGHT)
    for x, y, r in puffs:
        svg.circle(x - r * 0.2, y - r * 0.2, r * 0.8, WHITE)


def splash_title():
    svg = Svg("splash_title", 501, 243)
    svg.rect(0, 0, 501, 243, BLACK)
    # Back hill and the steam of the tower behind the town.
    svg.path(smooth_area([(0, 200), (90, 168), (200, 160), (330, 172), (420, 160), (501, 170)],
                         [(501, 243), (0, 243)]), FIELD_DARK)
    steam(svg, [(446, 54, 11), (452, 42, 13), (462, 30, 13), (474, 22, 11), (488, 18, 8)])
    cooling_tower(svg, 402, 490, 62, 198)
    # Block of flats.
    svg.rect(24, 96, 96, 104, WALL_LIGHT, stroke=WALL_DARK, stroke_width="2")
    svg.rect(20, 90, 104, 7, WALL_DARK)
    for row in range(7):
        for col in range(8):
            svg.rect(31 + col * 11, 102 + row * 13, 6, 7, WINDOW)
    svg.rect(64, 190, 14, 10, BROWN_DARK)
    # Shop with a striped awning and an empty sign board.
    svg.rect(146, 150, 88, 50, "#E8E0C8", stroke=WALL_DARK, stroke_width="2")
    svg.rect(152, 139, 76, 12, RED, stroke=BROWN_DARK, stroke_width="1")
    for i in range(8):
        svg.rect(145 + i * 11, 158, 11, 9, RED if i % 2 == 0 else WHITE)
    svg.rect(152, 172, 30, 20, WINDOW, stroke=WALL_DARK, stroke_width="1")
    svg.rect(198, 172, 30, 20, WINDOW, stroke=WALL_DARK, stroke_width="1")
    svg.rect(185, 176, 10, 24, BROWN)
    # Trees between the shop and the tower.
    tree(svg, 290, 200, 78, 21)
    tree(svg, 362, 198, 56, 15)
    # Front hill.
    svg.path(smooth_area([(0, 212), (100, 196), (250, 192), (400, 196), (501, 206)], [(501, 243), (0, 243)]), FIELD)
    svg.path(smooth([(0, 212), (100, 196), (250, 192), (400, 196), (501, 206)]), "none",
             stroke=FIELD_LIGHT, stroke_width="2")
    for x, y in [(40, 222), (120, 230), (205, 214), (330, 226), (450, 220), (260, 236), (80, 238), (390, 236)]:
        small_flower(svg, x + 0.5, y + 0.5, RED, YELLOW, 1.4)
    # The product name over the scene, left of the tower.
    word = "Tarvik"
    size = 150
    size *= 372 / text_width(word, size)
    outlined_text(svg, word, size, 14, 110, "start", edge=3, shadow=(4, 4))
    return svg

def cloud(svg, x, y, w):
    h = w * 0.3
    svg.ellipse(x, y, w * 0.5, h * 0.35, WHITE)
    svg.circle(x - w * 0.15, y - h * 0.35, h * 0.55, WHITE)
    svg.circle(x + w * 0.12, y - h * 0.45, h * 0.7, WHITE)


def church(svg):
    wall, wall_edge = "#F0ECE0", WALL_DARK
    # Nave with its red roof.
    svg.rect(66, 248, 88, 54, wall, stroke=wall_edge, stroke_width="1")
    svg.polygon([(60, 249), (72, 224), (148, 224), (160, 249)], ROOF, stroke=BROWN_DARK, stroke_width="1")
    for x in (82, 104, 126):
        svg.path(f"M{x},290 L{x},270 C{x},263 {x + 10},263 {x + 10},270 L{x + 10},290 Z", WINDOW,
                 stroke=wall_edge, stroke_width="1")
    # Tower with clock, belfry and spire.
    svg.rect(34, 196, 32, 106, wall, stroke=wall_edge, stroke_width="1")
    svg.path("M42,302 L42,284 C42,276 58,276 58,284 L58,302 Z", BROWN, stroke=BROWN_DARK, stroke_width="1")
    svg.circle(50, 232, 7, WHITE, stroke=BLACK, stroke_width="1")
    svg.line(50, 232, 50, 227, BLACK, 1)
    svg.line(50, 232, 53, 233, BLACK, 1)
    svg.path("M44,214 L44,206 C44,201 56,201 56,206 L56,214 Z", BLACK)
    svg.polygon([(30, 197), (50, 132), (70, 197)], "#3A8A7A", stroke="#1E5A4E", stroke_width="1")
    svg.line(50, 132, 50, 116, "#C8A000", 2)
    svg.line(44.5, 122, 55.5, 122, "#C8A000", 2)


def village_house(svg):
    svg.rect(496, 248, 106, 58, "#F2E6C8", stroke=WALL_DARK, stroke_width="1")
    svg.rect(568, 204, 10, 26, "#A04030", stroke=BROWN_DARK, stroke_width="1")
    svg.polygon([(486, 250), (549, 208), (612, 250)], ROOF, stroke=BROWN_DARK, stroke_width="1")
    svg.circle(549, 234, 6, WINDOW, stroke=WHITE, stroke_width="2")
    for x in (508, 568):
        svg.rect(x, 262, 20, 18, WINDOW, stroke=WHITE, stroke_width="2")
        svg.line(x + 10, 262, x + 10, 280, WHITE, 2)
    svg.rect(540, 272, 18, 34, BROWN, stroke=BROWN_DARK, stroke_width="1")
    svg.rect(553, 288, 2, 2, YELLOW)


def village_scene():
    W, H = 664, 436
    svg = Svg("village_scene", W, H)
    # Sky: kept plain where the dialogs' texts lie on it.
    svg.rect(0, 0, W, H, RIVER_LIGHT)
    svg.circle(30, 34, 18, YELLOW, stroke=ORANGE, stroke_width="2")
    cloud(svg, 160, 88, 70)
    cloud(svg, 560, 112, 80)
    cloud(svg, 380, 128, 50)
    # Far hills, then nearer ones.
    svg.path(smooth_area([(0, 182), (70, 158), (160, 172), (250, 150), (330, 176), (420, 156), (520, 142),
                          (600, 160), (664, 150)], [(664, H), (0, H)]), "#7FC87F")
    svg.path(smooth_area([(0, 214), (90, 196), (200, 208), (300, 196), (360, 200), (460, 186), (560, 200),
                          (664, 190)], [(664, H), (0, H)]), FIELD_LIGHT)
    svg.path(smooth_area([(0, 250), (120, 238), (260, 246), (400, 240), (520, 246), (664, 236)],
                         [(664, H), (0, H)]), FIELD)
    # Field strips on the far hills.
    for patch in ([(420, 176), (470, 168), (480, 186), (430, 192)], [(120, 196), (170, 190), (178, 204), (126, 208)]):
        svg.polygon(patch, "#A8D860")
    # The river, from a gap in the hills down the middle towards the viewer.
    left = [(337, 198), (322, 230), (290, 262), (250, 292), (222, 318), (206, 352), (192, 390), (176, 436)]
    right = [(341, 198), (340, 230), (322, 262), (300, 292), (282, 318), (278, 352), (286, 390), (304, 436)]
    d = smooth(left) + " L" + smooth(list(reversed(right)))[1:] + " Z"
    svg.path(d, RIVER)
    svg.path(smooth(left), "none", stroke=BROWN, stroke_width="2")
    svg.path(smooth(right), "none", stroke=BROWN, stroke_width="2")
    # A shoulder of the hill hides where the river comes from.
    svg.ellipse(344, 204, 30, 8, FIELD_LIGHT)
    svg.path("M318,206 C328,213 356,214 370,205", "none", stroke="#48AC48", stroke_width="1.5")
    for x, y, w in [(318, 232, 8), (296, 258, 12), (262, 286, 14), (240, 306, 16), (222, 390, 20),
                    (256, 404, 18), (210, 420, 14), (268, 426, 16)]:
        svg.line(x, y + 0.5, x + w, y + 0.5, RIVER_LIGHT, 1)
    # Trees and the two buildings behind the road.
    tree(svg, 180, 300, 56, 15)
    tree(svg, 200, 290, 40, 10)
    church(svg)
    tree(svg, 455, 302, 64, 17)
    tree(svg, 630, 304, 60, 16)
    village_house(svg)
    svg.rect(488, 300, 124, 6, "#B08040")
    for x in range(490, 612, 6):
        svg.rect(x, 296, 2, 10, WHITE)
    # Road across the scene; the police car drives on it with its wheels near row 349.
    svg.rect(0, 318, W, 34, WALL)
    svg.rect(0, 318, W, 2, WALL_DARK)
    svg.rect(0, 350, W, 2, WALL_DARK)
    for x in range(6, W, 28):
        svg.rect(x, 334, 14, 2, WHITE)
    # Road bridge over the river, its right end at column 291.
    stone, stone_dark = WALL_LIGHT, WALL_DARK
    svg.rect(188, 352, 104, 26, stone, stroke=stone_dark, stroke_width="1")
    svg.path("M206,378 L206,370 C206,356 276,356 276,370 L276,378 Z", "#1A4A9A")
    svg.path("M206,378 C206,356 276,356 276,378", "none", stroke=stone_dark, stroke_width="1")
    for x in range(192, 291, 12):
        svg.line(x + 0.5, 352, x + 0.5, 356, stone_dark, 1)
    svg.rect(188, 308, 104, 10, stone, stroke=stone_dark, stroke_width="1")
    svg.rect(188, 306, 104, 3, WALL)
    for x in range(194, 290, 12):
        svg.line(x + 0.5, 309, x + 0.5, 318, WALL, 1)
    svg.rect(188, 344, 104, 8, stone, stroke=stone_dark, stroke_width="1")
    svg.rect(186, 302, 6, 50, WALL, stroke=stone_dark, stroke_width="1")
    svg.rect(287, 302, 6, 50, WALL, stroke=stone_dark, stroke_width="1")
    # Foreground meadow: flowers and bushes.
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
        svg.circle(x, y, r, FIELD_DARK)
        svg.circle(x - r * 0.3, y - r * 0.3, r * 0.4, "#3FAE3F")
    return svg


PICTURES = [village_scene, splash_title, aeroplane, police_car, rosette, banner, track_stretch, catalogue_background,
            naming_box_background]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else OUT_DIR
    for make in PICTURES:
        make().save(out)


if __name__ == "__main__":
    main()
