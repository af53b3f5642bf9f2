"""MainForm_Frame.rgn: the window outline as the region API's RGNDATA block (a 32-byte header, then
one rectangle per band), for a rectangle with rounded corners."""

import math
import struct


def rounded_outline(width, height, radius):
    rects = []
    for y in range(radius):
        # Width of the cut at this row: where the corner circle crosses the row's centre line.
        dy = radius - (y + 0.5)
        inset = int(round(radius - math.sqrt(max(0.0, radius * radius - dy * dy))))
        rects.append((inset, y, width - inset, y + 1))
    rects.append((0, radius, width, height - radius))
    for y in range(height - radius, height):
        dy = (y + 0.5) - (height - radius)
        inset = int(round(radius - math.sqrt(max(0.0, radius * radius - dy * dy))))
        rects.append((inset, y, width - inset, y + 1))
    header = struct.pack("<8i", 32, 1, len(rects), 16 * len(rects), 0, 0, width, height)
    return header + b"".join(struct.pack("<4i", *r) for r in rects)
