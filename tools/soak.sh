#!/usr/bin/env bash
# A full-length session in a virtual X server, with a seeded random walk of
# key presses sent through XTEST. Checks that the run ends by itself with
# status 1 between 300 and 305 seconds after the play state is entered, and
# that the resident memory at the end is within 2 MB of what it was after ten
# seconds of play. Takes a little over five minutes.
#
#   tools/soak.sh [seed]
#
# Environment: FLATMATES (the game, default build/flatmates), SOAK_DISPLAY
# (default :37). Needs Xvfb and xdotool.
set -euo pipefail

seed=${1:-1}
game=${FLATMATES:-build/flatmates}
display=${SOAK_DISPLAY:-:37}
# Tolerances of the checks.
min_seconds=300
max_seconds=305
max_rss_growth_kb=2048
# The run is given up after this long.
give_up_seconds=330

cd "$(dirname "$0")/.."
[ -x "$game" ] || { echo "soak: no game at $game (make build first)" >&2; exit 2; }
command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
    { echo "soak: needs Xvfb and xdotool" >&2; exit 2; }

xvfb_pid=""
game_pid=""
walker_pid=""
cleanup()
{
    for pid in "$walker_pid" "$game_pid" "$xvfb_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "soak: Xvfb did not start on $display" >&2; exit 2; }

# Milliseconds since the epoch.
now_ms() { date +%s%3N; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || true; }

SDL_AUDIODRIVER=dummy "$game" &
game_pid=$!

# The window is opened at the end of start-up, right before the play state is
# entered; its appearance is taken as the start of play.
window=""
for _ in $(seq 600); do
    window=$(xdotool search --name '^Flatmates$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.05
done
[ -n "$window" ] || { echo "soak: the game window never appeared" >&2; exit 1; }
start=$(now_ms)
xdotool windowfocus "$window" 2>/dev/null || true

# The walk: arrows held for a while, the space bar and R tapped; never
# Escape, so that only the play-time limit ends the run.
(
    RANDOM=$seed
    keys=(Left Right Left Right space space r)
    presses=0
    while kill -0 "$game_pid" 2>/dev/null; do
        presses=$((presses + 1))
        key=${keys[RANDOM % ${#keys[@]}]}
        hold=$(printf '0.%02d' $((5 + RANDOM % 90)))
        xdotool keydown "$key" 2>/dev/null || true
        sleep "$hold"
        xdotool keyup "$key" 2>/dev/null || true
        sleep "$(printf '0.%02d' $((RANDOM % 40)))"
        # Now and then a longer walk.
        if [ $((RANDOM % 8)) -eq 0 ]; then
            arrow=$([ $((RANDOM % 2)) -eq 0 ] && echo Left || echo Right)
            xdotool keydown "$arrow" 2>/dev/null || true
            sleep $((1 + RANDOM % 4))
            xdotool keyup "$arrow" 2>/dev/null || true
        fi
    done
    echo "soak: the walk pressed $presses keys"
) &
walker_pid=$!

rss_10=""
rss_end=""
while kill -0 "$game_pid" 2>/dev/null; do
    elapsed_ms=$(($(now_ms) - start))
    sample=$(rss_kb "$game_pid")
    [ -n "$sample" ] && rss_end=$sample
    if [ -z "$rss_10" ] && [ "$elapsed_ms" -ge 10000 ]; then
        rss_10=$sample
        echo "soak: after 10 s of play: RSS ${rss_10} kB"
    fi
    if [ "$elapsed_ms" -gt $((give_up_seconds * 1000)) ]; then
        echo "soak: FAIL: still running after $give_up_seconds s" >&2
        exit 1
    fi
    sleep 0.25
done
# The end is seen within a quarter of a second of it.
status=0
wait "$game_pid" || status=$?
ms=$(($(now_ms) - start))
game_pid=""
seconds=$(printf '%d.%03d' $((ms / 1000)) $((ms % 1000)))

wait "$walker_pid" 2>/dev/null || true
walker_pid=""
growth=$((${rss_end:-0} - ${rss_10:-0}))
echo "soak: seed $seed: ended with status $status after $seconds s of play"
echo "soak: RSS after 10 s ${rss_10:-?} kB, at the end ${rss_end:-?} kB (growth ${growth} kB)"

failed=0
[ "$status" -eq 1 ] || { echo "soak: FAIL: exit status $status, not 1" >&2; failed=1; }
if [ "$ms" -lt $((min_seconds * 1000)) ] || [ "$ms" -gt $((max_seconds * 1000)) ]; then
    echo "soak: FAIL: the run lasted ${seconds} s, not $min_seconds to $max_seconds" >&2
    failed=1
fi
if [ -z "$rss_10" ] || [ "${growth#-}" -gt "$max_rss_growth_kb" ]; then
    echo "soak: FAIL: resident memory moved by more than $max_rss_growth_kb kB" >&2
    failed=1
fi
[ "$failed" -eq 0 ] && echo "soak: PASS"
exit "$failed"
