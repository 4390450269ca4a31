# Tests of the values and text half.
add_suite_test(afx_core_text
  SOURCES tests/core/CStringTest.cpp
  DEPENDS testing_main afx)
add_suite_test(afx_core_values
  SOURCES tests/core/DateTimeTest.cpp tests/core/CollectionsTest.cpp tests/core/ArchiveTest.cpp
  DEPENDS testing_main afx)
