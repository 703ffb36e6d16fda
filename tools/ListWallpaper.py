#!/usr/bin/env python3
"""Draws the wallpaper of the result windows' section lists: 600 x 13 pixels, 8 bits per pixel,
fading from white at the left to a pale blue at the right, so that rows tiled under one another
show no seam.  The bitmap is stored in the form descriptions as the lists' "Wallpaper.Data"
value (a 32-bit byte count, then the BMP file); this script rewrites the hexadecimal lines of
every "Wallpaper.Data = {" block of the forms below.  Run it again after changing the picture
and commit the forms."""
import os
import struct

WIDTH, HEIGHT = 600, 13
FADE = 40   # steps from white to the palest blue at the right edge
FORMS = ["analysis/resources/forms/TProgressDlg.form", "analysis/resources/forms/TGraphicsDlg.form"]


def bitmap():
    """The BMP file: headers, a 256-entry colour table (entry i is red and green 255 - i over full
    blue), the rows bottom-up, each 600 bytes (already a multiple of 4)."""
    palette = b''.join(struct.pack('<BBBB', 255, 255 - i, 255 - i, 0) if i < FADE else b'\0\0\0\0'
                       for i in range(256))
    row = bytes(x * FADE // WIDTH for x in range(WIDTH))
    pixels = row * HEIGHT
    offset = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 8, 0, len(pixels), 0, 0, 256, 0)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


def hex_lines(data, indent):
    lines = [indent + data[i:i + 32].hex().upper() for i in range(0, len(data), 32)]
    lines[-1] += '}'
    return lines


def rewrite(path, data):
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    out, k = [], 0
    while k < len(lines):
        out.append(lines[k])
        if lines[k].strip() == 'Wallpaper.Data = {':
            indent = lines[k][:len(lines[k]) - len(lines[k].lstrip())] + '  '
            while not lines[k].rstrip().endswith('}'):
                k += 1
            out += hex_lines(data, indent)
        k += 1
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(out))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    image = bitmap()
    data = struct.pack('<i', len(image)) + image
    for form in FORMS:
        rewrite(os.path.join(root, form), data)


if __name__ == '__main__':
    main()
