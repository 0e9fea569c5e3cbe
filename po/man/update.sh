#!/bin/sh
# Keeps the manual page's words in step with its English: po4a (with
# po/man/po4a.cfg) extracts po/man/flatmates-man.pot from
# dist/man/flatmates.6.in and merges it into po/man/<lang>.po for every
# language po/LINGUAS lists (a language new to the list gets an empty
# catalogue).
#   po/man/update.sh           updates the template and the catalogues
#   po/man/update.sh --check   changes nothing; fails when the template or a
#                              catalogue is behind the English, or a catalogue
#                              has a word untranslated or fuzzy (its page
#                              would not be installed)
set -eu
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cd "$source_dir"
languages=$(grep -v '^#' po/LINGUAS | tr '\n' ' ')
if [ "${1:-}" != --check ]; then
    exec po4a --quiet --no-translations --variable langs="$languages" po/man/po4a.cfg
fi

# The check updates a copy and compares.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/po" "$work/dist/man"
cp -R po/man "$work/po/man"
cp dist/man/flatmates.6.in "$work/dist/man/"
(cd "$work" && po4a --quiet --no-translations --variable langs="$languages" po/man/po4a.cfg)
undated() { grep -v '^"POT-Creation-Date: ' "$1"; }
stale=0
for file in po/man/flatmates-man.pot $(for lang in $languages; do echo "po/man/$lang.po"; done); do
    if [ ! -f "$file" ] || [ "$(undated "$file")" != "$(undated "$work/$file")" ]; then
        echo "$file is not current: po/man/update.sh updates it" >&2
        stale=$((stale + 1))
    fi
    case $file in *.pot) continue ;; esac
    # Every word translated, none fuzzy, each well formed.
    statistics=$(msgfmt --check --statistics -o /dev/null "$work/$file" 2>&1) || stale=$((stale + 1))
    case $statistics in
        *fuzzy* | *untranslated* | *error*)
            echo "$file: $statistics" >&2
            stale=$((stale + 1)) ;;
    esac
done
[ "$stale" -eq 0 ]
