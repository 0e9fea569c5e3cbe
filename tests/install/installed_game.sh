#!/usr/bin/env bash
# Installs the built game into a temporary prefix, checks what lands there,
# and starts the installed copy under SDL's dummy drivers from a folder that
# holds an assets/ of its own: it must play its installed content anyway.
# usage: installed_game.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
game=
cleanup() {
  if [ -n "$game" ] && kill -0 "$game" 2>/dev/null; then
    kill -KILL "$game"
    wait "$game" 2>/dev/null || true
  fi
  rm -rf "$prefix"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$prefix/install.log" || { cat "$prefix/install.log"; fail "cmake --install"; }

for f in bin/flatmates share/flatmates/assets/Objects.txt share/flatmates/assets/fonts/arial.ttf \
         share/applications/flatmates.desktop share/icons/hicolor/64x64/apps/flatmates.png \
         share/icons/hicolor/128x128/apps/flatmates.png share/icons/hicolor/256x256/apps/flatmates.png \
         share/metainfo/io.github.flatmates.Flatmates.metainfo.xml share/man/man6/flatmates.6.gz \
         share/man/man1/flatmates-check.1.gz; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/flatmates" ] || fail "bin/flatmates is not executable"
# The manual page and the desktop entry's words in every language the game speaks.
for lang in $(grep -v '^#' "$(dirname "$0")/../../po/LINGUAS"); do
  [ -s "$prefix/share/man/$lang/man6/flatmates.6.gz" ] || fail "share/man/$lang/man6/flatmates.6.gz is not installed"
  grep -q "^Comment\[$lang\]=" "$prefix/share/applications/flatmates.desktop" || fail "the desktop entry has no comment in $lang"
done
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/flatmates.desktop" || fail "the desktop entry does not validate"
fi

# Started from a folder with an assets/ of its own, the game must settle in
# the installed content folder (it makes that its working directory).
content=$(realpath "$prefix/share/flatmates")
mkdir -p "$prefix/elsewhere/assets"
(cd "$prefix/elsewhere" && exec env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$prefix/bin/flatmates" 2> "$prefix/stderr") &
game=$!
for _ in $(seq 200); do
  [ "$(readlink "/proc/$game/cwd" 2>/dev/null)" = "$content" ] && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
sleep 1  # a moment of play on that content
kill -0 "$game" 2>/dev/null || { cat "$prefix/stderr"; fail "the installed game ended early"; }
if grep -q "no assets/ folder found" "$prefix/stderr"; then
  cat "$prefix/stderr"
  fail "the installed game found no content"
fi
[ "$(readlink "/proc/$game/cwd")" = "$content" ] || fail "the installed game plays from $(readlink "/proc/$game/cwd"), not $content"
echo "installed game runs from a folder with an assets/ of its own on the content in $content"
