# The golden playthrough (tests/play/GoldenPlaythroughTest.cpp) compares every
# frame of a scripted visit with tests/play/golden/playthrough.txt, every
# sound it asks for with tests/play/golden/sounds.txt, and every line its
# speech says with tests/play/golden/speech.txt.
#   make goldens   records all three again after a deliberate change to what
#                  the game shows, plays or says, on classic SDL 1.2, then
#                  checks that sdl12-compat draws, plays and says the same

.PHONY: goldens
goldens: test-deps build
	FLATMATES_RECORD_GOLDENS=1 ./$(BUILD_DIR)/tests/play/golden_playthrough_test
	LD_LIBRARY_PATH=$(COMPAT_LIBS) ./$(BUILD_DIR)/tests/play/golden_playthrough_test
