"""One skin folder: every picture key of SkinSetting.ini with its file and place, the layout keys,
the pictures themselves and the window outline."""

import layout as L
import region
import scenes
import widgets as W
from inifile import render

EQ_BANDS = L.EQ_BANDS
EFFECT_KEYS = ["Non", "Theater", "Bathroom", "Livingroom", "StoneGallery"]
SPEAKERS = ["C", "L", "LS", "LB", "RB", "RS", "R", "SUB"]


class Key:
    def __init__(self, section, name, file, box=None, page=None):
        self.section, self.name, self.file, self.box, self.page = section, name, file, box, page

    def value(self):
        items = [self.file] + ([str(v) for v in self.box] if self.box else [])
        if self.page is not None:
            items += [""] * (5 - len(items)) + [str(self.page)]
        return ",".join(items)


def picture_keys(theme):
    """The picture keys in the order the panel reads them."""
    k = []

    def add(section, name, file, box=None, page=None):
        k.append(Key(section, name, file, box, page))

    def pair(section, stem, file_stem, box, page=None, up="ImageUp", down="ImageDown"):
        add(section, stem + up, file_stem + "Up.png", box, page)
        add(section, stem + down, file_stem + "Down.png", box, page)

    left = (0, L.TITLE_H + 1, L.LEFT_W + 1, L.WINDOW_H - L.TITLE_H - 2)
    add("Main", "MainFormImage", "Frame.png", (0, 0, L.WINDOW_W, L.WINDOW_H))
    pair("Main", "Close", "Close", L.CLOSE)
    pair("Main", "Minimize", "Minimize", L.MINIMIZE)
    add("Main", "DeviceActiveImage", "Headset.png", L.DEVICE_PICTURE)
    for i, stem in enumerate(["Save", "Load", "About"]):
        pair("Main", "Menu%d" % (i + 1), "Menu" + stem, L.MENU[i])
    add("Main", "LogoImage", "Logo.png", L.LOGO)
    add("Main", "LedImageUp", "LedSwitchOff.png", L.LED_SWITCH)
    add("Main", "LedImageDown", "LedSwitchOn.png", L.LED_SWITCH)
    for i, page in enumerate(["Equalizer", "Effects", "Microphone", "Surround"]):
        add("Main", "MainLeftImage%d" % (i + 1), "Left%s.png" % page, left)
    # Two indicators: the first lights while a device is active, the second while none is. An
    # active device shows both Up pictures, no device both Down pictures.
    add("Main", "DeviceActiveUpImage", "PluggedInOn.png", L.DEVICE_IN)
    add("Main", "DeviceActiveDownImage", "PluggedInOff.png", L.DEVICE_IN)
    add("Main", "DeviceUnActiveUpImage", "UnpluggedOff.png", L.DEVICE_OUT)
    add("Main", "DeviceUnActiveDownImage", "UnpluggedOn.png", L.DEVICE_OUT)

    add("EQ", "Back_EQImage", "BackEqualizer.png", L.PAGE_AREA)
    pair("EQ", "EQEQEN", "Toggle88", L.EQ_TOGGLES["EQEN"])
    pair("EQ", "EQ3DEN", "Toggle88", L.EQ_TOGGLES["EQ3DEN"])
    pair("EQ", "EQReset", "Reset88", L.EQ_TOGGLES["EQReset"])
    for i in range(4):
        pair("EQ", "EQS%d" % (i + 1), "Preset", L.EQ_PRESETS[i])
    add("EQ", "EQButtonLineImage1", "Line564.png", L.BUTTON_LINE)
    for i in range(4):
        add("EQ", "EQButtonLineImage%d" % (i + 2), "LineColumn.png", L.eq_column_line(i))
    add("EQ", "EQGraduationImage", "GraduationEqualizer.png", L.EQ_GRADUATION)
    for i, band in enumerate(EQ_BANDS):
        add("EQ", "EQ%sBarImage" % band, "BarEqualizer.png", L.eq_bar(i))
    for i, band in enumerate(EQ_BANDS):
        add("EQ", "EQ%sSliderImage" % band, "Knob.png", L.eq_slider(i))
    for i, band in enumerate(EQ_BANDS):
        add("EQ", "EQ%sBarDownImage" % band, "BarEqualizerOff.png", L.eq_bar(i), 1)

    add("3D", "Back_3DImage", "Back3D.png", L.PAGE_AREA)
    pair("3D", "D33DEN", "Toggle88", L.D3_TOGGLES["D33DEN"])
    pair("3D", "D3FBM", "Toggle88", L.D3_TOGGLES["D3FBM"])
    pair("3D", "D3Reset", "Reset88", L.D3_TOGGLES["D3Reset"])
    add("3D", "D3LChannelImage", "ChannelLeft.png", L.D3_L_CHANNEL)
    add("3D", "D3RChannelImage", "ChannelRight.png", L.D3_R_CHANNEL)
    add("3D", "D3ConnectionImage", "ChannelLink.png", L.D3_CONNECTION)
    for which, box in (("Alpha", L.D3_ALPHA), ("Beta", L.D3_BETA)):
        for mode in ("Indep", "Dep", "Inv"):
            add("3D", "D3%s%sImage" % (which, mode), "Phase%s.png" % mode, box)
    add("3D", "D3ButtonLineImage1", "Line564.png", L.D3_LINE1)
    add("3D", "D3ButtonLineImage2", "Line564.png", L.D3_LINE2)
    order = ["LAlpha", "LBeta", "RAlpha", "RBeta"]
    for which in order:
        add("3D", "D3%sGraduationImage" % which, "Graduation3D.png", L.d3_graduation(which))
    for which in order:
        add("3D", "D3%sBarImage" % which, "Bar3D.png", L.d3_bar(which))
    for which in order:
        add("3D", "D3%sSliderImage" % which, "Knob.png", L.d3_slider(which))

    add("Effect", "Back_EffectImage", "BackEffects.png", L.PAGE_AREA)
    for n, effect in enumerate(EFFECT_KEYS, start=1):
        pair("Effect", "EffectButton%s" % effect, "EffectRow", L.effect_button(n))
    for i in range(1, 5):
        add("Effect", "EffectButtonLineImage%d" % i, "Line156.png", L.effect_line(i))
    for effect in EFFECT_KEYS:
        add("Effect", "EffectPic%sImage" % effect, "Scene%s.png" % effect, L.EFFECT_PICTURE)

    add("Mic", "Back_MicImage", "BackMicrophone.png", L.PAGE_AREA)
    pair("Mic", "MicBoost", "Toggle88", L.MIC_TOGGLES["MicBoost"])
    pair("Mic", "MicMute", "Toggle88", L.MIC_TOGGLES["MicMute"])
    pair("Mic", "MicMonitor", "Toggle88", L.MIC_TOGGLES["MicMonitor"])
    add("Mic", "MicButtonLineImage", "Line564.png", L.BUTTON_LINE)
    add("Mic", "MicPicImage", "Microphone.png", L.MIC_PICTURE)
    add("Mic", "MicProgressImage", "LevelMeter.png", L.MIC_PROGRESS)
    add("Mic", "MicGainImage", "HeaderPlate.png", L.MIC_GAIN_PLATE)
    add("Mic", "MicGraduationImage", "GraduationMicrophone.png", L.MIC_GRADUATION)
    add("Mic", "MicBarImage", "BarMicrophone.png", L.MIC_BAR)
    add("Mic", "MicSliderImage", "Knob.png", L.MIC_SLIDER)
    add("Mic", "MicValueImage", "ValueDisplay.png", L.MIC_VALUE)
    add("Mic", "MicBarDownImage", "BarMicrophoneOff.png", L.MIC_BAR, 3)

    v = L.virtual_button
    add("Virtual7ch1", "Back_Virtual7p1Image", "BackSurround.png", L.PAGE_AREA)
    pair("Virtual7ch1", "VirtualEnable", "Toggle124", v("VirtualEnable"))
    pair("Virtual7ch1", "VirtualDisable", "Toggle124", v("VirtualEnable"))
    pair("Virtual7ch1", "VirtualClockwise", "RotateRight", v("VirtualClockwise"), up="UpImage", down="DownImage")
    pair("Virtual7ch1", "VirtualCounterclockwise", "RotateLeft", v("VirtualCounterclockwise"), up="UpImage",
         down="DownImage")
    pair("Virtual7ch1", "VirtualEnlarge", "Widen", v("VirtualEnlarge"), up="UpImage", down="DownImage")
    pair("Virtual7ch1", "VirtualNarrow", "Narrow", v("VirtualNarrow"), up="UpImage", down="DownImage")
    pair("Virtual7ch1", "VirtualReset", "Reset124", v("VirtualReset"), up="UpImage", down="DownImage")
    cx, cy, _ = L.VIRTUAL_CENTER
    r = theme.speaker_radius + 40
    add("Virtual7ch1", "VirtualPicImage", "SpeakerCircle.png", (cx - r, cy - r, 2 * r, 2 * r))
    speaker_file = {"C": "SpeakerFront", "L": "SpeakerFront", "R": "SpeakerFront", "LS": "SpeakerSide",
                    "RS": "SpeakerSide", "LB": "SpeakerBack", "RB": "SpeakerBack", "SUB": "SpeakerSub"}
    for name in SPEAKERS:
        add("Virtual7ch1", "Virtual%sImage" % name, speaker_file[name] + ".png",
            L.speaker_box(name, theme.speaker_radius))
    for i, box in enumerate(L.VIRTUAL_LINES):
        add("Virtual7ch1", "VirtualButtonLineImage%d" % (i + 1), "Line124.png", box)

    add("About", "LogoImage", "AboutLogo.png")

    for page in ["EQ", "Effect", "Mic", "Virtual7p1"]:
        add("Main", "Page%sUpImage" % page, "PageTabUp.png", L.strip_slot(page))
    for page in ["EQ", "Effect", "Mic", "Virtual7p1"]:
        add("Main", "Page%sDownImage" % page, "PageTabDown.png", L.strip_slot(page))
    for page in ["LED", "ENC", "VMEffect"]:
        add("Main", "Page%sUpImage" % page, "PageTabUp.png", L.strip_slot(page))
        add("Main", "Page%sDownImage" % page, "PageTabDown.png", L.strip_slot(page))

    for row, file in (("Breathe", "LightBarBreathe"), ("Rainbow", "LightBarRainbow"), ("Pulsating", "LightBarMulti")):
        add("LED", "Color%sBarImage" % row, file + ".png", L.led_bar(row))
    for row in ("Breathe", "Rainbow", "Pulsating"):
        pair("LED", "Color%sSlider" % row, "LightKnob", L.led_slider(row), up="UpImage", down="DownImage")
    for row in ("Breathe", "Rainbow", "Pulsating", "LEDOff", "Single"):
        pair("LED", "Color%sCheck" % row, "Check", L.led_check(row), up="UpImage", down="DownImage")

    pair("ENC", "ENCFunction", "Toggle124", L.ENC_FUNCTION, up="UpImage", down="DownImage")
    add("ENC", "ENCBarImage", "BarNoiseCancel.png", L.ENC_BAR)
    add("ENC", "ENCSliderImage", "Knob.png", L.ENC_SLIDER)
    add("ENC", "ENCValueImage", "ValueDisplay.png", L.ENC_VALUE)

    for i, (name, file) in enumerate([("VMEffectNone", "VoiceNatural"), ("VMEffect1", "VoiceDeep"),
                                      ("VMEffect2", "VoiceBright"), ("VMEffect3", "VoiceMonster"),
                                      ("VMEffect4", "VoiceChipmunk")]):
        pair("RuvavIzezo", name, file, L.vm_card(i), up="UpImage", down="DownImage")
    pair("RuvavIzezo", "VMFunction", "Toggle124", L.VM_FUNCTION, up="UpImage", down="DownImage")
    return k


def layout_keys(theme):
    shape = lambda box, kind: ",".join(str(v) for v in box) + ",%d" % kind
    return {
        "Main": [("BevelLine", "0"), ("BevelLine2", "0"), ("BevelLine3", "0")],
        "EQ": [("EQSlider", "%d,%d" % (L.EQ_SLIDER_TOP, L.EQ_SLIDER_RANGE))],
        "Mic": [("MicSlider", "%d,%d" % (L.MIC_SLIDER_TOP, L.MIC_SLIDER_RANGE)),
                ("MicProgressLength", str(L.MIC_PROGRESS_LENGTH))],
        "Virtual7ch1": [("VirtualCenter", "%d,%d,%d" % L.speaker_centre(theme.speaker_radius))],
        "LED": [("LEDPageMode", "1"), ("LEDFastRightSide", "1")] +
               [("Color%02dShape" % i, shape(L.led_dot(i), 5)) for i in range(1, 8)] +
               [("ColorSingleShape", shape(L.LED_SINGLE_SHAPE, 3)), ("ColorBreatheShape", shape(L.LED_BREATHE_SHAPE, 3))],
        "ENC": [("ENCSlider", "%d,%d" % (L.ENC_SLIDER_TOP, L.ENC_SLIDER_RANGE))],
    }


def skin_setting(theme):
    sections, order = {}, []
    for key in picture_keys(theme):
        if key.section not in sections:
            sections[key.section] = []
            order.append(key.section)
        sections[key.section].append((key.name, key.value()))
    for section, entries in layout_keys(theme).items():
        if section not in sections:
            sections[section] = []
            order.append(section)
        sections[section].extend(entries)
    return render([(name, sections[name]) for name in order])


def _painters(theme):
    """File name -> function drawing it, for every picture the keys name."""
    kb = lambda box: (box[2], box[3])
    p = {}

    def both(stem, draw):
        p[stem + "Up.png"] = lambda: draw(False)
        p[stem + "Down.png"] = lambda: draw(True)

    p["Frame.png"] = lambda: scenes.frame(theme)
    both("Close", lambda d: W.round_button(theme, L.CLOSE[2], d, "close", danger=True))
    both("Minimize", lambda d: W.round_button(theme, L.MINIMIZE[2], d, "minimize"))
    p["Headset.png"] = lambda: scenes.headset(theme, *kb(L.DEVICE_PICTURE))
    for stem, icon in (("Save", "save"), ("Load", "load"), ("About", "info")):
        both("Menu" + stem, lambda d, icon=icon: W.icon_button(theme, 168, 28, d, icon, 22, 16))
    p["Logo.png"] = lambda: scenes.logo(theme, L.LOGO[2])
    p["AboutLogo.png"] = lambda: scenes.logo(theme, 64)
    p["LedSwitchOff.png"] = lambda: W.led_switch(theme, *kb(L.LED_SWITCH), False)
    p["LedSwitchOn.png"] = lambda: W.led_switch(theme, *kb(L.LED_SWITCH), True)
    for page, icon in (("Equalizer", "equalizer"), ("Effects", "waves"), ("Microphone", "mic"),
                       ("Surround", "surround")):
        p["Left%s.png" % page] = lambda icon=icon: scenes.left_image(theme, icon)
    p["PluggedInOn.png"] = lambda: W.indicator(theme, 24, "headphone", True, theme.good)
    p["PluggedInOff.png"] = lambda: W.indicator(theme, 24, "headphone", False)
    p["UnpluggedOn.png"] = lambda: W.indicator(theme, 24, "unplugged", True, theme.danger)
    p["UnpluggedOff.png"] = lambda: W.indicator(theme, 24, "unplugged", False)
    for page in ("Equalizer", "3D", "Effects", "Microphone", "Surround"):
        name = {"Equalizer": "EQ", "Effects": "Effect", "Microphone": "Mic", "Surround": "Virtual7p1"}.get(page, page)
        p["Back%s.png" % page] = lambda name=name: scenes.page_back(theme, name)
    both("Toggle88", lambda d: W.toggle(theme, 88, 28, d))
    both("Toggle124", lambda d: W.toggle(theme, 124, 28, d))
    both("Reset88", lambda d: W.icon_button(theme, 88, 28, d, "reset", 13, 13))
    both("Reset124", lambda d: W.icon_button(theme, 124, 28, d, "reset", 15, 14))
    both("RotateRight", lambda d: W.icon_button(theme, 124, 28, d, "cw", 15, 15))
    both("RotateLeft", lambda d: W.icon_button(theme, 124, 28, d, "ccw", 15, 15))
    both("Widen", lambda d: W.icon_button(theme, 124, 28, d, "enlarge", 15, 15))
    both("Narrow", lambda d: W.icon_button(theme, 124, 28, d, "narrow", 15, 15))
    both("Preset", lambda d: W.button_face(theme, 58, 28, d))
    both("EffectRow", lambda d: W.list_item(theme, 156, 40, d))
    p["Line564.png"] = lambda: W.hline(theme, 564, 2)
    p["Line156.png"] = lambda: W.hline(theme, 156, 2)
    p["Line124.png"] = lambda: W.hline(theme, 124, 2)
    p["LineColumn.png"] = lambda: W.vline(theme, 2, L.eq_column_line(0)[3])
    half = L.SLIDER_H / 2.0
    p["GraduationEqualizer.png"] = lambda: W.graduation(
        theme, 40, L.EQ_BAR_H, L.EQ_SLIDER_TOP + half - L.EQ_BAR_TOP,
        L.EQ_SLIDER_TOP + L.EQ_SLIDER_RANGE + half - L.EQ_BAR_TOP, 12)
    p["Graduation3D.png"] = lambda: W.graduation(theme, 20, L.D3_BAR_H, 105 + half - L.D3_BAR_TOP,
                                                 225 + half - L.D3_BAR_TOP, 15)
    p["GraduationMicrophone.png"] = lambda: W.graduation(
        theme, 20, L.MIC_BAR[3], L.MIC_SLIDER_TOP + half - L.MIC_BAR[1],
        L.MIC_SLIDER_TOP + L.MIC_SLIDER_RANGE + half - L.MIC_BAR[1], 10)
    p["BarEqualizer.png"] = lambda: W.bar_lit(theme, 6, L.EQ_BAR_H)
    p["BarEqualizerOff.png"] = lambda: W.bar_dim(theme, 6, L.EQ_BAR_H)
    p["Bar3D.png"] = lambda: W.bar_lit(theme, 6, L.D3_BAR_H, faint=True)
    p["BarMicrophone.png"] = lambda: W.bar_lit(theme, 6, L.MIC_BAR[3])
    p["BarMicrophoneOff.png"] = lambda: W.bar_dim(theme, 6, L.MIC_BAR[3])
    p["BarNoiseCancel.png"] = lambda: W.scaled_track(
        theme, L.ENC_BAR[2], L.ENC_BAR[3], L.ENC_SLIDER_TOP + half - L.ENC_BAR[1],
        L.ENC_SLIDER_TOP + L.ENC_SLIDER_RANGE + half - L.ENC_BAR[1], 30)
    p["Knob.png"] = lambda: W.slider_knob(theme, L.SLIDER_W, L.SLIDER_H, lit=True)
    p["ChannelLeft.png"] = lambda: scenes.channel_card(theme, *kb(L.D3_L_CHANNEL), -1)
    p["ChannelRight.png"] = lambda: scenes.channel_card(theme, *kb(L.D3_R_CHANNEL), 1)
    p["ChannelLink.png"] = lambda: scenes.connection(theme, *kb(L.D3_CONNECTION))
    for mode in ("Indep", "Dep", "Inv"):
        p["Phase%s.png" % mode] = lambda mode=mode: scenes.phase_mode(theme, *kb(L.D3_ALPHA), mode)
    for effect in EFFECT_KEYS:
        p["Scene%s.png" % effect] = lambda effect=effect: scenes.effect_picture(theme, effect)
    p["Microphone.png"] = lambda: scenes.microphone(theme, *kb(L.MIC_PICTURE))
    p["LevelMeter.png"] = lambda: W.level_meter(theme, *kb(L.MIC_PROGRESS), True)
    p["HeaderPlate.png"] = lambda: W.header_plate(theme, *kb(L.MIC_GAIN_PLATE))
    p["ValueDisplay.png"] = lambda: W.value_pill(theme, *kb(L.MIC_VALUE))
    p["SpeakerCircle.png"] = lambda: scenes.speaker_circle(theme, 2 * (theme.speaker_radius + 40))
    p["SpeakerFront.png"] = lambda: W.speaker_puck(theme, L.SPEAKER, theme.accent)
    p["SpeakerSide.png"] = lambda: W.speaker_puck(theme, L.SPEAKER, theme.accent2)
    p["SpeakerBack.png"] = lambda: W.speaker_puck(theme, L.SPEAKER, theme.good)
    p["SpeakerSub.png"] = lambda: W.speaker_puck(theme, L.SPEAKER, theme.danger, sub=True)
    p["PageTabUp.png"] = lambda: W.page_tab(theme, 80, L.STRIP_H, False)
    p["PageTabDown.png"] = lambda: W.page_tab(theme, 80, L.STRIP_H, True)
    p["LightBarBreathe.png"] = lambda: W.led_bar(theme, L.LED_BAR_W, 12, "breathe")
    p["LightBarRainbow.png"] = lambda: W.led_bar(theme, L.LED_BAR_W, 12, "rainbow")
    p["LightBarMulti.png"] = lambda: W.led_bar(theme, L.LED_BAR_W, 12, "pulsating")
    both("LightKnob", lambda d: W.vertical_knob(theme, 16, 24, d))
    both("Check", lambda d: W.check(theme, 20, d))
    for stem, wave in (("VoiceNatural", "none"), ("VoiceDeep", "deep"), ("VoiceBright", "bright"),
                       ("VoiceMonster", "monster"), ("VoiceChipmunk", "chipmunk")):
        both(stem, lambda d, wave=wave: W.vm_card(theme, 104, 110, d, wave))
    return p


def skin_files(theme):
    """{file name: bytes} of one skin folder."""
    painters = _painters(theme)
    files = {}
    for key in picture_keys(theme):
        if key.file and key.file not in files:
            files[key.file] = painters[key.file]().png()
    files["SkinSetting.ini"] = skin_setting(theme)
    files["MainForm_Frame.rgn"] = region.rounded_outline(L.WINDOW_W, L.WINDOW_H, theme.radius_window)
    return files
