#!/usr/bin/env bash
# tools/packages.sh on three kinds of system, each faked by commands on PATH
# that answer from a folder: dpkg-query (what is installed), apt-cache (what
# the archive holds), apt-get and sudo (which only log what they are asked).
#   classic present: Debian 12, classic SDL 1.2 and sdl12-compat beside it
#   only compat:     newer Debian and Ubuntu, where sdl12-compat alone
#                    provides SDL 1.2
#   no dpkg:         another distribution: nothing installed, advice given
# usage: packages_test.sh tools/packages.sh
set -euo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

fakes=$work/bin
mkdir -p "$fakes"
cat > "$fakes/dpkg-query" <<'FAKE'
#!/bin/sh
# dpkg-query -W -f='${Status}' PACKAGE
for last; do :; done
grep -qx "$last" "$FAKE/installed" 2> /dev/null || exit 1
printf 'install ok installed'
FAKE
cat > "$fakes/apt-cache" <<'FAKE'
#!/bin/sh
# apt-cache show --no-all-versions PACKAGE
for last; do :; done
[ -f "$FAKE/archive/$last" ] || { echo "E: No packages found" >&2; exit 100; }
cat "$FAKE/archive/$last"
FAKE
cat > "$fakes/apt-get" <<'FAKE'
#!/bin/sh
echo "apt-get $*" >> "$FAKE/log"
FAKE
cat > "$fakes/sudo" <<'FAKE'
#!/bin/sh
exec "$@"
FAKE
chmod +x "$fakes"/*

# A fresh system of one kind: $FAKE/installed lists installed packages,
# $FAKE/archive/ holds the archive's stanzas.
system() {
    export FAKE=$work/$1
    rm -rf "$FAKE"
    mkdir -p "$FAKE/archive" "$FAKE/compat"
    : > "$FAKE/installed"
    : > "$FAKE/log"
    export COMPAT_LIBS=$FAKE/compat
}
archive() { # PACKAGE [SOURCE]
    printf 'Package: %s\nVersion: 1\n%s' "$1" "${2:+Source: $2
}" > "$FAKE/archive/$1"
}
install() { for p; do echo "$p" >> "$FAKE/installed"; done; }
run() { PATH=$fakes:$PATH bash "$script" "$@"; }
expect_log() { # what apt-get was asked, in order
    local want got
    want=$(printf '%s\n' "$@")
    got=$(cat "$FAKE/log")
    [ "$got" = "$want" ] || fail "$FAKE: apt-get was asked
$got
instead of
$want"
}
INSTALL="apt-get install -y --no-install-recommends"
RUN_PACKAGES="g++ libsdl1.2-dev libsdl-image1.2-dev libgtest-dev"

# --- classic present -------------------------------------------------------
system classic
for p in g++ libsdl1.2-dev libsdl-image1.2-dev libgtest-dev libsdl1.2-compat libsdl1.2-compat-dev; do
    archive "$p"
done
archive libsdl1.2debian libsdl1.2
install g++
run install $RUN_PACKAGES libsdl1.2-compat > "$FAKE/out"
expect_log "apt-get update" \
    "$INSTALL libsdl1.2-dev libsdl-image1.2-dev libgtest-dev libsdl1.2-compat"
grep -q sdl12-compat "$FAKE/out" && fail "classic: it says it builds with sdl12-compat"

# Once everything is there, the archive is not even asked.
install libsdl1.2debian libsdl1.2-dev libsdl-image1.2-dev libgtest-dev libsdl1.2-compat
: > "$FAKE/log"
rm -rf "$FAKE/archive"
run install $RUN_PACKAGES libsdl1.2-compat > "$FAKE/out"
expect_log
[ -s "$FAKE/out" ] && fail "classic: a set-up with nothing to do said: $(cat "$FAKE/out")"

# The tests run on both providers, the second through its library folder,
# once sdl12-compat's library is there.
[ "$(run test-runs | wc -l)" -eq 1 ] || fail "classic without sdl12-compat's library: not one run"
run test-runs | grep -q "tests run once" || fail "classic alone: it does not say the tests run once"
touch "$FAKE/compat/libSDL-1.2.so.0"
[ "$(run test-runs)" = "classic SDL 1.2|
sdl12-compat|$FAKE/compat" ] || fail "classic: the runs are $(run test-runs)"

# --- only compat present ---------------------------------------------------
system compat
for p in g++ libsdl-image1.2-dev libgtest-dev libsdl1.2-compat libsdl1.2-compat-dev; do
    archive "$p"
done
run install $RUN_PACKAGES libsdl1.2-compat > "$FAKE/out"
expect_log "apt-get update" \
    "$INSTALL g++ libsdl1.2-compat-dev libsdl-image1.2-dev libgtest-dev libsdl1.2-compat"
grep -q "building with sdl12-compat" "$FAKE/out" || fail "compat: it does not say it builds with sdl12-compat"

# A libsdl1.2debian that sdl12-compat builds is not classic SDL 1.2 either.
system compat-named-classic
for p in g++ libsdl-image1.2-dev libgtest-dev libsdl1.2-compat libsdl1.2-compat-dev; do
    archive "$p"
done
archive libsdl1.2debian sdl12-compat
run install libsdl1.2-dev > "$FAKE/out"
expect_log "apt-get update" "$INSTALL libsdl1.2-compat-dev"

# Installed, it is not asked again, and the tests run once, saying why.
install g++ libsdl1.2-compat-dev libsdl-image1.2-dev libgtest-dev libsdl1.2-compat
touch "$FAKE/compat/libSDL-1.2.so.0"
: > "$FAKE/log"
run install $RUN_PACKAGES libsdl1.2-compat > "$FAKE/out"
expect_log
runs=$(run test-runs)
[ "$(wc -l <<< "$runs")" -eq 1 ] || fail "compat: the tests run more than once: $runs"
[[ $runs == "sdl12-compat (the only SDL 1.2 here, so the tests run once)|" ]] || fail "compat: the run is $runs"

# Packages that have nothing to do with SDL need no provider and no question.
system assets
archive lame
run install lame > "$FAKE/out"
expect_log "apt-get update" "$INSTALL lame"

# --- no dpkg ---------------------------------------------------------------
# Nothing on PATH but, in the second case, a pkg-config that knows two of the
# libraries.
system nodpkg
bare=$FAKE/bin
mkdir -p "$bare"
out=$(PATH=$bare /bin/bash "$script" install $RUN_PACKAGES libsdl-mixer1.2-dev libsdl-ttf2.0-dev \
    libsdl-gfx1.2-dev libsdl1.2-compat python3-pil) || fail "no dpkg: the set-up failed"
grep -q "nothing is installed" <<< "$out" || fail "no dpkg: it does not say it installs nothing"
grep -q "(pkg-config names): sdl SDL_image gtest SDL_mixer SDL_ttf SDL_gfx$" <<< "$out" ||
    fail "no dpkg: the libraries are not named by pkg-config: $out"
grep -q "Debian names them): g++ Pillow$" <<< "$out" || fail "no dpkg: the other packages: $out"
expect_log

cat > "$bare/pkg-config" <<'FAKE'
#!/bin/sh
# pkg-config --exists MODULE
for last; do :; done
[ "$last" = sdl ] || [ "$last" = gtest ]
FAKE
chmod +x "$bare/pkg-config"
out=$(PATH=$bare /bin/bash "$script" install $RUN_PACKAGES) || fail "no dpkg: the set-up failed"
grep -q "(pkg-config names): SDL_image$" <<< "$out" || fail "no dpkg: libraries pkg-config finds are named: $out"

[ "$(PATH=$bare /bin/bash "$script" test-runs | wc -l)" -eq 1 ] || fail "no dpkg: not one run"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "the set-up chooses the packages that exist on all three kinds of system"
