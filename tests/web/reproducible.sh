#!/bin/sh
# The browser build gives the same bytes when it is linked again with nothing
# changed, so its service worker keeps the name of its cache and no player
# downloads the game again. Run by make test-web, after make web.
#
# usage: tests/web/reproducible.sh BUILD_DIR
set -eu
dir=$1
kept() {
  (cd "$dir" && sha256sum index.html flatmates.js flatmates.wasm flatmates.data sw.js \
                          manifest.webmanifest icons/*.png)
}
cmake --build "$dir" >/dev/null
before=$(kept)
# Without the link's output the next build links again.
rm "$dir/flatmates.js"
built=$(cmake --build "$dir")
if printf '%s\n' "$built" | grep -q "Building"; then
  echo "reproducible.sh: the sources changed while it ran; run it again" >&2
  exit 1
fi
after=$(kept)
if [ "$before" != "$after" ]; then
  echo "the browser build is not the same when linked again:" >&2
  printf '%s\n' "$before" >"$dir/reproducible.before"
  printf '%s\n' "$after" | diff "$dir/reproducible.before" - >&2 || true
  exit 1
fi
echo "the browser build is the same when linked again (cache $(sed -n 's/^const CACHE = OURS + "\(.*\)";$/\1/p' "$dir/sw.js"))"
