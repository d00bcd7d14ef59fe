# Tests of windowed code: real widgets on Qt's offscreen platform, so no
# display is needed.
#
#   corvel_add_qt_test(NAME SOURCES file... [LIBS target...])
#     a GoogleTest executable whose main() makes the QApplication
#     (QtTestMain.cpp); its tests are discovered and run offscreen.
#   corvel_qt_test_environment(TEST...)
#     gives other CTest tests (add_test) the same environment.
include_guard(GLOBAL)

set(CORVEL_QT_TEST_MAIN ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp)
set(CORVEL_LSAN_SUPPRESSIONS ${CMAKE_CURRENT_LIST_DIR}/lsan-qt.supp)

# The environment of every windowed test: the offscreen platform, and under
# the sanitizers the suppressions for leaks inside Qt's and the system's own
# libraries (make test-sanitize sets the same).
set(CORVEL_QT_TEST_ENV "QT_QPA_PLATFORM=offscreen")
if(CORVEL_SANITIZE)
  list(APPEND CORVEL_QT_TEST_ENV "LSAN_OPTIONS=suppressions=${CORVEL_LSAN_SUPPRESSIONS}:print_suppressions=0")
endif()

if(NOT TARGET corvel_qt_test_main)
  add_library(corvel_qt_test_main STATIC ${CORVEL_QT_TEST_MAIN})
  target_link_libraries(corvel_qt_test_main PUBLIC Qt6::Widgets Qt6::Test GTest::gtest)
endif()

function(corvel_add_qt_test name)
  cmake_parse_arguments(QT_TEST "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${QT_TEST_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_link_libraries(${name} PRIVATE ${QT_TEST_LIBS} corvel_qt_test_main Qt6::Widgets Qt6::Test GTest::gtest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${CORVEL_QT_TEST_ENV}" TIMEOUT 120)
endfunction()

function(corvel_qt_test_environment)
  set_tests_properties(${ARGN} PROPERTIES ENVIRONMENT "${CORVEL_QT_TEST_ENV}")
endfunction()
