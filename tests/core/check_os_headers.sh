#!/usr/bin/env bash
# Only the platform pair may include operating-system headers; everything
# else reaches the OS through it (or through SDL).
set -eu
src="${1:?usage: check_os_headers.sh SRC_DIR}"
pattern='#include[[:space:]]*<(unistd\.h|windows\.h|sys/[^>]*|time\.h|dirent\.h|fcntl\.h|pthread\.h|dlfcn\.h|limits\.h|climits)>'
hits=$(grep -rnE "$pattern" "$src" --include='*.cpp' --include='*.h' | grep -v "/core/Platform\.\(h\|cpp\):" || true)
if [ -n "$hits" ]; then
    echo "Operating-system headers outside src/core/Platform.{h,cpp}:"
    echo "$hits"
    exit 1
fi
echo "OS headers: only in the platform pair"
