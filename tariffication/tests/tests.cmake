# Tests of the tariffication module. The test kit of both staff modules lives
# in personnel/tests (StaffTestKit.cmake).
include(${PROJECT_SOURCE_DIR}/personnel/tests/StaffTestKit.cmake)
set(VENZ_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_suite_test(venz_bridges_test DATABASE
  SOURCES ${VENZ_TESTS_DIR}/BridgesTest.cpp
  DEPENDS nvenzol_core staff_test_db testing_main)

add_suite_test(venz_nip_list_test DATABASE GUI
  SOURCES ${VENZ_TESTS_DIR}/NipListTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program testing_main)
staff_test_resources(venz_nip_list_test)

add_suite_test(venz_staff_sql_test DATABASE
  SOURCES ${VENZ_TESTS_DIR}/StaffSqlTest.cpp
  DEPENDS nvenzol_core staff_test_db testing_main)

add_suite_test(venz_position_book_test DATABASE GUI
  SOURCES ${VENZ_TESTS_DIR}/PositionBookTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program appcore_chooser_form testing_main)
staff_test_resources(venz_position_book_test)

add_suite_test(venz_tariff_list_test DATABASE GUI
  SOURCES ${VENZ_TESTS_DIR}/TariffListTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program appcore_chooser_form testing_main)
staff_test_resources(venz_tariff_list_test)

add_suite_test(venz_tariff_summary_test DATABASE GUI
  SOURCES ${VENZ_TESTS_DIR}/TariffSummaryTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program testing_main)
staff_test_resources(venz_tariff_summary_test)
