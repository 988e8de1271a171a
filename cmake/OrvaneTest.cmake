# orvane_add_test(NAME name SOURCES a.cpp b.cpp LIBS lib... [QT])
# Builds one GoogleTest executable and registers each of its cases with ctest.
# QT: the executable starts a QApplication before the tests run.
include(GoogleTest)

function(orvane_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  if(T_QT)
    add_executable(${T_NAME} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Widgets GTest::gtest)
  else()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    ORVANE_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
    ORVANE_BINARY="$<TARGET_FILE:orvane>"
    ORVANE_BUILD_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
