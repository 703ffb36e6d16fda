#!/usr/bin/env python3
"""Draws the slider's four bitmaps in 16 colours, written to editcontrols/resources/:
EcW95HTB (18 x 17: the thumb of a horizontal slider, normal and pressed halves side by side,
pointing down), EcW95HRL (10 x 8: its sunken ruler, two fixed pixels at each end), EcW95VTB
(38 x 9: the thumb of a vertical slider, pointing right) and EcW95VRL (8 x 10: its ruler).  The
fuchsia background is the transparent colour (the bottom-left pixel).  Run it again after
changing a picture and commit the bitmaps."""
import os
import struct

PALETTE = [0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
           0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF]  # RGB
INK = {'K': 0, 's': 7, 'g': 8, '.': 13, 'w': 15}


def thumb(length, pressed):
    """A thumb pointing down, 9 wide: a raised face of `length` rows, then a four-row point.
    The pressed face is dithered white and silver."""
    rows = ["wwwwwwwwK"]
    for y in range(1, length):
        face = ''.join('w' if pressed and (x + y) % 2 == 0 else 's' for x in range(6))
        rows.append('w' + face + 'gK')
    rows += [".w" + ('s' * 4) + "gK.", "..wssgK..", "...wgK...", "....K...."]
    return rows


def transpose(rows):
    return [''.join(row[x] for row in rows) for x in range(len(rows[0]))]


def side_by_side(a, b):
    return [ra + rb for ra, rb in zip(a, b)]


RULER = ["..........",
         "..........",
         "gggggggggw",
         "gKKKKKKKsw",
         "gKsssssssw",
         "wwwwwwwwww",
         "..........",
         ".........."]


def vertical_thumb(pressed):
    rows = transpose(thumb(15, pressed))   # 19 x 9, pointing right
    rows[8] = '.' + rows[8][1:]             # a transparent corner keeps the bottom-left pixel free
    return rows


PICTURES = {
    'EcW95HTB': side_by_side(thumb(13, False), thumb(13, True)),
    'EcW95HRL': RULER,
    'EcW95VTB': side_by_side(vertical_thumb(False), vertical_thumb(True)),
    'EcW95VRL': transpose(RULER),
}


def write_bmp(path, rows):
    width, height = len(rows[0]), len(rows)
    assert all(len(r) == width for r in rows), path
    stride = (width * 4 + 31) // 32 * 4
    data = b''
    for line in reversed(rows):
        nibbles = [INK[ch] for ch in line] + [0]
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, width, 2))
        data += row + b'\0' * (stride - len(row))
    palette = b''.join(struct.pack('<BBBB', c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(data), 3780, 3780, 16, 0)
    head = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(head + info + palette + data)


def main():
    folder = os.path.join(os.path.dirname(__file__), '..', 'editcontrols', 'resources')
    for name, rows in PICTURES.items():
        write_bmp(os.path.join(folder, name + '.bmp'), rows)


if __name__ == '__main__':
    main()
