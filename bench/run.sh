#!/bin/bash
# Every benchmark of the game, run by `make bench`: on SDL's dummy video
# driver and in a virtual X server, on classic SDL 1.2 and on sdl12-compat.
# Each line gives a figure and, where the game has one, its target.
#
#   bench/run.sh BUILD_DIR
#
# BENCH_DISPLAY picks the virtual X server's display (default :47).

set -euo pipefail

build=$(cd "${1:?usage: bench/run.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
bin=$build/bench
display=${BENCH_DISPLAY:-:47}
compat_libs=/usr/lib/x86_64-linux-gnu/sdl12-compat
# Frames per callgrind measurement.
frames=200
export SDL_AUDIODRIVER=dummy

scratch=$(mktemp -d /tmp/flatmates-bench-XXXXXX)
xvfb_pid=
finish() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap finish EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done
sleep 0.5
if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "bench: no virtual X server on $display (taken? set BENCH_DISPLAY=:4N)" >&2
    exit 1
fi

version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo "not installed"; }
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "SDL providers: classic SDL 1.2 $(version libsdl1.2debian), sdl12-compat $(version libsdl1.2-compat)"

on_dummy() { SDL_VIDEODRIVER=dummy "$@"; }
on_x11() { SDL_VIDEODRIVER=x11 DISPLAY=$display "$@"; }

# Instructions per frame of the game and of the floor, and where the game's
# go, from one callgrind run of the frame benchmark.
instructions() {
    local out=$scratch/callgrind
    rm -rf "$out" && mkdir "$out"
    on_dummy valgrind --tool=callgrind --separate-threads=yes --compress-strings=no \
        --callgrind-out-file="$out/cg.%p" "$bin/frame_bench" --count "$frames" >"$out/log" 2>&1 ||
        { cat "$out/log"; return 1; }
    # Thread 1 is the game's; parts 1 and 2 are the game's and the floor's
    # frames.
    local game floor
    game=$(ls "$out"/cg.*.1-01) floor=$(ls "$out"/cg.*.2-01)
    awk -f "$here/callgrind_costs.awk" "$game" >"$out/game.costs"
    awk -v frames="$frames" -v game="$(grep '^summary:' "$game" | cut -d' ' -f2)" \
        -v floor="$(grep '^summary:' "$floor" | cut -d' ' -f2)" '
        function line(name, value) { printf "%-44s %10.0f\n", name, value }
        /^incl/ { cost = $2; $1 = ""; $2 = ""; sub(/^ +/, ""); incl[$0] = cost }
        END {
            line("instructions per frame, game (callgrind)", game / frames)
            line("instructions per frame, floor (callgrind)", floor / frames)
            printf "%-44s %10.3f x\n", "instructions, game / floor", game / floor
            line("  clearing the top 600 rows", incl["SDL_FillRect"] / frames)
            line("  room picture and scenery", incl["StateTest::Render()"] / frames)
            line("  icon and the man", incl["Player::Render()"] / frames)
            line("  captions", incl["FontRender::Render()"] / frames)
            line("  flip", incl["SDL_Flip"] / frames)
            line("  update (walking, reach, animation)", incl["GameMain::GameUpdate(float, long)"] / frames)
            line("  input", incl["EventHandler::update()"] / frames)
        }' "$out/game.costs"
}

for provider in classic compat; do
    if [ "$provider" = compat ]; then
        export LD_LIBRARY_PATH=$compat_libs${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
    fi
    echo
    echo "== on $provider SDL 1.2"
    on_dummy "$bin/frame_bench"
    on_x11 "$bin/frame_bench"
    instructions
    on_dummy "$bin/process_bench" startup "$build/flatmates" "$bin/floor_program" "$bin/libflatmates_first_flip.so"
    on_x11 "$bin/process_bench" startup "$build/flatmates" "$bin/floor_program" "$bin/libflatmates_first_flip.so"
    on_dummy "$bin/alloc_bench"
    on_dummy "$bin/use_bench"
    on_dummy "$bin/session_bench"
    FLATMATES_BENCH_XSERVER_PID=$xvfb_pid on_x11 "$bin/process_bench" cpu "$build/flatmates" "$bin/floor_program"
    FLATMATES_BENCH_XSERVER_PID=$xvfb_pid on_x11 "$bin/process_bench" paused "$build/flatmates"
done
