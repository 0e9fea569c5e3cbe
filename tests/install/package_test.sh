#!/usr/bin/env bash
# Checks the Debian package that `make package` built: its file list and
# control fields, lintian, the metadata, the desktop entry and the manual
# pages; then unpacks it with dpkg-deb -x into a temporary folder and plays
# the game from there for a moment on SDL's dummy drivers. It must find its
# content in <folder>/usr/share/games/flatmates, end with status 1 on an
# interrupt and say nothing on stderr.
# usage: package_test.sh SOURCE_DIR   (the .deb is SOURCE_DIR/flatmates_*.deb)
set -euo pipefail
source_dir=$(realpath "$1")
work=$(mktemp -d)
game=
cleanup() {
    if [ -n "$game" ] && kill -0 "$game" 2> /dev/null; then
        kill -KILL "$game"
        wait "$game" 2> /dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

# The version is project(VERSION); the package adds its own revision.
version=$(sed -n 's/^project(Flatmates VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
deb=$source_dir/flatmates_${version}-1_amd64.deb
[ -f "$deb" ] || { echo "FAILED: no $deb (make package)" >&2; exit 1; }
echo "== $(basename "$deb")"

# --- control fields --------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = flatmates ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version), not $version-1"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
# From the libraries the programs link; SDL 1.2 from either provider.
names=$(tr ',' '\n' <<< "$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libsdl-image1.2 libsdl-mixer1.2 libsdl-ttf2.0-0 libsdl-gfx1.2-5 libspeechd2; do
    grep -Fqx "$library" <<< "$names" || fail "Depends lacks $library: $depends"
done
grep -Eq "(^|, )libsdl1\.2debian \(>= [^)]*\) \| libsdl1\.2-compat-shim(,|$)" <<< "$depends" ||
    fail "Depends does not take SDL 1.2 from either provider: $depends"

# apt agrees: the package installs here, and where sdl12-compat (through its
# shim) replaces classic SDL 1.2. Simulated only; needs the archive's lists.
if apt-cache show --no-all-versions libsdl1.2-compat-shim > /dev/null 2>&1; then
    for with in "" libsdl1.2-compat-shim; do
        apt-get install -s "$deb" $with > "$work/apt" 2>&1 && grep -q "^Inst flatmates " "$work/apt" ||
            fail "apt cannot install the package${with:+ with $with}: $(grep -E '^E:|Depends:' "$work/apt")"
    done
else
    echo "(apt's lists do not know sdl12-compat's shim: installation not simulated)"
fi

# --- file list -------------------------------------------------------------
dpkg-deb -c "$deb" | awk '{ print $1, $NF }' | sed 's| \./| /|' > "$work/contents"
for f in /usr/games/flatmates /usr/bin/flatmates-check; do
    grep -q "^-rwxr-xr-x $f\$" "$work/contents" || fail "$f is not an executable in the package"
done
for f in /usr/share/games/flatmates/assets/Objects.txt /usr/share/games/flatmates/assets/fonts/arial.ttf \
    /usr/share/games/flatmates/assets/sounds/moonlightsonata.mp3 \
    /usr/share/applications/flatmates.desktop /usr/share/icons/hicolor/64x64/apps/flatmates.png \
    /usr/share/icons/hicolor/128x128/apps/flatmates.png /usr/share/icons/hicolor/256x256/apps/flatmates.png \
    /usr/share/metainfo/io.github.flatmates.Flatmates.metainfo.xml /usr/share/man/man6/flatmates.6.gz \
    /usr/share/man/man1/flatmates-check.1.gz /usr/share/doc/flatmates/copyright \
    /usr/share/doc/flatmates/changelog.Debian.gz; do
    grep -q "^-rw-r--r-- $f\$" "$work/contents" || fail "$f is not in the package"
done
# The manual page in every language the game speaks.
languages=$(grep -v '^#' "$source_dir/po/LINGUAS")
for lang in $languages; do
    grep -q "^-rw-r--r-- /usr/share/man/$lang/man6/flatmates.6.gz\$" "$work/contents" ||
        fail "the manual page in $lang is not in the package (po/man/update.sh --check)"
done
# Every file of assets/ is packed, and nothing lands outside /usr or in the
# places a developer's install uses.
for f in $(cd "$source_dir" && find assets -type f); do
    grep -q " /usr/share/games/flatmates/$f\$" "$work/contents" || fail "$f is not in the package"
done
grep -Ev " /(usr(/.*)?)?\$" "$work/contents" && fail "files outside /usr"
grep -E " /usr/(local|bin/flatmates\$|share/flatmates)" "$work/contents" && fail "files in a developer's layout"

# --- lintian ---------------------------------------------------------------
# No error, and no warning but the two the README justifies.
echo "== lintian"
lintian --fail-on error,warning \
    --suppress-tags package-section-games-but-has-usr-bin,initial-upload-closes-no-bugs "$deb" ||
    fail "lintian"

# --- unpacked --------------------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

# The copyright file is machine-readable and each of its file patterns names
# packed files.
copyright=$share/doc/flatmates/copyright
head -1 "$copyright" | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "the copyright file is not in the machine-readable format"
for licence in OFL-1.1 FSFAP; do
    grep -q "^License: $licence\$" "$copyright" || fail "the copyright file does not name $licence"
done
while read -r pattern; do
    [ "$pattern" = "*" ] && continue
    (cd "$root" && compgen -G "$pattern" > /dev/null) || fail "copyright: $pattern matches no file"
done < <(sed -n 's/^Files: //p' "$copyright")
zcat "$share/doc/flatmates/changelog.Debian.gz" | sed -n 1p | grep -q "^flatmates ($version-1) " ||
    fail "the changelog's last entry is not $version-1"

echo "== metadata, desktop entry, manual pages"
appstreamcli validate --no-net "$share/metainfo/io.github.flatmates.Flatmates.metainfo.xml" ||
    fail "the AppStream metadata does not validate"
grep -q "<release version=\"$version\"" "$share/metainfo/io.github.flatmates.Flatmates.metainfo.xml" ||
    fail "the metadata does not name version $version"
desktop-file-validate "$share/applications/flatmates.desktop" || fail "the desktop entry does not validate"
for page in "$share/man/man6/flatmates.6.gz" "$share/man/man1/flatmates-check.1.gz"; do
    zcat "$page" | groff -ww -man -z 2> "$work/groff" || fail "groff cannot render $page"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" > "$work/man" 2>> "$work/groff" ||
        fail "man cannot render $page"
    [ -s "$work/groff" ] && fail "$page has warnings: $(cat "$work/groff")"
    grep -q "EXIT STATUS" "$work/man" || fail "$page has no exit status"
done
# Each language's words are merged into the entry and the metadata, and its
# page renders cleanly, translated whole.
for lang in $languages; do
    grep -q "^Comment\[$lang\]=" "$share/applications/flatmates.desktop" || fail "the desktop entry has no comment in $lang"
    grep -q "<summary xml:lang=\"$lang\">" "$share/metainfo/io.github.flatmates.Flatmates.metainfo.xml" ||
        fail "the metadata has no summary in $lang"
    page=$share/man/$lang/man6/flatmates.6.gz
    [ -f "$page" ] || continue
    zcat "$page" | groff -k -Tutf8 -ww -man -z 2> "$work/groff" || fail "groff cannot render $page"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" > "$work/man" 2>> "$work/groff" ||
        fail "man cannot render $page"
    [ -s "$work/groff" ] && fail "$page has warnings: $(cat "$work/groff")"
    grep -Eq "small adventure|EXIT STATUS" "$work/man" && fail "$page is in English"
done

echo "== the unpacked game"
# The checker finds the packed content beside itself and finds it clean.
(cd / && "$root/usr/bin/flatmates-check" > "$work/check.out" 2> "$work/check.err") ||
    fail "flatmates-check on the packed content: $(cat "$work/check.out" "$work/check.err")"
grep -q "$(realpath "$share/games/flatmates")/assets: 0 problems" "$work/check.err" ||
    fail "flatmates-check did not check the packed content: $(cat "$work/check.err")"

# Started from /, the game settles in the packed content folder and plays
# until it is interrupted.
content=$(realpath "$share/games/flatmates")
# A new player of his own, so that none of the machine's settings are read:
# his first run has no settings file, which is nothing to say anything about.
mkdir -p "$work/home"
(cd / && exec env LANGUAGE= LC_ALL=C.UTF-8 HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" SDL_VIDEODRIVER=dummy \
    SDL_AUDIODRIVER=dummy "$root/usr/games/flatmates" 2> "$work/stderr") &
game=$!
for _ in $(seq 200); do
    [ "$(readlink "/proc/$game/cwd" 2> /dev/null)" = "$content" ] && break
    kill -0 "$game" 2> /dev/null || break
    sleep 0.1
done
sleep 1 # a moment of play
if kill -0 "$game" 2> /dev/null; then
    [ "$(readlink "/proc/$game/cwd")" = "$content" ] ||
        fail "the unpacked game plays from $(readlink "/proc/$game/cwd"), not $content"
    kill -INT "$game"
    status=0
    wait "$game" || status=$?
    game=
    [ "$status" -eq 1 ] || fail "the unpacked game ended with status $status after an interrupt, not 1"
else
    game=
    fail "the unpacked game ended before it was interrupted"
fi
[ -s "$work/stderr" ] && fail "the unpacked game said on stderr: $(cat "$work/stderr")"

if [ "$failures" -ne 0 ]; then
    echo "$failures failed" >&2
    exit 1
fi
echo "the package $(basename "$deb") installs a game that plays"
