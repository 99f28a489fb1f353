"""Every drawing of the game, as SVG pictures built in code.

palette, svg and lettering are the shared tools; each other module draws
one set of pictures and lists them in its DRAWINGS, name -> function that
returns the picture.
"""

from . import buildings, dialogs, main_screen, splash, sprites, tiles, transport, village

SETS = (tiles, buildings, transport, main_screen, sprites, splash, dialogs, village)


def all_drawings():
    """Every drawing by name, from all the sets."""
    drawings = {}
    for module in SETS:
        for name, draw in module.DRAWINGS.items():
            if name in drawings:
                raise ValueError(f"two drawings named {name}")
            drawings[name] = draw
    return drawings
