#!/usr/bin/env python3
"""The page's own glyph for the line feed sign U+240A: a TrueType font of one
glyph (a small L above and left of a small F), written as base64 for an
@font-face rule.

The manual writes a line feed as U+240A, and the Try it fields and answers
do too, but no font a Debian machine installs (DejaVu among them) covers it:
the browser drew an empty box. With this font first in the page's font lists
under unicode-range U+240A, the sign shows whatever else is installed. Its
advance is DejaVu Sans Mono's (1233/2048 em), so a field's columns line up.

  lf-glyph-font.py    prints the font's base64 on one line
"""
import base64
import struct

UNITS_PER_EM = 1000
ADVANCE = 602
ASCENT, DESCENT = 800, 200
CODE_POINT = 0x240A

# Two polygons, clockwise with y up: L (stem and foot), F (stem and two arms).
CONTOURS = [
    [(30, 780), (115, 780), (115, 415), (290, 415), (290, 330), (30, 330)],
    [(300, 360), (582, 360), (582, 275), (385, 275), (385, 150), (540, 150), (540, 65), (385, 65),
     (385, -160), (300, -160)],
]


def glyph(contours):
    points = [p for c in contours for p in c]
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    data = struct.pack('>hhhhh', len(contours), min(xs), min(ys), max(xs), max(ys))
    end = -1
    for c in contours:
        end += len(c)
        data += struct.pack('>H', end)
    data += struct.pack('>H', 0)  # no instructions
    data += bytes([0x01] * len(points))  # every point on the curve, coordinates as 16-bit deltas
    for axis in (0, 1):
        last = 0
        for p in points:
            data += struct.pack('>h', p[axis] - last)
            last = p[axis]
    return data + b'\0' * (-len(data) % 4), (min(xs), min(ys), max(xs), max(ys)), len(points)


def name_table(names):
    records, strings = b'', b''
    for name_id, text in names:
        encoded = text.encode('utf-16-be')
        records += struct.pack('>HHHHHH', 3, 1, 0x409, name_id, len(encoded), len(strings))
        strings += encoded
    return struct.pack('>HHH', 0, len(names), 6 + len(records)) + records + strings


def cmap_table():
    # Format 4 with two segments: the sign, and the closing 0xFFFF.
    ends, starts = [CODE_POINT, 0xFFFF], [CODE_POINT, 0xFFFF]
    deltas = [(1 - CODE_POINT) % 0x10000, 1]
    seg_count = len(ends)
    sub = struct.pack('>HHHHHHH', 4, 16 + 8 * seg_count, 0, 2 * seg_count, 4, 1, 0)
    sub += struct.pack('>%dH' % seg_count, *ends) + struct.pack('>H', 0)
    sub += struct.pack('>%dH' % seg_count, *starts) + struct.pack('>%dH' % seg_count, *deltas)
    sub += struct.pack('>%dH' % seg_count, *([0] * seg_count))
    return struct.pack('>HHHHI', 0, 1, 3, 1, 12) + sub


def checksum(data):
    data += b'\0' * (-len(data) % 4)
    return sum(struct.unpack('>%dI' % (len(data) // 4), data)) & 0xFFFFFFFF


def font():
    outline, (x_min, y_min, x_max, y_max), point_count = glyph(CONTOURS)
    tables = {
        'head': struct.pack('>IIIIHHqqhhhhHHhhh', 0x10000, 0x10000, 0, 0x5F0F3CF5, 0x000B, UNITS_PER_EM, 0, 0,
                            x_min, y_min, x_max, y_max, 0, 8, 2, 0, 0),
        'hhea': struct.pack('>IhhhHhhhhhhhhhhhH', 0x10000, ASCENT, -DESCENT, 0, ADVANCE, x_min, ADVANCE - x_max,
                            x_max, 1, 0, 0, 0, 0, 0, 0, 0, 2),
        'maxp': struct.pack('>IHHHHHHHHHHHHHH', 0x10000, 2, point_count, len(CONTOURS), 0, 0, 2, 0, 0, 0, 0, 0, 0,
                            0, 0),
        'OS/2': struct.pack('>HhHHHhhhhhhhhhhh10sIIII4sHHHhhhHHIIhhHHH', 4, ADVANCE, 400, 5, 0, 650, 600, 0, 75,
                            650, 600, 0, 350, 50, 250, 0, bytes(10), 0, 0, 0, 0, b'KELV', 0x40, CODE_POINT,
                            CODE_POINT, ASCENT, -DESCENT, 0, ASCENT, DESCENT, 0, 0, 500, 700, 0, 32, 0),
        'hmtx': struct.pack('>HhHh', ADVANCE, 0, ADVANCE, x_min),
        'cmap': cmap_table(),
        'loca': struct.pack('>HHH', 0, 0, len(outline) // 2),
        'glyf': outline,
        'name': name_table([(1, 'Kelv LF'), (2, 'Regular'), (3, 'Kelv LF Regular'), (4, 'Kelv LF'),
                            (6, 'KelvLF')]),
        'post': struct.pack('>IIhhIIIII', 0x30000, 0, -100, 50, 0, 0, 0, 0, 0),
    }
    tags = sorted(tables)
    count = len(tags)
    power = 1 << (count.bit_length() - 1)
    header = struct.pack('>IHHHH', 0x10000, count, power * 16, power.bit_length() - 1, count * 16 - power * 16)
    offset = len(header) + 16 * count
    directory, body = b'', b''
    for tag in tags:
        data = tables[tag]
        directory += struct.pack('>4sIII', tag.encode('ascii'), checksum(data), offset + len(body), len(data))
        body += data + b'\0' * (-len(data) % 4)
    whole = header + directory + body
    # head's checkSumAdjustment makes the whole file sum to 0xB1B0AFBA.
    adjust = (0xB1B0AFBA - checksum(whole)) & 0xFFFFFFFF
    at = len(header) + 16 * count + body.index(tables['head']) + 8
    return whole[:at] + struct.pack('>I', adjust) + whole[at + 4:]


if __name__ == '__main__':
    print(base64.b64encode(font()).decode('ascii'))
