"""Small glyphs drawn into a canvas around a centre point; size is the glyph's nominal box."""

import math

from raster import arc, capsule, circle, polygon, rbox, ring, subtract, union


def _box(cx, cy, size):
    return (cx - size, cy - size, cx + size, cy + size)


def draw(c, kind, cx, cy, size, colour, opacity=1.0):
    s = size / 2.0
    box = _box(cx, cy, size)
    shape = SHAPES[kind](cx, cy, s)
    c.fill(shape, colour, box, opacity)


def _save(cx, cy, s):
    body = rbox(cx - s, cy - s, 2 * s, 2 * s, s * 0.2)
    slot = rbox(cx - s * 0.5, cy - s, s * 1.0, s * 0.7, s * 0.08)
    label = rbox(cx - s * 0.6, cy + s * 0.05, s * 1.2, s * 0.75, s * 0.1)
    return subtract(subtract(body, slot), label)


def _load(cx, cy, s):
    back = union(rbox(cx - s, cy - s * 0.75, s * 0.9, s * 0.5, s * 0.12),
                 rbox(cx - s, cy - s * 0.5, 2 * s, s * 1.4, s * 0.15))
    front = polygon([(cx - s * 0.75, cy - s * 0.1), (cx + s * 1.15, cy - s * 0.1), (cx + s * 0.85, cy + s * 0.9),
                     (cx - s * 1.0, cy + s * 0.9)])
    return union(subtract(back, rbox(cx - s * 0.8, cy - s * 0.3, 1.6 * s, s * 0.3, 1)), front)


def _info(cx, cy, s):
    return union(ring(cx, cy, s * 0.88, s * 0.18), circle(cx, cy - s * 0.42, s * 0.13),
                 capsule(cx, cy - s * 0.08, cx, cy + s * 0.45, s * 0.11))


def _close(cx, cy, s):
    return union(capsule(cx - s * 0.6, cy - s * 0.6, cx + s * 0.6, cy + s * 0.6, s * 0.13),
                 capsule(cx - s * 0.6, cy + s * 0.6, cx + s * 0.6, cy - s * 0.6, s * 0.13))


def _minimize(cx, cy, s):
    return capsule(cx - s * 0.6, cy + s * 0.35, cx + s * 0.6, cy + s * 0.35, s * 0.13)


def _headphone(cx, cy, s):
    band = arc(cx, cy + s * 0.15, s * 0.8, s * 0.2, 180, 360)
    left = rbox(cx - s * 0.98, cy + s * 0.05, s * 0.5, s * 0.85, s * 0.18)
    right = rbox(cx + s * 0.48, cy + s * 0.05, s * 0.5, s * 0.85, s * 0.18)
    return union(band, left, right)


def _unplugged(cx, cy, s):
    """A headphone crossed out: no device."""
    slash = capsule(cx - s * 0.85, cy + s * 0.85, cx + s * 0.85, cy - s * 0.85, s * 0.11)
    return union(subtract(_headphone(cx, cy, s), capsule(cx - s * 0.85, cy + s * 0.85, cx + s * 0.85, cy - s * 0.85,
                                                          s * 0.26)), slash)


def _mic(cx, cy, s):
    head = capsule(cx, cy - s * 0.55, cx, cy + s * 0.05, s * 0.34)
    cradle = arc(cx, cy - s * 0.1, s * 0.62, s * 0.14, 0, 180)
    stem = capsule(cx, cy + s * 0.55, cx, cy + s * 0.85, s * 0.08)
    foot = capsule(cx - s * 0.35, cy + s * 0.9, cx + s * 0.35, cy + s * 0.9, s * 0.08)
    return union(head, cradle, stem, foot)


def _rotate(clockwise):
    def shape(cx, cy, s):
        r = s * 0.7
        if clockwise:
            body = arc(cx, cy, r, s * 0.2, -60, 200)
            a = math.radians(-60)
            tip = (cx + r * math.cos(a), cy + r * math.sin(a))
            head = polygon([(tip[0] - s * 0.35, tip[1] - s * 0.15), (tip[0] + s * 0.3, tip[1] - s * 0.35),
                            (tip[0] + s * 0.05, tip[1] + s * 0.35)])
        else:
            body = arc(cx, cy, r, s * 0.2, -20, 240)
            a = math.radians(240)
            tip = (cx + r * math.cos(a), cy + r * math.sin(a))
            head = polygon([(tip[0] + s * 0.35, tip[1] - s * 0.15), (tip[0] - s * 0.3, tip[1] - s * 0.35),
                            (tip[0] - s * 0.05, tip[1] + s * 0.35)])
        return union(body, head)
    return shape


def _arrows(outward):
    def shape(cx, cy, s):
        parts = []
        for dx in (-1, 1):
            far, near = cx + dx * s * 0.95, cx + dx * s * 0.2
            parts.append(capsule(near, cy, far, cy, s * 0.1))
            tip, base = (far, near + dx * s * 0.35) if outward else (near, near + dx * s * 0.45)
            if outward:
                parts.append(polygon([(tip + dx * s * 0.1, cy), (tip - dx * s * 0.4, cy - s * 0.35),
                                      (tip - dx * s * 0.4, cy + s * 0.35)]))
            else:
                parts.append(polygon([(tip - dx * s * 0.1, cy), (tip + dx * s * 0.4, cy - s * 0.35),
                                      (tip + dx * s * 0.4, cy + s * 0.35)]))
        parts.append(capsule(cx, cy - s * 0.8, cx, cy + s * 0.8, s * 0.07))
        return union(*parts)
    return shape


def _reset(cx, cy, s):
    r = s * 0.7
    body = arc(cx, cy, r, s * 0.2, 200, 470)
    a = math.radians(200)
    tip = (cx + r * math.cos(a), cy + r * math.sin(a))
    head = polygon([(tip[0] - s * 0.4, tip[1] + s * 0.05), (tip[0] + s * 0.35, tip[1] - s * 0.2),
                    (tip[0] + s * 0.05, tip[1] + s * 0.5)])
    return union(body, head)


def _speaker(cx, cy, s):
    box = rbox(cx - s * 0.85, cy - s * 0.3, s * 0.45, s * 0.6, s * 0.08)
    cone = polygon([(cx - s * 0.45, cy - s * 0.3), (cx + s * 0.05, cy - s * 0.75), (cx + s * 0.05, cy + s * 0.75),
                    (cx - s * 0.45, cy + s * 0.3)])
    wave1 = arc(cx + s * 0.1, cy, s * 0.4, s * 0.13, -45, 45)
    wave2 = arc(cx + s * 0.1, cy, s * 0.75, s * 0.13, -45, 45)
    return union(box, cone, wave1, wave2)


def _equalizer(cx, cy, s):
    parts = []
    for i, knob in enumerate((0.35, -0.4, 0.1)):
        x = cx + (i - 1) * s * 0.65
        parts.append(capsule(x, cy - s * 0.85, x, cy + s * 0.85, s * 0.07))
        parts.append(rbox(x - s * 0.25, cy + knob * s - s * 0.15, s * 0.5, s * 0.3, s * 0.1))
    return union(*parts)


def _waves(cx, cy, s):
    return union(circle(cx - s * 0.6, cy, s * 0.18), arc(cx - s * 0.6, cy, s * 0.55, s * 0.14, -50, 50),
                 arc(cx - s * 0.6, cy, s * 0.95, s * 0.14, -50, 50), arc(cx - s * 0.6, cy, s * 1.35, s * 0.14, -40, 40))


def _surround(cx, cy, s):
    parts = [circle(cx, cy, s * 0.22)]
    for k in range(8):
        a = math.radians(k * 45)
        parts.append(circle(cx + s * 0.8 * math.cos(a), cy + s * 0.8 * math.sin(a), s * 0.13))
    return union(*parts)


def _led(cx, cy, s):
    bulb = circle(cx, cy - s * 0.2, s * 0.5)
    base = rbox(cx - s * 0.25, cy + s * 0.3, s * 0.5, s * 0.45, s * 0.08)
    rays = [capsule(cx + s * 0.72 * math.cos(math.radians(a)), cy - s * 0.2 + s * 0.72 * math.sin(math.radians(a)),
                    cx + s * 0.95 * math.cos(math.radians(a)), cy - s * 0.2 + s * 0.95 * math.sin(math.radians(a)),
                    s * 0.07) for a in (-150, -90, -30, 180, 0)]
    return union(bulb, base, *rays)


def _noise_cancel(cx, cy, s):
    wave = union(*[capsule(cx + (i - 2) * s * 0.4, cy - h * s, cx + (i - 2) * s * 0.4, cy + h * s, s * 0.1)
                   for i, h in enumerate((0.25, 0.6, 0.9, 0.6, 0.25))])
    shield = ring(cx, cy, s * 1.0, s * 0.13)
    return union(wave, shield)


def _voice(cx, cy, s):
    head = union(circle(cx - s * 0.2, cy - s * 0.25, s * 0.45),
                 polygon([(cx - s * 0.65, cy), (cx + s * 0.2, cy), (cx + s * 0.1, cy + s * 0.85),
                          (cx - s * 0.55, cy + s * 0.85)]))
    return union(head, arc(cx + s * 0.2, cy - s * 0.1, s * 0.55, s * 0.12, -40, 40),
                 arc(cx + s * 0.2, cy - s * 0.1, s * 0.9, s * 0.12, -40, 40))


def _check(cx, cy, s):
    return union(capsule(cx - s * 0.55, cy + s * 0.02, cx - s * 0.15, cy + s * 0.42, s * 0.14),
                 capsule(cx - s * 0.15, cy + s * 0.42, cx + s * 0.6, cy - s * 0.4, s * 0.14))


SHAPES = {
    "save": _save, "load": _load, "info": _info, "close": _close, "minimize": _minimize,
    "headphone": _headphone, "unplugged": _unplugged, "mic": _mic, "cw": _rotate(True), "ccw": _rotate(False),
    "enlarge": _arrows(True), "narrow": _arrows(False), "reset": _reset, "speaker": _speaker,
    "equalizer": _equalizer, "waves": _waves, "surround": _surround, "led": _led,
    "noise": _noise_cancel, "voice": _voice, "check": _check,
}
