"""The dialogs' own pictures: the naming box and catalogue backgrounds,
and the victory banner and rosette.
"""

import math
import random

from .lettering import lettering, paint
from .motifs import small_flower
from .palette import BLACK, BROWN, DARK_BROWN, GREEN, LIGHT_BLUE, ORANGE, PALE_YELLOW, RED, YELLOW
from .svg import Svg


def close_mark(svg, x, y, w, h, radius):
    """Yellow rounded box with a thin red X: the dialogs' close mark."""
    svg.rect(x, y, w, h, YELLOW, rx=radius, ry=radius)
    m = 8
    svg.line(x + m, y + m * 0.8, x + w - m, y + h - m * 0.8, RED, 2, stroke_linecap="round")
    svg.line(x + w - m, y + m * 0.8, x + m, y + h - m * 0.8, RED, 2, stroke_linecap="round")


def flowers_avoiding(svg, rng, count, area, keep_out):
    """Scatters red flowers over `area` (x0, y0, x1, y1) outside the `keep_out` boxes."""
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
        small_flower(svg, round(x) + 0.5, round(y) + 0.5, RED, YELLOW, 2.0)


def meadow_dialog(size, borders, flowers, panel, close):
    """A dialog's background: borders round a meadow of flowers, a rounded
    brown panel for the dialog's controls, and the close mark.

    borders: (inset, colour) from the outside in; flowers: (random seed,
    count, margin from the edge, boxes to keep clear); panel: (x, y, w, h,
    outline colour, corner radius); close: the close mark's (x, y, w, h).
    """
    width, height = size
    svg = Svg(width, height)
    for inset, colour in borders:
        svg.rect(inset, inset, width - 2 * inset, height - 2 * inset, colour)
    seed, count, margin, keep_out = flowers
    flowers_avoiding(svg, random.Random(seed), count, (margin, margin, width - margin, height - margin), keep_out)
    x, y, w, h, edge, radius = panel
    svg.rect(x, y, w, h, BROWN, stroke=edge, stroke_width="1", rx=radius, ry=radius)
    close_mark(svg, *close, 7)
    return svg


def catalogue_background():
    # The panel's inside spans 76..363 x 23..265, its outline on the pixel just outside.
    return meadow_dialog((417, 306), [(0, BROWN), (3, "#008000")],
                         flowers=(7, 48, 9, [(75, 22, 364, 266), (3, 4, 45, 36)]),
                         panel=(75.5, 22.5, 289, 244, BLACK, 9), close=(3, 4, 43, 33))


def naming_box_background():
    # The credits labels have the same brown as their background, so they melt into the panel.
    return meadow_dialog((318, 236), [(0, DARK_BROWN), (2, BROWN), (5, GREEN)],
                         flowers=(3, 24, 10, [(76, 31, 248, 209), (0, 0, 48, 40)]),
                         panel=(76.5, 31.5, 171, 178, DARK_BROWN, 12), close=(2, 2, 44, 36))


def banner():
    svg = Svg(494, 104)
    svg.rect(0, 0, 494, 104, BLACK)
    letters = lettering(kerning=True)
    size = 80 * (462 / letters.width("Gratulations", 80))
    paint(svg, letters.outline("Gratulations", size, 247, 52 + size * 0.36, "middle"), 5, shadow=(3, 3))
    return svg


# The rosette's city: (left column, roof row) of each house, left to right,
# and the columns where the houses end.
ROSETTE_HOUSES = [(24, 72), (31, 64), (37, 57), (43, 67), (49, 52), (55, 47), (62, 62), (69, 55), (76, 66),
                  (83, 60), (90, 70)]
ROSETTE_EDGES = [x for x, _ in ROSETTE_HOUSES] + [93]


def ribbon_tails(svg, cx):
    """Ribbon tails behind the sunburst, each ending in a notch."""
    ribbon, ribbon_dark = "#2050E0", "#102A80"
    for side in (-1, 1):
        def m(x):
            return cx + side * (x - cx)
        tail = [(m(46), 84), (m(60), 88), (m(42), 150), (m(34), 140), (m(24), 147)]
        svg.polygon(tail, ribbon, stroke=ribbon_dark, stroke_width="1.2", stroke_linejoin="round")
        svg.polyline([(m(53), 87), (m(34), 140)], LIGHT_BLUE, 2)


def sunburst(svg, cx, cy):
    rays = []
    for k in range(48):
        r = 55 if k % 2 == 0 else 42
        a = math.radians(-90 + 7.5 * k)
        rays.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    svg.polygon(rays, YELLOW, stroke="#C08000", stroke_width="1", stroke_linejoin="round")
    svg.circle(cx, cy, 39, "#FFD000", stroke="#C08000", stroke_width="1")


def roof_row(x, floor):
    """The row of the roof over column x, or `floor` where no house stands."""
    for i, (x0, top) in enumerate(ROSETTE_HOUSES):
        if x0 <= x < ROSETTE_EDGES[i + 1]:
            return top
    return floor


def skyline(cx, cy, r):
    """Outline of the city on the disc of radius r: roofs, then the disc's lower edge.

    It keeps half a pixel inside the disc's edge, and is sampled every half
    pixel and on both sides of each house's edge so the roof steps stay upright.
    """
    inner = r - 0.5
    steps = []
    x = cx - inner
    while x <= cx + inner:
        steps.append(x)
        x += 0.5
    for e in ROSETTE_EDGES:
        steps.extend([e - 0.001, e])
    outline = []
    for x in sorted(set(s for s in steps if cx - inner <= s <= cx + inner)):
        half = math.sqrt(max(inner * inner - (x - cx) ** 2, 0))
        outline.append((x, min(max(roof_row(x, cy + r), cy - half), cy + half)))
    for x in sorted(steps, reverse=True):
        if cx - inner <= x <= cx + inner:
            half = math.sqrt(max(inner * inner - (x - cx) ** 2, 0))
            outline.append((x, cy + half))
    return outline


def lit_windows(svg, cx, cy, r):
    """Some windows lit, in a fixed scatter, none near the disc's edge."""
    for i, (x0, top) in enumerate(ROSETTE_HOUSES):
        for wy in range(top + 3, 86, 4):
            for wx in range(x0 + 2, ROSETTE_EDGES[i + 1] - 2, 3):
                if (wx - cx) ** 2 + (wy + 1 - cy) ** 2 < (r - 4) ** 2 and (wx * 7 + wy * 3) % 5 != 0:
                    svg.rect(wx, wy, 1, 2, PALE_YELLOW)


def rosette():
    svg = Svg(116, 151)
    svg.rect(0, 0, 116, 151, BLACK)
    cx, cy, r = 58, 56, 34
    ribbon_tails(svg, cx)
    sunburst(svg, cx, cy)
    # The red disc with the orange sun and the city before it.
    svg.circle(cx, cy, r, "#D01818", stroke="#801010", stroke_width="1")
    svg.circle(cx + 2, cy - 6, 18, ORANGE)
    svg.circle(cx + 2, cy - 6, 13, "#FFB040")
    svg.polygon(skyline(cx, cy, r), "#401010")
    lit_windows(svg, cx, cy, r)
    return svg


DRAWINGS = {
    "naming_box_background": naming_box_background,
    "catalogue_background": catalogue_background,
    "banner": banner,
    "rosette": rosette,
}
