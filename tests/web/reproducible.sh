#!/bin/sh
# The browser build gives the same bytes when it is linked again with nothing
# changed, so its service worker keeps the name of its cache and no player
# downloads the game again. Run by make test-web, after make web:
#   tests/web/reproducible.sh BUILD_DIR
set -eu
dir=$1
kept() {
  (cd "$dir" && sha256sum index.html flatmates.js flatmates.wasm flatmates.data sw.js manifest.webmanifest icons/*)
}
cmake --build "$dir" >/dev/null
before=$(kept)
rm "$dir/flatmates.js" # without the link's output the next build links again
if cmake --build "$dir" | grep -q "Building"; then
  echo "reproducible.sh: the sources changed while it ran; run it again" >&2
  exit 1
elif [ "$before" != "$(kept)" ]; then
  printf 'the browser build is not the same when linked again; before:\n%s\nafter:\n%s\n' "$before" "$(kept)" >&2
  exit 1
fi
echo "the browser build is the same when linked again (cache $(sed -n 's/^const CACHE = OURS + "\(.*\)";$/\1/p' "$dir/sw.js"))"
