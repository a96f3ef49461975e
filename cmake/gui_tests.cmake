# GUI tests: a Windows GoogleTest program that launches the real exe under
# Wine and drives it with real input. They share one screen and one
# clipboard, so ctest runs them one at a time.
set(ISLAND_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ISLAND_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(target gtest gtest_main gmock gmock_main)
  if(TARGET ${target})
    target_compile_options(${target} PRIVATE -w)
  endif()
endforeach()

# A test build of the program whose start-up asks for more memory than any
# process can have, to show the fatal error path.
add_executable(fatal-harness WIN32 tests/gui/fatal_harness.cpp resources/island-schematic.rc)
target_link_libraries(fatal-harness PRIVATE -Wl,--whole-archive island_app -Wl,--no-whole-archive
                      island_portable_lto user32 gdi32)
target_link_options(fatal-harness PRIVATE ${ISLAND_LINK_OPTIONS})

# The program built to count the GDI objects and DCs it holds, with a
# hidden window through which a test switches the theme and reads the count.
add_library(island_app_counted STATIC ${ISLAND_APP_SOURCES})
target_compile_definitions(island_app_counted PUBLIC ISLAND_COUNT_HANDLES)
target_link_libraries(island_app_counted PUBLIC island_portable_lto user32 gdi32)
add_executable(test-harness WIN32 tests/gui/test_harness.cpp resources/island-schematic.rc)
target_link_libraries(test-harness PRIVATE -Wl,--whole-archive island_app_counted
                      -Wl,--no-whole-archive island_portable_lto user32 gdi32)
target_link_options(test-harness PRIVATE ${ISLAND_LINK_OPTIONS})
# Built like the shipped program (see island_portable_lto).
set_target_properties(island_app_counted test-harness fatal-harness PROPERTIES
                      INTERPROCEDURAL_OPTIMIZATION ON)

# Stands in for a web browser: Wine's browser launcher runs it with the
# address, and it writes the address down for the test to read.
file(WRITE ${CMAKE_BINARY_DIR}/bin/record-address.sh
     "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/opened-address.txt\"\n")
file(CHMOD ${CMAKE_BINARY_DIR}/bin/record-address.sh
     PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

add_executable(gui_tests
  tests/gui/harness.cpp
  tests/gui/hostile_test.cpp
  tests/gui/window_test.cpp
  tests/gui/keyboard_test.cpp
  tests/gui/accessibility_test.cpp
  tests/gui/commands_test.cpp
  tests/gui/display_scale_test.cpp
  tests/gui/lifecycle_test.cpp
  tests/gui/long_day_test.cpp
  tests/gui/preview_test.cpp
  tests/gui/theme_test.cpp
)
target_include_directories(gui_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(gui_tests PRIVATE island_portable gtest_main user32 gdi32 advapi32 psapi
                      oleacc ole32 oleaut32)
target_link_options(gui_tests PRIVATE -static)
add_dependencies(gui_tests island-schematic fatal-harness test-harness)
set_target_properties(gui_tests fatal-harness test-harness PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Where Wine cannot run this build (32-bit code on some virtual machines) the
# test programs are still built, but not registered: ctest would have to run
# them to list their tests.
option(ISLAND_RUN_GUI_TESTS "Register the GUI tests with ctest" ON)
if(ISLAND_RUN_GUI_TESTS)
  include(GoogleTest)
  gtest_discover_tests(gui_tests
    TEST_PREFIX "gui."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES RUN_SERIAL TRUE TIMEOUT 900)
endif()
