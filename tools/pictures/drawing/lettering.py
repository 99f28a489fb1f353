"""Words as glyph outlines.

The letters are turned into path data with fontTools, so the SVG files
never depend on the fonts installed where the game runs. Needs the DejaVu
fonts of Debian's fonts-dejavu-core and fonts-dejavu-extra.
"""

import functools

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

from .palette import LETTER_EDGE, YELLOW, BLACK
from .svg import num

BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
CONDENSED = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"


@functools.lru_cache(maxsize=None)
def lettering(path=BOLD, kerning=False):
    """One shared Lettering a font and kerning choice: loading a font is slow."""
    return Lettering(path, kerning)


def kerning_pairs(font):
    """The font's old-style kerning table as {(left, right): units}."""
    pairs = {}
    if "kern" in font:
        for table in font["kern"].kernTables:
            pairs.update(getattr(table, "kernTable", {}))
    return pairs


class Lettering:
    """Sets words in one font; `kerning` applies the font's kerning pairs.

    The dialogs' words are kerned; the board's and the main screen's were
    set on plain advances, and stay so.
    """

    def __init__(self, path, kerning=False):
        font = TTFont(path)
        self.glyphs = font.getGlyphSet()
        self.cmap = font.getBestCmap()
        self.units = font["head"].unitsPerEm
        self.kerns = kerning_pairs(font) if kerning else {}

    def placed(self, text, size, tracking):
        """Glyph names with their pen offsets from the start, and the advance width."""
        scale = size / self.units
        names = [self.cmap[ord(ch)] for ch in text]
        placed, pos = [], 0.0
        for name, after in zip(names, names[1:] + [None]):
            placed.append((name, pos))
            pos += self.glyphs[name].width * scale + tracking
            pos += self.kerns.get((name, after), 0) * scale
        return placed, pos - tracking

    def width(self, text, size, tracking=0.0):
        return self.placed(text, size, tracking)[1]

    def draw(self, pen, text, size, x, baseline, tracking):
        scale = size / self.units
        for name, offset in self.placed(text, size, tracking)[0]:
            self.glyphs[name].draw(TransformPen(pen, (scale, 0, 0, -scale, x + offset, baseline)))

    def outline(self, text, size, x, baseline, anchor="start", tracking=0.0):
        """Path data of the text on `baseline`; `anchor` as in SVG: start, middle or end."""
        share = {"start": 0, "middle": 0.5, "end": 1}[anchor]
        pen = SVGPathPen(self.glyphs, ntos=num)
        self.draw(pen, text, size, x - share * self.width(text, size, tracking), baseline, tracking)
        return pen.getCommands()

    def ink_box(self, text, size, tracking=0.0):
        """Ink box (left, top, right, bottom) of the text set at baseline 0."""
        pen = BoundsPen(self.glyphs)
        self.draw(pen, text, size, 0.0, 0.0, tracking)
        return pen.bounds

    def ink_centred(self, text, size, cx, cy, tracking=0.0):
        """Path data with the ink centred on (cx, cy).

        The baseline and the start land on whole pixels, which keeps the
        letters' straight stems steady.
        """
        left, top, right, bottom = self.ink_box(text, size, tracking)
        x = round(cx - (left + right) / 2)
        baseline = round(cy - (top + bottom) / 2)
        return self.outline(text, size, x, baseline, tracking=tracking)

    def fit_size(self, text, max_w, max_h, tracking=0.0):
        """Largest size (in steps of 0.25 px) whose ink fits max_w x max_h."""
        size = 4.0
        while True:
            left, top, right, bottom = self.ink_box(text, size + 0.25, tracking)
            if right - left > max_w or bottom - top > max_h:
                return size
            size += 0.25


def paint(svg, d, edge_width, fill=YELLOW, edge=LETTER_EDGE, shadow=None):
    """Letters with an outline, as on the game's buttons: yellow, edged orange-brown.

    The outline is the same shape stroked `edge_width` wide underneath, so
    half of it shows round each letter and the letters keep their weight.
    `shadow` (dx, dy) adds a hard black copy behind, for depth.
    """
    if shadow:
        svg.add(f'<g transform="translate({num(shadow[0])},{num(shadow[1])})">')
        svg.path(d, BLACK, stroke=BLACK, stroke_width=edge_width, stroke_linejoin="round")
        svg.add("</g>")
    svg.path(d, edge, stroke=edge, stroke_width=edge_width, stroke_linejoin="round")
    svg.path(d, fill)
