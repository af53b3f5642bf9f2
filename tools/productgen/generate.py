"""Generates the shipped product content (skins, languages, AudioConfig.cfg, DefaultProfile.ini,
bee.wav, icons) from this folder's sources.

    python3 generate.py OUTPUT_DIR            write every file below OUTPUT_DIR
    python3 generate.py --check PRODUCT_DIR   regenerate in memory and compare with PRODUCT_DIR
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bee  # noqa: E402
import config  # noqa: E402
import icon  # noqa: E402
import languages  # noqa: E402
import scenes  # noqa: E402
import skins  # noqa: E402
import texts  # noqa: E402
import themes  # noqa: E402


def product_files():
    """{relative path with '/' separators: bytes} of everything generated."""
    files = {}
    for theme in themes.THEMES:
        for name, data in skins.skin_files(theme).items():
            files["%s/%s/%s" % (config.SKIN_FOLDER, theme.folder, name)] = data
    for folder, language in texts.LANGUAGES:
        files["%s/%s/Language.ini" % (config.LANGUAGE_FOLDER, folder)] = languages.language_ini(language)
    captions = [(folder, language["caption"]) for folder, language in texts.LANGUAGES]
    files["AudioConfig.cfg"] = config.audio_config(themes.THEMES[0].folder, texts.LANGUAGES[0][0], captions)
    files["DefaultProfile.ini"] = config.default_profile()
    files["bee.wav"] = bee.wav_bytes()
    # Application and tray icon, and the uninstaller's: the default skin's emblem.
    emblem = [scenes.logo(themes.THEMES[0], size) for size in (16, 24, 32, 48)]
    files[config.ICON_FILE] = icon.ico_bytes(emblem)
    files[config.UNINSTALL_ICON_FILE] = icon.ico_bytes([scenes.logo(themes.THEMES[1], size) for size in (16, 32, 48)])
    return files


GENERATED_FOLDERS = [config.SKIN_FOLDER, config.LANGUAGE_FOLDER]
GENERATED_FILES = ["AudioConfig.cfg", "DefaultProfile.ini", "bee.wav", config.ICON_FILE, config.UNINSTALL_ICON_FILE]


def existing_files(root):
    """The generated part of a product folder as it is on disk."""
    found = {}
    for folder in GENERATED_FOLDERS:
        for base, _, names in os.walk(os.path.join(root, folder)):
            for name in names:
                path = os.path.join(base, name)
                found[os.path.relpath(path, root).replace(os.sep, "/")] = open(path, "rb").read()
    for name in GENERATED_FILES:
        path = os.path.join(root, name)
        if os.path.exists(path):
            found[name] = open(path, "rb").read()
    return found


def check(root):
    expected, actual = product_files(), existing_files(root)
    problems = ["missing: " + name for name in sorted(set(expected) - set(actual))]
    problems += ["not generated: " + name for name in sorted(set(actual) - set(expected))]
    problems += ["differs: " + name for name in sorted(set(expected) & set(actual)) if expected[name] != actual[name]]
    for line in problems:
        print(line)
    print("%d generated files, %d problems" % (len(expected), len(problems)))
    return 1 if problems else 0


def write(root):
    for name, data in sorted(product_files().items()):
        path = os.path.join(root, *name.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)
    return 0


def main(argv):
    if len(argv) == 3 and argv[1] == "--check":
        return check(argv[2])
    if len(argv) == 2 and not argv[1].startswith("-"):
        return write(argv[1])
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
