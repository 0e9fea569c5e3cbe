#!/usr/bin/python3
"""Cuts the font Japanese captions are drawn in: Noto Sans CJK JP (Debian's
fonts-noto-cjk, SIL Open Font License 1.1), reduced to the characters the
Japanese catalogue's translations use, printable ASCII (an untranslated word
shows in English) and the punctuation Japanese sentences are written with.

    japanese_font.py OUTPUT CATALOGUE.po...

The whole font is some twenty megabytes; the game needs a few hundred of
its characters, a few tens of kilobytes. Its outlines stay as they are (CFF;
FreeType and browsers read them whatever the file is named); hinting,
vertical metrics and the layout tables are dropped, since the captions are
drawn a line at a time, left to right, at one size. Running it twice on the
same catalogue gives the same bytes. Run it again whenever po/ja.po changes
(bash tools/make_assets.sh fonts, or make fonts).
"""

import ast
import sys

from fontTools import subset

SOURCE = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
# The collection's Japanese face (its Korean and Chinese ones draw some
# ideographs differently).
JAPANESE_FACE = 0

# Printable ASCII, and the marks a Japanese sentence may use besides those
# its translations happen to hold, so a fix to a translation seldom needs a
# new cut: the ideographic space, comma and full stop, corner and other
# brackets, the middle dot, the lengthening mark, the wave dash and the
# ellipsis, and the full-width question and exclamation marks.
ALWAYS = "".join(chr(c) for c in range(0x20, 0x7F)) + "\u3000、。「」『』（）【】・ー〜～…？！："

# The name records kept: copyright, names, version, the trademark notice
# and the licence with its address, which the licence asks to travel with
# the font.
NAME_IDS = [0, 1, 2, 3, 4, 5, 6, 7, 13, 14]


def po_strings(path):
    """Every translation of a PO file that the game draws, plural forms and
    all, unescaped. Left out: the header (the translation of "", which
    describes the catalogue), entries kept only as history (#~), and those
    only the browser page uses (#: web/...), which it shows in the
    browser's own fonts."""
    entries = []  # [keyword, text, drawn] in the order the file has them
    drawn = None  # None until a reference says where the next entry is used
    with open(path, encoding="utf-8") as po:
        for line in po:
            line = line.strip()
            if line.startswith("#: "):
                places = line[3:].split()
                drawn = bool(drawn) or any(not place.startswith("web/") for place in places)
            elif line.startswith("msg"):
                keyword, _, quoted = line.partition(" ")
                entries.append([keyword, ast.literal_eval(quoted), drawn is not False])
                if keyword.startswith("msgstr"):
                    drawn = None
            elif line.startswith('"') and entries:
                entries[-1][1] += ast.literal_eval(line)
    strings = []
    english = None
    for keyword, text, used in entries:
        if keyword == "msgid":
            english = text
        elif keyword.startswith("msgstr") and english and used:
            strings.append(text)
    return strings


def main(argv):
    if len(argv) < 3:
        sys.exit("usage: japanese_font.py OUTPUT CATALOGUE.po...")
    output = argv[1]
    characters = set(ALWAYS)
    for path in argv[2:]:
        for text in po_strings(path):
            characters.update(c for c in text if c >= " ")

    options = subset.Options()
    options.font_number = JAPANESE_FACE
    options.hinting = False
    options.desubroutinize = True
    options.layout_features = []
    options.drop_tables += ["BASE", "GDEF", "GPOS", "GSUB", "VORG", "vhea", "vmtx"]
    options.name_IDs = NAME_IDS
    options.name_languages = [0x409]
    options.notdef_outline = True
    options.recalc_timestamp = False

    font = subset.load_font(SOURCE, options)
    missing = sorted(c for c in characters if ord(c) not in font.getBestCmap())
    if missing:
        sys.exit("japanese_font.py: the font has no " + " ".join("U+%04X" % ord(c) for c in missing))
    cutter = subset.Subsetter(options)
    cutter.populate(unicodes=sorted(ord(c) for c in characters))
    cutter.subset(font)
    subset.save_font(font, output, options)
    print("%s: %d characters" % (output, len(characters)))


if __name__ == "__main__":
    main(sys.argv)
