#!/usr/bin/env python3
"""Writes data/kawaban.ico, the program's icon (32 x 32, 16 colours), from the pixel map
below: a tiled roof over a black news board with a yellow 瓦 and a running row of dots.
Run it again after changing the map; the build uses the .ico file it writes."""
import os
import struct
import sys

# The 16 colours of the standard palette; map letters to them.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
COLOURS = {'K': 0, 'r': 1, 'S': 7, 'G': 8, 'R': 9, 'Y': 11, 'W': 15}

PIXELS = """\
................................
................................
...........rRrRrRrRr............
.........rRrRrRrRrRrRr..........
.......rRrRrRrRrRrRrRrRr........
.....rRrRrRrRrRrRrRrRrRrRr......
...rRrRrRrRrRrRrRrRrRrRrRrRr....
..rRrRrRrRrRrRrRrRrRrRrRrRrRr...
.rrrrrrrrrrrrrrrrrrrrrrrrrrrrrr.
.rrrrrrrrrrrrrrrrrrrrrrrrrrrrrr.
..GGGGGGGGGGGGGGGGGGGGGGGGGGGG..
..GKKKKKKKKKKKKKKKKKKKKKKKKKKG..
..GKKKKKKKKKKKKKKKKKKKKKKKKKKG..
..GKKKYYYYYYYYYYYKKKKKKKKKKKKG..
..GKKKKKKKYKKKKKKKKKKKKKKKKKKG..
..GKKKKKKKYKKKKKKKKKKKKKKKKKKG..
..GKKKKKKKYYYYYYYKKKKKKKKKKKKG..
..GKKKKKKYKKKKKYKKKKKKKKKKKKKG..
..GKKKKKKYKYKKKYKKKKKKKKKKKKKG..
..GKKKKKYKKKYKKYKKKKKKKKKKKKKG..
..GKKKKKYKKKKYKYKKKKKKKKKKKKKG..
..GKKKKYKKKYYYYYYYYKKKKKKKKKKG..
..GKKKKKKKKKKKKKKKKKKKKKKKKKKG..
..GKKKKKKKKKKKKKKKKKKKKKKKKKKG..
..GKYKYKYKYKYKYKYKYKYKYKYKYKKG..
..GKKKKKKKKKKKKKKKKKKKKKKKKKKG..
..GKKKKKKKKKKKKKKKKKKKKKKKKKKG..
..GGGGGGGGGGGGGGGGGGGGGGGGGGGG..
.............GSSG...............
...........GGSSSSGG.............
................................
................................
"""


def main():
    rows = PIXELS.splitlines()
    assert len(rows) == 32 and all(len(r) == 32 for r in rows), "the map is 32 x 32"
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps run bottom-up
        for x in range(0, 32, 2):
            hi = COLOURS.get(row[x], 0)
            lo = COLOURS.get(row[x + 1], 0)
            xor.append(hi << 4 | lo)
        bits = 0
        for x in range(32):
            bits = bits << 1 | (1 if row[x] == '.' else 0)
        mask += struct.pack('>I', bits)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    icon = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 32, 32, 16, 0, 1, 4, len(image), 22) + image
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'data', 'kawaban.ico')
    with open(out, 'wb') as f:
        f.write(icon)


if __name__ == '__main__':
    main()
