# harbo_add_test(NAME name SOURCES files... LIBS targets... [LABELS labels...])
# Declares one GoogleTest executable linked against the module it tests.
find_package(GTest REQUIRED)

function(harbo_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    HARBO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    HARBO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_LABELS)
    set(T_LABELS unit)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}")
endfunction()
