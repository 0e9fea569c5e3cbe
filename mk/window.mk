# The real-window tests (CTest label `window`) play the built game on a
# virtual X server: XTEST key presses, screenshots, and Python's imaging and
# X libraries to judge them.
TEST_PACKAGES += xvfb xdotool imagemagick python3-pil python3-xlib

.PHONY: test-window

# Only the real-window tests, on classic SDL 1.2.
test-window: test-deps build
	ctest --test-dir $(BUILD_DIR) -L window --output-on-failure
