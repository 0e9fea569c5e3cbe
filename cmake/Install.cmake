# Installation: `cmake --install <build> --prefix <prefix>` (or `make
# install`) puts the game in <prefix>/bin and its content in
# <prefix>/share/flatmates/assets, with a desktop entry and icons where
# desktops look for them. The game looks for its content in
# <exe>/../share/flatmates, so these two folders are fixed, not
# GNUInstallDirs choices.
install(TARGETS flatmates RUNTIME DESTINATION bin)
install(DIRECTORY assets/ DESTINATION share/flatmates/assets)
install(FILES dist/flatmates.desktop DESTINATION share/applications)
# The icons are made by tools/make_icon.py from the game's own pictures.
foreach(size 64 128 256)
  install(FILES dist/icons/flatmates-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME flatmates.png)
endforeach()

if(FLATMATES_TESTS)
  # Installs into a temporary prefix and starts the installed game from /.
  add_test(NAME install.runs_from_anywhere
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/installed_game.sh ${PROJECT_BINARY_DIR})
  set_tests_properties(install.runs_from_anywhere PROPERTIES LABELS install TIMEOUT 120)
endif()
