# Shared build settings and helpers for Tessaloran's targets.

# Warnings on for our own code. No -ffast-math or anything like it: the model's results
# must not change in the last bit with the optimisation level.
function(tessaloran_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TESSALORAN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # Keep floating-point contraction off so that a*b+c is never fused into one rounding.
  target_compile_options(${target} PRIVATE -ffp-contract=off)
endfunction()

if(TESSALORAN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# tessaloran_library(NAME SOURCES ... LINKS ...): a static library of one subsystem folder.
function(tessaloran_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  tessaloran_warnings(${name})
endfunction()

set(TESSALORAN_TEST_SHARDS 4 CACHE STRING "Shards of each test executable in a cross-build")

# tessaloran_test(NAME SOURCES ... LINKS ...): one GoogleTest executable, discovered by CTest.
# Tests without their own main link GTest::gtest_main.
function(tessaloran_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  tessaloran_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    # Cross-built tests are run by scripts/test-windows.sh, not discovered at build time. Each
    # executable runs as TESSALORAN_TEST_SHARDS GoogleTest shards, which CTest runs side by side.
    foreach(shard RANGE 1 ${TESSALORAN_TEST_SHARDS})
      math(EXPR index "${shard} - 1")
      add_test(NAME ${name}/${shard} COMMAND ${name})
      set_tests_properties(${name}/${shard} PROPERTIES
        ENVIRONMENT "GTEST_TOTAL_SHARDS=${TESSALORAN_TEST_SHARDS};GTEST_SHARD_INDEX=${index}")
    endforeach()
    if(WIN32)
      # They run under a locale with a decimal comma; see the file.
      target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/windows/support/DecimalCommaUser.cpp)
    endif()
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
  endif()
endfunction()
