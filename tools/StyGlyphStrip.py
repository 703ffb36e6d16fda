#!/usr/bin/env python3
"""Draws the standard glyph strip of the styled buttons: eight 13 x 14 pictures side by side
(ellipsis, file, folder, calculator, calendar, search, colour, font) in 16 colours, written as
foundation/resources/StyBMPGLYPH.bmp.  The fuchsia background is the transparent colour (the
bottom-left pixel).  Run it again after changing a picture and commit the bitmap."""
import os
import struct

PALETTE = [0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
           0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF]  # RGB
INK = {'K': 0, 'o': 3, 'p': 5, 's': 7, 'g': 8, 'r': 9, 'G': 10, 'y': 11, 'B': 12, '.': 13, 'c': 14, 'w': 15}

GLYPHS = [
    # ellipsis
    [".............", ".............", ".............", ".............", ".............",
     ".............", ".............", ".............", ".KK..KK..KK..", ".KK..KK..KK..",
     ".............", ".............", ".............", "............."],
    # file
    ["..KKKKKK.....", "..KwwwwKK....", "..KwwwwKwK...", "..KwwwwKKKK..", "..KwwwwwwwK..",
     "..KwgggggwK..", "..KwwwwwwwK..", "..KwgggggwK..", "..KwwwwwwwK..", "..KwgggggwK..",
     "..KwwwwwwwK..", "..KwwwwwwwK..", "..KKKKKKKKK..", "............."],
    # folder
    [".............", ".............", "..KKKK.......", ".KyyyyK......", ".KyyyyyKKKKK.",
     ".KyyyyyyyyyK.", ".KyKKKKKKKKKK", ".KyKyyyyyyyyK", ".KKyyyyyyyyK.", ".KKyyyyyyyyK.",
     ".KyyyyyyyyK..", ".KKKKKKKKKK..", ".............", "............."],
    # calculator
    ["..KKKKKKKKK..", "..KsssssssK..", "..KswwwwwsK..", "..KswKKKwsK..", "..KswwwwwsK..",
     "..KsssssssK..", "..KsKsKsKsK..", "..KsssssssK..", "..KsKsKsKsK..", "..KsssssssK..",
     "..KsKsKsrsK..", "..KsssssssK..", "..KKKKKKKKK..", "............."],
    # calendar
    [".............", "...K.....K...", ".KKKKKKKKKKK.", ".KrrrrrrrrrK.", ".KKKKKKKKKKK.",
     ".KwwwwwwwwwK.", ".KwKwKwKwKwK.", ".KwwwwwwwwwK.", ".KwKwKwKwKwK.", ".KwwwwwwwwwK.",
     ".KwKwKwKwwwK.", ".KwwwwwwwwwK.", ".KKKKKKKKKKK.", "............."],
    # search
    [".............", "...KKKK......", "..KwwwwK.....", ".KwwcwwwK....", ".KwcwwwwK....",
     ".KwwwwwwK....", ".KwwwwwwK....", "..KwwwwK.....", "...KKKKKK....", "........KK...",
     ".........KK..", "..........KK.", "...........K.", "............."],
    # colour
    ["KKKKKKKKKKKKK", "KrrrKGGGKBBBK", "KrrrKGGGKBBBK", "KrrrKGGGKBBBK", "KKKKKKKKKKKKK",
     "KyyyKcccKpppK", "KyyyKcccKpppK", "KyyyKcccKpppK", "KKKKKKKKKKKKK", "KwwwKgggKoooK",
     "KwwwKgggKoooK", "KwwwKgggKoooK", "KKKKKKKKKKKKK", "............."],
    # font
    [".............", "......K......", ".....KKK.....", ".....KKK.....", "....KK.KK....",
     "....KK.KK....", "...KK...KK...", "...KKKKKKK...", "..KK.....KK..", "..KK.....KK..",
     ".KKKK...KKKK.", ".............", ".............", "............."],
]

WIDTH, HEIGHT = 13 * len(GLYPHS), 14


def main():
    for g in GLYPHS:
        assert len(g) == HEIGHT and all(len(row) == 13 for row in g), g
    stride = (WIDTH * 4 + 31) // 32 * 4
    rows = b''
    for y in reversed(range(HEIGHT)):
        line = ''.join(g[y] for g in GLYPHS)
        nibbles = [INK[ch] for ch in line] + [0]
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, WIDTH, 2))
        rows += row + b'\0' * (stride - len(row))
    palette = b''.join(struct.pack('<BBBB', c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 4, 0, len(rows), 3780, 3780, 16, 0)
    head = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    out = os.path.join(os.path.dirname(__file__), '..', 'foundation', 'resources', 'StyBMPGLYPH.bmp')
    with open(out, 'wb') as f:
        f.write(head + info + palette + rows)


if __name__ == '__main__':
    main()
