# The game in a browser page, built from the same sources with Debian's
# emscripten (its own SDL 1.2 family, no downloads):
#   make web         builds build-web/: index.html, flatmates.js, .wasm, .data
#   make serve-web   serves it at http://localhost:8000/, to this machine only
#   make test-web    plays it in Debian's Chromium and judges the canvas, then
#                    a short visit in Firefox ESR and in WebKitGTK
#   make bench-web   frames per second (in all three), time to the first
#                    frame, download size
#   make web-picture the README's pictures of it, docs/web.png and docs/phone.png

WEB_DIR ?= build-web
WEB_PACKAGES := emscripten cmake make
# Chromium, driven from Node by playwright-core; Firefox ESR by puppeteer-core
# over WebDriver BiDi; WebKitGTK's MiniBrowser (in its library's package)
# through WebKitWebDriver and selenium-webdriver, on an X server of its own
# (tests/web/package.json).
WEB_TEST_PACKAGES := $(WEB_PACKAGES) chromium nodejs firefox-esr webkit2gtk-driver libwebkit2gtk-4.1-0 xvfb
# emscripten's optimiser needs the acorn parser of Debian's Node modules.
WEB_ENV := NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
WEB_NODE_MODULES := tests/web/node_modules/.package-lock.json

.PHONY: web serve-web test-web bench-web web-picture web-deps test-web-deps

web: web-deps
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_DIR) -DCMAKE_BUILD_TYPE=Release
	$(WEB_ENV) cmake --build $(WEB_DIR) -j $(JOBS)

serve-web: web
	@echo "Flatmates at http://localhost:8000/ (Ctrl-C stops serving)"
	cd $(WEB_DIR) && /usr/bin/python3 -m http.server --bind 127.0.0.1 8000

test-web: test-web-deps web
	node tests/web/run.mjs $(WEB_DIR)
	node tests/web/engines.mjs $(WEB_DIR)

bench-web: test-web-deps web
	node bench/web_bench.mjs $(WEB_DIR)

web-picture: test-web-deps web
	node tools/web_picture.mjs $(WEB_DIR) docs/web.png
	node tools/web_picture.mjs $(WEB_DIR) docs/phone.png phone

web-deps:
	@$(call install_missing,$(WEB_PACKAGES))

# npm comes with NodeSource's nodejs but is a package of its own in Debian.
test-web-deps: $(WEB_NODE_MODULES)
	@$(call install_missing,$(WEB_TEST_PACKAGES))
	@command -v npm >/dev/null || ( $(call install_missing,npm) )

$(WEB_NODE_MODULES): tests/web/package.json tests/web/package-lock.json
	@$(call install_missing,$(WEB_TEST_PACKAGES))
	@command -v npm >/dev/null || ( $(call install_missing,npm) )
	cd tests/web && npm ci --no-audit --no-fund
