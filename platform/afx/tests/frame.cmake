# Tests of the frames half.
add_suite_test(afx_frame
  SOURCES tests/frame/FrameTestKit.cpp tests/frame/AppTest.cpp tests/frame/DocViewTest.cpp
          tests/frame/RoutingTest.cpp tests/frame/MenuTest.cpp tests/frame/BarsTest.cpp tests/frame/GdiTest.cpp
          tests/frame/SheetTest.cpp tests/frame/ThreadTest.cpp
  DEPENDS testing_main testing_gui afx
  GUI)
suite_add_resources(afx_frame tests/frame/res/frame_test.rc tests/frame/res/resource.h
  tests/frame/res/toolbar.png tests/frame/res/picture.png)
target_include_directories(afx_frame PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/frame)
