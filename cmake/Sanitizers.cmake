# Sanitizer and fuzzing builds, each in a build folder of its own:
#   -DWALLWRIGHT_SANITIZE=ON  everything with AddressSanitizer and UBSan (make test-asan)
#   -DWALLWRIGHT_FUZZ=ON      the libFuzzer targets of fuzz/, clang only (make fuzz)
option(WALLWRIGHT_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(WALLWRIGHT_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(WALLWRIGHT_SANITIZE OR WALLWRIGHT_FUZZ)
  # Undefined behaviour stops the run like a memory error, so no finding
  # scrolls past as a mere warning.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WALLWRIGHT_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
  # Link names resolve when the build is generated, so wallwright_rules may
  # be defined after this.
  add_subdirectory(${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz)
endif()
