"""Buttons, sliders, bars, lines and the other small pictures, each drawn at its control's size."""

import icons
from raster import (Canvas, capsule, circle, darken, lighten, linear, mix, rbox, ring, rgb, vertical,
                    with_alpha)

WHITE = (1.0, 1.0, 1.0, 1.0)


def _frame(c, theme, w, h, radius, top, bottom, border, inset=0):
    outer = rbox(inset, inset, w - 2 * inset, h - 2 * inset, radius)
    inner = rbox(inset + 1, inset + 1, w - 2 * inset - 2, h - 2 * inset - 2, max(0, radius - 1))
    c.fill(outer, border)
    c.fill(inner, vertical(inset, h - inset, [(0, top), (1, bottom)]))
    return inner


def button_face(theme, w, h, down, radius=None):
    """The common face of every push button: raised and neutral up, lit with the accent down."""
    radius = theme.radius_button if radius is None else radius
    c = Canvas(w, h)
    if down:
        top = mix(theme.btn_top, theme.accent, 0.45)
        bottom = mix(theme.btn_bottom, theme.accent, 0.22)
        inner = _frame(c, theme, w, h, radius, top, bottom, mix(theme.accent, WHITE, 0.15))
        c.glow(inner, with_alpha(theme.accent, 1.0), 6, opacity=0.35, inside=True)
    else:
        inner = _frame(c, theme, w, h, radius, theme.btn_top, theme.btn_bottom, theme.btn_border)
    # A one-pixel sheen along the top edge.
    c.fill(rbox(radius * 0.6 + 1, 1, w - 2 - radius * 1.2, 1, 0), with_alpha(WHITE, 0.16 if down else 0.09))
    return c


def toggle(theme, w, h, down):
    """A switch button: the face plus an indicator light at the left that glows while on."""
    c = button_face(theme, w, h, down)
    cx, cy = 12, h / 2.0
    if down:
        c.glow(circle(cx, cy, 3.5), theme.accent, 8, opacity=0.8)
        c.fill(circle(cx, cy, 3.5), lighten(theme.accent, 0.35))
        c.fill(circle(cx - 1, cy - 1, 1.2), with_alpha(WHITE, 0.8))
    else:
        c.fill(circle(cx, cy, 4.5), darken(theme.btn_bottom, 0.5))
        c.fill(circle(cx, cy, 3.5), theme.dim)
    return c


def icon_button(theme, w, h, down, icon, icon_x=16, icon_size=16):
    c = button_face(theme, w, h, down)
    colour = WHITE if down else theme.icon
    icons.draw(c, icon, icon_x, h / 2.0, icon_size, colour)
    return c


def page_tab(theme, w, h, down):
    c = Canvas(w, h)
    r = theme.radius_button
    if theme.filled_tabs:
        if down:
            _frame(c, theme, w, h, r, mix(theme.accent, theme.btn_top, 0.25), mix(theme.accent, theme.btn_bottom, 0.6),
                   lighten(theme.accent, 0.2))
            c.fill(rbox(2, 1, w - 4, 2, 1), with_alpha(theme.accent2, 0.9))
        else:
            _frame(c, theme, w, h, r, theme.btn_top, theme.btn_bottom, theme.btn_border)
            c.fill(rbox(2, 1, w - 4, 2, 1), with_alpha(theme.accent, 0.25))
    else:
        if down:
            _frame(c, theme, w, h, r, lighten(theme.btn_top, 0.06), theme.btn_bottom, mix(theme.btn_border, theme.accent, 0.5))
            bar = capsule(12, h - 4, w - 12, h - 4, 1.5)
            c.glow(bar, theme.accent, 7, opacity=0.7)
            c.fill(bar, lighten(theme.accent, 0.2))
        else:
            _frame(c, theme, w, h, r, with_alpha(theme.btn_top, 0.55), with_alpha(theme.btn_bottom, 0.55),
                   with_alpha(theme.btn_border, 0.6))
    return c


def round_button(theme, size, down, icon, danger=False):
    c = Canvas(size, size)
    r = size / 2.0
    shape = circle(r, r, r - 0.5) if theme.radius_button > 4 else rbox(0.5, 0.5, size - 1, size - 1, 3)
    if down:
        colour = theme.danger if danger else theme.accent
        c.fill(shape, vertical(0, size, [(0, lighten(colour, 0.15)), (1, darken(colour, 0.2))]))
        icons.draw(c, icon, r, r, size * 0.62, WHITE)
    else:
        c.fill(shape, vertical(0, size, [(0, theme.btn_top), (1, theme.btn_bottom)]))
        c.fill(shape if theme.radius_button > 4 else shape, with_alpha(theme.btn_border, 0.0))
        c.fill(ring(r, r, r - 1, 1) if theme.radius_button > 4 else rbox(0.5, 0.5, size - 1, 1, 0),
               with_alpha(theme.btn_border, 0.9))
        icons.draw(c, icon, r, r, size * 0.62, theme.icon)
    return c


def slider_knob(theme, w, h, lit=False):
    c = Canvas(w, h)
    body = rbox(1, 1, w - 2, h - 3, theme.radius_knob)
    c.fill(rbox(1, 2, w - 2, h - 2, theme.radius_knob), with_alpha((0, 0, 0, 1), 0.55))
    c.fill(body, vertical(1, h - 2, [(0, theme.knob_top), (0.5, mix(theme.knob_top, theme.knob_bottom, 0.55)),
                                     (1, theme.knob_bottom)]))
    c.fill(rbox(2, 2, w - 4, 1, 0), with_alpha(WHITE, 0.6))
    groove = capsule(7, (h - 2) / 2.0, w - 7, (h - 2) / 2.0, 1.2)
    if lit:
        c.glow(groove, theme.accent, 4, opacity=0.6)
    c.fill(groove, theme.accent if lit else darken(theme.knob_bottom, 0.35))
    return c


def vertical_knob(theme, w, h, lit):
    c = Canvas(w, h)
    body = rbox(1, 1, w - 2, h - 2, min(theme.radius_knob, 5))
    c.fill(rbox(1, 2, w - 2, h - 2, min(theme.radius_knob, 5)), with_alpha((0, 0, 0, 1), 0.5))
    top, bottom = (lighten(theme.accent, 0.4), darken(theme.accent, 0.15)) if lit else (theme.knob_top, theme.knob_bottom)
    c.fill(body, linear(1, 0, w - 1, 0, [(0, top), (0.5, mix(top, bottom, 0.3)), (1, bottom)]))
    c.fill(capsule(w / 2.0, 6, w / 2.0, h - 6, 1), with_alpha(WHITE if lit else darken(theme.knob_bottom, 0.4), 0.8))
    return c


def bar_lit(theme, w, h, faint=False):
    """A slider track filled with the accent gradient (brighter at the top)."""
    c = Canvas(w, h)
    track = rbox(0, 0, w, h, w / 2.0)
    c.fill(track, vertical(0, h, [(0, theme.accent2), (1, theme.accent)]), opacity=0.45 if faint else 1.0)
    c.fill(rbox(1, 2, 1, h - 4, 0.5), with_alpha(WHITE, 0.25))
    return c


def bar_dim(theme, w, h):
    """The unlit part of a track: a dark groove."""
    c = Canvas(w, h)
    c.fill(rbox(0, 0, w, h, w / 2.0), theme.well)
    c.fill(rbox(0.5, 0.5, w - 1, h - 1, w / 2.0), with_alpha(darken(theme.well, 0.5), 1.0))
    c.fill(rbox(1, 1, w - 2, h - 2, w / 2.0), theme.well)
    c.fill(rbox(w - 1.5, 3, 1, h - 6, 0.5), with_alpha(theme.line, 0.6))
    return c


def graduation(theme, w, h, first, last, steps, right_aligned=True):
    """Tick marks from pixel row first to last; longer at both ends and in the middle."""
    c = Canvas(w, h)
    for i in range(steps + 1):
        y = first + (last - first) * i / float(steps) + 0.5
        major = i in (0, steps) or i * 2 == steps
        length = w * (0.8 if major else 0.45)
        x0, x1 = (w - length, w - 1) if right_aligned else (1, length)
        colour = theme.icon if major else theme.dim
        c.fill(capsule(x0, y, x1, y, 0.6 if not major else 0.8), colour)
    return c


def hline(theme, w, h):
    c = Canvas(w, h)
    colour = vertical(0, 1, [(0, theme.line)])
    fade = linear(0, 0, w, 0, [(0, with_alpha(theme.line, 0)), (0.15, theme.line), (0.85, theme.line),
                               (1, with_alpha(theme.line, 0))])
    c.fill(rbox(0, 0, w, 1, 0), fade)
    c.fill(rbox(0, 1, w, 1, 0), lambda x, y: with_alpha(WHITE, 0.05 * fade(x, y)[3]))
    del colour
    return c


def vline(theme, w, h):
    c = Canvas(w, h)
    fade = linear(0, 0, 0, h, [(0, with_alpha(theme.line, 0)), (0.2, with_alpha(theme.line, 0.7)),
                               (0.8, with_alpha(theme.line, 0.7)), (1, with_alpha(theme.line, 0))])
    c.fill(rbox(0, 0, 1, h, 0), fade)
    return c


def check(theme, size, down):
    c = Canvas(size, size)
    r = size / 2.0
    square = theme.radius_button <= 4
    outer = rbox(0.5, 0.5, size - 1, size - 1, 3) if square else circle(r, r, r - 0.5)
    inner = rbox(2, 2, size - 4, size - 4, 2) if square else circle(r, r, r - 2)
    if down:
        c.glow(inner, theme.accent, 4, opacity=0.5, inside=True)
        c.fill(outer, lighten(theme.accent, 0.25))
        c.fill(inner, vertical(0, size, [(0, lighten(theme.accent, 0.1)), (1, darken(theme.accent, 0.2))]))
        icons.draw(c, "check", r, r, size * 0.62, WHITE)
    else:
        c.fill(outer, theme.btn_border)
        c.fill(inner, vertical(0, size, [(0, theme.well), (1, theme.btn_bottom)]))
    return c


def value_pill(theme, w, h):
    c = Canvas(w, h)
    _frame(c, theme, w, h, min(theme.radius_button + 2, h / 2.0), theme.well, darken(theme.well, 0.3),
           mix(theme.well_border, theme.accent, 0.35))
    c.fill(rbox(4, h - 3, w - 8, 1, 0), with_alpha(theme.accent, 0.35))
    return c


def header_plate(theme, w, h):
    c = Canvas(w, h)
    c.fill(rbox(0, 0, w, h, theme.radius_button),
           linear(0, 0, w, 0, [(0, with_alpha(theme.btn_top, 0.9)), (1, with_alpha(theme.btn_top, 0.0))]))
    c.fill(rbox(0, 4, 3, h - 8, 1.5), theme.accent)
    return c


def level_meter(theme, w, h, lit):
    """Segmented capture level meter: green through yellow to red."""
    c = Canvas(w, h)
    colours = [(0, theme.good), (0.65, rgb("#ffd23f")), (1, theme.danger)]
    paint = linear(0, 0, w, 0, colours)
    x = 0
    while x + 4 <= w:
        seg = rbox(x, 0, 4, h, 1)
        if lit:
            c.fill(seg, paint)
        else:
            c.fill(seg, lambda px, py: with_alpha(mix(paint(px, py), theme.well, 0.8), 1.0))
        x += 6
    return c


def led_bar(theme, w, h, kind):
    c = Canvas(w, h)
    track = rbox(0, 0, w, h, h / 2.0)
    if kind == "rainbow":
        stops = [(i / 6.0, rgb(col)) for i, col in enumerate(
            ["#ff3b3b", "#ffb020", "#f5f53b", "#3ddc84", "#2ec5ff", "#6b5bff", "#e040fb"])]
    elif kind == "breathe":
        stops = [(0, darken(theme.accent, 0.8)), (0.5, theme.accent), (1, lighten(theme.accent, 0.3))]
    elif kind == "pulsating":
        stops = [(0, rgb("#ff4d8d")), (0.33, rgb("#ffb020")), (0.66, rgb("#3ddc84")), (1, rgb("#2ec5ff"))]
    else:
        stops = [(0, theme.well), (1, theme.well)]
    c.fill(track, darken(theme.well, 0.2))
    c.fill(rbox(1, 1, w - 2, h - 2, h / 2.0 - 1), linear(0, 0, w, 0, stops), opacity=0.85)
    c.fill(rbox(h / 2.0, 2, w - h, 1, 0), with_alpha(WHITE, 0.25))
    return c


def led_switch(theme, w, h, on):
    c = button_face(theme, w, h, False)
    cx, cy = 18, h / 2.0
    if on:
        for i, col in enumerate(["#ff3b3b", "#ffb020", "#3ddc84", "#2ec5ff", "#6b5bff", "#e040fb"]):
            c.fill(_sector_ring(cx, cy, 7, 3, i * 60 - 90, i * 60 - 30), rgb(col))
        c.glow(circle(cx, cy, 8.5), theme.accent, 6, opacity=0.35)
    else:
        c.fill(ring(cx, cy, 7, 3), theme.dim)
    # The sliding switch at the right.
    sw, sh = 38, 18
    sx, sy = w - sw - 8, (h - sh) / 2.0
    if on:
        c.fill(rbox(sx, sy, sw, sh, sh / 2.0), linear(sx, 0, sx + sw, 0, [(0, theme.accent2), (1, theme.accent)]))
        knob = circle(sx + sw - sh / 2.0, sy + sh / 2.0, sh / 2.0 - 2)
    else:
        c.fill(rbox(sx, sy, sw, sh, sh / 2.0), theme.well)
        c.fill(rbox(sx + 0.5, sy + 0.5, sw - 1, sh - 1, sh / 2.0), with_alpha(theme.btn_border, 0.0))
        knob = circle(sx + sh / 2.0, sy + sh / 2.0, sh / 2.0 - 2)
    c.fill(knob, vertical(sy, sy + sh, [(0, theme.knob_top), (1, theme.knob_bottom)]))
    # Small bar marks between light and switch: the glyph of lighting zones.
    for i in range(4):
        x = 36 + i * 9
        c.fill(rbox(x, cy - 2, 5, 4, 1.5), theme.accent if on else theme.dim, opacity=0.9 if on else 0.7)
    return c


def _sector_ring(cx, cy, radius, thickness, a0, a1):
    import math
    from raster import arc
    return arc(cx, cy, radius, thickness, a0 + 4, a1 - 4) if a1 - a0 > 8 else ring(cx, cy, radius, thickness)


def indicator(theme, size, icon, lit, colour=None):
    c = Canvas(size, size)
    r = size / 2.0
    colour = colour or theme.accent
    if lit:
        c.fill(circle(r, r, r - 0.5), with_alpha(colour, 0.18))
        c.fill(ring(r, r, r - 1, 1.2), colour)
        icons.draw(c, icon, r, r, size * 0.55, lighten(colour, 0.3))
    else:
        c.fill(ring(r, r, r - 1, 1.2), theme.dim)
        icons.draw(c, icon, r, r, size * 0.55, theme.dim)
    return c


def speaker_puck(theme, size, colour, sub=False):
    c = Canvas(size, size)
    r = size / 2.0
    c.glow(circle(r, r, r - 4), colour, 4, opacity=0.6)
    c.fill(circle(r, r, r - 3), vertical(0, size, [(0, lighten(colour, 0.25)), (1, darken(colour, 0.35))]))
    c.fill(ring(r, r, r - 3.5, 1), with_alpha(WHITE, 0.35))
    if sub:
        c.fill(circle(r, r, r * 0.45), darken(colour, 0.6))
        c.fill(circle(r, r, r * 0.22), lighten(colour, 0.5))
    else:
        icons.draw(c, "speaker", r + 1, r, size * 0.5, WHITE)
    return c


def vm_card(theme, w, h, down, wave):
    import math
    c = button_face(theme, w, h, down, radius=theme.radius_panel)
    cx, cy = w / 2.0, 38
    colour = WHITE if down else theme.icon
    if wave == "none":
        c.fill(capsule(cx - 30, cy, cx + 30, cy, 1.6), colour)
    else:
        freq, amp = {"deep": (1.0, 14), "bright": (3.0, 9), "monster": (0.8, 20), "chipmunk": (5.0, 6)}[wave]
        points = [(cx - 32 + i, cy - amp * math.sin(freq * (i / 64.0) * 2 * math.pi) *
                   (0.6 + 0.4 * math.sin(i / 64.0 * math.pi))) for i in range(0, 65, 2)]
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            c.fill(capsule(x0, y0, x1, y1, 1.5), colour, (min(x0, x1) - 3, min(y0, y1) - 3, max(x0, x1) + 3,
                                                          max(y0, y1) + 3))
    if down:
        c.glow(capsule(cx - 30, cy, cx + 30, cy, 6), theme.accent, 10, opacity=0.25)
    c.fill(rbox(10, h - 34, w - 20, 1, 0), with_alpha(theme.line, 0.8))
    return c


def list_item(theme, w, h, down):
    """A row of a one-of-many list: a light stripe at the left marks the chosen row."""
    c = button_face(theme, w, h, down)
    stripe = capsule(9, 10, 9, h - 10, 2)
    if down:
        c.glow(stripe, theme.accent, 8, opacity=0.7)
        c.fill(stripe, lighten(theme.accent, 0.3))
    else:
        c.fill(stripe, theme.dim)
    return c


def scaled_track(theme, w, h, first, last, steps, track_w=6):
    """A lit track in the middle of a wider picture with tick marks on both sides of it."""
    c = Canvas(w, h)
    c.fill(rbox(0, 0, w, h, theme.radius_panel), with_alpha(theme.well, 0.55))
    side = (w - track_w) // 2 - 6
    left = graduation(theme, side, h, first, last, steps, right_aligned=True)
    right = graduation(theme, side, h, first, last, steps, right_aligned=False)
    c.paste(left, 2, 0)
    c.paste(right, w - side - 2, 0)
    c.paste(bar_lit(theme, track_w, h - 8), (w - track_w) // 2, 4)
    return c
