# The two commands a player or developer needs:
#   make run    installs what is missing, builds the game and plays it
#   make test   the same set-up, then every test on both SDL 1.2 providers

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
COMPAT_LIBS := /usr/lib/x86_64-linux-gnu/sdl12-compat
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

# Debian packages the game builds and plays with.
RUN_PACKAGES := g++ make cmake pkg-config libsdl1.2-dev libsdl-image1.2-dev \
	libsdl-mixer1.2-dev libsdl-ttf2.0-dev libsdl-gfx1.2-dev libgtest-dev
# And those the tests add: the second SDL 1.2 provider.
TEST_PACKAGES := $(RUN_PACKAGES) libsdl1.2-compat

.PHONY: run test build deps test-deps assets clean

run: deps build
	./$(BUILD_DIR)/flatmates || [ $$? -eq 1 ]

test: test-deps build
	@echo "== tests on classic SDL 1.2 =="
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	@echo "== tests on sdl12-compat =="
	LD_LIBRARY_PATH=$(COMPAT_LIBS) ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Installs only the packages that are missing; does nothing when all are there.
deps:
	@$(call install_missing,$(RUN_PACKAGES))

test-deps:
	@$(call install_missing,$(TEST_PACKAGES))

define install_missing
missing=""; \
for p in $(1); do \
  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
done; \
if [ -n "$$missing" ]; then \
  echo "Installing:$$missing"; \
  $(SUDO) apt-get update && \
  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
fi
endef

# Regenerates every file under assets/ (needs the generators' packages).
assets:
	bash tools/make_assets.sh

clean:
	rm -rf $(BUILD_DIR)

# Further developer targets (benchmarks, sanitizers, fuzzing, installation,
# window tests) live in mk/, one file per concern.
-include $(sort $(wildcard mk/*.mk))
