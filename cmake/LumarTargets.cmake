# Helpers that give every Lumar target the same compile settings.

# Warnings are errors (with LUMAR_WERROR) for our own code only; third-party
# headers come in as system includes through their imported targets.
function(lumar_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  # Fuzz builds use clang with sanitizers; its warnings are reported but do
  # not stop the run (the g++ build is the one that keeps -Werror).
  if(LUMAR_WERROR AND NOT LUMAR_FUZZ)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE POINTERHOLDER_TRANSITION=4)
endfunction()

# lumar_library(<name> [STATIC|OBJECT|SHARED] SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# A library of ours; src/ is its public include root so headers are included
# as "platform/text/cp1252.h", "config/settings_store.h" and so on.
function(lumar_library name)
  cmake_parse_arguments(ARG "SHARED;OBJECT" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  set(kind STATIC)
  if(ARG_SHARED)
    set(kind SHARED)
  elseif(ARG_OBJECT)
    set(kind OBJECT)
  endif()
  add_library(${name} ${kind} ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  lumar_compile_options(${name})
endfunction()

# lumar_test_pch()
# GoogleTest and GoogleMock as one precompiled header that every GoogleTest
# executable reuses: parsing them is most of the time an unoptimised test
# file takes to compile. Made once, in tests/, with the flags lumar_test
# gives its targets: it is an executable like them (an object library would
# be compiled as position-independent code and its header refused).
function(lumar_test_pch)
  add_executable(lumar_test_pch ${PROJECT_SOURCE_DIR}/tests/fixtures/test_pch.cpp)
  target_link_libraries(lumar_test_pch PRIVATE GTest::gtest_main GTest::gmock)
  target_compile_definitions(lumar_test_pch PRIVATE
    LUMAR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    LUMAR_BINARY_DIR="${PROJECT_BINARY_DIR}")
  lumar_compile_options(lumar_test_pch)
  target_precompile_headers(lumar_test_pch PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
endfunction()

# lumar_test(<name> SOURCES ... LIBS ... [ENV VAR=VALUE ...] [LABELS ...])
# A GoogleTest executable registered with CTest, one CTest entry per test case.
function(lumar_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    LUMAR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    LUMAR_BINARY_DIR="${PROJECT_BINARY_DIR}")
  lumar_compile_options(${name})
  # Qt's targets make their users position-independent code, which the
  # shared header was not compiled as.
  if(TARGET lumar_test_pch AND NOT "${ARG_LIBS}" MATCHES "lumar_views|lumar_desk|Qt6::")
    target_precompile_headers(${name} REUSE_FROM lumar_test_pch)
  endif()
  set(props "")
  if(ARG_ENV)
    list(APPEND props ENVIRONMENT "${ARG_ENV}")
  endif()
  if(ARG_LABELS)
    list(APPEND props LABELS "${ARG_LABELS}")
  endif()
  # Parameterised cases are named by their index (or their name generator),
  # never by a print of the parameter's bytes, so that names stay the same
  # from build to build.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${props})
endfunction()

# lumar_qt_test(<name> SOURCES ... LIBS ... [ENV VAR=VALUE ...] [LABELS ...])
# A QTest executable registered with CTest as one test. It runs on Qt's
# offscreen platform, so it needs no display.
function(lumar_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    QT_NO_KEYWORDS
    LUMAR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    LUMAR_BINARY_DIR="${PROJECT_BINARY_DIR}")
  lumar_compile_options(${name})
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen")
  if(ARG_ENV)
    list(APPEND env ${ARG_ENV})
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
