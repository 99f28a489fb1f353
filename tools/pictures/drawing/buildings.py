"""The building tiles of the board: houses, flats, public buildings, the
factory, the power plant, the supermarket and the park.

Each is a 74 x 75 tile on the shared grass, drawn on whole pixels.
"""

from .motifs import trefoil_blades
from .palette import (BLACK, BLUE, BRICK, BROWN, DARK_BROWN, DARK_GREEN, DARK_GREY, DEEP_WATER, GREY,
                      LIGHT_BLUE, LIGHT_GREEN, LIGHT_GREY, ORANGE, PALE_YELLOW, RED, ROOF, SAND,
                      WHITE, WINDOW, YELLOW)
from .tiles import flowers, glazing, lot

POLICE_BLUE = "#1A4FA8"


def window(svg, x, y, w=5, h=6, cross=True, frame=WHITE):
    """A framed window with a cross of glazing bars, or a glint in its corner."""
    svg.boxed(x, y, w, h, WINDOW, edge=frame)
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


def fixed(p):
    """A point with two decimals, as the tiles' arcs are written."""
    return f"{p[0]:.2f},{p[1]:.2f}"


def radiation_sign(svg, cx, cy, r):
    """Yellow disc with the black trefoil, on a black ring."""
    svg.circle(cx, cy, r, BLACK)
    svg.circle(cx, cy, r - 1, YELLOW)
    inner, outer = r * 0.28, r * 0.86
    for a, b, c, d in trefoil_blades(cx, cy, inner, outer):
        svg.path(f"M{fixed(a)} L{fixed(b)} A{outer},{outer} 0 0,1 {fixed(c)} "
                 f"L{fixed(d)} A{inner},{inner} 0 0,0 {fixed(a)} Z", fill=BLACK)
    svg.circle(cx, cy, max(r * 0.16, 0.9), BLACK)


def house(svg, x, y, wall, door=BROWN):
    """A one-storey house, 36 wide and 40 high, with a red hip roof and a chimney."""
    # Chimney behind the roof.
    svg.rect(x + 25, y, 4, 8, DARK_GREY)
    svg.rect(x + 24, y, 6, 2, GREY)
    # Walls.
    svg.boxed(x + 2, y + 15, 32, 25, wall, edge=DARK_GREY)
    svg.rect(x + 3, y + 16, 30, 2, GREY)
    # Hip roof with a darker eave and ridge.
    svg.polygon([(x, y + 17), (x + 36, y + 17), (x + 28, y + 4), (x + 8, y + 4)], ROOF)
    svg.rect(x, y + 16, 36, 2, BRICK)
    svg.rect(x + 8, y + 4, 20, 1, BRICK)
    svg.line(x + 8.5, y + 5, x + 1, y + 16, BRICK)
    svg.line(x + 27.5, y + 5, x + 35, y + 16, BRICK)
    for i in range(3):
        svg.rect(x + 5 + 2 * i, y + 8 + 3 * i, 26 - 4 * i, 1, "#D8604A")
    # Door and windows.
    svg.boxed(x + 14, y + 25, 8, 15, door, edge=DARK_BROWN, grounded=True)
    svg.rect(x + 19, y + 33, 1, 1, YELLOW)
    window(svg, x + 5, y + 22, 7, 8)
    window(svg, x + 24, y + 22, 7, 8)


def house_pool():
    svg = lot()
    tree(svg, 58, 13, 8)
    house(svg, 3, 5, WHITE)
    # Garden path from the door.
    svg.rect(20, 45, 6, 27, SAND)
    # The swimming pool: white edge, blue water, ripples and a ladder.
    svg.rect(36, 44, 34, 28, WHITE)
    svg.frame(36, 44, 34, 28, GREY)
    svg.rect(39, 47, 28, 22, BLUE)
    svg.rect(39, 47, 28, 2, DEEP_WATER)
    for x, y in [(43, 52), (55, 51), (47, 58), (60, 57), (42, 64), (53, 64)]:
        svg.rect(x, y, 5, 1, LIGHT_BLUE)
        svg.rect(x + 1, y - 1, 3, 1, LIGHT_BLUE)
    # The ladder: two rails and two rungs.
    svg.rects([(62, 45, 1, 6), (65, 45, 1, 6), (62, 47, 4, 1), (62, 49, 4, 1)], DARK_GREY)
    # A sunshade and a lounger beside the pool.
    svg.rect(11, 52, 1, 13, DARK_GREY)
    svg.polygon([(3, 56), (11, 50), (11, 56)], RED)
    svg.polygon([(11, 50), (19, 56), (11, 56)], WHITE)
    svg.rect(3, 56, 17, 1, BRICK)
    svg.rect(5, 64, 13, 2, WHITE)
    svg.rect(5, 62, 3, 2, WHITE)
    svg.rect(6, 66, 1, 2, DARK_GREY)
    svg.rect(16, 66, 1, 2, DARK_GREY)
    return svg


def flower_bed(svg, x, y, w, h, colours):
    """A bed planted in staggered rows, taking the petal colours in turn."""
    svg.boxed(x, y, w, h, BROWN, edge=DARK_BROWN)
    k = 0
    for yy in range(y + 2, y + h - 2, 4):
        for xx in range(x + 2 + (yy // 4) % 2 * 2, x + w - 2, 4):
            c = colours[k % len(colours)]
            k += 1
            svg.rect(xx, yy + 1, 2, 1, DARK_GREEN)
            svg.rect(xx, yy - 1, 2, 2, c)


def house_flowers():
    svg = lot()
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


def water_tank(svg):
    """The factory's water tank on braced legs, standing behind the sheds."""
    for x0, x1 in [(49, 47), (62, 64)]:
        svg.line(x0 + 0.5, 17, x1 + 0.5, 50, DARK_GREY, 2)
    for x1, y1, x2, y2 in [(49, 24, 64, 36), (64, 24, 49, 36), (48, 40, 64, 40)]:
        svg.line(x1, y1, x2, y2, DARK_GREY)
    svg.boxed(46, 7, 20, 12, LIGHT_GREY, edge=DARK_GREY)
    svg.rect(59, 8, 6, 10, GREY)
    svg.rect(48, 9, 2, 8, WHITE)
    svg.polygon([(45, 8), (56, 1), (67, 8)], DARK_GREY)
    svg.polygon([(48, 7), (56, 2.5), (64, 7)], GREY)


def sheds(svg):
    """The main shed with a sawtooth roof of north lights, and a lower one behind."""
    svg.rect(2, 38, 42, 34, DARK_GREY)
    svg.rect(3, 46, 40, 25, LIGHT_GREY)
    for i in range(4):
        x0 = 3 + 10 * i
        svg.polygon([(x0, 46), (x0, 37), (x0 + 10, 46)], GREY)
        svg.rect(x0, 38, 2, 8, WINDOW)
        svg.line(x0 + 2, 38, x0 + 10, 45.5, DARK_GREY)
    svg.rect(2, 46, 42, 1, DARK_GREY)
    svg.rects([(x, 50, 4, 4) for x in range(6, 42, 6)], WINDOW)
    # A roller door and a side door.
    svg.rect(9, 58, 14, 13, DARK_GREY)
    svg.rects([(10, y, 12, 1) for y in range(60, 71, 2)], GREY)
    svg.rect(28, 59, 6, 12, BROWN)
    # The smaller shed behind, in a lower roof line.
    svg.boxed(8, 26, 26, 12, GREY, edge=DARK_GREY, grounded=True)
    svg.rect(8, 24, 26, 3, DARK_GREY)
    svg.rects([(x, 30, 3, 3) for x in range(12, 32, 6)], WINDOW)


def domed_tank(svg):
    """A domed storage tank with a ladder, piped to the shed."""
    svg.rect(47, 54, 23, 17, DARK_GREY)
    svg.rect(48, 54, 21, 16, LIGHT_GREY)
    svg.rect(61, 54, 8, 16, GREY)
    svg.rect(50, 55, 2, 14, WHITE)
    svg.path("M47,55 A11.5,10 0 0,1 70,55 Z", fill=DARK_GREY)
    svg.path("M48,55 A10.5,9 0 0,1 69,55 Z", fill=LIGHT_GREY)
    svg.path("M51,50 A7,6 0 0,1 58,47", "none", stroke=WHITE, stroke_width=2)
    svg.rect(57, 46, 3, 2, DARK_GREY)
    svg.rects([(54, y, 4, 1) for y in range(57, 70, 3)], DARK_GREY)
    svg.rect(54, 56, 1, 14, DARK_GREY)
    svg.rect(57, 56, 1, 14, DARK_GREY)
    # Pipe from the shed to the tank.
    svg.rect(44, 60, 3, 3, DARK_GREY)


def factory():
    svg = lot()
    svg.rect(2, 66, 70, 7, GREY)
    water_tank(svg)
    sheds(svg)
    domed_tank(svg)
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
                 fill=colour, fill_rule="evenodd")
        return
    for shape in shapes[letter]:
        svg.polygon([(x + px, y + py) for px, py in shape], colour)


def sign_board(svg, x, y, board, border, letter, colour):
    """A 30 x 24 board on two posts, showing one large letter."""
    w, h = 30, 24
    svg.rect(x + 5, y + h, 2, 6, DARK_GREY)
    svg.rect(x + w - 7, y + h, 2, 6, DARK_GREY)
    svg.boxed(x, y, w, h, border)
    svg.rect(x + 3, y + 3, w - 6, h - 6, board)
    block_letter(svg, letter, x + 8, y + 4, colour)


def office_building(svg, wall, trim, top=30, door=WINDOW):
    """A two-storey public building across the lower part of the tile."""
    svg.boxed(3, top, 68, 72 - top, wall)
    svg.rect(4, top + 1, 66, 3, trim)
    for y in (top + 8, top + 20):
        for x in range(8, 68, 9):
            if 30 <= x <= 40 and y > top + 10:
                continue
            window(svg, x, y, 6, 7)
    svg.boxed(29, 58, 16, 14, door, grounded=True)
    svg.rect(37, 59, 1, 13, BLACK)
    svg.rect(27, 56, 20, 2, trim)


def public_building(wall, trim, board, border, letter, colour):
    """The hospital and the police station: an office building under a sign board."""
    svg = lot()
    office_building(svg, wall, trim)
    sign_board(svg, 22, 1, board, border, letter, colour)
    return svg


def fire_station():
    svg = lot()
    # Hose-drying tower.
    svg.boxed(55, 10, 16, 62, LIGHT_GREY, grounded=True)
    svg.rect(65, 11, 5, 61, GREY)
    svg.polygon([(53, 11), (63, 3), (73, 11)], ROOF)
    svg.rect(53, 10, 20, 2, BRICK)
    for y in (16, 28, 40):
        svg.rect(60, y, 4, 6, WINDOW)
    # Engine house with two red garage doors.
    svg.boxed(2, 32, 54, 40, LIGHT_GREY, grounded=True)
    svg.rect(3, 33, 52, 3, RED)
    for x in (6, 30):
        svg.boxed(x, 42, 20, 30, RED, grounded=True)
        for y in range(46, 72, 4):
            svg.rect(x + 1, y, 18, 1, BRICK)
        svg.rect(x + 3, 45, 14, 4, WINDOW)
    sign_board(svg, 12, 1, RED, WHITE, "H", WHITE)
    return svg


def park():
    svg = lot()
    svg.rect(2, 2, 70, 71, "#36A636")
    # Winding sand path from the bottom left to the top right.
    for colour, width in ((DARK_BROWN, 7), (SAND, 5)):
        svg.path("M-2,60 C18,58 22,40 34,36 S52,20 76,14", "none", stroke=colour, stroke_width=width)
    # Pond with a darker bank, ripples and a duck.
    svg.ellipse(51, 55, 19, 12, DARK_GREEN)
    svg.ellipse(51, 55, 17, 10, BLUE)
    svg.ellipse(47, 52, 9, 4, "#3A80E0")
    svg.rects([(40, 56, 6, 1), (53, 60, 7, 1), (56, 50, 5, 1)], LIGHT_BLUE)
    svg.rects([(47, 58, 4, 3), (50, 56, 2, 2)], WHITE)
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
    flowers(svg, [(28, 46, RED), (32, 52, YELLOW), (26, 56, WHITE), (64, 70, RED),
                  (36, 68, YELLOW), (62, 8, WHITE)])
    return svg


def supermarket():
    svg = lot()
    # Car park strip in front.
    svg.rect(2, 64, 70, 9, DARK_GREY)
    svg.rects([(x, 66, 1, 7) for x in range(6, 70, 8)], WHITE)
    # Store: one wide hall with a glass front.
    svg.boxed(2, 30, 70, 34, LIGHT_GREY, grounded=True)
    svg.rect(3, 31, 68, 4, GREY)
    glazing(svg, 6, 42, 62, 17, WINDOW, 8)
    svg.rect(7, 44, 60, 1, LIGHT_BLUE)
    svg.rect(30, 46, 14, 18, BLACK)
    svg.rects([(31, 47, 6, 17), (38, 47, 5, 17)], LIGHT_BLUE)
    svg.rect(3, 38, 68, 2, RED)
    # The red market sign on the roof with a white shopping trolley.
    svg.rects([(20, 26, 2, 5), (52, 26, 2, 5)], DARK_GREY)
    svg.boxed(11, 3, 52, 24, RED)
    svg.frame(14, 6, 46, 18, WHITE)
    svg.path("M20,9.5 L25,9.5 L28,18.5 L48,18.5", "none", stroke=WHITE, stroke_width=2)
    svg.polygon([(25, 11), (54, 11), (51, 17), (27, 17)], WHITE)
    for x in (31, 37, 43):
        svg.rect(x, 12, 2, 4, RED)
    svg.circle(30, 21, 1.8, WHITE)
    svg.circle(46, 21, 1.8, WHITE)
    return svg


def cooling_tower(svg, cx):
    """A cooling tower centred on column cx, shaded on its right, with the radiation sign."""
    left = f"M{cx - 15},70 C{cx - 8},50 {cx - 7},30 {cx - 10},14 L{cx + 10},14 " \
           f"C{cx + 7},30 {cx + 8},50 {cx + 15},70 Z"
    svg.path(left, LIGHT_GREY, stroke=BLACK, stroke_width=1)
    svg.path(f"M{cx + 3},70 C{cx + 4},50 {cx + 3},30 {cx + 2},14 L{cx + 10},14 "
             f"C{cx + 7},30 {cx + 8},50 {cx + 15},70 Z", fill=GREY)
    svg.path(left, "none", stroke=BLACK, stroke_width=1)
    svg.ellipse(cx, 14, 10, 2, DARK_GREY, stroke=BLACK, stroke_width=1)
    radiation_sign(svg, cx, 48, 7)


def power_plant():
    svg = lot()
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


def block_of_flats():
    svg = lot()
    # Flat roof seen from slightly above, with lift rooms.
    svg.boxed(2, 12, 70, 6, GREY)
    for x in (14, 50):
        svg.boxed(x, 8, 9, 6, LIGHT_GREY, grounded=True)
    # Long front of prefabricated panels.
    svg.boxed(2, 17, 70, 53, LIGHT_GREY)
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
        svg.boxed(x - 1, 61, 6, 9, BROWN, grounded=True)
        svg.rect(x - 3, 59, 10, 2, DARK_GREY)
    svg.rect(2, 70, 70, 3, GREY)
    return svg


DRAWINGS = {
    "house_pool": house_pool,
    "house_flowers": house_flowers,
    "block_of_flats": block_of_flats,
    "hospital": lambda: public_building(WHITE, RED, WHITE, RED, "N", RED),
    "police_station": lambda: public_building(LIGHT_GREY, POLICE_BLUE, POLICE_BLUE, WHITE, "P", WHITE),
    "fire_station": fire_station,
    "supermarket": supermarket,
    "park": park,
    "factory": factory,
    "power_plant": power_plant,
}
