"""The SVG writer every drawing uses.

A picture is a list of elements written one a line, attributes in the
order given, so regenerating a drawing gives the same bytes and a change
to one shape shows as a change to one line.
"""

import os

from .palette import BLACK


def num(value):
    """Short decimal form: at most two decimals, no trailing zeros, never "-0"."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def point(x, y):
    """A coordinate pair for path data, in the short form."""
    return f"{num(x)},{num(y)}"


def attribute_name(key):
    """Python keyword to SVG attribute name: stroke_width -> stroke-width."""
    return key.replace("_", "-")


class Svg:
    """Collects the elements of one picture and writes it out.

    `number` turns each coordinate into text: the board tiles keep Python's
    own form (2.0 stays 2.0), the other pictures the short form of num().
    `tiny` declares the file SVG Tiny 1.2, as the main screen's pictures do.
    """

    def __init__(self, width, height, number=num, tiny=False):
        self.width = width
        self.height = height
        self.number = number
        self.tiny = tiny
        self.parts = []

    def add(self, text):
        """Adds raw markup, for the few things without a helper (groups)."""
        self.parts.append(text)

    def value(self, value):
        """Numbers in this picture's number form; text as it is."""
        return value if isinstance(value, str) else self.number(value)

    def points(self, points):
        return " ".join(f"{self.value(x)},{self.value(y)}" for x, y in points)

    def element(self, tag, **attributes):
        text = "".join(f' {attribute_name(k)}="{self.value(v)}"' for k, v in attributes.items())
        self.add(f"<{tag}{text}/>")

    def rect(self, x, y, w, h, fill, **more):
        self.element("rect", x=x, y=y, width=w, height=h, fill=fill, **more)

    def rects(self, boxes, fill):
        """Several rects of one colour, each box (x, y, w, h)."""
        for x, y, w, h in boxes:
            self.rect(x, y, w, h, fill)

    def boxed(self, x, y, w, h, fill, edge=BLACK, grounded=False):
        """A box with a one-pixel edge. A grounded one stands on something, so
        its edge has no bottom side."""
        self.rect(x, y, w, h, edge)
        self.rect(x + 1, y + 1, w - 2, h - (1 if grounded else 2), fill)

    def circle(self, cx, cy, r, fill, **more):
        self.element("circle", cx=cx, cy=cy, r=r, fill=fill, **more)

    def ellipse(self, cx, cy, rx, ry, fill, **more):
        self.element("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, fill=fill, **more)

    def line(self, x1, y1, x2, y2, stroke, width=1, **more):
        self.element("line", x1=x1, y1=y1, x2=x2, y2=y2, stroke=stroke, stroke_width=width, **more)

    def polygon(self, points, fill, **more):
        self.element("polygon", points=self.points(points), fill=fill, **more)

    def polyline(self, points, stroke, width=1, **more):
        self.element("polyline", points=self.points(points), fill="none", stroke=stroke,
                     stroke_width=width, **more)

    def path(self, d, fill, **more):
        self.element("path", d=d, fill=fill, **more)

    def frame(self, x, y, w, h, colour, thickness=1):
        """An outline drawn inside the box (x, y, w, h) from solid rects, so it stays crisp."""
        t = thickness
        self.rect(x, y, w, t, colour)
        self.rect(x, y + h - t, w, t, colour)
        self.rect(x, y + t, t, h - 2 * t, colour)
        self.rect(x + w - t, y + t, t, h - 2 * t, colour)

    def pixels(self, rows, colours):
        """A small pixel map: one character a pixel, those not in `colours` left empty.

        Each run of one colour along a row becomes one rect, to keep the file small.
        """
        for y, row in enumerate(rows):
            x = 0
            while x < len(row):
                end = x + 1
                while end < len(row) and row[end] == row[x]:
                    end += 1
                if row[x] in colours:
                    self.rect(x, y, end - x, 1, colours[row[x]])
                x = end

    def source(self):
        size = f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}"'
        if self.tiny:
            head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                    f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" {size}>\n')
        else:
            head = f'<svg xmlns="http://www.w3.org/2000/svg" {size}>\n'
        return head + "".join(part + "\n" for part in self.parts) + "</svg>\n"

    def save(self, folder, name):
        with open(os.path.join(folder, name + ".svg"), "w", encoding="utf-8", newline="\n") as out:
            out.write(self.source())
