#!/usr/bin/env python3
"""Draws the glyphs of the edit controls' buttons in 16 colours, written to
editcontrols/resources/: EcCustomNumEditBUTTONGLYPH (12 x 12: a pocket calculator, the button of
the numeric edit), EcFilenameEditGLYPH and EcFilenameEditXPGLYPH (14 x 12: an open folder, the
button of the file-name edit, classic and flatter), and EcCalculatorPanelBUTTONS (a strip of six
16 x 16 cells for the calculator dialog: cancel, OK, sign change, multiply, subtract, add).  The
fuchsia background is the transparent colour (the bottom-left pixel).  Run it again after
changing a picture and commit the bitmaps."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from SliderBitmaps import write_bmp, INK  # noqa: E402

INK.update({'r': 9, 'n': 4, 'y': 11, 'o': 3, 'G': 2, 'b': 12})

CALCULATOR = ["..KKKKKKKK..",
              ".KggggggggK.",
              ".KgwwwwwwgK.",
              ".KgwKKKKwgK.",
              ".KgwwwwwwgK.",
              ".KggggggggK.",
              ".KgKgKgKggK.",
              ".KggggggggK.",
              ".KgKgKgKggK.",
              ".KggggggggK.",
              "..KKKKKKKK..",
              "............"]

FOLDER = ["..............",
          ".KKKK.........",
          "KyyyyK........",
          "KyyyyyKKKKKK..",
          "KywwwwwwwwwyK.",
          "KywKKKKKKKKKKK",
          "KyKoyyyyyyyyoK",
          "KyKyyyyyyyyoK.",
          "KKoyyyyyyyyoK.",
          "KKyyyyyyyyoK..",
          "KKKKKKKKKKKK..",
          ".............."]

FOLDER_FLAT = ["..............",
               ".oooo.........",
               "oyyyyo........",
               "oyyyyyoooooo..",
               "oywwwwwwwwwyo.",
               "oywoooooooooooo"[:14],
               "oyoyyyyyyyyyyo",
               "oyoyyyyyyyyyo.",
               "ooyyyyyyyyyyo.",
               "ooyyyyyyyyyo..",
               "oooooooooooo..",
               ".............."]


def cell(rows):
    """A 16 x 16 cell holding the picture centred."""
    height, width = len(rows), len(rows[0])
    top, left = (16 - height) // 2, (16 - width) // 2
    out = ['.' * 16 for _ in range(16)]
    for y, line in enumerate(rows):
        out[top + y] = out[top + y][:left] + line + out[top + y][left + width:]
    return out


CANCEL = ["rr......rr",
          ".rr....rr.",
          "..rr..rr..",
          "...rrrr...",
          "....rr....",
          "...rrrr...",
          "..rr..rr..",
          ".rr....rr.",
          "rr......rr"]
OK = ["........G",
      ".......GG",
      "......GG.",
      "G....GG..",
      "GG..GG...",
      ".GGGG....",
      "..GG....."]
SIGN = ["...K.....",
        "...K.....",
        ".KKKKK...",
        "...K.....",
        "...K.....",
        ".........",
        ".....KKKK"]
MULTIPLY = ["n.....n",
            ".n...n.",
            "..n.n..",
            "...n...",
            "..n.n..",
            ".n...n.",
            "n.....n"]
SUBTRACT = ["nnnnnnn",
            "nnnnnnn"]
ADD = ["...n...",
       "...n...",
       "...n...",
       "nnnnnnn",
       "...n...",
       "...n...",
       "...n..."]


def strip(cells):
    return [''.join(c[y] for c in cells) for y in range(16)]


PICTURES = {
    'EcCustomNumEditBUTTONGLYPH': CALCULATOR,
    'EcFilenameEditGLYPH': FOLDER,
    'EcFilenameEditXPGLYPH': FOLDER_FLAT,
    'EcCalculatorPanelBUTTONS': strip([cell(p) for p in (CANCEL, OK, SIGN, MULTIPLY, SUBTRACT, ADD)]),
}


def main():
    folder = os.path.join(os.path.dirname(__file__), '..', 'editcontrols', 'resources')
    for name, rows in PICTURES.items():
        write_bmp(os.path.join(folder, name + '.bmp'), rows)


if __name__ == '__main__':
    main()
