"""A small anti-aliased rasteriser: shapes are signed distance functions (negative inside), painted
with a colour or a gradient, with coverage taken from the distance at each pixel centre.

Colours are (r, g, b, a) tuples of floats 0..1, not premultiplied.
"""

import math

from pngfile import encode_rgba

# 4x4 ordered dither, so dark gradients show no bands after rounding to 8 bits.
_BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def rgb(hex_text, alpha=1.0):
    value = int(hex_text.lstrip("#"), 16)
    return ((value >> 16 & 255) / 255.0, (value >> 8 & 255) / 255.0, (value & 255) / 255.0, alpha)


def mix(c0, c1, t):
    t = 0.0 if t < 0 else 1.0 if t > 1 else t
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def with_alpha(colour, alpha):
    return (colour[0], colour[1], colour[2], alpha)


def lighten(colour, amount):
    return mix(colour, (1.0, 1.0, 1.0, colour[3]), amount)


def darken(colour, amount):
    return mix(colour, (0.0, 0.0, 0.0, colour[3]), amount)


def _stops_at(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
    return stops[-1][1]


def linear(x0, y0, x1, y1, stops):
    """Gradient along the line from (x0, y0) to (x1, y1); stops are (position 0..1, colour)."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1.0
    return lambda x, y: _stops_at(stops, ((x - x0) * dx + (y - y0) * dy) / length2)


def vertical(top, bottom, stops):
    return linear(0, top, 0, bottom, stops)


def radial(cx, cy, radius, stops):
    return lambda x, y: _stops_at(stops, math.hypot(x - cx, y - cy) / radius)


# Signed distance functions. Each carries .box, the rectangle (x0, y0, x1, y1) outside of which it
# is certainly positive, so painting only visits the pixels near the shape.

def _boxed(sdf, box):
    sdf.box = box
    return sdf


def rbox(left, top, width, height, radius):
    cx, cy = left + width / 2.0, top + height / 2.0
    hw, hh = width / 2.0, height / 2.0
    radius = min(radius, hw, hh)

    def sdf(x, y):
        qx = abs(x - cx) - hw + radius
        qy = abs(y - cy) - hh + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    sdf = _boxed(sdf, (left, top, left + width, top + height))
    # Pixels whose centres lie this far inside need no distance to know they are covered.
    sdf.inner = (left + radius + 1, top + 1, left + width - radius - 1, top + height - 1)
    return sdf


def circle(cx, cy, radius):
    return _boxed(lambda x, y: math.hypot(x - cx, y - cy) - radius, (cx - radius, cy - radius, cx + radius, cy + radius))


def ring(cx, cy, radius, thickness):
    r = radius + thickness / 2.0
    return _boxed(lambda x, y: abs(math.hypot(x - cx, y - cy) - radius) - thickness / 2.0, (cx - r, cy - r, cx + r, cy + r))


def capsule(ax, ay, bx, by, radius):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def sdf(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / length2
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        return math.hypot(x - ax - dx * t, y - ay - dy * t) - radius
    return _boxed(sdf, (min(ax, bx) - radius, min(ay, by) - radius, max(ax, bx) + radius, max(ay, by) + radius))


def arc(cx, cy, radius, thickness, start_deg, end_deg):
    """A ring segment with round ends; angles in degrees, 0 to the right, counted clockwise."""
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    mid, half = (a0 + a1) / 2.0, (a1 - a0) / 2.0
    ends = [(cx + radius * math.cos(a), cy + radius * math.sin(a)) for a in (a0, a1)]

    def sdf(x, y):
        angle = math.atan2(y - cy, x - cx)
        delta = (angle - mid + math.pi) % (2 * math.pi) - math.pi
        if abs(delta) <= half:
            return abs(math.hypot(x - cx, y - cy) - radius) - thickness / 2.0
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - thickness / 2.0
    r = radius + thickness / 2.0
    return _boxed(sdf, (cx - r, cy - r, cx + r, cy + r))


def polygon(points):
    """Convex polygon, points in either winding order."""
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]))
    sign = 1.0 if area > 0 else -1.0
    edges = []
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        nx, ny = (y1 - y0) * sign, -(x1 - x0) * sign
        length = math.hypot(nx, ny) or 1.0
        edges.append((x0, y0, nx / length, ny / length))
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return _boxed(lambda x, y: max((x - x0) * nx + (y - y0) * ny for x0, y0, nx, ny in edges),
                  (min(xs), min(ys), max(xs), max(ys)))


def _box_of(sdf):
    return getattr(sdf, "box", None)


def union(*sdfs):
    boxes = [_box_of(s) for s in sdfs]
    box = None if None in boxes else (min(b[0] for b in boxes), min(b[1] for b in boxes),
                                      max(b[2] for b in boxes), max(b[3] for b in boxes))
    return _boxed(lambda x, y: min(s(x, y) for s in sdfs), box)


def subtract(a, b):
    return _boxed(lambda x, y: max(a(x, y), -b(x, y)), _box_of(a))


def intersect(a, b):
    return _boxed(lambda x, y: max(a(x, y), b(x, y)), _box_of(a))


class Canvas:
    def __init__(self, width, height, fill=(0.0, 0.0, 0.0, 0.0)):
        self.width, self.height = width, height
        self.px = [list(fill) for _ in range(width * height)]

    def _blend(self, index, colour, coverage):
        a = colour[3] * coverage
        if a <= 0.0:
            return
        dst = self.px[index]
        da = dst[3] * (1.0 - a)
        out = a + da
        if out <= 0.0:
            return
        self.px[index] = [(colour[0] * a + dst[0] * da) / out, (colour[1] * a + dst[1] * da) / out,
                          (colour[2] * a + dst[2] * da) / out, out]

    def _box(self, box):
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        return (max(0, int(math.floor(x0))), max(0, int(math.floor(y0))),
                min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1))))

    def _reach(self, sdf, box, margin):
        if box is None and getattr(sdf, "box", None) is not None:
            b = sdf.box
            box = (b[0] - margin, b[1] - margin, b[2] + margin, b[3] + margin)
        return self._box(box)

    def fill(self, sdf, paint, box=None, opacity=1.0):
        """Paints the inside of sdf; box limits the pixels looked at (x0, y0, x1, y1)."""
        x0, y0, x1, y1 = self._reach(sdf, box, 1)
        solid = not callable(paint)
        ix0, iy0, ix1, iy1 = getattr(sdf, "inner", (0, 0, -1, -1))
        px = self.px
        for y in range(y0, y1):
            py = y + 0.5
            row = y * self.width
            inner_row = iy0 <= py <= iy1
            for x in range(x0, x1):
                if inner_row and ix0 <= x + 0.5 <= ix1:
                    coverage = 1.0
                else:
                    d = sdf(x + 0.5, py)
                    if d >= 0.5:
                        continue
                    coverage = 1.0 if d <= -0.5 else 0.5 - d
                colour = paint if solid else paint(x + 0.5, py)
                if coverage == 1.0 and opacity == 1.0 and colour[3] >= 1.0:
                    px[row + x] = list(colour)
                else:
                    self._blend(row + x, colour, coverage * opacity)

    def glow(self, sdf, colour, radius, box=None, opacity=1.0, inside=False):
        """A soft light around the shape (outside it, or inside it when inside is set)."""
        x0, y0, x1, y1 = self._reach(sdf, box, 0 if inside else radius + 1)
        for y in range(y0, y1):
            py = y + 0.5
            row = y * self.width
            for x in range(x0, x1):
                d = sdf(x + 0.5, py)
                if inside:
                    d = -d
                if d >= radius:
                    continue
                t = 1.0 - max(d, 0.0) / radius
                self._blend(row + x, colour, t * t * opacity)

    def shadow(self, sdf, radius, box=None, opacity=0.5, dy=2.0):
        b = getattr(sdf, "box", None)
        shifted = _boxed(lambda x, y: sdf(x, y - dy), b and (b[0], b[1] + dy, b[2], b[3] + dy))
        self.glow(shifted, (0.0, 0.0, 0.0, 1.0), radius, box, opacity)
        self.fill(shifted, (0.0, 0.0, 0.0, 1.0), box, opacity)

    def paste(self, other, left, top):
        for y in range(other.height):
            ty = top + y
            if not 0 <= ty < self.height:
                continue
            for x in range(other.width):
                tx = left + x
                if 0 <= tx < self.width:
                    src = other.px[y * other.width + x]
                    self._blend(ty * self.width + tx, src, 1.0)

    def crop(self, left, top, width, height):
        out = Canvas(width, height)
        for y in range(height):
            for x in range(width):
                sx, sy = left + x, top + y
                if 0 <= sx < self.width and 0 <= sy < self.height:
                    out.px[y * width + x] = list(self.px[sy * self.width + sx])
        return out

    def to_bytes(self):
        data = bytearray(self.width * self.height * 4)
        i = 0
        for y in range(self.height):
            brow = _BAYER[y & 3]
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                dither = (brow[x & 3] + 0.5) / 16.0
                data[i] = min(255, int(r * 255.0 + dither))
                data[i + 1] = min(255, int(g * 255.0 + dither))
                data[i + 2] = min(255, int(b * 255.0 + dither))
                data[i + 3] = min(255, int(a * 255.0 + 0.5))
                i += 4
        return bytes(data)

    def png(self):
        return encode_rgba(self.width, self.height, self.to_bytes())
