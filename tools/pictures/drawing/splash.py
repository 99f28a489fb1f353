"""The splash screen's pictures: the title scene and the aeroplane that
flies across it.
"""

from .lettering import lettering, paint
from .motifs import small_flower, smooth, smooth_area, tree, trefoil_blades
from .palette import (BLACK, BROWN, CYAN, DARK_BROWN, DARK_GREEN, DARK_GREY, GREEN, GREY, LIGHT_GREEN,
                      LIGHT_GREY, LIVERY_BLUE, ORANGE, RED, WHITE, WINDOW, YELLOW)
from .svg import Svg, num, point


def radiation_sign(svg, cx, cy, r):
    """Yellow disc with the black trefoil, edged with a thin black line."""
    svg.circle(cx, cy, r, YELLOW, stroke=BLACK, stroke_width="1")
    inner, outer = r * 0.22, r * 0.85
    for a, b, c, d in trefoil_blades(cx, cy, inner, outer):
        svg.path(f"M{point(*a)} L{point(*b)} A{num(outer)},{num(outer)} 0 0 1 {point(*c)} "
                 f"L{point(*d)} A{num(inner)},{num(inner)} 0 0 0 {point(*a)} Z", BLACK)
    svg.circle(cx, cy, r * 0.14, BLACK)


def cooling_tower(svg, x0, x1, top, base):
    """Hyperboloid cooling tower between columns x0..x1, from row top to row base."""
    w = x1 - x0
    waist = top + (base - top) * 0.55
    # The right side's edge, from the top rim down to the foot; the shade shares it.
    right_edge = (f"L{point(x1 - w * 0.2, top)} "
                  f"C{point(x1 - w * 0.27, waist - 10)} {point(x1 - w * 0.27, waist)} {point(x1 - w * 0.22, waist + 8)} "
                  f"C{point(x1 - w * 0.12, base - 20)} {point(x1, base - 5)} {point(x1, base)} ")
    d = (f"M{point(x0 + w * 0.2, top)} {right_edge}L{point(x0, base)} "
         f"C{point(x0, base - 5)} {point(x0 + w * 0.12, base - 20)} {point(x0 + w * 0.22, waist + 8)} "
         f"C{point(x0 + w * 0.27, waist)} {point(x0 + w * 0.27, waist - 10)} {point(x0 + w * 0.2, top)} Z")
    svg.path(d, LIGHT_GREY, stroke=DARK_GREY, stroke_width="1.5")
    # Shaded right flank.
    d2 = (f"M{point(x1 - w * 0.32, top)} {right_edge}L{point(x1 - w * 0.2, base)} "
          f"C{point(x1 - w * 0.28, base - 25)} {point(x1 - w * 0.4, waist)} {point(x1 - w * 0.32, top)} Z")
    svg.path(d2, GREY)
    svg.ellipse((x0 + x1) / 2, top, w * 0.3, 3, DARK_GREY, stroke=DARK_GREY, stroke_width="1")
    radiation_sign(svg, (x0 + x1) / 2, base - (base - top) * 0.3, w * 0.16)


def steam(svg, puffs):
    """Puffs of steam: grey, lit white from the upper left."""
    for x, y, r in puffs:
        svg.circle(x, y, r, LIGHT_GREY)
    for x, y, r in puffs:
        svg.circle(x - r * 0.2, y - r * 0.2, r * 0.8, WHITE)


def block_of_flats(svg):
    svg.rect(24, 96, 96, 104, LIGHT_GREY, stroke=DARK_GREY, stroke_width="2")
    svg.rect(20, 90, 104, 7, DARK_GREY)
    for row in range(7):
        svg.rects([(31 + col * 11, 102 + row * 13, 6, 7) for col in range(8)], WINDOW)
    svg.rect(64, 190, 14, 10, DARK_BROWN)


def shop(svg):
    """A shop with a striped awning and an empty sign board."""
    svg.rect(146, 150, 88, 50, "#E8E0C8", stroke=DARK_GREY, stroke_width="2")
    svg.rect(152, 139, 76, 12, RED, stroke=DARK_BROWN, stroke_width="1")
    for i in range(8):
        svg.rect(145 + i * 11, 158, 11, 9, RED if i % 2 == 0 else WHITE)
    svg.rect(152, 172, 30, 20, WINDOW, stroke=DARK_GREY, stroke_width="1")
    svg.rect(198, 172, 30, 20, WINDOW, stroke=DARK_GREY, stroke_width="1")
    svg.rect(185, 176, 10, 24, BROWN)


def front_hill(svg):
    """The hill in front, with a lit ridge and a few flowers."""
    ridge = [(0, 212), (100, 196), (250, 192), (400, 196), (501, 206)]
    svg.path(smooth_area(ridge, [(501, 243), (0, 243)]), GREEN)
    svg.path(smooth(ridge), "none", stroke=LIGHT_GREEN, stroke_width="2")
    for x, y in [(40, 222), (120, 230), (205, 214), (330, 226), (450, 220), (260, 236), (80, 238), (390, 236)]:
        small_flower(svg, x + 0.5, y + 0.5, RED, YELLOW, 1.4)


def splash_title():
    svg = Svg(501, 243)
    svg.rect(0, 0, 501, 243, BLACK)
    # Back hill and the steam of the tower behind the town.
    svg.path(smooth_area([(0, 200), (90, 168), (200, 160), (330, 172), (420, 160), (501, 170)],
                         [(501, 243), (0, 243)]), DARK_GREEN)
    steam(svg, [(446, 54, 11), (452, 42, 13), (462, 30, 13), (474, 22, 11), (488, 18, 8)])
    cooling_tower(svg, 402, 490, 62, 198)
    block_of_flats(svg)
    shop(svg)
    # Trees between the shop and the tower.
    tree(svg, 290, 200, 78, 21)
    tree(svg, 362, 198, 56, 15)
    front_hill(svg)
    # The product name over the scene, left of the tower.
    letters = lettering(kerning=True)
    size = 150 * (372 / letters.width("Tarvik", 150))
    paint(svg, letters.outline("Tarvik", size, 14, 110), 6, shadow=(4, 4))
    return svg


def aeroplane():
    svg = Svg(158, 51)
    # Far-side tail plane and wing, drawn first so the body covers their roots.
    svg.polygon([(10, 25), (30, 24), (34, 27), (13, 28)], LIGHT_GREY, stroke=DARK_GREY, stroke_width="1")
    # Tail fin, swept back, with the airline's emblem.
    svg.polygon([(5, 2), (17, 2), (44, 21), (15, 22)], WHITE, stroke=DARK_GREY, stroke_width="1")
    svg.polygon([(7, 3), (16, 3), (26, 10), (11, 10)], LIVERY_BLUE)
    svg.circle(20, 12, 4.5, ORANGE, stroke=RED, stroke_width="1.2")
    # Fuselage.
    body = ("M13,20 L138,20 C148,20 155,25 156,29 C156.5,32 153,34.5 146,34.5 "
            "L46,34.5 C33,34.5 21,30 11,23 Z")
    svg.path(body, WHITE, stroke=DARK_GREY, stroke_width="1")
    svg.path("M46,31 L150,31 C153,31 155,32 154,33 C152,34 150,34.5 146,34.5 L46,34.5 C40,34.5 35,33.5 30,32 Z",
             "#DCDCDC")
    # Cheat line under the windows.
    svg.polygon([(28, 28), (152, 28), (153, 30), (32, 30)], LIVERY_BLUE)
    # Passenger windows and the cockpit.
    svg.rects([(x, 23, 2, 3) for x in range(34, 136, 5)], CYAN)
    svg.polygon([(142, 23), (149, 23), (153, 27), (142, 27)], LIVERY_BLUE)
    svg.polygon([(143, 24), (148, 24), (151, 26), (143, 26)], CYAN)
    svg.rect(125, 22, 3, 7, "none", stroke=GREY, stroke_width="0.8")
    svg.rect(40, 22, 3, 7, "none", stroke=GREY, stroke_width="0.8")
    # Near wing, swept back, with its engine hanging below.
    svg.polygon([(72, 32), (98, 32), (70, 47), (58, 47)], LIGHT_GREY, stroke=DARK_GREY, stroke_width="1")
    svg.path("M74,38 L93,38 C96,38 97,40 97,41.5 C97,43 96,45 93,45 L74,45 Z", LIGHT_GREY,
             stroke=DARK_GREY, stroke_width="1")
    svg.rect(94, 39, 2, 5, DARK_GREY)
    # Near tail plane.
    svg.polygon([(14, 27), (36, 28), (32, 31), (10, 31)], WHITE, stroke=DARK_GREY, stroke_width="1")
    return svg


DRAWINGS = {
    "splash_title": splash_title,
    "aeroplane": aeroplane,
}
