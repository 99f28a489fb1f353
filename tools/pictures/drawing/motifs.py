"""Shapes that pictures of different sets share: the radiation trefoil's
geometry, the railway, smooth curves through points, and the dialogs'
flowers and trees.
"""

import math

from .palette import BROWN, DARK_BROWN, DARK_GREEN, DARK_GREY, LEAF, LIGHT_GREY, RED, YELLOW
from .svg import point


def trefoil_blades(cx, cy, inner, outer):
    """Corners of the three blades of a radiation sign, each 60 degrees wide.

    Per blade: inner start, outer start, outer end, inner end; the first
    blade points up. The callers join them with arcs.
    """
    blades = []
    for k in range(3):
        a0 = math.radians(-90 + 120 * k - 30)
        a1 = math.radians(-90 + 120 * k + 30)
        blades.append([(cx + inner * math.cos(a0), cy + inner * math.sin(a0)),
                       (cx + outer * math.cos(a0), cy + outer * math.sin(a0)),
                       (cx + outer * math.cos(a1), cy + outer * math.sin(a1)),
                       (cx + inner * math.cos(a1), cy + inner * math.sin(a1))])
    return blades


def railway(svg, top, width, first, sleeper):
    """Sleepers `sleeper` wide every sixth column from `first`, and two rails, in 12 rows from `top`.

    The railway station's tile and the rail track laid east of it share this,
    so the track runs on unbroken.
    """
    for x in range(first, width, 6):
        svg.rect(x, top, sleeper, 12, BROWN)
        svg.rect(x + 2, top, 1, 12, DARK_BROWN)
    for y in (top + 2, top + 8):
        svg.rect(0, y, width, 1, LIGHT_GREY)
        svg.rect(0, y + 1, width, 1, DARK_GREY)


def smooth(points):
    """Path data of a smooth curve through `points` (Catmull-Rom as cubic Beziers)."""
    d = [f"M{point(*points[0])}"]
    for i in range(len(points) - 1):
        p0 = points[max(i - 1, 0)]
        p1, p2 = points[i], points[i + 1]
        p3 = points[min(i + 2, len(points) - 1)]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d.append(f"C{point(*c1)} {point(*c2)} {point(*p2)}")
    return " ".join(d)


def smooth_area(points, corners):
    """Closed area: a smooth edge through `points`, then straight lines through `corners`."""
    tail = " ".join(f"L{point(x, y)}" for x, y in corners)
    return f"{smooth(points)} {tail} Z"


def small_flower(svg, cx, cy, petal=RED, heart=YELLOW, r=1.6):
    """A five-petal flower a few pixels across."""
    for k in range(5):
        a = math.radians(-90 + 72 * k)
        svg.circle(cx + r * 1.1 * math.cos(a), cy + r * 1.1 * math.sin(a), r, petal)
    svg.circle(cx, cy, r * 0.8, heart)


def tree(svg, x, base, height, crown):
    """A round deciduous tree seen from the side, its trunk foot at (x, base)."""
    trunk_w = max(2, round(crown * 0.25))
    svg.rect(round(x - trunk_w / 2), base - height * 0.45, trunk_w, height * 0.45, DARK_BROWN)
    cy = base - height + crown
    svg.circle(x, cy, crown, DARK_GREEN)
    svg.circle(x - crown * 0.45, cy + crown * 0.3, crown * 0.7, DARK_GREEN)
    svg.circle(x + crown * 0.45, cy + crown * 0.25, crown * 0.7, DARK_GREEN)
    svg.circle(x - crown * 0.3, cy - crown * 0.3, crown * 0.45, LEAF)
    svg.circle(x + crown * 0.2, cy + crown * 0.1, crown * 0.3, LEAF)
