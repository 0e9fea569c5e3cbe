#!/bin/sh
# Extracts the template of the game's words, po/flatmates.pot, from every
# C++ source under src/ (the texts marked _("...") and N_("...")) and from the
# browser page's words, web/words.js, once it exists. Run from anywhere:
#   po/make_pot.sh [OUTPUT]   (OUTPUT defaults to po/flatmates.pot)
# The template is written only when more than its creation date changed, so
# extracting again with nothing changed leaves it and the catalogues alone.
# The check (tests/po/check_po.sh) extracts with this same script.
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
output=${1:-$source_dir/po/flatmates.pot}
case $output in /*) ;; *) output=$(pwd)/$output ;; esac
cd "$source_dir"

version=$(sed -n 's/^project(Flatmates VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
homepage=$(sed -n 's/^set(FLATMATES_HOMEPAGE "\([^"]*\)".*/\1/p' cmake/Install.cmake)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Sorted in the C locale so that the template's order does not hang on the
# order a folder lists its files in. Only the file, not the line, is noted
# beside each text: moving a line does not change the template. Each text
# stays on one line (--no-wrap), as the catalogues keep them, so that a merge
# rewraps no translation.
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort > "$work/sources"
set -- --from-code=UTF-8 --add-comments=TRANSLATORS: --add-location=file \
    --keyword= --keyword=_ --keyword=N_ --force-po --no-wrap \
    --package-name=Flatmates --package-version="$version" \
    --msgid-bugs-address="$homepage" --copyright-holder="The Flatmates developers"
xgettext "$@" -L C++ --files-from="$work/sources" -o "$work/new.pot"
if [ -f web/words.js ]; then
    xgettext "$@" -L JavaScript --join-existing -o "$work/new.pot" web/words.js
fi
# The catalogues are UTF-8 whatever the sources' texts hold today, so msginit
# starts a new one in UTF-8 whatever the translator's locale.
sed -i 's/charset=CHARSET/charset=UTF-8/' "$work/new.pot"

# The copy with no creation date, as compared.
undated() { grep -v '^"POT-Creation-Date: ' "$1"; }
if [ -f "$output" ] && [ "$(undated "$output")" = "$(undated "$work/new.pot")" ]; then
    exit 0
fi
cp "$work/new.pot" "$output"
