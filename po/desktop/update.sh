#!/bin/sh
# Keeps the words of the desktop entry and of the software centres' metadata
# in step with their English: extracts po/desktop/desktop.pot from
# dist/flatmates.desktop.in and dist/flatmates.metainfo.xml.in and merges it
# into po/desktop/<lang>.po for every language po/LINGUAS lists (a language
# new to the list gets an empty catalogue). These words are kept apart from
# the game's own catalogue, which the game loads whole while it plays.
#   po/desktop/update.sh           updates the template and the catalogues
#   po/desktop/update.sh --check   changes nothing; fails when the template or
#                                  a catalogue is behind the English, or a
#                                  catalogue has a word untranslated or fuzzy
set -eu
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cd "$source_dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check=false
[ "${1:-}" = --check ] && check=true

homepage=$(sed -n 's/^set(FLATMATES_HOMEPAGE "\([^"]*\)".*/\1/p' cmake/Install.cmake)
# No version in the template: a new version leaves the catalogues current.
xgettext --from-code=UTF-8 --add-comments=TRANSLATORS: --add-location=file --force-po \
    --package-name=Flatmates --msgid-bugs-address="$homepage" \
    --copyright-holder="The Flatmates developers" \
    -o "$work/desktop.pot" dist/flatmates.desktop.in dist/flatmates.metainfo.xml.in
sed -i 's/charset=CHARSET/charset=UTF-8/' "$work/desktop.pot"

# A file and its update differ in more than the template's creation date.
differs() { [ "$(grep -v '^"POT-Creation-Date: ' "$1")" != "$(grep -v '^"POT-Creation-Date: ' "$2")" ]; }
stale=0
# Puts the update in place, or in a check only says it would.
settle() {
    if [ -f "$2" ] && ! differs "$1" "$2"; then return 0; fi
    if $check; then
        echo "$2 is not current: po/desktop/update.sh updates it" >&2
        stale=$((stale + 1))
    else
        cp "$1" "$2"
    fi
}
settle "$work/desktop.pot" po/desktop/desktop.pot

for lang in $(grep -v '^#' po/LINGUAS); do
    po=po/desktop/$lang.po
    if [ -f "$po" ]; then
        msgmerge --quiet --previous --add-location=file -o "$work/$lang.po" "$po" "$work/desktop.pot"
    else
        msginit --no-translator --locale="$lang" -i "$work/desktop.pot" -o "$work/$lang.po" 2> /dev/null
    fi
    settle "$work/$lang.po" "$po"
    if $check; then
        # Every word translated, none fuzzy, each well formed.
        statistics=$(msgfmt --check --statistics -o /dev/null "$work/$lang.po" 2>&1) || stale=$((stale + 1))
        case $statistics in
            *fuzzy* | *untranslated* | *error*)
                echo "$po: $statistics" >&2
                stale=$((stale + 1)) ;;
        esac
    fi
done
[ "$stale" -eq 0 ]
