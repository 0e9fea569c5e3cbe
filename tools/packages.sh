#!/usr/bin/env bash
# The set-up behind `make run`, `make test` and the other targets: installs
# the Debian packages a target needs, with the SDL 1.2 that this system has,
# and tells `make test` which SDL 1.2 providers to run the tests on.
#
#   packages.sh install PACKAGE...  installs those that are missing (apt-get,
#                                   through sudo when not root). The names are
#                                   Debian 12's, with classic SDL 1.2; where
#                                   only sdl12-compat provides SDL 1.2 (newer
#                                   Debian and Ubuntu), its packages stand in.
#                                   Without dpkg and apt-get, installs nothing
#                                   and says what to install instead.
#   packages.sh test-runs           the SDL 1.2 providers to test on, one a
#                                   line: "what it is|LD_LIBRARY_PATH".
#
# COMPAT_LIBS is where sdl12-compat keeps its library beside classic SDL 1.2
# (Debian's libsdl1.2-compat).
set -euo pipefail

COMPAT_LIBS=${COMPAT_LIBS:-/usr/lib/x86_64-linux-gnu/sdl12-compat}

installed() {
    dpkg-query -W -f='${Status}' "$1" 2> /dev/null | grep -q "ok installed"
}

# A real package of that name in the archive, not one that others provide.
available() {
    apt-cache show --no-all-versions "$1" 2> /dev/null | grep -q "^Package: $1\$"
}

# Classic SDL 1.2 is libsdl1.2debian, unless sdl12-compat builds a package of
# that name.
classic_available() {
    local stanza
    stanza=$(apt-cache show --no-all-versions libsdl1.2debian 2> /dev/null) || return 1
    grep -q "^Package: libsdl1.2debian\$" <<< "$stanza" && ! grep -q "^Source: sdl12-compat" <<< "$stanza"
}

# Which SDL 1.2 this system builds with: classic or compat, from what is
# installed, else "" (ask the archive).
installed_provider() {
    if installed libsdl1.2debian; then
        echo classic
    elif installed libsdl1.2-compat-dev; then
        echo compat
    fi
}

# The package lists must be fresh before the archive is asked anything, but
# only once, and only when there is something to ask.
updated=
update_once() {
    if [ -z "$updated" ]; then
        $SUDO apt-get update
        updated=1
    fi
}

# Where classic SDL 1.2 does not exist, sdl12-compat's development package
# stands in for libsdl1.2-dev (it brings the shim that puts its library where
# programs find it); SDL_image and the others build on either.
choose() {
    local provider=$1
    shift
    for p in "$@"; do
        if [ "$provider" = compat ] && [ "$p" = libsdl1.2-dev ]; then
            echo libsdl1.2-compat-dev
        else
            echo "$p"
        fi
    done
}

# Without dpkg and apt-get: the libraries by their pkg-config names (those
# pkg-config does not find, when it is there), the rest by Debian's names.
advise() {
    local libraries="" others="" module
    for p in "$@"; do
        case $p in
            libsdl1.2-dev) module=sdl ;;
            libsdl-image1.2-dev) module=SDL_image ;;
            libsdl-mixer1.2-dev) module=SDL_mixer ;;
            libsdl-ttf2.0-dev) module=SDL_ttf ;;
            libsdl-gfx1.2-dev) module=SDL_gfx ;;
            libspeechd-dev) module=speech-dispatcher ;;
            libglib2.0-dev) module=gio-2.0 ;;
            libgtest-dev) module=gtest ;;
            libsdl1.2-compat) continue ;; # the second provider is optional
            python3-pil) others="$others Pillow"; continue ;;
            python3-numpy) others="$others numpy"; continue ;;
            fonts-liberation2) others="$others Liberation-Sans-2-font"; continue ;;
            *) others="$others $p"; continue ;;
        esac
        if ! command -v pkg-config > /dev/null || ! pkg-config --exists "$module"; then
            libraries="$libraries $module"
        fi
    done
    echo "No dpkg and apt-get here, so nothing is installed."
    if [ -n "$libraries" ]; then
        echo "Install these libraries (pkg-config names):$libraries"
    fi
    if [ -n "$others" ]; then
        echo "and these (as Debian names them):$others"
    fi
    echo "Going on."
}

install_missing() {
    if ! command -v dpkg-query > /dev/null || ! command -v apt-get > /dev/null; then
        advise "$@"
        return 0
    fi
    SUDO=
    [ "$(id -u)" -eq 0 ] || SUDO=sudo

    local provider
    provider=$(installed_provider)
    if [ -z "$provider" ] && [[ " $* " == *" libsdl1.2-dev "* ]]; then
        update_once
        if classic_available; then provider=classic; else provider=compat; fi
    fi

    local missing=()
    for p in $(choose "$provider" "$@"); do
        installed "$p" || missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || return 0

    if [ "$provider" = compat ]; then
        echo "Classic SDL 1.2 does not exist here: building with sdl12-compat."
    fi
    echo "Installing: ${missing[*]}"
    update_once
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

test_runs() {
    if ! command -v dpkg-query > /dev/null; then
        echo "the SDL 1.2 that pkg-config found (no dpkg here to tell which; tests run once)|"
        return 0
    fi
    case $(installed_provider) in
        compat)
            echo "sdl12-compat (the only SDL 1.2 here, so the tests run once)|"
            ;;
        "")
            echo "the SDL 1.2 that pkg-config found (not a Debian package; tests run once)|"
            ;;
        classic)
            if [ -e "$COMPAT_LIBS/libSDL-1.2.so.0" ]; then
                echo "classic SDL 1.2|"
                echo "sdl12-compat|$COMPAT_LIBS"
            else
                echo "classic SDL 1.2 (sdl12-compat is not installed, so the tests run once)|"
            fi
            ;;
    esac
}

case ${1:-} in
    install)
        shift
        install_missing "$@"
        ;;
    test-runs)
        test_runs
        ;;
    *)
        echo "usage: packages.sh install PACKAGE... | packages.sh test-runs" >&2
        exit 2
        ;;
esac
