# Tests of the windows half.
add_suite_test(afx_gui
  SOURCES tests/gui/MessageMapTest.cpp tests/gui/DialogTest.cpp tests/gui/ResourceTest.cpp
          tests/gui/ControlsTest.cpp tests/gui/TemplateFitTest.cpp
          tests/gui/NotificationOrderTest.cpp
  DEPENDS testing_main testing_gui afx
  GUI)
suite_add_resources(afx_gui tests/gui/res/gui_test.rc tests/gui/res/resource.h tests/gui/res/mark.png)
target_include_directories(afx_gui PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/gui)

# Qt's Russian captions in a binary of their own: they change what Qt's
# windows say for every test after them.
add_suite_test(afx_qt_captions
  SOURCES tests/gui/QtCaptionsTest.cpp
  DEPENDS testing_main afx
  GUI)

# A small example: the tests' login dialog as a real window (run it under a display).
add_executable(afx_dialog_demo tests/gui/DialogDemo.cpp)
target_link_libraries(afx_dialog_demo PRIVATE afx)
suite_add_resources(afx_dialog_demo tests/gui/res/gui_test.rc tests/gui/res/resource.h tests/gui/res/mark.png)
