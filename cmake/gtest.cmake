# The GoogleTest programs of the pure-C++ parts. Natively each test case is a test of its
# own; in a cross build each program is one test, run once under the emulator, which takes
# too long to start for one run per case.
include(GoogleTest)

# Under Wine: a prefix of the build's own, made once before the first test that needs it.
if(CMAKE_CROSSCOMPILING AND WIN32 AND NOT TEST wine_prefix)
  # No menu entries for the machine from what is installed in the prefix.
  set(MORVANE_WINE_ENVIRONMENT
      "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix;WINEDEBUG=-all;WINEDLLOVERRIDES=winemenubuilder.exe=d")
  add_test(NAME wine_prefix
    COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/wine_prefix.sh ${CMAKE_BINARY_DIR}/wine-prefix)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine
                       ENVIRONMENT "${MORVANE_WINE_ENVIRONMENT}")
endif()

function(morvane_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_prefix
                         ENVIRONMENT "${MORVANE_WINE_ENVIRONMENT}")
  else()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES)
  endif()
endfunction()
