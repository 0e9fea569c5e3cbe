#!/usr/bin/env bash
# Runs every test program of a build directly: all its cases in one process,
# in a shuffled order and twice over, on each SDL 1.2 provider given. CTest
# runs each case in a process of its own; this shows that no case leans on
# that, and leaves the game's singletons as it found them.
#   tests/run_direct.sh BUILD_DIR [LIBRARY_PATH ...]
# With no library path the programs run once, on the SDL they were linked
# with; an empty one means that SDL too.
set -u
build=${1:?build directory}
shift
providers=("$@")
[ ${#providers[@]} -gt 0 ] || providers=("")

mapfile -t programs < <(find "$build/tests" -type f -executable -name '*_test' | sort)
[ ${#programs[@]} -gt 0 ] || { echo "run_direct: no test programs in $build/tests"; exit 1; }

failed=0
passed=0
log=$(mktemp)
for provider in "${providers[@]}"; do
    for program in "${programs[@]}"; do
        label="${program#"$build"/} on ${provider:-the linked SDL}"
        if LD_LIBRARY_PATH=$provider "$program" --gtest_shuffle --gtest_repeat=2 >"$log" 2>&1; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
            echo "== FAILED: $label (status $?)"
            grep -E 'random seed|FAILED|Failure' "$log" | head -n 20
            tail -n 5 "$log"
        fi
    done
done
rm -f "$log"
echo "run directly, shuffled, twice: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
