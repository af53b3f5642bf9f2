"""Writes 8-bit RGBA PNG files with the standard library only.

The output depends only on the pixels: rows are unfiltered and zlib runs at level 9, so the same
picture always gives the same file on the same zlib.
"""

import struct
import zlib


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _filter_row(row, previous):
    """Rows are stored unfiltered (filter type 0): dithered gradients gain little from the filters."""
    del previous
    return b"\x00" + row


def encode_rgba(width, height, rgba):
    """rgba: bytes of width*height*4 (R, G, B, A per pixel, rows top to bottom)."""
    stride = width * 4
    previous = bytes(stride)
    raw = bytearray()
    for y in range(height):
        row = bytes(rgba[y * stride:(y + 1) * stride])
        raw += _filter_row(row, previous)
        previous = row
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header) +
            _chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _chunk(b"IEND", b""))


def decode_rgba(data):
    """Reads back a PNG written by encode_rgba (8-bit RGBA, not interlaced): (width, height, bytes)."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos, idat, width, height = 8, b"", 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            if depth != 8 or colour != 6:
                raise ValueError("only 8-bit RGBA pictures are read")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4
    out = bytearray()
    previous = bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - 4] if i >= 4 else 0
            up = previous[i]
            upleft = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upleft
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upleft)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else upleft)
                row[i] = (row[i] + pred) & 0xFF
        out += row
        previous = row
    return width, height, bytes(out)
