# Native build: the unit tests of the portable logic.
option(ISLAND_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ISLAND_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
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
