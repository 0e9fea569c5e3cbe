# make sanitize: every test, the scripted playthrough and the hostile-content
# cases built with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, run on both SDL 1.2 providers. Any report fails
# the test that made it.

SANITIZE_DIR ?= build-asan

# Each report ends the program with status 23: the sanitizers' default of 1
# is the game's own status at every end, which the tests that expect the run
# to end would take for success. Malloc stacks are unwound fully so that the
# suppressions (libraries' own leaks only) can see which library allocated.
SANITIZE_ENV := \
	ASAN_OPTIONS=exitcode=23:halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:fast_unwind_on_malloc=0 \
	UBSAN_OPTIONS=exitcode=23:halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: sanitize sanitize-build

sanitize: test-deps sanitize-build
	@echo "== sanitized tests on classic SDL 1.2 =="
	env $(SANITIZE_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)
	@echo "== sanitized tests on sdl12-compat =="
	env $(SANITIZE_ENV) LD_LIBRARY_PATH=$(COMPAT_LIBS) ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# Test discovery runs the test programs at build time, so the build sees the
# same options.
sanitize-build:
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLATMATES_SANITIZE=ON \
		-DFLATMATES_BENCH=OFF
	env $(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
