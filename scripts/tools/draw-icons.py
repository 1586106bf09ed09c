#!/usr/bin/env python3
"""Draws the program's three icons (a remote control; the status icons add a signal) as
32x32 and 16x16 true-colour ICO files in res/. Run by hand when the artwork changes."""
import struct, sys, os

def remote(size, signal):
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = c
    body, edge = (60, 60, 70, 255), (20, 20, 25, 255)
    rect(9, 3, 23, 31, edge)
    rect(10, 4, 22, 30, body)
    rect(13, 6, 19, 10, (200, 40, 40, 255))  # power button
    for row in range(3):
        for col in range(2):
            rect(12 + col * 5, 13 + row * 5, 15 + col * 5, 16 + row * 5, (190, 190, 200, 255))
    if signal:
        colour = (40, 200, 60, 255) if signal == 'receiving' else (230, 180, 30, 255)
        rect(24, 2, 26, 4, colour)
        rect(27, 0, 29, 6, colour)
        rect(30, 0, 32, 8, colour)
    return px

def bmp_entry(px):
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(struct.pack('BBBB', b, g, r, a) for row in reversed(px) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b''
    for row in reversed(px):
        bits = 0
        data = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                data[x // 8] |= 0x80 >> (x % 8)
        and_mask += bytes(data)
    return header + xor + and_mask

def ico(images):
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for px in images:
        blob = bmp_entry(px)
        size = len(px)
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b''.join(blobs)

target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..', 'res')
for name, signal in (('app', None), ('waiting', 'waiting'), ('receiving', 'receiving')):
    with open(os.path.join(target, name + '.ico'), 'wb') as f:
        f.write(ico([remote(32, signal), remote(16, signal)]))
