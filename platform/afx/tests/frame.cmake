# Tests of the frames half.
add_suite_test(afx_frame
  SOURCES tests/frame/FrameTestKit.cpp tests/frame/AppTest.cpp tests/frame/DocViewTest.cpp
          tests/frame/RoutingTest.cpp
  DEPENDS testing_main testing_gui afx
  GUI)
suite_add_resources(afx_frame tests/frame/res/frame_test.rc tests/frame/res/resource.h)
target_include_directories(afx_frame PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/frame)
