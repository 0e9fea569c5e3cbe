# make install: the game, its content, a desktop entry and icons under
# $(PREFIX) (DESTDIR is honoured for staging).
PREFIX ?= /usr/local

# The install test checks the desktop entry with desktop-file-validate.
TEST_PACKAGES += desktop-file-utils

.PHONY: install

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
