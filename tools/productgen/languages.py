"""The Language.ini files: texts of every language plus where each caption sits.

A caption is drawn left-aligned from its label's left edge, so captions that should look centred on
their picture get a left edge computed from an estimate of the text's width in the language's font.
"""

import layout as L
from inifile import colour, render

TEXT_UP = colour(196, 202, 212)
TEXT_DOWN = colour(255, 255, 255)
HEADING = colour(128, 138, 152)

# Approximate advance widths of 9-point Tahoma at 96 pixels per inch.
_NARROW = set("il.,:;|!'")
_SMALL = set("fjrtI -()")
_WIDE = set("mwMW")


def text_width(text, size=9):
    width = 0.0
    for ch in text:
        if ord(ch) >= 0x2E80:
            width += 12.5
        elif ch in _NARROW:
            width += 3
        elif ch in _SMALL:
            width += 4
        elif ch in _WIDE:
            width += 10
        elif ch.isupper():
            width += 7.5
        elif ch.isdigit():
            width += 6.5
        else:
            width += 6.2
    return int(round(width * size / 9.0))


def centred(box, text, size=9, inset_left=0):
    left, top, width, height = box
    area_left, area_width = left + inset_left, width - inset_left
    text_w = min(text_width(text, size) + 2, area_width)
    line_h = 14 if size <= 9 else int(size * 1.6)
    # The box is wider than the estimate, so a caption a little wider than estimated is not cut.
    left = area_left + (area_width - text_w) // 2
    return (left, top + (height - line_h) // 2, min(text_w + 16, area_left + area_width - left), line_h + 2)


def at(left, top, width, height=16):
    return lambda text, size: (left, top, width, height)


def centre_on(box, inset_left=0):
    return lambda text, size: centred(box, text, size, inset_left)


TOGGLE_INSET = 18  # the indicator light at a toggle's left


def _label_table():
    """(section, key, place or None, size, colour up or None, colour down or None) in reading order."""
    rows = []

    def add(section, key, place=None, size=None, up=None, down=None):
        rows.append((section, key, place, size, up, down))

    for i in range(3):
        m = L.MENU[i]
        add("Main", "LabelMenu%d" % (i + 1), at(m[0] + 40, m[1] + 7, m[2] - 46))
    add("Main", "LabelPageEQ", centre_on(L.strip_slot("EQ")))
    add("Main", "LabelPage3D")
    add("Main", "LabelPageEffect", centre_on(L.strip_slot("Effect")))
    add("Main", "LabelPageMic", centre_on(L.strip_slot("Mic")))
    add("Main", "LabelPageVirtual7ch1", centre_on(L.strip_slot("Virtual7p1")))
    device = (L.DEVICE_PICTURE[0], L.DEVICE_PICTURE[1] + L.DEVICE_PICTURE[3] + 2, L.DEVICE_PICTURE[2], 18)
    for key in ("LabelActive", "LabelUnDriver", "LabelUnactive"):
        add("Main", key, centre_on(device))
    card = L.INFO_CARD
    add("Main", "LabelSync")
    add("Main", "LabelSetting", at(card[0] + 12, card[1] + 10, card[2] - 24), 8, HEADING, HEADING)
    add("Main", "LabelSX", at(card[0] + 12, card[1] + 44, card[2] - 24), 10, TEXT_DOWN, TEXT_DOWN)
    add("Main", "LabelFeatures", at(card[0] + 12, card[1] + 27, card[2] - 24))
    add("Main", "LabelCompanyName", at(L.LOGO[0] + L.LOGO[2] + 10, 15, 220, 26), 14, TEXT_DOWN, TEXT_DOWN)
    add("Main", "DeviceInLabel", at(L.DEVICE_IN[0] + 32, L.DEVICE_IN[1] + 5, 130))
    add("Main", "DeviceOutLabel", at(L.DEVICE_OUT[0] + 32, L.DEVICE_OUT[1] + 5, 130))
    add("Main", "LabelPageLED", centre_on(L.strip_slot("LED")))
    add("Main", "LabelPageENC", centre_on(L.strip_slot("ENC")))
    add("Main", "LabelPageVMEffect", centre_on(L.strip_slot("VMEffect")))
    for key in ("LabelLanguage", "LabelSkin", "LabelClose", "LabelPlugin"):
        add("Main", key)
    add("EQ", "LabelEQEnable", centre_on(L.EQ_TOGGLES["EQEN"], TOGGLE_INSET))
    add("EQ", "LableEQ3DEnable", centre_on(L.EQ_TOGGLES["EQ3DEN"], TOGGLE_INSET))
    add("EQ", "LabelEQReset", centre_on(L.EQ_TOGGLES["EQReset"], TOGGLE_INSET))
    for i in range(4):
        add("EQ", "LabelEQS%d" % (i + 1), centre_on(L.EQ_PRESETS[i]))
    for i, band in enumerate(L.EQ_BANDS):
        x = L.EQ_BAND_X[i]
        add("EQ", "LabelEQ%s" % band, centre_on((x - 45, L.EQ_BAND_LABEL_TOP, 90, 18)), 8)
    add("3D", "Label3DEnable", centre_on(L.D3_TOGGLES["D33DEN"], TOGGLE_INSET))
    add("3D", "Label3DFBM", centre_on(L.D3_TOGGLES["D3FBM"], TOGGLE_INSET))
    add("3D", "Label3DReset", centre_on(L.D3_TOGGLES["D3Reset"], TOGGLE_INSET))
    below = lambda box: (box[0], box[1] + box[3] + 2, box[2], 18)
    add("3D", "Label3DLeftChannel", centre_on(below(L.D3_L_CHANNEL)))
    add("3D", "Label3DRightChannel", centre_on(below(L.D3_R_CHANNEL)))
    add("3D", "Label3DConnection", centre_on(below(L.D3_CONNECTION)))
    for n, effect in enumerate(["Nothing", "Theater", "Bathroom", "Livingroom", "StoneGallery"], start=1):
        b = L.effect_button(n)
        add("Effect", "LabelEffect%s" % effect, at(b[0] + 22, b[1] + 12, b[2] - 28))
    for key in ("MicBoost", "MicMute", "MicMonitor"):
        add("Mic", "Label%s" % key, centre_on(L.MIC_TOGGLES[key], TOGGLE_INSET))
    g = L.MIC_GAIN_PLATE
    add("Mic", "LabelMicGain", at(g[0] + 12, g[1] + 6, g[2] - 20), 8, HEADING, HEADING)
    add("Mic", "LabelMicValue", centre_on(L.MIC_VALUE), None, TEXT_DOWN, TEXT_DOWN)
    v = L.virtual_button
    add("Virtual7ch1", "Label7ch1Enable", centre_on(v("VirtualEnable"), TOGGLE_INSET))
    add("Virtual7ch1", "LabelVirtualClockwise", at(v("VirtualClockwise")[0] + 30, v("VirtualClockwise")[1] + 7, 92))
    add("Virtual7ch1", "LabelVirtualCounterclockwise",
        at(v("VirtualCounterclockwise")[0] + 30, v("VirtualCounterclockwise")[1] + 7, 92))
    add("Virtual7ch1", "LabelVirtualEnlarge", at(v("VirtualEnlarge")[0] + 30, v("VirtualEnlarge")[1] + 7, 92))
    add("Virtual7ch1", "LabelVirtualNarrow", at(v("VirtualNarrow")[0] + 30, v("VirtualNarrow")[1] + 7, 92))
    add("Virtual7ch1", "Label7ch1Reset", at(v("VirtualReset")[0] + 30, v("VirtualReset")[1] + 7, 92))
    row_label = lambda row: at(L.LED_CHECK_LEFT + 28, L.LED_ROWS[row] + 2, 150)
    add("LED", "ColorBreatheLabel", row_label("Breathe"))
    add("LED", "ColorRainbowLabel", row_label("Rainbow"))
    add("LED", "ColorPulsatingLabel", row_label("Pulsating"))
    add("LED", "ColorSelectLabel", at(L.LED_CHECK_LEFT, 118, 300), 8, HEADING, HEADING)
    add("LED", "ColorEffectLabel", at(L.LED_CHECK_LEFT, 190, 300), 8, HEADING, HEADING)
    add("LED", "ColorLEDOffLabel", row_label("LEDOff"))
    add("LED", "ColorSingleLabel", row_label("Single"))
    slow_top = L.LED_ROWS["Pulsating"] + 26
    add("LED", "ColorSlowLabel", at(L.LED_BAR_LEFT, slow_top, 100), 8, HEADING, HEADING)
    add("LED", "ColorFastLabel", lambda text, size: (L.LED_BAR_LEFT + L.LED_BAR_W - text_width(text, size) - 2,
                                                     slow_top, text_width(text, size) + 8, 16), 8, HEADING, HEADING)
    add("ENC", "ENCFunctionLabel", centre_on(L.ENC_FUNCTION, TOGGLE_INSET))
    add("ENC", "LabelENCValue", centre_on(L.ENC_VALUE), None, TEXT_DOWN, TEXT_DOWN)
    for i, key in enumerate(["VMEffectNoneLabel", "VMEffect1Label", "VMEffect2Label", "VMEffect3Label", "VMEffect4Label"]):
        c = L.vm_card(i)
        add("RuvavIzezo", key, centre_on((c[0], c[1] + c[3] - 30, c[2], 22)))
    add("RuvavIzezo", "VMFunctionLabel", centre_on(L.VM_FUNCTION, TOGGLE_INSET))
    add("About", "LabelAbout")
    add("About", "LabelWeb")
    add("Main", "LabelWarning")
    add("Main", "LabelWarning1")
    return rows


SETUP_KEYS = ["LabelBackBtn", "LabelNextBtn", "LabelFinishBtn", "LabelCancelBtn", "LabelSelectLang", "LabelVersion",
              "LabelZurudOvo", "LabelInstall", "LabelReboot", "LabelRebootRadioBtn", "LabelNoRebootRadioBtn",
              "LabelTitle", "LabelWarning1", "LabelWarning2", "AntivirusTip", "LabelWarning3", "LabelWarning4",
              "KB3033929Tip"]


def _quote(text):
    """Texts with a comma or a leading quote are written as one quoted item."""
    if "," in text or text.startswith('"'):
        return '"' + text.replace('"', '""') + '"'
    return text


def _record(text, up, down, font, size, box):
    items = [_quote(text), "" if up is None else str(up), "" if down is None else str(down),
             font or "", "" if size is None else str(size)]
    if box:
        items += [str(v) for v in box]
    while items and items[-1] == "":
        items.pop()
    return ",".join(items)


def language_ini(language):
    texts, font = language["texts"], language["font"]
    sections = {}
    order = []

    def put(section, key, value):
        if section not in sections:
            sections[section] = []
            order.append(section)
        sections[section].append((key, value))

    put("GlobalFont", "ColorUp", str(TEXT_UP))
    put("GlobalFont", "ColorDown", str(TEXT_DOWN))
    put("GlobalFont", "Font", font)
    put("GlobalFont", "FontSize", "9")
    for section, key, place, size, up, down in _label_table():
        text = texts[key]
        box = place(text, size or 9) if place and text else None
        put(section, key, _record(text, up, down, None, size, box) if (box or size or up) else _quote(text))
    for key in SETUP_KEYS:
        # The profile reader strips quotes that enclose a whole value; a trailing empty item keeps a
        # quoted text with a comma in it one item.
        text = _quote(language["setup"][key])
        put("Setup", key, text + "," if text.startswith('"') else text)
    return render([(name, sections[name]) for name in order])


def label_keys():
    return [key for _, key, _, _, _, _ in _label_table()]


def caption_boxes(language):
    """Control boxes of every positioned caption, for the preview pictures."""
    out = {}
    for section, key, place, size, up, down in _label_table():
        text = language["texts"][key]
        if place and text:
            out[key] = (text, place(text, size or 9), size or 9, up if up is not None else TEXT_UP)
    return out
