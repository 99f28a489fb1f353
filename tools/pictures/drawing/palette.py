"""The colours the drawings share.

One name per colour, so a picture that matches another (a roof, a window,
the yellow of the painted words) does so by name rather than by a repeated
hex code. Colours used by a single picture stay in that picture.
"""

BLACK = "#000000"
WHITE = "#FFFFFF"
YELLOW = "#FFFF00"
PALE_YELLOW = "#FFFF80"
LETTER_EDGE = "#A03000"
ORANGE = "#FF8C1A"
RED = "#E01010"
GREEN = "#2F9A2F"
DARK_GREEN = "#1F7A1F"
LIGHT_GREEN = "#5CC05C"
BLUE = "#2A6FD6"
LIGHT_BLUE = "#6FA8F0"
BROWN = "#804000"
DARK_BROWN = "#5A2E00"
LIGHT_GREY = "#C8C8C8"
GREY = "#9A9A9A"
DARK_GREY = "#5A5A5A"
ROOF = "#C8402A"
WINDOW = "#4A90E2"

# Fewer pictures use these.
SAND = "#C8A060"
BRICK = "#8A2010"
ASPHALT = "#3C3C3C"
DEEP_WATER = "#1E56B0"
DEEP_GREEN = "#0F4F0F"
LEAF = "#3FAE3F"
NAVY = "#000080"
CYAN = "#00FFFF"
MAROON = "#800000"
LIVERY_BLUE = "#1E4FD0"
