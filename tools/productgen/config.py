"""AudioConfig.cfg and DefaultProfile.ini of the shipped product."""

import layout
from inifile import render

SKIN_FOLDER = "Skins"
LANGUAGE_FOLDER = "Languages"
INSTALL_FOLDER = "Vorma"
ICON_FILE = "Vorma.ico"
UNINSTALL_ICON_FILE = "Uninstall.ico"

# Device-ID entries of the 72xx family (vendor 1E4B, any 72xx product), made with
#   DeviceIdCodeGen.exe --keys "USB\VID_1E4B&PID_72XX&REV_0100&MI_00"
#   DeviceIdCodeGen.exe --keys "HID\VID_1E4B&PID_72XX&REV_0100&MI_03"
USB_ENTRIES = [("1", "USB\\VID_1E4B&PID_72XX&REV_0100&MI_00,"
                     "hD6B9EfHNiiDykpuqfStCZ5XNRqCdtAcJ6JkMIp26ctk0R4PksfDaw==")]
HID_ENTRIES = [("1", "HID\\VID_1E4B&PID_72XX&REV_0100&MI_03,"
                     "IANEIvsw9+6O+o6ReYcbolc6LsfF/RmNWopqJPntYV8S71IuhwUW/A==")]


def audio_config(default_skin, default_language, language_captions):
    return render([
        ("Language", [("LanguageFolderName", LANGUAGE_FOLDER), ("DefaultLanguage", default_language)]),
        ("MultiLanguageFolderMap", list(language_captions)),
        ("Skin", [("SkinFolderName", SKIN_FOLDER), ("DefaultSkin", default_skin), ("RegionCut", "1")]),
        ("Install", [
            ("InstallAppTitle", "Vorma Audio Center"),
            ("InstallIconFileName", ICON_FILE),
            ("InstallFolderName", INSTALL_FOLDER),
            ("ShortcutFolderName", "Vorma Audio"),
            ("ShortcutFolderNameUp", "Vorma"),
            ("AppShortcutName", "Vorma Audio Center"),
            ("APPFileName", "Vormapanel"),
            ("UserManualShortcutName", "Vorma User Manual"),
            ("EffectAPPFileName", "VormaEffect"),
            ("EffectAppShortcutName", "Vorma Sound Effects"),
            ("SoundEffectAPPFileName", "VormaSoundEffect"),
            ("InstallBackgroundFileName", ""),
            ("BackgroundWidth", "0"),
            ("BackgroundHeight", "0"),
            ("DesktopShortcutEnable", "1"),
            ("InstallWindowsKB", "0"),
            ("ShowRebootScreen", "0"),
            ("MultiDisplaySetting", "0"),
        ]),
        ("Uninstall", [
            ("UninstallAppTitle", "Uninstall Vorma Audio Center"),
            ("UninstallIconFileName", UNINSTALL_ICON_FILE),
            ("UninstallShortcutName", "Uninstall Vorma Audio Center"),
            ("Publisher", "Vorma Audio"),
            ("UninstallDisplayName", "Vorma Audio Center"),
            ("UninstallFileName", "Vormasetup"),
        ]),
        ("Application", [
            ("DeviceActiveIconFileName", ICON_FILE),
            ("DeviceUnactiveIconFileName", ICON_FILE),
            ("TrayIconRestorOn", "1"),
            # The plug-ins the tray's Plugin menu lists: the two companion programs.
            ("VormaEffect", "1"),
            ("VormaSoundEffect", "1"),
        ]),
        ("Plugin", [("PluginFolderName", "Plugin")]),
        ("DebugLevel", [("Application", "0"), ("Service", "0")]),
        ("Version", [("Bee", "1"), ("OldVersion", "0"), ("DefaultIni", "1")]),
        ("TrayIconHint", [("HintName", "Vorma Audio Center")]),
        ("Mic", [("Monitor", "1")]),
        ("Simple", [("Enable", "0")]),
        ("DefaultSet", [
            ("3DV7ch1MutuallyExclusive", "1"),
            ("EncButtonMode", "0"),
            ("EncEnable", "0"),
            ("RuvavIzezoEnable", "0"),
            ("RuvavIzezoLevel", "12"),
            ("V7ch1Scalar", "20"),
            ("EncScalar", "10"),
            ("EncGpio", "2"),
        ]),
        ("EncValueMap", [("1", "VID_1E4B&PID_7201,20")]),
        ("GPIO", [
            ("MODE", "0"),
            ("ENABLE", "0,0,1,0,0,0,0,0,0,0"),
            ("DIRECTION", "0,0,0,0,0,0,0,0,0,0"),
            ("BUTTONMODE", "0"),
            ("DIPSWMODE", "0"),
        ]),
        ("GPIOActive", [(str(i), "0") for i in range(10)]),
        ("GPIOFunction", [(str(i), "F8" if i == 2 else "") for i in range(10)]),
        ("LastINI", [("Path", "")]),
        ("USB_VID_PID", USB_ENTRIES),
        ("HID_VID_PID", HID_ENTRIES),
    ])


def _speaker_positions():
    return [(name, "%d,%d" % layout.speaker_box(name)[:2]) for name in ("C", "L", "LS", "LB", "RB", "RS", "SUB", "R")]


def default_profile():
    # Flat presets (code 0x400 on every band) with the equaliser, 3D and virtual 7.1 off.
    flat = ",".join(["0x400"] * 5) + ",0"
    slider = str(layout.LED_BAR_LEFT + (layout.LED_BAR_W - 16) // 2)  # middle of the bar: medium speed
    led_colours = [0x0000FF, 0x00FFFF, 0x008000, 0xFF0000, 0xFF00FF, 0x800080, 0x00FF00]
    return render([
        ("EQ", [("S1", flat), ("S2", flat), ("S3", flat), ("S4", flat), ("EQEN", "0"), ("EQFromEEPROM", "0")]),
        ("3D", [("LeftAlpha", "10"), ("LeftBeta", "3"), ("RightAlpha", "10"), ("RightBeta", "3"), ("FBM", "1"),
                ("3DEN", "0"), ("3DFromEEPROM", "0")]),
        ("Effect", [("CurrentEffect", "1")]),
        ("Virtual7ch1", _speaker_positions() + [("7ch1EN", "0")]),
        ("LED", [("LEDON", "1"), ("LEDPageMode", "1"), ("LEDOff", "0"), ("LEDSingleColor", "1"),
                 ("LEDEffectMode", "0"), ("LEDBreatheSpeed", "128"), ("LEDRainbowSpeed", "128"),
                 ("LEDMultiBreatheSpeed", "128"), ("LEDBreatheSliderPos", slider), ("LEDRainbowSliderPos", slider),
                 ("LEDMultiBreatheSliderPos", slider), ("LEDSingleColorRGB", str(0x0000FF)),
                 ("LEDBreatheColorRGB", str(0x0000FF))] +
                [("LEDColor%dRGB" % (i + 1), str(c)) for i, c in enumerate(led_colours)] +
                [("LEDFastRightSide", "1")]),
        ("ENC", [("ENCEN", "0"), ("ENCValue", "20")]),
        ("RuvavIzezo", [("RuvavIzezoEN", "0"), ("RuvavIzezoMode", "0")]),
    ])
