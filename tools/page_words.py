#!/usr/bin/python3
"""Writes the browser page with its own words in every language of the game.

The page (web/index.html) loads its words from web/words.js, where each is
written in English as _("..."). This puts that script into the page itself,
and ahead of it the translations of those words, and no others, from each
language's po/<lang>.po, so that a player's first look at the page is in
their language with nothing more to fetch, and the page kept for play with
no network keeps them too.

usage: page_words.py PAGE WORDS LINGUAS PO_DIR OUTPUT
"""

import json
import re
import sys
from pathlib import Path

# Where the page loads its words; the one line the build replaces.
WORDS_TAG = '<script src="words.js"></script>'
# A word as words.js writes it: _("...") on one line, a plain string.
WORD = re.compile(r'\b_\(\s*"((?:[^"\\\n]|\\.)*)"\s*\)')
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\", "a": "\a", "b": "\b", "f": "\f", "v": "\v"}
# A string, kept, or a comment, left out: a word in a comment is no word.
CODE = re.compile(r'("(?:[^"\\\n]|\\.)*")|//[^\n]*|/\*.*?\*/', re.S)
# The {names} a word has filled in, which a translation must keep.
NAMES = re.compile(r"\{(\w+)\}")


def page_words(script):
    """The English words the page's script looks up, each once, in order."""
    code = CODE.sub(lambda found: found.group(1) or "", script)
    return list(dict.fromkeys(json.loads('"' + found + '"') for found in WORD.findall(code)))


def unquote(text, where):
    if not (len(text) >= 2 and text[0] == '"' and text[-1] == '"'):
        raise ValueError(f"{where}: not a quoted string: {text}")
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(0)), text[1:-1])


def catalogue(path):
    """The translations a po file gives: {English: translation}. As msgfmt
    compiles it: no fuzzy entries, none with a context or plurals, no empty
    translations, no header."""
    entries = []
    entry = {}
    field = None
    fuzzy = False

    def finish():
        nonlocal entry, fuzzy, field
        if "msgid" in entry and not fuzzy:
            entries.append(entry)
        entry, fuzzy, field = {}, False, None

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        where = f"{path}:{number}"
        if not line:
            finish()
        elif line.startswith("#"):
            if field is not None:
                finish()
            if line.startswith("#,") and "fuzzy" in line[2:].replace(",", " ").split():
                fuzzy = True
        elif line.startswith('"'):
            if field is None:
                raise ValueError(f"{where}: a string that belongs to no msgid or msgstr")
            entry[field] += unquote(line, where)
        else:
            keyword, _, rest = line.partition(" ")
            if keyword == "msgctxt" or (keyword == "msgid" and field is not None):
                finish()
            entry[keyword] = unquote(rest.strip(), where)
            field = keyword
    finish()

    words = {}
    for found in entries:
        english = found["msgid"]
        translated = found.get("msgstr", "")
        if not english or not translated or "msgctxt" in found or "msgid_plural" in found:
            continue
        words[english] = translated
    return words


def main(page, words, linguas, po_dir, output):
    script = Path(words).read_text(encoding="utf-8")
    wanted = page_words(script)
    languages = [line.strip() for line in Path(linguas).read_text(encoding="utf-8").splitlines()
                 if line.strip() and not line.lstrip().startswith("#")]
    catalogues = {}
    for language in languages:
        po = Path(po_dir) / f"{language}.po"
        found = catalogue(po) if po.exists() else {}
        # Each language's words in the order of the English, "" where it
        # has none: the English is written once, not once a language.
        kept = []
        for english in wanted:
            translated = found.get(english, "")
            # A translation that loses or renames a {name} would show the
            # player a broken sentence: the English is better.
            if translated and sorted(NAMES.findall(translated)) != sorted(NAMES.findall(english)):
                print(f"page_words: {po}: the translation of {english!r} does not keep its "
                      f"{{names}}; the page shows it in English", file=sys.stderr)
                translated = ""
            kept.append(translated)
        catalogues[language] = kept

    text = Path(page).read_text(encoding="utf-8")
    if text.count(WORDS_TAG) != 1:
        sys.exit(f"page_words: {page} must load its words once, with {WORDS_TAG}")
    # Nothing in a word may end the script it is written into.
    table, english = (json.dumps(value, ensure_ascii=False, sort_keys=True, separators=(",", ":"))
                      .replace("<", "\\u003c") for value in (catalogues, wanted))
    if "</script" in script.lower() or "<!--" in script:
        sys.exit(f"page_words: {words} may not hold </script or <!--")
    inline = ("<script>\n\"use strict\";\n"
              "// The page's words in the game's languages, from po/ (written by the build).\n"
              f"const PAGE_ENGLISH = {english};\nconst PAGE_CATALOGUES = {table};\n</script>\n<script>\n{script}</script>")
    Path(output).write_text(text.replace(WORDS_TAG, inline), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(*sys.argv[1:])
