# Native build: the unit tests of the portable logic.
option(ISLAND_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ISLAND_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

option(ISLAND_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(ISLAND_FUZZ)
  # Everything in this build carries the sanitizers the fuzz targets use.
  add_link_options(-fsanitize=address,undefined)
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(unit_tests
  tests/unit/integer_text_test.cpp
  tests/unit/island_entry_test.cpp
  tests/unit/layout_test.cpp
  tests/unit/unicode_test.cpp
)
target_link_libraries(unit_tests PRIVATE island_portable GTest::gtest_main)
gtest_discover_tests(unit_tests TEST_PREFIX "unit.")

# Fuzz targets (clang's libFuzzer): each checks a property of the portable
# logic. ctest runs each for a short, bounded time; scripts/fuzz.sh for longer.
if(ISLAND_FUZZ)
  set(ISLAND_FUZZ_SECONDS 15 CACHE STRING "How long ctest runs each fuzz target")
  foreach(name integer_text island_entry)
    add_executable(${name}_fuzz fuzz/${name}_fuzz.cpp)
    target_compile_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name}_fuzz PRIVATE island_portable)
    add_test(NAME fuzz.${name}
             COMMAND ${name}_fuzz -max_total_time=${ISLAND_FUZZ_SECONDS} -print_final_stats=0
                     -detect_leaks=1)
  endforeach()
  # The portable library is instrumented too, for coverage and for the sanitizers.
  target_compile_options(island_portable PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endif()
