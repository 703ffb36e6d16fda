# The standard headers nearly every unit reads, compiled once per target instead of once per
# unit; test programs add GoogleTest's.  Only standard and test-framework headers go here, so a
# unit still has to include every header of ours that it uses.
set(DORVANE_PRECOMPILED_HEADERS
  <algorithm> <array> <atomic> <bitset> <cmath> <functional> <iomanip> <iostream> <map> <memory>
  <mutex> <optional> <set> <span> <sstream> <string> <thread> <unordered_map> <variant> <vector>)

# dorvane_library(<name> <sources...> [LIBS <libs...>])
# A static library for one folder; headers are included from the repository root
# ("numerics/VEZ_vector.h").
function(dorvane_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
    target_precompile_headers(${name} PRIVATE ${DORVANE_PRECOMPILED_HEADERS})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)  # headers only, so far
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} ${PROJECT_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${name} ${scope} ${ARG_LIBS})
  endif()
endfunction()

# dorvane_tests(<target> LABEL <label> SOURCES <files...> LIBS <libs...>)
# One GoogleTest executable registered with CTest under the folder's label.
function(dorvane_tests target)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_precompile_headers(${target} PRIVATE ${DORVANE_PRECOMPILED_HEADERS} <gtest/gtest.h>)
  # The sanitizer build runs every test but the window tests of the folders above the platform:
  # those drive whole windows for minutes under the sanitizers, and the normal build runs them.
  if(DORVANE_SANITIZE AND target MATCHES "_window_tests$" AND NOT target MATCHES "^plat_")
    set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
    return()
  endif()
  add_test(NAME ${target} COMMAND ${target} WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(${target} PROPERTIES
    LABELS "${ARG_LABEL}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=1;DORVANE_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR};DORVANE_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots")
endfunction()

# The program's data (programdata/ with the user manual printed from its help pages), staged
# in this folder by the programdata target.
set(DORVANE_PROGRAMDATA_DIR ${CMAKE_BINARY_DIR}/staged-programdata)

# dorvane_programdata(<target>)
# Copies the program's data next to the executable on every build, where the program finds
# "images", "help", "Doc" and "samples" under its own folder.
function(dorvane_programdata target)
  add_custom_target(${target}_programdata
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${DORVANE_PROGRAMDATA_DIR} $<TARGET_FILE_DIR:${target}>
    COMMENT "Program data next to ${target}"
    VERBATIM)
  add_dependencies(${target}_programdata programdata)
  add_dependencies(${target} ${target}_programdata)
endfunction()
