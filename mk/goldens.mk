# The golden playthrough (tests/play/GoldenPlaythroughTest.cpp) compares every
# frame of a scripted visit with tests/play/golden/playthrough.txt.
#   make goldens   records those frames again after a deliberate change to what
#                  the game shows, on classic SDL 1.2, then checks that
#                  sdl12-compat draws the same frames

.PHONY: goldens
goldens: test-deps build
	FLATMATES_RECORD_GOLDENS=1 ./$(BUILD_DIR)/tests/play/golden_playthrough_test
	LD_LIBRARY_PATH=$(COMPAT_LIBS) ./$(BUILD_DIR)/tests/play/golden_playthrough_test
