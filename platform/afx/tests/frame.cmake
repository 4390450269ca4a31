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

# A program on AfxWinMain that the tests run as a process.
add_executable(afx_frame_program tests/frame/ProgramMain.cpp)
target_link_libraries(afx_frame_program PRIVATE afx)
set_target_properties(afx_frame_program PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
suite_add_resources(afx_frame_program tests/frame/res/frame_test.rc tests/frame/res/resource.h
  tests/frame/res/toolbar.png tests/frame/res/picture.png)
target_include_directories(afx_frame_program PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/frame)
add_dependencies(afx_frame afx_frame_program)
