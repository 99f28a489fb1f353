#!/usr/bin/python3
"""Draws the main screen's own pictures as self-contained SVG files.

Writes the window background, the picture buttons, the population heading,
the bush, the two bridge strips, the four mood faces, the train, the rail
track, the helicopter, the window icon and the mouse cursor into
assets/pictures/. Painted words are turned into glyph outlines here, so the
SVGs never depend on the fonts installed where the game runs.

Needs fontTools (Debian package python3-fonttools).

Usage: p2_main_screen.py [OUTPUT_DIR]
"""
import os
import sys

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "..", "..", "assets", "pictures")
FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# Shared palette.
BLACK = "#000000"
YELLOW = "#FFFF00"
LETTER_EDGE = "#A03000"
FIELD = "#2F9A2F"
DARK_GREEN = "#1F7A1F"
LIGHT_GREEN = "#5CC05C"
RIVER = "#2A6FD6"
RIVER_LIGHT = "#6FA8F0"
ORANGE = "#FF8C1A"
BROWN = "#804000"
DARK_BROWN = "#5A2E00"
LIGHT_GREY = "#C8C8C8"
GREY = "#9A9A9A"
DARK_GREY = "#5A5A5A"
ROOF_RED = "#C8402A"
WINDOW = "#4A90E2"
WHITE = "#FFFFFF"
RED = "#E01010"
PALE_YELLOW = "#FFFF80"
# The few colours of this set that the palette lacks.
DEEP_GREEN = "#0F4F0F"
NAVY = "#000080"
CYAN = "#00FFFF"
DARK_RED = "#800000"


def num(v):
    """Formats a coordinate with at most two decimals and no trailing zeros."""
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


class Lettering:
    """Turns words into glyph outlines of one font."""

    def __init__(self, path):
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.upm = self.font["head"].unitsPerEm

    def _draw(self, pen_factory, text, size, x, baseline, tracking):
        scale = size / self.upm
        for ch in text:
            name = self.cmap[ord(ch)]
            glyph = self.glyphs[name]
            glyph.draw(TransformPen(pen_factory, (scale, 0, 0, -scale, x, baseline)))
            x += glyph.width * scale + tracking

    def bounds(self, text, size, tracking=0.0):
        """Ink box (left, top, right, bottom) of the text set at baseline 0."""
        pen = BoundsPen(self.glyphs)
        self._draw(pen, text, size, 0.0, 0.0, tracking)
        return pen.bounds

    def path(self, text, size, x, baseline, tracking=0.0):
        pen = SVGPathPen(self.glyphs, ntos=num)
        self._draw(pen, text, size, x, baseline, tracking)
        return pen.getCommands()

    def fit_size(self, text, max_w, max_h, tracking=0.0):
        """Largest size (in steps of 0.25 px) whose ink fits max_w x max_h."""
        size = 4.0
        while True:
            left, top, right, bottom = self.bounds(text, size + 0.25, tracking)
            if right - left > max_w or bottom - top > max_h:
                return size
            size += 0.25

    def painted(self, text, size, cx, cy, tracking=1.0, edge=3.0):
        """Yellow letters with a dark orange-brown outline, ink centred on (cx, cy).

        The outline is the same outline stroked wider underneath, so half the
        stroke width shows around each letter. The baseline and left edge land
        on whole pixels to keep the letters' straight stems steady.
        """
        left, top, right, bottom = self.bounds(text, size, tracking)
        x = round(cx - (left + right) / 2)
        baseline = round(cy - (top + bottom) / 2)
        d = self.path(text, size, x, baseline, tracking)
        return (
            f'<path d="{d}" fill="{LETTER_EDGE}" stroke="{LETTER_EDGE}" '
            f'stroke-width="{num(edge)}" stroke-linejoin="round"/>\n'
            f'<path d="{d}" fill="{YELLOW}"/>\n'
        )


def svg(width, height, body):
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n'
        f"{body}</svg>\n"
    )


def rect(x, y, w, h, fill):
    return f'<rect x="{num(x)}" y="{num(y)}" width="{num(w)}" height="{num(h)}" fill="{fill}"/>\n'


def pixel_rows(rows, colours, x0=0, y0=0):
    """Rects for a small pixel map: one character per pixel, '.'/' ' is empty.

    Runs of one colour along a row become one rect.
    """
    out = []
    for y, row in enumerate(rows):
        x = 0
        while x < len(row):
            ch = row[x]
            if ch in colours:
                end = x
                while end < len(row) and row[end] == ch:
                    end += 1
                out.append(rect(x0 + x, y0 + y, end - x, 1, colours[ch]))
                x = end
            else:
                x += 1
    return "".join(out)


# ---------------------------------------------------------------- background

# The river's course in pixels; every band lies inside a gap between the lots
# (rows 331-351, columns 642-655, rows 187-207), under the crossing spots.
FIELD_BOX = (192, 25, 796, 583)  # left, top, right, bottom (exclusive)
LOWER_ARM = (192, 336, 655, 349)
NORTH_ARM = (644, 192, 655, 349)
UPPER_ARM = (644, 192, 796, 205)


def river():
    out = []
    for left, top, right, bottom in (LOWER_ARM, NORTH_ARM, UPPER_ARM):
        out.append(rect(left, top, right - left, bottom - top, RIVER))
    # Light ripples: short dashes inside the band, staggered on two lines.
    for i, x in enumerate(range(200, 636, 23)):
        y = 339 if i % 2 == 0 else 344
        out.append(rect(x, y, 6, 1, RIVER_LIGHT))
    for i, y in enumerate(range(214, 330, 21)):
        x = 646 if i % 2 == 0 else 650
        out.append(rect(x, y, 1, 6, RIVER_LIGHT))
    for i, x in enumerate(range(664, 790, 23)):
        y = 195 if i % 2 == 0 else 200
        out.append(rect(x, y, 6, 1, RIVER_LIGHT))
    # Orange marks on the banks, within the free strips beside the band.
    for i, x in enumerate(range(214, 636, 37)):
        if i % 2 == 0:
            out.append(rect(x, 333, 4, 2, ORANGE))
        else:
            out.append(rect(x, 349, 4, 2, ORANGE))
    for i, y in enumerate(range(222, 326, 34)):
        if i % 2 == 0:
            out.append(rect(642, y, 2, 4, ORANGE))
        else:
            out.append(rect(655, y, 1, 4, ORANGE))
    for i, x in enumerate(range(676, 790, 37)):
        if i % 2 == 0:
            out.append(rect(x, 189, 4, 2, ORANGE))
        else:
            out.append(rect(x, 205, 4, 2, ORANGE))
    return "".join(out)


def main_background(letters):
    body = rect(0, 0, 800, 600, BLACK)
    left, top, right, bottom = FIELD_BOX
    body += rect(left, top, right - left, bottom - top, FIELD)
    body += river()
    # The wall clock's box.
    body += rect(677, 9, 55, 21, PALE_YELLOW)
    # Headings over the left panel, each centred over what it names.
    size = min(letters.fit_size(t, 178, 20, 1.0) for t in ("co budu stavět:", "nálada obyvatel:"))
    body += letters.painted("co budu stavět:", size, 96, 136)
    body += letters.painted("finance:", size, 96, 304)
    body += letters.painted("nálada obyvatel:", size, 96, 437)
    return svg(800, 600, body)


# ------------------------------------------------------------ painted words

def word_picture(letters, width, height, lines, margin=(4, 4), tracking=1.0, edge=3.0):
    """Yellow outlined words on black, one or more lines, centred.

    margin is the (across, down) room kept free around the ink.
    """
    mx, my = margin
    body = rect(0, 0, width, height, BLACK)
    line_h = (height - 2 * my) / len(lines)
    size = min(letters.fit_size(t, width - 2 * mx, line_h - 2, tracking) for t in lines)
    for i, text in enumerate(lines):
        cy = my + line_h * (i + 0.5)
        body += letters.painted(text, size, width / 2, cy, tracking, edge)
    return svg(width, height, body)


def population_heading(letters):
    """The two heading lines, kept clear of what lies over this picture.

    On the main screen the mood face's black square covers the top 13 rows
    (columns 40-107), and the population figure, centred over screen columns
    112-233, may reach into columns 112 and up from row 32. So both lines sit
    in rows 15-63 and left of column 112, centred on column 56, at the size
    of the panel's other headings.
    """
    size = 17.5
    body = rect(0, 0, 138, 64, BLACK)
    body += letters.painted("počet", size, 56, 26)
    body += letters.painted("obyvatel:", size, 56, 50)
    return svg(138, 64, body)


# ------------------------------------------------------------------ sprites

def bush():
    blobs = [(11, 19, 8.5), (25, 19, 8.5), (18, 11, 9), (18, 21, 10), (9, 25, 6), (27, 25, 6)]
    body = ""
    for cx, cy, r in blobs:
        body += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{DEEP_GREEN}" stroke="{DEEP_GREEN}" stroke-width="3"/>\n'
    for cx, cy, r in blobs:
        body += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{DARK_GREEN}"/>\n'
    for cx, cy, r in [(16, 9, 4.5), (9, 17, 3.5), (24, 15, 4), (17, 19, 3.5)]:
        body += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{FIELD}"/>\n'
    for cx, cy, r in [(15, 7, 2), (8, 15, 1.5), (23, 13, 1.5), (16, 17, 1.5)]:
        body += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{LIGHT_GREEN}"/>\n'
    return svg(36, 33, body)


# Bridge strip across its width: rail, dark blue deck, rail.
BRIDGE_STRIP = [BLACK, PALE_YELLOW, BLACK] + [NAVY] * 9 + [BLACK, PALE_YELLOW, BLACK]


def bridge_vertical():
    body = "".join(rect(i, 0, 1, 51, c) for i, c in enumerate(BRIDGE_STRIP))
    return svg(15, 51, body)


def bridge_horizontal():
    body = "".join(rect(0, i, 51, 1, c) for i, c in enumerate(BRIDGE_STRIP))
    return svg(51, 15, body)


def face(mood):
    body = rect(0, 0, 68, 69, BLACK)
    body += f'<circle cx="34" cy="35" r="30.5" fill="{YELLOW}" stroke="{LETTER_EDGE}" stroke-width="2"/>\n'
    if mood == "furious":
        # Cyan zigzags rising from above each eye.
        for x in (22, 46):
            pts = [(x, 15), (x - 4, 12), (x + 3, 9), (x - 3, 5), (x + 4, 2), (x, -1)]
            body += (
                '<polyline points="' + " ".join(f"{px},{py}" for px, py in pts) +
                f'" fill="none" stroke="{CYAN}" stroke-width="2.5" stroke-linejoin="miter"/>\n'
            )
    # Eyes.
    for x in (24, 44):
        body += f'<ellipse cx="{x}" cy="27" rx="5" ry="7" fill="{RIVER}" stroke="{BLACK}" stroke-width="1.5"/>\n'
        body += f'<circle cx="{x - 2}" cy="24" r="1.5" fill="{WHITE}"/>\n'
    if mood == "furious":
        # Brows slanting down to the nose.
        body += f'<polyline points="16,17 29,22" fill="none" stroke="{BLACK}" stroke-width="3"/>\n'
        body += f'<polyline points="52,17 39,22" fill="none" stroke="{BLACK}" stroke-width="3"/>\n'
    # Nose.
    body += f'<circle cx="34" cy="38" r="4.5" fill="{PALE_YELLOW}" stroke="{LETTER_EDGE}" stroke-width="1"/>\n'
    mouth = f'fill="none" stroke="{RED}" stroke-width="3.5" stroke-linecap="round"'
    if mood == "smiling":
        body += f'<path d="M 18 46 Q 34 63 50 46" {mouth}/>\n'
    elif mood == "neutral":
        body += f'<line x1="21" y1="52" x2="47" y2="52" {mouth}/>\n'
    elif mood == "sad":
        body += f'<path d="M 20 57 Q 34 42 48 57" {mouth}/>\n'
    else:
        # Wide open jagged mouth: dark inside, white fangs from above and below.
        body += f'<rect x="17" y="45" width="34" height="14" fill="{DARK_RED}"/>\n'
        w = 34 / 5
        for i in range(5):
            x = 17 + w * i
            body += f'<polygon points="{num(x)},45 {num(x + w)},45 {num(x + w / 2)},52" fill="{WHITE}"/>\n'
        for i in range(4):
            x = 17 + w * (i + 0.5)
            body += f'<polygon points="{num(x)},59 {num(x + w)},59 {num(x + w / 2)},52" fill="{WHITE}"/>\n'
        body += f'<rect x="17" y="45" width="34" height="14" fill="none" stroke="{RED}" stroke-width="2"/>\n'
    return svg(68, 69, body)


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
    colours = {"k": BLACK, "R": DARK_RED, "r": RED, "Y": LETTER_EDGE, "y": YELLOW, "G": GREY, "g": DARK_GREY}
    return svg(25, 14, pixel_rows(rows, colours))


def rail_track():
    body = rect(0, 0, 108, 14, FIELD)
    for x in range(1, 108, 6):
        body += rect(x, 1, 3, 12, BROWN)
        body += rect(x + 2, 1, 1, 12, DARK_BROWN)
    for y in (3, 9):
        body += rect(0, y, 108, 1, LIGHT_GREY)
        body += rect(0, y + 1, 108, 1, DARK_GREY)
    return svg(108, 14, body)


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
    colours = {"k": BLACK, "R": DARK_RED, "r": RED, "b": WINDOW}
    return svg(29, 11, pixel_rows(rows, colours))


def icon():
    body = rect(0, 0, 48, 48, RIVER_LIGHT)
    # The sun low behind the towers, with short rays.
    for x1, y1, x2, y2 in [(34, 2, 34, 5), (25, 11, 22, 11), (27, 5, 25, 3), (41, 5, 43, 3), (43, 11, 46, 11)]:
        body += f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{ORANGE}" stroke-width="2"/>\n'
    body += f'<circle cx="34" cy="14" r="8" fill="{ORANGE}"/>\n'
    # Two birds.
    for x, y in [(8, 9), (17, 5)]:
        body += (f'<path d="M {x - 5} {y} Q {x - 3} {y - 3} {x} {y + 1} Q {x + 3} {y - 3} {x + 5} {y}" '
                 f'fill="none" stroke="{BLACK}" stroke-width="1.5"/>\n')
    towers = [(2, 24, 11, 24, GREY), (14, 14, 11, 34, LIGHT_GREY), (26, 19, 11, 29, GREY), (38, 28, 9, 20, LIGHT_GREY)]
    for x, y, w, h, colour in towers:
        body += rect(x, y, w, h, DARK_GREY)
        body += rect(x + 1, y + 1, w - 2, h - 1, colour)
        for wy in range(y + 3, 46, 5):
            for wx in range(x + 2, x + w - 2, 4):
                body += rect(wx, wy, 2, 3, WINDOW)
    return svg(48, 48, body)


def cursor():
    # The classic arrow; its tip is the hot spot at pixel (0, 0).
    rows = [
        "k",
        "kk",
        "kwk",
        "kwwk",
        "kwwwk",
        "kwwwwk",
        "kwwwwwk",
        "kwwwwwwk",
        "kwwwwwwwk",
        "kwwwwwwwwk",
        "kwwwwwkkkkk",
        "kwwkwwk",
        "kwk kwwk",
        "kk  kwwk",
        "k    kwwk",
        "     kwwk",
        "      kwwk",
        "      kwwk",
        "       kk",
    ]
    return svg(32, 32, pixel_rows(rows, {"k": BLACK, "w": WHITE}))


def build_all():
    letters = Lettering(FONT_PATH)
    return {
        "main_background": main_background(letters),
        "end_button": word_picture(letters, 110, 44, ["konec"], margin=(9, 6), edge=4.0),
        "menu_button": word_picture(letters, 91, 35, ["menu"], margin=(8, 5), edge=4.0),
        "price_list_button": word_picture(letters, 211, 29, ["ceník budov"], margin=(6, 3)),
        "catalogue_button": word_picture(letters, 193, 31, ["nabídka budov..."], margin=(5, 3)),
        "population_heading": population_heading(letters),
        "bush": bush(),
        "bridge_vertical": bridge_vertical(),
        "bridge_horizontal": bridge_horizontal(),
        "face_smiling": face("smiling"),
        "face_neutral": face("neutral"),
        "face_sad": face("sad"),
        "face_furious": face("furious"),
        "train": train(),
        "rail_track": rail_track(),
        "helicopter": helicopter(),
        "icon": icon(),
        "cursor": cursor(),
    }


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else OUT_DIR
    for name, text in build_all().items():
        with open(os.path.join(out_dir, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
