# Tests of the windows half.
add_suite_test(afx_gui
  SOURCES tests/gui/MessageMapTest.cpp tests/gui/DialogTest.cpp tests/gui/ResourceTest.cpp
  DEPENDS testing_main testing_gui afx
  GUI)
suite_add_resources(afx_gui tests/gui/res/gui_test.rc tests/gui/res/resource.h tests/gui/res/mark.png)
target_include_directories(afx_gui PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/gui)
