"""Windows icon files (.ico) with 32-bit images (alpha in the colour data, an empty AND mask), the
format every Windows version loads for application and tray icons."""

import struct


def _image(canvas):
    w, h = canvas.width, canvas.height
    rgba = canvas.to_bytes()
    rows = []
    for y in range(h - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(w):
            r, g, b, a = rgba[(y * w + x) * 4:(y * w + x) * 4 + 4]
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytes(mask_stride * h)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(b"".join(rows)) + len(mask), 0, 0, 0, 0)
    return header + b"".join(rows) + mask


def ico_bytes(canvases):
    images = [_image(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)
