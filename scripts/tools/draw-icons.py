#!/usr/bin/env python3
"""Draws the program's icons as 32x32 and 16x16 true-colour ICO files in res/: a remote
control (the status icons add a signal) and the configuration file's document icon, a page
with a folded corner that carries the remote. Run by hand when the artwork changes."""
import struct, sys, os

def canvas(size, grid=32):
    """A transparent image and a painter of rectangles given on a grid x grid square."""
    s = size / float(grid)
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = c
    return px, rect

def remote(size, signal):
    px, rect = canvas(size)
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

EDGE, PAPER, FOLD = (90, 90, 100, 255), (250, 250, 245, 255), (200, 200, 190, 255)
MARK_EDGE, MARK_BODY = (20, 20, 25, 255), (60, 60, 70, 255)
MARK_POWER, MARK_KEY = (200, 40, 40, 255), (190, 190, 200, 255)

def page(rect, left, top, right, bottom, fold):
    """A page whose top right corner of `fold` pixels is folded over; pixel coordinates."""
    corner = right - fold
    rect(left, top, corner + 1, bottom, EDGE)
    rect(corner, top + fold, right, bottom, EDGE)
    rect(left + 1, top + 1, corner, bottom - 1, PAPER)
    rect(corner, top + fold + 1, right - 1, bottom - 1, PAPER)
    for step in range(fold):
        rect(corner + step, top + step, corner + step + 1, top + step + 1, EDGE)
        rect(corner + 1, top + step + 1, corner + step + 1, top + step + 2, FOLD)
    rect(corner, top, corner + 1, top + fold + 1, EDGE)
    rect(corner, top + fold, right, top + fold + 1, EDGE)

def document(size):
    """The configuration file: a page with a folded corner carrying the program's remote."""
    px, rect = canvas(size, size)
    if size >= 32:
        page(rect, 4, 1, 28, 31, 8)
        rect(11, 11, 21, 29, MARK_EDGE)
        rect(12, 12, 20, 28, MARK_BODY)
        rect(14, 13, 18, 16, MARK_POWER)
        for row in range(3):
            for col in range(2):
                rect(13 + col * 4, 18 + row * 3, 15 + col * 4, 20 + row * 3, MARK_KEY)
    else:
        page(rect, 2, 0, 14, 16, 4)
        rect(5, 5, 11, 15, MARK_EDGE)
        rect(6, 6, 10, 14, MARK_BODY)
        rect(7, 6, 9, 8, MARK_POWER)
        for row in range(2):
            rect(6, 9 + row * 2, 7, 10 + row * 2, MARK_KEY)
            rect(9, 9 + row * 2, 10, 10 + row * 2, MARK_KEY)
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
with open(os.path.join(target, 'document.ico'), 'wb') as f:
    f.write(ico([document(32), document(16)]))
