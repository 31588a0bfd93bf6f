# A coverage build, in a build folder of its own (make coverage):
#   -DWALLWRIGHT_COVERAGE=ON  everything instrumented for gcov, unoptimised,
#                             so each line and branch counted is one of the source
option(WALLWRIGHT_COVERAGE "Build everything with gcov instrumentation for coverage reports" OFF)

if(WALLWRIGHT_COVERAGE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    message(FATAL_ERROR "The coverage build is made with g++, whose gcov gcovr reads")
  endif()
  add_compile_options(--coverage -O0)
  add_link_options(--coverage)
endif()
