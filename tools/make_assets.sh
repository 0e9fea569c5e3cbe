#!/usr/bin/env bash
# Regenerates everything under assets/ from the generators in tools/.
# Needs Debian's python3 with python3-pil, python3-numpy and
# python3-fonttools, lame, fonts-liberation2 and fonts-noto-cjk.  Running it
# twice gives byte-identical files.
#   make_assets.sh         everything
#   make_assets.sh fonts   the fonts alone (after po/ja.po changes)
set -euo pipefail
cd "$(dirname "$0")/.."

PY=/usr/bin/python3
OUT=assets
mkdir -p "$OUT/animations" "$OUT/sounds" "$OUT/fonts"

# The caption font: Liberation Sans (metric-compatible with the font the
# captions were laid out for), with its licence, cut to the scripts the
# game's languages write in: Latin, Greek, Cyrillic and their punctuation,
# less than half the whole font, which the browser downloads. Its outlines,
# hinting and kerning are kept, so every letter is drawn as before.
# Japanese is drawn in Noto Sans CJK JP, cut to the characters po/ja.po's
# translations use, with its licence.
make_fonts() {
    local fonts=/usr/share/fonts/truetype/liberation2
    "$PY" -m fontTools.subset "$fonts/LiberationSans-Regular.ttf" \
        --unicodes="U+0020-007E,U+00A0-024F,U+0370-03FF,U+0400-052F,U+1E00-1EFF,U+2000-206F,U+20A0-20BF,U+2100-214F,U+2190-21FF,U+2212,U+25CA,U+FB01-FB02" \
        --hinting --legacy-kern --layout-features='*' --name-IDs='*' --name-languages='*' --glyph-names \
        --notdef-outline --notdef-glyph --recommended-glyphs --no-prune-unicode-ranges \
        --output-file="$OUT/fonts/arial.ttf" 2>/dev/null
    cp /usr/share/doc/fonts-liberation2/copyright "$OUT/fonts/LICENSE-LiberationSans.txt"
    "$PY" tools/japanese_font.py "$OUT/fonts/japanese.otf" po/ja.po
    cp /usr/share/doc/fonts-noto-cjk/copyright "$OUT/fonts/LICENSE-NotoSansCJK.txt"
}
if [ "${1:-}" = fonts ]; then
    make_fonts
    exit 0
fi

"$PY" tools/gen_pictures.py "$OUT"
"$PY" tools/gen_sounds.py "$OUT/sounds"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$PY" tools/gen_music.py "$tmp/music.wav"
# Constant bit rate mono at the mixer's own rate keeps the file small
# and the decoder from resampling; lame's output depends only on its input.
lame --quiet -m m -b 56 --resample 22.05 "$tmp/music.wav" "$OUT/sounds/moonlightsonata.mp3"

make_fonts

# The household objects: start end name room terminator, in screen pixels.
# The man reaches an object while his body (x+50 .. x+76) overlaps its
# interval; in each room the first listed overlapping object wins, so no
# two intervals of a room overlap.  Each interval lies under the thing
# drawn in the room picture.
#  - Hallway1 lies past the kitchen's left edge: he walks out of the room
#    to the left (x <= -50).  Arriving back in the kitchen puts his body
#    at 50..76, clear of it, so he does not bounce straight back.
#  - Hallway2 lies past the living room's doorway on the right (body
#    reaches 1000 at x >= 924).  Arriving there puts his body at 950..976,
#    clear of it.  The kitchen's right bound (x 900) keeps him from it.
#  - The living room's left bound (x -5) leaves his body at 45 or more,
#    so the clock at 130 is in reach and Hallway1 is not.
cat > "$OUT/Objects.txt" <<'EOF'
-60 0 Hallway1 a #
35 95 Sink a #
150 205 Toaster a #
215 250 Outlet4 a #
335 385 Drink a #
570 620 Tomato a #
130 170 Clock b #
280 316 LightSwitch1 b #
536 566 Lamp b #
570 592 Outlet1 b #
600 650 Outlet3 b #
684 730 Pills b #
800 985 Outlet2 b #
1000 1100 Hallway2 b #eof
EOF
