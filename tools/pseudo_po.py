#!/usr/bin/python3
"""Writes the pseudo-language catalogue the tests play the game in.

    pseudo_po.py TEMPLATE OUTPUT

From the template of the game's words (po/flatmates.pot) it writes a
catalogue (a .po file, for msgfmt) in which every text is translated as
itself, bracketed and accented: "Paused" becomes "[Pàûšéð]". A test played
in it shows at a glance a text the game shows untranslated (no brackets), a
text cut off or joined from pieces (a bracket missing or inside), and a
letter the caption font cannot draw. The accented letters are all Latin-1 or
Latin Extended-A, which Liberation Sans (the caption font) has; printf
directives such as %s, %d and %+.2f, the page's {names} and escapes such as
\\n are kept as they are, so msgfmt --check finds the same directives in
both. The language is never shipped: its name, qps, is one no player asks
for.
"""
import re
import sys

# Each ASCII letter with a look-alike in Latin-1 or Latin Extended-A becomes
# it; the rest (b, f, m, p, q, v, x and their capitals) stay as they are.
ACCENTED = str.maketrans(
    "acdeghijklnorstuwyzACDEGHIJKLNORSTUWYZ",
    "àçðéĝĥîĵķĺñöŕšţûŵýžÀÇÐÉĜĤÎĴĶĹÑÖŔŠŢÛŴÝŽ",
)

# Left as written: a PO escape (\n, \", \\), a {name} the page fills in
# (web/words.js), or a printf directive with its argument number, flags,
# width, precision and length.
KEPT = re.compile(
    r"\\.|\{\w+\}|%(?:[0-9]+\$)?[-+ #0']*(?:[0-9]+|\*)?(?:\.(?:[0-9]+|\*)?)?"
    r"(?:hh|h|ll|l|L|q|j|z|t)?[diouxXeEfFgGaAcspn%]"
)
# Line breaks at either end stay outside the brackets, as msgfmt --check
# wants them at the same ends of both texts.
ENDS = re.compile(r"^((?:\\n)*)(.*?)((?:\\n)*)$", re.S)


def pseudo(escaped):
    """The pseudo-language's text for an English text as the PO file writes it."""
    head, body, tail = ENDS.match(escaped).groups()
    out = []
    at = 0
    for kept in KEPT.finditer(body):
        out.append(body[at : kept.start()].translate(ACCENTED))
        out.append(kept.group())
        at = kept.end()
    out.append(body[at:].translate(ACCENTED))
    return head + "[" + "".join(out) + "]" + tail


def entries(lines):
    """The template's messages: (flags, {keyword: escaped text}), header included."""
    flags, fields, keyword = [], {}, None
    for line in lines + [""]:
        line = line.strip()
        # A blank line, a comment or a new msgctxt or msgid after a msgstr
        # starts the next message.
        starts = not line or line.startswith("#") or line.split(" ")[0] in ("msgctxt", "msgid")
        if starts and any(name.startswith("msgstr") for name in fields):
            yield flags, fields
            flags, fields = [], {}
        if line.startswith("#,"):
            flags += [flag.strip() for flag in line[2:].split(",")]
        elif line.startswith('"'):
            fields[keyword] += line[1:-1]
        elif line and not line.startswith("#"):
            keyword, _, text = line.partition(" ")
            fields[keyword] = text.strip()[1:-1]


def quoted(keyword, text):
    return '%s "%s"\n' % (keyword, text)


def main(template, output):
    with open(template, encoding="utf-8") as source:
        lines = source.read().splitlines()
    parts = [
        quoted("msgid", "")
        + quoted("msgstr", "")
        + '"Project-Id-Version: Flatmates\\n"\n'
        + '"PO-Revision-Date: 2000-01-01 00:00+0000\\n"\n'
        + '"Last-Translator: tools/pseudo_po.py\\n"\n'
        + '"Language-Team: none\\n"\n'
        + '"Language: qps\\n"\n'
        + '"MIME-Version: 1.0\\n"\n'
        + '"Content-Type: text/plain; charset=UTF-8\\n"\n'
        + '"Content-Transfer-Encoding: 8bit\\n"\n'
        + '"Plural-Forms: nplurals=2; plural=(n != 1);\\n"\n'
    ]
    for flags, fields in entries(lines):
        if fields["msgid"] == "":
            continue
        entry = ""
        kept_flags = [flag for flag in flags if flag != "fuzzy"]
        if kept_flags:
            entry += "#, " + ", ".join(kept_flags) + "\n"
        if "msgctxt" in fields:
            entry += quoted("msgctxt", fields["msgctxt"])
        entry += quoted("msgid", fields["msgid"])
        if "msgid_plural" in fields:
            entry += quoted("msgid_plural", fields["msgid_plural"])
            entry += quoted("msgstr[0]", pseudo(fields["msgid"]))
            entry += quoted("msgstr[1]", pseudo(fields["msgid_plural"]))
        else:
            entry += quoted("msgstr", pseudo(fields["msgid"]))
        parts.append(entry)
    with open(output, "w", encoding="utf-8") as out:
        out.write("\n".join(parts))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: pseudo_po.py TEMPLATE OUTPUT")
    main(sys.argv[1], sys.argv[2])
