# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) once the package's files are staged,
# just before the DEB generator asks dpkg-shlibdeps what they depend on. It
# runs dpkg-shlibdeps in the staging folder, where a debian/shlibs.local
# overrides what the libraries' own packages declare (the DEB generator
# removes that debian/ folder afterwards, so it is not packed).
#
# SDL 1.2 comes either as classic SDL 1.2.15 (libsdl1.2debian) or as
# sdl12-compat over SDL 2. On Debian 12, sdl12-compat's library lives in a
# private folder, and only libsdl1.2-compat-shim puts it where programs find
# it; the shim provides libsdl1.2debian, so the dependency names it as the
# alternative.
file(WRITE "${CPACK_TEMPORARY_DIRECTORY}/debian/shlibs.local"
  "libSDL-1.2 0 libsdl1.2debian (>= 1.2.15) | libsdl1.2-compat-shim\n")
