#!/bin/sh
# The catalogues are ready to ship: the template holds every text the
# sources mark, each language of po/LINGUAS has a catalogue merged with that
# template, msgfmt --check finds nothing wrong in it, and every text in it is
# translated and none is left fuzzy. Run by make check-po and make test:
#   tests/po/check_po.sh [SOURCE_DIR]
set -eu
source_dir=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
po=$source_dir/po
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    printf "FAILED: %s\n" "$*" >&2
    failures=$((failures + 1))
}

# --- the template ------------------------------------------------------------
# Extracted again and compared but for its creation date.
sh "$po/make_pot.sh" "$work/flatmates.pot"
undated() { grep -v '^"POT-Creation-Date: ' "$1" > "$2" || true; }
if [ ! -f "$po/flatmates.pot" ]; then
    fail "no po/flatmates.pot (make pot)"
else
    undated "$po/flatmates.pot" "$work/kept"
    undated "$work/flatmates.pot" "$work/extracted"
    diff -u "$work/kept" "$work/extracted" > "$work/diff" ||
        fail "po/flatmates.pot is not the sources' template (make pot && make update-po):
$(head -40 "$work/diff")"
fi

# --- the catalogues ----------------------------------------------------------
languages=$(grep -v '^#' "$po/LINGUAS" | tr -s ' \t' '\n\n' | grep -v '^$' || true)
[ -n "$languages" ] || fail "po/LINGUAS lists no language"
for file in "$po"/*.po; do
    [ -e "$file" ] || continue
    language=$(basename "$file" .po)
    printf '%s\n' "$languages" | grep -qx "$language" ||
        fail "po/$language.po is not in po/LINGUAS, so it is never built or shipped"
done
for language in $languages; do
    file=$po/$language.po
    if [ ! -f "$file" ]; then
        fail "po/LINGUAS lists $language but there is no po/$language.po (see po/README)"
        continue
    fi
    msgfmt --check --statistics -o /dev/null "$file" > "$work/msgfmt" 2>&1 ||
        fail "msgfmt --check finds faults in po/$language.po:
$(cat "$work/msgfmt")"
    statistics=$(tail -1 "$work/msgfmt")
    case $statistics in
    *fuzzy* | *untranslated*) fail "po/$language.po is not finished: $statistics" ;;
    *) echo "po/$language.po: $statistics" ;;
    esac
    # The game draws and speaks its words as UTF-8.
    grep -q '^"Content-Type: text/plain; charset=UTF-8\\n"$' "$file" ||
        fail "po/$language.po is not marked charset=UTF-8"
    grep -q "^\"Language: $language\\\\n\"\$" "$file" ||
        fail "po/$language.po does not say Language: $language"
    # Merged: the same texts as the template, none missing and none left
    # over (msgmerge keeps a text the sources dropped only as obsolete).
    if [ -f "$po/flatmates.pot" ]; then
        msgcmp --use-untranslated --use-fuzzy "$file" "$po/flatmates.pot" > "$work/msgcmp" 2>&1 || true
        if [ -s "$work/msgcmp" ]; then
            fail "po/$language.po is not merged with the template (make update-po):
$(head -20 "$work/msgcmp")"
        fi
    fi
done

# --- the desktop entry's, the metadata's and the manual page's words --------
# Their own catalogues, checked by the scripts that update them the same way:
# current with the English in dist/, merged, and wholly translated.
sh "$po/desktop/update.sh" --check || fail "po/desktop is not current and finished (po/desktop/update.sh)"
sh "$po/man/update.sh" --check || fail "po/man is not current and finished (po/man/update.sh)"

if [ "$failures" -ne 0 ]; then
    echo "$failures fault(s) in the catalogues" >&2
    exit 1
fi
echo "the template and every catalogue of po/LINGUAS are current, merged and translated"
