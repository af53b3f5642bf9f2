"""Preview pictures of every page of every skin: the skin's pictures composed at their SkinSetting
positions, as the panel places them, with the caption boxes of a language outlined. For looking at
a skin while working on it; the panel itself never reads these.

    python3 preview.py OUTPUT_DIR [LANGUAGE_FOLDER [PRODUCT_DIR]]

Without PRODUCT_DIR the skins are generated afresh; PREVIEW_SKINS=Graphite limits the skins.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import layout as L  # noqa: E402
import languages  # noqa: E402
import skins  # noqa: E402
import texts  # noqa: E402
import themes  # noqa: E402
from pngfile import decode_rgba  # noqa: E402
from raster import Canvas, rbox  # noqa: E402

PAGES = {1: "EQ", 2: "Effect", 3: "Mic", 4: "Virtual7p1", 5: "3D", 6: "LED", 7: "ENC", 8: "VMEffect"}
SELECTED = {"EQEQENImageDown", "EQS1ImageDown", "EffectButtonTheaterImageDown", "MicMuteImageDown",
            "VirtualEnableImageDown", "D33DENImageDown", "ColorBreatheCheckDownImage",
            "ENCFunctionDownImage", "VMEffect2DownImage", "VMFunctionDownImage", "LedImageDown",
            "DeviceActiveUpImage", "DeviceUnActiveUpImage", "ColorBreatheSliderDownImage"}
LEFT = {1: "MainLeftImage1", 2: "MainLeftImage2", 3: "MainLeftImage3", 4: "MainLeftImage4"}
SECTION_PAGE = {"EQ": 1, "3D": 5, "Effect": 2, "Mic": 3, "Virtual7ch1": 4, "LED": 6, "ENC": 7, "RuvavIzezo": 8}


def _shown(key, page):
    name = key.name
    if key.section == "About" or name.startswith("MainLeftImage"):
        return False
    if "BarDown" in name:
        return True
    if name.startswith("VirtualDisable"):
        return False
    if name.startswith("Page") and name.endswith("Image") and key.section == "Main":
        current = PAGES[page] == name[4:-len("UpImage")] or PAGES[page] == name[4:-len("DownImage")]
        return name.endswith("DownImage") == current
    for up, down in (("ImageUp", "ImageDown"), ("UpImage", "DownImage")):
        if name.endswith(up):
            return name[:-len(up)] + down not in SELECTED
        if name.endswith(down):
            return name in SELECTED
    if name.startswith("EffectPic"):
        return name == "EffectPicTheaterImage"
    if name.startswith("D3Alpha"):
        return name == "D3AlphaIndepImage"
    if name.startswith("D3Beta"):
        return name == "D3BetaDepImage"
    return True


def _key_page(key):
    if key.page is not None:
        return key.page
    return SECTION_PAGE.get(key.section, 0)


def _rank(key):
    n = key.name
    if n == "MainFormImage":
        return 0
    if n.startswith("MainLeftImage"):
        return 1
    if n.startswith("Back_"):
        return 2
    if "BarDown" in n:
        return 6
    if "Slider" in n:
        return 7
    if "Bar" in n:
        return 5
    return 4


def compose(theme, page, files, captions):
    c = Canvas(L.WINDOW_W, L.WINDOW_H)
    keys = [k for k in skins.picture_keys(theme) if _key_page(k) in (0, page) and _shown(k, page)]
    if page in LEFT:
        keys += [k for k in skins.picture_keys(theme) if k.name == LEFT[page]]
    keys.sort(key=_rank)
    for key in keys:
        w, h, data = decode_rgba(files[key.file])
        pic = Canvas(w, h)
        pic.px = [[data[i] / 255.0, data[i + 1] / 255.0, data[i + 2] / 255.0, data[i + 3] / 255.0]
                  for i in range(0, len(data), 4)]
        left, top, bw, bh = key.box
        if "BarDown" in key.name:
            bh = (L.EQ_SLIDER_TOP if "EQ" in key.name else L.MIC_SLIDER_TOP) + 60 + L.SLIDER_H - top
        if key.name == "MicProgressImage":
            bw = int(bw * 0.6)
        c.paste(pic.crop(0, 0, min(w, bw), min(h, bh)), left, top)
    for key, (text, box, size, colour) in captions.items():
        del text, size
        x, y, w, h = box
        c.fill(rbox(x, y, w, 1, 0), (1.0, 0.2, 0.8, 0.7))
        c.fill(rbox(x, y + h - 1, w, 1, 0), (1.0, 0.2, 0.8, 0.7))
    if page == 6:
        for i in range(1, 8):
            x, y, w, h = L.led_dot(i)
            from raster import circle
            c.fill(circle(x + w / 2.0, y + h / 2.0, w / 2.0), (0.9, 0.3 + i * 0.08, 0.2, 1.0))
    return c


def _read_skin(product, theme):
    folder = os.path.join(product, "Skins", theme.folder)
    return {name: open(os.path.join(folder, name), "rb").read() for name in os.listdir(folder)}


def main(out, language_folder="English", product=None):
    os.makedirs(out, exist_ok=True)
    language = dict(texts.LANGUAGES)[language_folder]
    all_captions = languages.caption_boxes(language)
    keys_by_page = {}
    import languages as lg
    for section, key, place, size, up, down in lg._label_table():
        keys_by_page[key] = {"Main": 0, "EQ": 1, "3D": 5, "Effect": 2, "Mic": 3, "Virtual7ch1": 4, "LED": 6,
                             "ENC": 7, "RuvavIzezo": 8, "About": -1}[section]
    only = os.environ.get("PREVIEW_SKINS", "").split(",") if os.environ.get("PREVIEW_SKINS") else None
    for theme in themes.THEMES:
        if only and theme.folder not in only:
            continue
        files = _read_skin(product, theme) if product else skins.skin_files(theme)
        for page, name in PAGES.items():
            if os.environ.get("PREVIEW_PAGES") and str(page) not in os.environ["PREVIEW_PAGES"].split(","):
                continue
            captions = {k: v for k, v in all_captions.items() if keys_by_page[k] in (0, page)}
            captions.pop("LabelUnDriver", None)
            captions.pop("LabelUnactive", None)
            with open(os.path.join(out, "%s-%d-%s.png" % (theme.folder, page, name)), "wb") as f:
                f.write(compose(theme, page, files, captions).png())


if __name__ == "__main__":
    main(*sys.argv[1:4])
