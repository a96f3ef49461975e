# Windows build: the program and its GUI tests.
enable_language(RC)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# One self-contained exe: the C++ runtime and winpthread linked in, so that it
# needs nothing but the DLLs every Windows has in its system folder.
set(ISLAND_LINK_OPTIONS -static -municode -Wl,--dynamicbase -Wl,--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  list(APPEND ISLAND_LINK_OPTIONS -Wl,--high-entropy-va)
endif()
add_compile_options(-ffunction-sections -fdata-sections)

add_link_options(-Wl,--gc-sections)

# Everything but wWinMain, so that test harnesses can run the same program.
set(ISLAND_APP_SOURCES
  app/allocation.cpp
  app/app.cpp
  app/fatal.cpp
  ui/commands.cpp
  ui/accessible_name.cpp
  ui/controls.cpp
  ui/dpi.cpp
  ui/keyboard.cpp
  ui/main_window.cpp
  ui/subclass.cpp
  ui/system_library.cpp
  ui/theme.cpp
  ui/theme_paint.cpp
  ui/toolkit.cpp
)
# The program and its test builds are optimised at link time (which keeps the
# exe under 300 KiB); their copy of the portable logic must be too: i686 ld
# refuses to mix the two kinds of objects for the same inline functions.
# GoogleTest programs link the plain island_portable.
add_library(island_portable_lto STATIC ${ISLAND_PORTABLE_SOURCES})
target_include_directories(island_portable_lto PUBLIC ${CMAKE_SOURCE_DIR})
add_library(island_app STATIC ${ISLAND_APP_SOURCES})
target_link_libraries(island_app PUBLIC island_portable_lto user32 gdi32)

add_executable(island-schematic WIN32 app/main.cpp resources/island-schematic.rc)
set_source_files_properties(resources/island-schematic.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/island.ico;${CMAKE_SOURCE_DIR}/resources/island-schematic.manifest")
# allocation.cpp replaces operator new; it must be linked even though nothing
# names it directly.
target_link_libraries(island-schematic PRIVATE -Wl,--whole-archive island_app -Wl,--no-whole-archive
                      island_portable_lto user32 gdi32)
target_link_options(island-schematic PRIVATE ${ISLAND_LINK_OPTIONS} -s)
set_target_properties(island-schematic PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_target_properties(island-schematic island_app island_portable_lto PROPERTIES
                      INTERPROCEDURAL_OPTIMIZATION ON)

option(ISLAND_GUI_TESTS "Build and register the GUI tests (they need Wine that runs this build)" ON)
if(ISLAND_GUI_TESTS)
  include(cmake/gui_tests.cmake)
endif()

add_test(NAME exe.headers-and-imports
         COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-exe.sh $<TARGET_FILE:island-schematic>
                 ${CMAKE_SYSTEM_PROCESSOR})
set_tests_properties(exe.headers-and-imports PROPERTIES LABELS static)

# The benchmark (scripts/bench.sh): not part of the tests.
add_executable(bare-window WIN32 bench/bare_window.cpp)
target_link_options(bare-window PRIVATE ${ISLAND_LINK_OPTIONS})
add_executable(benchmark bench/benchmark.cpp)
target_link_libraries(benchmark PRIVATE user32 psapi)
target_link_options(benchmark PRIVATE -static)
set_target_properties(bare-window benchmark PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
