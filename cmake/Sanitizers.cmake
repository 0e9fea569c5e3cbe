# A build with AddressSanitizer (LeakSanitizer included) and
# UndefinedBehaviorSanitizer over the game, its library and every test
# program: `cmake -DFLATMATES_SANITIZE=ON`, or `make sanitize` for the whole
# sanitized suite. Any report ends the program with a failure, so a test that
# triggers one fails.

option(FLATMATES_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(FLATMATES_SANITIZE)
  set(FLATMATES_SANITIZE_FLAGS
    -fsanitize=address,undefined
    # Not part of GCC's "undefined": float to integer conversions out of
    # range, as positions read from damaged content could make.
    -fsanitize=float-cast-overflow
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer
    -g)

  # Every target of ours built so far, in every folder: the library, the game
  # and the test programs. (Imported targets such as GTest are left alone.)
  function(flatmates_sanitize_folder folder)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
        target_compile_options(${target} PRIVATE ${FLATMATES_SANITIZE_FLAGS})
        target_link_options(${target} PRIVATE ${FLATMATES_SANITIZE_FLAGS})
      endif()
    endforeach()
    get_property(folders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS folders)
      flatmates_sanitize_folder(${sub})
    endforeach()
  endfunction()
  flatmates_sanitize_folder(${PROJECT_SOURCE_DIR})
endif()
