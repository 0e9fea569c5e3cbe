#!/usr/bin/env bash
# Runs every test program of a build directly: all its cases in one process,
# in a shuffled order and twice over, on each SDL 1.2 provider given. CTest
# runs each case in a process of its own; this shows that no case leans on
# that, and leaves the game's singletons as it found them.
#   tests/run_direct.sh BUILD_DIR [LIBRARY_PATH ...]
# With no library path the programs run once, on the SDL they were linked
# with; an empty one means that SDL too.
# FLATMATES_TEST_SEEDS picks the shuffles: one seed ("7") or a range of
# them ("1-50"). By default one fresh seed, printed so that a failure can be
# replayed.
set -u
build=${1:?build directory}
shift
providers=("$@")
[ ${#providers[@]} -gt 0 ] || providers=("")

seeds=${FLATMATES_TEST_SEEDS:-$(((RANDOM * 32768 + RANDOM) % 99999 + 1))}
first=${seeds%-*}
last=${seeds#*-}
case "$first$last" in
    '' | *[!0-9]*) echo "run_direct: FLATMATES_TEST_SEEDS must be a seed or a range, as 7 or 1-50"; exit 2 ;;
esac
echo "run_direct: shuffled with seed $seeds (replay: FLATMATES_TEST_SEEDS=$seeds make test-direct)"

mapfile -t programs < <(find "$build/tests" -type f -executable -name '*_test' | sort)
[ ${#programs[@]} -gt 0 ] || { echo "run_direct: no test programs in $build/tests"; exit 1; }

failed=0
passed=0
log=$(mktemp)
for seed in $(seq "$first" "$last"); do
    for provider in "${providers[@]}"; do
        for program in "${programs[@]}"; do
            label="${program#"$build"/} on ${provider:-the linked SDL}, seed $seed"
            if LD_LIBRARY_PATH=$provider "$program" --gtest_shuffle --gtest_random_seed="$seed" --gtest_repeat=2 \
                >"$log" 2>&1; then
                passed=$((passed + 1))
            else
                status=$?
                failed=$((failed + 1))
                echo "== FAILED: $label (status $status)"
                grep -E 'FAILED|Failure' "$log" | head -n 20
                tail -n 5 "$log"
            fi
        done
    done
done
rm -f "$log"
echo "run directly, shuffled, twice: $passed passed, $failed failed (seed $seeds)"
[ "$failed" -eq 0 ]
