#!/usr/bin/python3
"""Writes every drawing of the game as an SVG file.

Usage: generate.py [OUTPUT_DIR]

OUTPUT_DIR defaults to assets/pictures, the folder of drawings.txt. Needs
Debian's python3-fonttools and the DejaVu fonts (fonts-dejavu-core,
fonts-dejavu-extra): the words are drawn as glyph outlines.
"""

import os
import sys

from drawing import all_drawings

HERE = os.path.dirname(os.path.abspath(__file__))
PICTURES = os.path.normpath(os.path.join(HERE, "..", "..", "assets", "pictures"))


def main(argv):
    folder = argv[1] if len(argv) > 1 else PICTURES
    os.makedirs(folder, exist_ok=True)
    for name, draw in all_drawings().items():
        draw().save(folder, name)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
