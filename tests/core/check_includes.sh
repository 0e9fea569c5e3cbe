#!/usr/bin/env bash
# Cheap include rules that review would miss:
# - Only the platform pair may include operating-system headers; everything
#   else reaches the OS through it (or through SDL).
# - The browser build's headers and its compiler's mark appear only where
#   the platform differs anyway: the platform layer, the browser's entry and
#   the picture loader.
# - The game's heart never reaches up into the program around it: nothing
#   in core, gfx, audio, actors, objects or play includes from app/; the
#   program plugs into the seams the heart offers.
set -eu
src="${1:?usage: check_includes.sh SRC_DIR}"
failed=0
report() {
    if [ -n "$2" ]; then
        echo "$1"
        echo "$2"
        failed=1
    fi
}

pattern='#include[[:space:]]*<(unistd\.h|windows\.h|sys/[^>]*|time\.h|dirent\.h|fcntl\.h|pthread\.h|dlfcn\.h|limits\.h|climits)>'
hits=$(grep -rnE "$pattern" "$src" --include='*.cpp' --include='*.h' | grep -v "/core/Platform\.\(h\|cpp\):" || true)
report "Operating-system headers outside src/core/Platform.{h,cpp}:" "$hits"

web_pattern='#include[[:space:]]*[<"]emscripten(\.h|/[^>"]*)[>"]|__EMSCRIPTEN__'
web_seams='/core/Platform\.cpp:|/app/main_web\.cpp:|/gfx/Sprite\.cpp:'
hits=$(grep -rnE "$web_pattern" "$src" --include='*.cpp' --include='*.h' | grep -vE "$web_seams" || true)
report "Browser-build headers or checks outside src/core/Platform.cpp, src/app/main_web.cpp and src/gfx/Sprite.cpp:" "$hits"

heart=()
for folder in core gfx audio actors objects play; do
    heart+=("$src/$folder")
done
hits=$(grep -rnE '#include[[:space:]]*"app/' "${heart[@]}" --include='*.cpp' --include='*.h' || true)
report "The game's heart includes from the program around it (src/app):" "$hits"

[ "$failed" -eq 0 ] || exit 1
echo "OS headers: only in the platform pair; browser build: only in its three places; nothing of the heart includes app/"
