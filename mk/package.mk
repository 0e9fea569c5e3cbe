# make package: the Debian package flatmates_<version>_amd64.deb (the
# version being project(VERSION) and the package's revision), built by CPack
# from the install rules in the Debian layout of a game (see
# cmake/Package.cmake), in $(PACKAGE_DIR) and copied here.
# make test-package: builds it, then checks it (tests/install/package_test.sh):
# file list, control fields, lintian, the metadata, the desktop entry, the
# manual pages, and the game played for a moment from the unpacked package.
PACKAGE_DIR ?= build-package
PACKAGE_PACKAGES := $(RUN_PACKAGES) dpkg-dev file
PACKAGE_TEST_PACKAGES := $(PACKAGE_PACKAGES) lintian appstream desktop-file-utils groff-base man-db

.PHONY: package package-deps test-package package-test-deps

# Built with the compiler and linker flags Debian builds its own packages
# with, hardening included (dpkg-buildflags).
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package: package-deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DFLATMATES_DEBIAN_LAYOUT=ON -DFLATMATES_TESTS=OFF -DFLATMATES_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/flatmates_*.deb flatmates_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	cp $(PACKAGE_DIR)/flatmates_*.deb .

package-deps:
	@$(call install_missing,$(PACKAGE_PACKAGES))

test-package: package-test-deps package
	bash tests/install/package_test.sh .

package-test-deps:
	@$(call install_missing,$(PACKAGE_TEST_PACKAGES))
