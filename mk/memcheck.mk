# make memcheck: valgrind's memcheck over the scripted playthrough on both
# SDL 1.2 providers, and over the game itself for a few seconds headless,
# ended by an interrupt as a player's Ctrl-C would. Fails on any invalid
# read or write, any use of an uninitialised value and anything definitely
# lost.

MEMCHECK_DIR ?= build-memcheck
MEMCHECK_PACKAGES := $(TEST_PACKAGES) valgrind
MEMCHECK_SECONDS ?= 20
VALGRIND := valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
	--errors-for-leak-kinds=definite --track-origins=yes --num-callers=30 --error-exitcode=3 \
	--suppressions=$(CURDIR)/tests/valgrind.supp

.PHONY: memcheck memcheck-build memcheck-deps

memcheck: memcheck-deps memcheck-build
	@echo "== memcheck: playthrough on classic SDL 1.2 =="
	$(VALGRIND) ./$(MEMCHECK_DIR)/tests/play/playthrough_test
	@echo "== memcheck: playthrough on sdl12-compat =="
	LD_LIBRARY_PATH=$(COMPAT_LIBS) $(VALGRIND) ./$(MEMCHECK_DIR)/tests/play/playthrough_test
	@echo "== memcheck: the game, $(MEMCHECK_SECONDS) s headless, then interrupted =="
	SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout --preserve-status -s INT $(MEMCHECK_SECONDS) \
		$(VALGRIND) ./$(MEMCHECK_DIR)/flatmates; status=$$?; \
	[ $$status -eq 1 ] || { echo "memcheck: the game ended with status $$status, not 1"; exit 1; }

memcheck-build:
	cmake -S . -B $(MEMCHECK_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLATMATES_BENCH=OFF
	cmake --build $(MEMCHECK_DIR) -j $(JOBS) --target flatmates playthrough_test

memcheck-deps:
	@$(call install_missing,$(MEMCHECK_PACKAGES))
