#!/usr/bin/env python3
"""Draws the arrows a spin button shows on the parts a custom visual style draws, written to
styledcontrols/resources/: StySpinUPGLYPH, StySpinDOWNGLYPH, StySpinLEFTGLYPH and
StySpinRIGHTGLYPH (7 x 7, black on the fuchsia transparent colour, the bottom-left pixel).  The
spin button paints the black in the style's text colour.  Run it again after changing a picture
and commit the bitmaps."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from SliderBitmaps import write_bmp  # noqa: E402

UP = [".......",
      ".......",
      "...K...",
      "..KKK..",
      ".KKKKK.",
      ".......",
      "......."]


def turned(rows):
    """The picture turned a quarter to the right (up becomes right)."""
    return [''.join(rows[len(rows) - 1 - x][y] for x in range(len(rows))) for y in range(len(rows[0]))]


RIGHT = turned(UP)
DOWN = turned(RIGHT)
LEFT = turned(DOWN)

PICTURES = {'StySpinUPGLYPH': UP, 'StySpinDOWNGLYPH': DOWN, 'StySpinLEFTGLYPH': LEFT, 'StySpinRIGHTGLYPH': RIGHT}


def main():
    folder = os.path.join(os.path.dirname(__file__), '..', 'styledcontrols', 'resources')
    for name, rows in PICTURES.items():
        write_bmp(os.path.join(folder, name + '.bmp'), rows)


if __name__ == '__main__':
    main()
