"""Where everything sits on the 819 x 513 main window. Skins and languages both take their
positions from here, so a caption always lands on its picture."""

WINDOW_W, WINDOW_H = 819, 513
TITLE_H = 56
LEFT_W = 200
PAGE_AREA = (210, 100, 599, 403)

# Page buttons in strip order; the strip runs above the page area.
STRIP_TOP, STRIP_H = 62, 32
STRIP_PAGES = ["EQ", "Effect", "Mic", "Virtual7p1", "ENC", "VMEffect", "LED"]


def strip_slot(name):
    i = STRIP_PAGES.index(name)
    return (212 + i * 84, STRIP_TOP, 80, STRIP_H)


CLOSE = (787, 14, 22, 22)
MINIMIZE = (761, 14, 22, 22)
LOGO = (16, 8, 40, 40)
DEVICE_PICTURE = (16, 68, 168, 92)
DEVICE_IN = (22, 192, 24, 24)
DEVICE_OUT = (22, 224, 24, 24)
INFO_CARD = (12, 260, 176, 72)
LED_SWITCH = (16, 342, 168, 28)
MENU = [(16, 382, 168, 28), (16, 418, 168, 28), (16, 454, 168, 28)]

# Equaliser page.
EQ_TOGGLES = {"EQEN": (226, 112, 88, 28), "EQ3DEN": (322, 112, 88, 28), "EQReset": (418, 112, 88, 28)}
EQ_PRESETS = [(534 + i * 64, 112, 58, 28) for i in range(4)]
BUTTON_LINE = (226, 152, 564, 2)
EQ_PANEL = (226, 164, 564, 222)
EQ_BANDS = ["60Hz", "300Hz", "1200Hz", "3600Hz", "12000Hz"]
EQ_BAND_X = [330 + i * 100 for i in range(5)]
EQ_BAR_TOP, EQ_BAR_H = 190, 160
EQ_SLIDER_TOP, EQ_SLIDER_RANGE = 200, 120
SLIDER_W, SLIDER_H = 36, 20
EQ_GRADUATION = (250, 190, 40, 160)
EQ_BAND_LABEL_TOP = 358


def eq_bar(band):
    return (EQ_BAND_X[band] - 3, EQ_BAR_TOP, 6, EQ_BAR_H)


def eq_slider(band):
    return (EQ_BAND_X[band] - SLIDER_W // 2, EQ_SLIDER_TOP + EQ_SLIDER_RANGE // 2, SLIDER_W, SLIDER_H)


def eq_column_line(i):
    return (EQ_BAND_X[i] + 49, 176, 2, 198)


# 3D page; its sliders travel 105..225 whatever the skin says.
D3_X = {"LAlpha": 262, "LBeta": 342, "RAlpha": 600, "RBeta": 680}
D3_BAR_TOP, D3_BAR_H = 108, 134


def d3_bar(which):
    return (D3_X[which] - 3, D3_BAR_TOP, 6, D3_BAR_H)


def d3_slider(which):
    return (D3_X[which] - SLIDER_W // 2, 165, SLIDER_W, SLIDER_H)


def d3_graduation(which):
    return (D3_X[which] - 38, 108, 20, 134)


D3_L_CHANNEL = (232, 272, 160, 64)
D3_R_CHANNEL = (570, 272, 160, 64)
D3_CONNECTION = (402, 282, 158, 44)
D3_ALPHA = (232, 372, 88, 32)
D3_BETA = (330, 372, 88, 32)
D3_LINE1 = (226, 416, 564, 2)
D3_LINE2 = (226, 474, 564, 2)
D3_TOGGLES = {"D33DEN": (226, 432, 88, 28), "D3FBM": (322, 432, 88, 28), "D3Reset": (418, 432, 88, 28)}

# Effect page: effect n (1..5) sits in row n.
EFFECTS = ["Non", "Theater", "Bathroom", "Livingroom", "StoneGallery"]


def effect_button(n):
    return (226, 116 + (n - 1) * 56, 156, 40)


def effect_line(i):
    return (226, 116 + i * 56 - 9, 156, 2)


EFFECT_PICTURE = (400, 112, 390, 376)

# Microphone page.
MIC_TOGGLES = {"MicBoost": (226, 112, 88, 28), "MicMute": (322, 112, 88, 28), "MicMonitor": (418, 112, 88, 28)}
MIC_GAIN_PLATE = (226, 168, 200, 26)
MIC_BAR_X = 299
MIC_BAR = (MIC_BAR_X - 3, 198, 6, 150)
MIC_SLIDER_TOP, MIC_SLIDER_RANGE = 208, 120
MIC_SLIDER = (MIC_BAR_X - SLIDER_W // 2, MIC_SLIDER_TOP + MIC_SLIDER_RANGE // 2, SLIDER_W, SLIDER_H)
MIC_GRADUATION = (246, 198, 20, 150)
MIC_VALUE = (346, 262, 64, 28)
MIC_PICTURE = (470, 160, 300, 230)
MIC_PROGRESS = (500, 420, 240, 12)
MIC_PROGRESS_LENGTH = 240

# Virtual 7.1 page.
VIRTUAL_BUTTONS = {"VirtualEnable": 112, "VirtualClockwise": 162, "VirtualCounterclockwise": 198,
                   "VirtualNarrow": 248, "VirtualEnlarge": 284, "VirtualReset": 334}
VIRTUAL_BUTTON_W = 124


def virtual_button(name):
    return (226, VIRTUAL_BUTTONS[name], VIRTUAL_BUTTON_W, 28)


VIRTUAL_LINES = [(226, 152, VIRTUAL_BUTTON_W, 2), (226, 238, VIRTUAL_BUTTON_W, 2), (226, 324, VIRTUAL_BUTTON_W, 2)]
VIRTUAL_CENTER = (580, 256, 110)  # the middle of the speaker circle picture and the default radius
VIRTUAL_PICTURE = (580 - 150, 256 - 150, 300, 300)
SPEAKER = 32


def speaker_centre(radius=None):
    """The VirtualCenter the panel measures speakers from. It takes a speaker's place from its
    icon's top-left corner, so the centre is the top-left of an icon that sits in the middle of
    the circle picture; the icons then lie where their angles and levels say."""
    cx, cy, default_radius = VIRTUAL_CENTER
    return (cx - SPEAKER // 2, cy - SPEAKER // 2, radius or default_radius)


def _truncate(value):
    return int(value)  # toward zero, as the panel converts coordinates


def default_speaker_position(name, radius=None):
    """The top-left corner of a speaker in the panel's default arrangement (the one RESET
    restores without a default profile): half the radius times 1.6 from the centre, at the
    panel's own rounded angles; the subwoofer half the radius in front of the listener."""
    import math
    cx, cy, radius = speaker_centre(radius)
    half = radius // 2
    k = half * 1.6
    angles = {"L": 2.3561944875000003, "R": 0.7853981624999999, "LB": 3.9269908125000006, "RB": 5.4977871375000005}
    if name == "C":
        return (cx, _truncate(cy - k))
    if name == "SUB":
        return (cx, cy - half)
    if name == "LS":
        return (_truncate(cx - k), cy)
    if name == "RS":
        return (_truncate(cx + k), cy)
    return (_truncate(math.cos(angles[name]) * k + cx), _truncate(cy - math.sin(angles[name]) * k))


def speaker_box(name, radius=None):
    x, y = default_speaker_position(name, radius)
    return (x, y, SPEAKER, SPEAKER)


# LED page.
LED_DOT_TOP = 142


def led_dot(i):
    return (236 + (i - 1) * 40, LED_DOT_TOP, 28, 28)


LED_ROWS = {"LEDOff": 214, "Single": 254, "Breathe": 304, "Rainbow": 354, "Pulsating": 404}
LED_CHECK_LEFT = 236
LED_BAR_LEFT, LED_BAR_W = 430, 250
LED_SINGLE_SHAPE = (430, 248, 28, 28)
LED_BREATHE_SHAPE = (700, 298, 28, 28)


def led_check(row):
    return (LED_CHECK_LEFT, LED_ROWS[row], 20, 20)


def led_bar(row):
    return (LED_BAR_LEFT, LED_ROWS[row] + 4, LED_BAR_W, 12)


def led_slider(row):
    return (LED_BAR_LEFT, LED_ROWS[row] - 2, 16, 24)


# ENC page.
ENC_FUNCTION = (226, 112, 124, 28)
ENC_BAR = (470, 140, 60, 240)
ENC_SLIDER_TOP, ENC_SLIDER_RANGE = 150, 200
ENC_SLIDER = (500 - SLIDER_W // 2, ENC_SLIDER_TOP + ENC_SLIDER_RANGE, SLIDER_W, SLIDER_H)
ENC_VALUE = (544, 246, 64, 28)

# Voice-effect page: the function switch and five effect cards.
VM_FUNCTION = (226, 112, 124, 28)


def vm_card(i):
    return (226 + i * 113, 176, 104, 110)
