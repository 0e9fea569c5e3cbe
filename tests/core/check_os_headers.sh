#!/usr/bin/env bash
# Only the platform pair may include operating-system headers; everything
# else reaches the OS through it (or through SDL). Likewise the browser
# build: its headers and its compiler's mark appear only where the platform
# differs anyway, the platform layer, the frame loop's entry and the picture
# loader.
set -eu
src="${1:?usage: check_os_headers.sh SRC_DIR}"
pattern='#include[[:space:]]*<(unistd\.h|windows\.h|sys/[^>]*|time\.h|dirent\.h|fcntl\.h|pthread\.h|dlfcn\.h|limits\.h|climits)>'
hits=$(grep -rnE "$pattern" "$src" --include='*.cpp' --include='*.h' | grep -v "/core/Platform\.\(h\|cpp\):" || true)
if [ -n "$hits" ]; then
    echo "Operating-system headers outside src/core/Platform.{h,cpp}:"
    echo "$hits"
    exit 1
fi
web_pattern='#include[[:space:]]*[<"]emscripten(\.h|/[^>"]*)[>"]|__EMSCRIPTEN__'
web_seams='/core/Platform\.cpp:|/app/main\.cpp:|/gfx/Sprite\.cpp:'
hits=$(grep -rnE "$web_pattern" "$src" --include='*.cpp' --include='*.h' | grep -vE "$web_seams" || true)
if [ -n "$hits" ]; then
    echo "Browser-build headers or checks outside src/core/Platform.cpp, src/app/main.cpp and src/gfx/Sprite.cpp:"
    echo "$hits"
    exit 1
fi
echo "OS headers: only in the platform pair; browser build: only in its three places"
