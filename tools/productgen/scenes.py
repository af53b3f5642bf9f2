"""The large pictures: window frame, page backgrounds, logo, headset, effect scenes, microphone,
speaker circle and the 3D page pictures."""

import math

import icons
import layout as L
from raster import (Canvas, arc, capsule, circle, darken, lighten, linear, mix, polygon, radial, rbox, rgb, ring,
                    union, vertical, with_alpha)

WHITE = (1.0, 1.0, 1.0, 1.0)


def frame(theme):
    w, h = L.WINDOW_W, L.WINDOW_H
    c = Canvas(w, h)
    outline = rbox(0, 0, w, h, theme.radius_window)
    c.fill(outline, lighten(theme.panel_border, 0.1))
    body = rbox(1, 1, w - 2, h - 2, theme.radius_window - 1)
    c.fill(body, vertical(0, h, [(0, theme.bg_top), (1, theme.bg_bottom)]))
    # Title bar with an accent hairline that fades towards both ends.
    title = rbox(1, 1, w - 2, L.TITLE_H, theme.radius_window - 1)
    c.fill(title, vertical(0, L.TITLE_H, [(0, theme.title_top), (1, theme.title_bottom)]), (0, 0, w, L.TITLE_H))
    c.fill(rbox(2, 1, w - 4, 1, 0), with_alpha(WHITE, 0.08))
    glow_line = linear(0, 0, w, 0, [(0, with_alpha(theme.accent, 0)), (0.3, with_alpha(theme.accent, 0.85)),
                                    (0.7, with_alpha(theme.accent2, 0.85)), (1, with_alpha(theme.accent2, 0))])
    c.fill(rbox(0, L.TITLE_H, w, 1, 0), glow_line)
    c.glow(rbox(w * 0.25, L.TITLE_H, w * 0.5, 1, 0), theme.accent, 10, (0, L.TITLE_H - 10, w, L.TITLE_H + 12), 0.12)
    if theme.weave:
        _weave(c, (2, 2, w - 2, L.TITLE_H - 1))
    _left_column(c, theme, L.TITLE_H + 1)
    _strip_groove(c, theme)
    _page_panel(c, theme)
    return c


def _left_column(c, theme, top):
    h = L.WINDOW_H
    c.fill(rbox(1, top, L.LEFT_W, h - top - 1, 0), vertical(top, h, [(0, theme.left_top), (1, theme.left_bottom)]),
           (0, top, L.LEFT_W + 1, h))
    if theme.weave:
        _weave(c, (1, top, L.LEFT_W, h - 2))
    # Round the bottom-left corner with the window.
    c.fill(rbox(L.LEFT_W, top + 8, 1, h - top - 16, 0), with_alpha(theme.panel_border, 0.8))
    x, y, cw, ch = L.INFO_CARD
    c.fill(rbox(x, y, cw, ch, theme.radius_panel), with_alpha(theme.panel_border, 0.9))
    c.fill(rbox(x + 1, y + 1, cw - 2, ch - 2, theme.radius_panel - 1),
           vertical(y, y + ch, [(0, theme.panel_top), (1, theme.panel_bottom)]))
    c.fill(rbox(x + 1, y + 8, 2, ch - 16, 1), theme.accent)
    # A soft pool of light behind the headset picture.
    dx, dy, dw, dh = L.DEVICE_PICTURE
    c.glow(circle(dx + dw / 2.0, dy + dh / 2.0, 10), theme.accent, 70, (0, top, L.LEFT_W, dy + dh + 30), 0.08)


def _weave(c, box):
    """Thin diagonal lines, like a brushed or woven surface."""
    x0, y0, x1, y1 = box
    for y in range(int(y0), int(y1)):
        row = y * c.width
        for x in range(int(x0), int(x1)):
            if (x + y) % 4 == 0:
                c._blend(row + x, (1.0, 1.0, 1.0, 1.0), 0.025)
            elif (x - y) % 4 == 0:
                c._blend(row + x, (0.0, 0.0, 0.0, 1.0), 0.12)


def left_image(theme, page_icon):
    """The left column for one page: the frame's column plus a faint mark of the page."""
    c = frame_column(theme)
    top = L.TITLE_H + 1
    icons.draw(c, page_icon, 150, 380 - top + 60, 90, theme.accent, 0.05)
    return c


def frame_column(theme):
    full = Canvas(L.LEFT_W + 1, L.WINDOW_H)
    _left_column(full, theme, L.TITLE_H + 1)
    return full.crop(0, L.TITLE_H + 1, L.LEFT_W + 1, L.WINDOW_H - L.TITLE_H - 2)


def _strip_groove(c, theme):
    x, y = 208, L.STRIP_TOP - 3
    w, h = L.WINDOW_W - x - 6, L.STRIP_H + 6
    c.fill(rbox(x, y, w, h, theme.radius_panel), with_alpha(darken(theme.bg_bottom, 0.3), 0.8))
    c.fill(rbox(x + 0.5, y + h - 1.5, w - 1, 1, 0), with_alpha(WHITE, 0.04))


def _page_panel(c, theme):
    x, y, w, h = L.PAGE_AREA
    c.fill(rbox(x, y, w, h, theme.radius_panel), theme.panel_border)
    c.fill(rbox(x + 1, y + 1, w - 2, h - 2, theme.radius_panel - 1),
           vertical(y, y + h, [(0, theme.panel_top), (1, theme.panel_bottom)]))
    c.fill(rbox(x + theme.radius_panel, y + 1, w - 2 * theme.radius_panel, 1, 0), with_alpha(WHITE, 0.05))


def page_back(theme, page):
    x0, y0, w, h = L.PAGE_AREA
    full = Canvas(w, h)
    # Draw the panel in window coordinates shifted to the picture's origin.
    shift = lambda box: (box[0] - x0, box[1] - y0, box[2], box[3])
    full.fill(rbox(0, 0, w, h, theme.radius_panel), theme.panel_border)
    full.fill(rbox(1, 1, w - 2, h - 2, theme.radius_panel - 1), vertical(0, h, [(0, theme.panel_top),
                                                                                 (1, theme.panel_bottom)]))
    full.fill(rbox(theme.radius_panel, 1, w - 2 * theme.radius_panel, 1, 0), with_alpha(WHITE, 0.05))
    if page == "EQ":
        _well(full, theme, shift(L.EQ_PANEL))
        for i in range(5):
            y = L.EQ_SLIDER_TOP + L.SLIDER_H / 2.0 + i * L.EQ_SLIDER_RANGE / 4.0 - y0
            alpha = 0.55 if i == 2 else 0.22
            full.fill(rbox(L.EQ_PANEL[0] - x0 + 70, y, L.EQ_PANEL[2] - 90, 1, 0), with_alpha(theme.line, alpha))
        for x in L.EQ_BAND_X:
            full.glow(capsule(x - x0, L.EQ_BAR_TOP - y0 + 10, x - x0, L.EQ_BAR_TOP + L.EQ_BAR_H - y0 - 10, 3),
                      theme.accent, 18, opacity=0.06)
    elif page == "3D":
        for left in (L.D3_X["LAlpha"] - 50, L.D3_X["RAlpha"] - 50):
            _well(full, theme, shift((left, 104, 150, 144)))
    elif page == "Effect":
        _well(full, theme, shift((L.EFFECT_PICTURE[0] - 4, L.EFFECT_PICTURE[1] - 4, L.EFFECT_PICTURE[2] + 8,
                                  L.EFFECT_PICTURE[3] + 8)))
    elif page == "Mic":
        _well(full, theme, shift((226, 190, 200, 168)))
        mx, my, mw, mh = L.MIC_PROGRESS
        _well(full, theme, shift((mx - 8, my - 8, mw + 16, mh + 16)))
        from widgets import level_meter
        full.paste(level_meter(theme, mw, mh, False), mx - x0, my - y0)
    elif page == "Virtual7p1":
        _well(full, theme, shift((218, 104, 140, 266)))
    return full


def _well(c, theme, box):
    x, y, w, h = box
    c.fill(rbox(x, y, w, h, theme.radius_panel), theme.well_border)
    c.fill(rbox(x + 1, y + 1, w - 2, h - 2, theme.radius_panel - 1),
           vertical(y, y + h, [(0, darken(theme.well, 0.2)), (1, theme.well)]))
    c.fill(rbox(x + 2, y + 1, w - 4, 1, 0), with_alpha((0, 0, 0, 1), 0.35))


def logo(theme, size):
    c = Canvas(size, size)
    r = size / 2.0
    shape = rbox(1, 1, size - 2, size - 2, size * (0.28 if theme.radius_button > 4 else 0.1))
    c.fill(shape, linear(0, 0, size, size, [(0, theme.accent2), (1, theme.accent)]))
    c.fill(rbox(3, 2, size - 6, size * 0.45, size * 0.2), with_alpha(WHITE, 0.12))
    for i, height in enumerate((0.28, 0.52, 0.78, 0.52, 0.28)):
        x = r + (i - 2) * size * 0.14
        half = size * height / 2.6
        c.fill(capsule(x, r - half, x, r + half, size * 0.045), WHITE)
    return c


def headset(theme, w, h):
    c = Canvas(w, h)
    cx, cy = w / 2.0, h / 2.0 + 4
    c.glow(circle(cx, cy, 26), theme.accent, 30, opacity=0.18)
    band_paint = vertical(0, h, [(0, lighten(theme.btn_border, 0.3)), (1, theme.btn_top)])
    c.fill(arc(cx, cy + 6, 36, 7, 195, 345), band_paint)
    c.fill(arc(cx, cy + 6, 36, 1.2, 200, 340), with_alpha(WHITE, 0.25))
    for side in (-1, 1):
        x = cx + side * 36
        cup = rbox(x - 11, cy - 4, 22, 34, 9)
        c.fill(rbox(x - 11, cy - 2, 22, 34, 9), with_alpha((0, 0, 0, 1), 0.5))
        c.fill(cup, vertical(cy - 4, cy + 30, [(0, theme.btn_top), (1, darken(theme.btn_bottom, 0.3))]))
        strip = capsule(x + side * 7, cy + 3, x + side * 7, cy + 23, 2)
        c.glow(strip, theme.accent, 7, opacity=0.7)
        c.fill(strip, lighten(theme.accent, 0.3))
        c.fill(rbox(x - 4 - side * 2, cy - 1, 8, 28, 3), with_alpha(darken(theme.well, 0.2), 0.9))
    # Microphone boom from the left cup.
    boom = [(cx - 40, cy + 26), (cx - 32, cy + 36), (cx - 18, cy + 40)]
    for (x0, y0), (x1, y1) in zip(boom, boom[1:]):
        c.fill(capsule(x0, y0, x1, y1, 2), theme.btn_border)
    c.fill(capsule(boom[-1][0], boom[-1][1], boom[-1][0] + 6, boom[-1][1], 3.5), theme.btn_top)
    return c


def _scene_card(theme, w, h, top, bottom):
    c = Canvas(w, h)
    c.fill(rbox(0, 0, w, h, theme.radius_panel), vertical(0, h, [(0, top), (1, bottom)]))
    return c


def _sound_arcs(c, theme, x, y, start, end, count, spacing, colour, box=None):
    for i in range(count):
        alpha = 0.55 * (1.0 - i / float(count))
        c.fill(arc(x, y, 18 + i * spacing, 2.2, start, end), with_alpha(colour, alpha), box)


def effect_picture(theme, effect):
    w, h = L.EFFECT_PICTURE[2], L.EFFECT_PICTURE[3]
    tint = theme.scene_tint
    if effect == "Non":
        c = _scene_card(theme, w, h, lighten(tint, 0.05), darken(tint, 0.5))
        icons.draw(c, "speaker", w / 2.0 - 60, h / 2.0, 70, theme.icon, 0.9)
        c.fill(capsule(w / 2.0 + 0, h / 2.0, w / 2.0 + 120, h / 2.0, 2), theme.accent)
        for i in range(8):
            x = w / 2.0 + 10 + i * 15
            c.fill(capsule(x, h / 2.0 - 6, x, h / 2.0 + 6, 1), with_alpha(theme.accent, 0.5))
        return c
    if effect == "Theater":
        c = _scene_card(theme, w, h, rgb("#2a0d14"), rgb("#08040a"))
        c.glow(rbox(95, 50, 200, 110, 4), rgb("#9fd8ff"), 40, opacity=0.25)
        c.fill(rbox(95, 50, 200, 110, 4), linear(95, 50, 295, 160, [(0, rgb("#cfe9ff")), (1, rgb("#6aa7d8"))]))
        for side in (-1, 1):
            base = w / 2.0 + side * 150
            for k in range(4):
                x = base - side * k * 14
                c.fill(polygon([(x - 10, 16), (x + 10, 16), (x + 6 - side * 10, 200), (x - 6 - side * 10, 200)]),
                       vertical(16, 200, [(0, rgb("#c2283f")), (1, rgb("#5a0d1a"))]))
        c.fill(rbox(20, 10, w - 40, 14, 3), vertical(10, 24, [(0, rgb("#d93a52")), (1, rgb("#7a1426"))]))
        for row in range(4):
            y = 230 + row * 34
            n = 8 + row
            for k in range(n):
                x = w / 2.0 + (k - (n - 1) / 2.0) * (36 + row * 3)
                c.fill(rbox(x - 13 - row, y, 26 + 2 * row, 22 + row, 6), vertical(y, y + 24, [
                    (0, rgb("#8a2436")), (1, rgb("#3a0c16"))]))
        _sound_arcs(c, theme, w / 2.0, 105, 40, 140, 5, 22, theme.accent)
        return c
    if effect == "Bathroom":
        c = _scene_card(theme, w, h, rgb("#0f2a36"), rgb("#06131a"))
        for x in range(0, w, 30):
            c.fill(rbox(x, 0, 1, 230, 0), with_alpha(rgb("#5fb3cf"), 0.25))
        for y in range(0, 230, 30):
            c.fill(rbox(0, y, w, 1, 0), with_alpha(rgb("#5fb3cf"), 0.25))
        tub = union(rbox(60, 230, 270, 70, 30), rbox(50, 222, 290, 16, 8))
        c.fill(tub, vertical(222, 300, [(0, rgb("#e8f4f8")), (1, rgb("#8fb3c2"))]))
        c.fill(rbox(70, 236, 250, 10, 5), with_alpha(rgb("#5fc8ec"), 0.8))
        for x in (90, 300):
            c.fill(capsule(x, 300, x - 6, 330, 4), rgb("#8fb3c2"))
        c.fill(capsule(300, 140, 300, 222, 4), rgb("#9fc0cc"))
        c.fill(capsule(300, 140, 270, 120, 4), rgb("#9fc0cc"))
        c.fill(rbox(250, 110, 34, 14, 6), rgb("#c8dde5"))
        for i, (x, y) in enumerate([(258, 140), (268, 160), (262, 185), (275, 205), (255, 170)]):
            c.fill(union(circle(x, y, 3.5), polygon([(x - 3.2, y - 1), (x + 3.2, y - 1), (x, y - 9)])),
                   with_alpha(rgb("#8fe3ff"), 0.9))
        _sound_arcs(c, theme, 120, 150, 200, 340, 4, 20, rgb("#8fe3ff"))
        return c
    if effect == "Livingroom":
        c = _scene_card(theme, w, h, rgb("#2b1c10"), rgb("#0e0906"))
        c.fill(rbox(40, 40, 120, 120, 4), vertical(40, 160, [(0, rgb("#1c3150")), (1, rgb("#36507a"))]))
        c.fill(rbox(98, 40, 4, 120, 0), rgb("#4a3020"))
        c.fill(rbox(40, 98, 120, 4, 0), rgb("#4a3020"))
        c.fill(circle(70, 70, 10), with_alpha(rgb("#f4f1d0"), 0.9))
        lamp = polygon([(280, 70), (330, 70), (345, 115), (265, 115)])
        c.glow(lamp, rgb("#ffcf7a"), 80, opacity=0.3)
        c.fill(lamp, vertical(70, 115, [(0, rgb("#ffe3a8")), (1, rgb("#f0a64a"))]))
        c.fill(capsule(305, 115, 305, 300, 2.5), rgb("#7a5a3a"))
        c.fill(capsule(285, 302, 325, 302, 3), rgb("#7a5a3a"))
        c.fill(rbox(0, 300, w, h - 300, 0), vertical(300, h, [(0, rgb("#3a2616")), (1, rgb("#140c07"))]))
        sofa = rgb("#b0603a")
        c.fill(rbox(50, 200, 200, 60, 14), vertical(200, 260, [(0, lighten(sofa, 0.15)), (1, darken(sofa, 0.3))]))
        c.fill(rbox(40, 235, 220, 50, 12), vertical(235, 285, [(0, sofa), (1, darken(sofa, 0.45))]))
        c.fill(rbox(32, 222, 28, 66, 10), darken(sofa, 0.2))
        c.fill(rbox(240, 222, 28, 66, 10), darken(sofa, 0.2))
        c.fill(capsule(150, 238, 150, 270, 0.8), with_alpha((0, 0, 0, 1), 0.3))
        for x in (60, 240):
            c.fill(capsule(x, 288, x, 300, 3), rgb("#3a2616"))
        _sound_arcs(c, theme, 150, 230, 230, 310, 4, 22, rgb("#ffcf7a"))
        return c
    # Stone gallery: arches in perspective with a long echo.
    c = _scene_card(theme, w, h, rgb("#22252a"), rgb("#0a0b0d"))
    stone = rgb("#8b8f96")
    vx, vy = w / 2.0, 150
    for depth in range(5, -1, -1):
        s = 0.45 + depth * -0.06 + 0.3
        s = 1.0 - depth * 0.14
        aw, ah = 300 * s, 230 * s
        left, top = vx - aw / 2.0, vy - ah * 0.45
        shade = darken(stone, 0.75 - 0.1 * (5 - depth))
        arch = union(rbox(left, top + aw * 0.25, aw, ah, 0), circle(vx, top + aw * 0.25 + 1, aw / 2.0))
        inner = union(rbox(left + 22 * s, top + aw * 0.25, aw - 44 * s, ah + 10, 0),
                      circle(vx, top + aw * 0.25 + 1, aw / 2.0 - 22 * s))
        c.fill(arch, vertical(top, top + ah, [(0, lighten(shade, 0.1)), (1, shade)]))
        c.fill(inner, vertical(top, top + ah, [(0, darken(rgb("#22252a"), 0.2 * depth)),
                                               (1, darken(rgb("#0a0b0d"), 0.1))]))
    floor_top = vy - 230 * 0.45 + 300 * 0.25 + 230
    for k in range(-6, 7):
        c.fill(capsule(vx + k * 8, vy + 60, vx + k * 60, h, 0.6), with_alpha(stone, 0.25), (0, vy + 50, w, h))
    c.glow(circle(vx, vy + 20, 6), theme.accent, 60, opacity=0.25)
    for i in range(6):
        c.fill(ring(vx, vy + 20, 14 + i * 16, 1.6), with_alpha(theme.accent, 0.5 * (1 - i / 6.0)))
    del floor_top
    return c


def microphone(theme, w, h):
    c = Canvas(w, h)
    cx = w / 2.0
    c.glow(circle(cx, 80, 40), theme.accent, 60, opacity=0.18)
    head = capsule(cx, 48, cx, 110, 38)
    c.fill(head, linear(cx - 38, 0, cx + 38, 0, [(0, darken(theme.knob_bottom, 0.3)), (0.35, theme.knob_top),
                                                 (1, darken(theme.knob_bottom, 0.5))]))
    grille = capsule(cx, 48, cx, 110, 34)
    c.fill(grille, with_alpha(darken(theme.well, 0.1), 0.9))
    for y in range(16, 146, 6):
        for x in range(int(cx - 36), int(cx + 37), 6):
            if grille(x, y) < -2:
                c.fill(circle(x, y, 1.3), with_alpha(theme.knob_bottom, 0.55), (x - 2, y - 2, x + 3, y + 3))
    c.fill(rbox(cx - 39, 86, 78, 10, 2), linear(cx - 39, 0, cx + 39, 0, [(0, theme.btn_top), (0.4, lighten(
        theme.btn_border, 0.3)), (1, theme.btn_top)]))
    c.fill(rbox(cx - 30, 89, 60, 4, 2), theme.accent)
    c.fill(arc(cx, 100, 52, 6, 10, 170), vertical(100, 160, [(0, theme.btn_border), (1, theme.btn_top)]))
    c.fill(capsule(cx, 152, cx, 196, 5), theme.btn_border)
    c.fill(rbox(cx - 46, 196, 92, 12, 6), vertical(196, 208, [(0, theme.btn_border), (1, theme.btn_bottom)]))
    for side in (-1, 1):
        _sound_arcs(c, theme, cx + side * 20, 80, -40 if side > 0 else 140, 40 if side > 0 else 220, 3, 20,
                    theme.accent)
    return c


def speaker_circle(theme, size):
    c = Canvas(size, size)
    r = size / 2.0
    radius = theme.speaker_radius
    c.fill(circle(r, r, r - 1), radial(r, r, r, [(0, with_alpha(theme.accent, 0.16)), (0.75, with_alpha(
        theme.accent, 0.05)), (1, with_alpha(theme.accent, 0.0))]))
    for k, frac in enumerate((0.4, 0.7, 1.0)):
        c.fill(ring(r, r, radius * frac, 1.0), with_alpha(theme.accent, 0.18 + 0.14 * k))
    for a in range(0, 360, 45):
        t = math.radians(a)
        c.fill(capsule(r + 28 * math.sin(t), r - 28 * math.cos(t), r + (radius + 18) * math.sin(t),
                       r - (radius + 18) * math.cos(t), 0.5), with_alpha(theme.icon, 0.18))
    # The listener, seen from above, facing up.
    c.fill(circle(r, r + 1, 20), with_alpha((0, 0, 0, 1), 0.4))
    c.fill(union(circle(r - 19, r, 5), circle(r + 19, r, 5)), theme.knob_bottom)
    c.fill(circle(r, r, 18), radial(r - 5, r - 6, 26, [(0, theme.knob_top), (1, theme.knob_bottom)]))
    c.fill(polygon([(r - 5, r - 16), (r + 5, r - 16), (r, r - 24)]), theme.knob_top)
    return c


def channel_card(theme, w, h, side):
    c = Canvas(w, h)
    c.fill(rbox(0, 0, w, h, theme.radius_panel), with_alpha(theme.btn_border, 0.8))
    c.fill(rbox(1, 1, w - 2, h - 2, theme.radius_panel - 1), vertical(0, h, [(0, theme.btn_top),
                                                                            (1, theme.btn_bottom)]))
    x = 34 if side < 0 else w - 34
    icons.draw(c, "headphone", x, h / 2.0, 34, theme.icon)
    start, end = (-40, 40) if side < 0 else (140, 220)
    for i in range(3):
        c.fill(arc(x, h / 2.0, 26 + i * 14, 2.2, start, end), with_alpha(theme.accent, 0.8 - 0.22 * i))
    return c


def connection(theme, w, h):
    c = Canvas(w, h)
    cy = h / 2.0
    c.fill(capsule(14, cy, w - 14, cy, 1.2), with_alpha(theme.line, 1.0))
    for side in (-1, 1):
        x = w / 2.0 + side * 11
        c.fill(ring(x, cy, 10, 3.2), theme.accent if side < 0 else theme.accent2)
    for x, d in ((8, 1), (w - 8, -1)):
        c.fill(polygon([(x, cy), (x + d * 9, cy - 6), (x + d * 9, cy + 6)]), theme.icon)
    return c


def phase_mode(theme, w, h, mode):
    """The 3D alpha or beta mode: independent, dependent or inverse."""
    c = Canvas(w, h)
    c.fill(rbox(0, 0, w, h, theme.radius_button), with_alpha(theme.btn_border, 0.7))
    c.fill(rbox(1, 1, w - 2, h - 2, max(0, theme.radius_button - 1)), theme.well)
    cy = h / 2.0
    a, b = (w / 2.0 - 18, w / 2.0 + 18)
    if mode == "Indep":
        c.fill(circle(a, cy, 5), theme.accent)
        c.fill(circle(b, cy, 5), theme.accent2)
    elif mode == "Dep":
        c.fill(capsule(a, cy, b, cy, 1.5), theme.icon)
        c.fill(circle(a, cy, 5), theme.accent)
        c.fill(circle(b, cy, 5), theme.accent)
    else:
        c.fill(capsule(a, cy - 7, b, cy + 7, 1.5), theme.icon)
        c.fill(capsule(a, cy + 7, b, cy - 7, 1.5), theme.icon)
        c.fill(circle(a, cy - 7, 4), theme.accent)
        c.fill(circle(b, cy - 7, 4), theme.accent2)
        c.fill(circle(a, cy + 7, 4), theme.accent2)
        c.fill(circle(b, cy + 7, 4), theme.accent)
    return c
