# Tests of the values and text half.
add_suite_test(afx_core_text
  SOURCES tests/core/CStringTest.cpp
  DEPENDS testing_main afx)
