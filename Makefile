# The two commands a player or developer needs:
#   make run    installs what is missing, builds the game and plays it
#   make test   the same set-up, then every test on both SDL 1.2 providers
#               (once, where only one exists)
# The set-up (tools/packages.sh) installs Debian packages with apt-get; where
# only sdl12-compat provides SDL 1.2 it takes its packages instead, and
# without dpkg and apt-get it says which libraries to install and goes on.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
COMPAT_LIBS := /usr/lib/x86_64-linux-gnu/sdl12-compat

# Debian packages the game builds and plays with.
RUN_PACKAGES := g++ make cmake pkg-config libsdl1.2-dev libsdl-image1.2-dev \
	libsdl-mixer1.2-dev libsdl-ttf2.0-dev libsdl-gfx1.2-dev libspeechd-dev libglib2.0-dev libgtest-dev gettext
# And those the tests add: the second SDL 1.2 provider, and a private session
# bus for the screen reader's question (dbus-run-session).
TEST_PACKAGES := $(RUN_PACKAGES) libsdl1.2-compat dbus
# What the content generators (tools/make_assets.sh) need.
ASSET_PACKAGES := lame python3 python3-numpy python3-pil fonts-liberation2

.PHONY: run test build deps test-deps assets assets-deps clean

run: deps build
	./$(BUILD_DIR)/flatmates || [ $$? -eq 1 ]

# Once on each SDL 1.2 provider installed (tools/packages.sh test-runs).
test: test-deps build
	@COMPAT_LIBS=$(COMPAT_LIBS) bash tools/packages.sh test-runs | while IFS='|' read -r provider libs; do \
	  echo "== tests on $$provider =="; \
	  env $${libs:+LD_LIBRARY_PATH=$$libs} ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) < /dev/null || exit 1; \
	done

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Installs only the packages that are missing; does nothing when all are there.
deps:
	@$(call install_missing,$(RUN_PACKAGES))

test-deps:
	@$(call install_missing,$(TEST_PACKAGES))

define install_missing
COMPAT_LIBS=$(COMPAT_LIBS) bash tools/packages.sh install $(1)
endef

# Regenerates every file under assets/, after installing what the generators
# need.
assets: assets-deps
	bash tools/make_assets.sh

assets-deps:
	@$(call install_missing,$(ASSET_PACKAGES))

clean:
	rm -rf $(BUILD_DIR)

# Further developer targets (benchmarks, sanitizers, fuzzing, installation,
# window tests) live in mk/, one file per concern.
-include $(sort $(wildcard mk/*.mk))
