# make bench: every benchmark of the game with its figures and targets (see
# README.md, "Performance"). Not part of `make test` or CI.

# What the benchmarks add to the test set-up: callgrind, a virtual X server
# and the keys pressed in it.
BENCH_PACKAGES := $(TEST_PACKAGES) valgrind xvfb xdotool

.PHONY: bench bench-deps

bench: bench-deps build
	bash bench/run.sh $(BUILD_DIR)

bench-deps:
	@$(call install_missing,$(BENCH_PACKAGES))
