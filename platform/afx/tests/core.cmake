# Tests of the values and text half.
add_suite_test(afx_core_text
  SOURCES tests/core/CStringTest.cpp
  DEPENDS testing_main afx)
add_suite_test(afx_core_values
  SOURCES tests/core/DateTimeTest.cpp tests/core/CollectionsTest.cpp tests/core/ArchiveTest.cpp
  DEPENDS testing_main afx)

add_executable(afx_profile_writer tests/core/ProfileWriter.cpp)
target_link_libraries(afx_profile_writer PRIVATE afx)
set_target_properties(afx_profile_writer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_suite_test(afx_core_profile
  SOURCES tests/core/ProfileTest.cpp
  DEPENDS testing_main afx)
add_dependencies(afx_core_profile afx_profile_writer)
add_suite_test(afx_core_files
  SOURCES tests/core/FilesTest.cpp
  DEPENDS testing_main afx)
