# Tests of the calculation library on the real database.
add_suite_test(ncalcset_test DATABASE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/EmployeeDataTest.cpp ${CMAKE_CURRENT_LIST_DIR}/PayScaleTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PayrollPiecesTest.cpp
  DEPENDS ncalcset testing_db testing_main)
