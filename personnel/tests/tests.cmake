# Tests of the personnel module, and the test kit of both staff modules.
include(${CMAKE_CURRENT_LIST_DIR}/StaffTestKit.cmake)
set(STAFF_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

# The kit: a fresh database with the staff, and the staff modules in a small program.
add_library(staff_test_db STATIC ${STAFF_TESTS_DIR}/StaffDatabase.cpp)
target_link_libraries(staff_test_db PUBLIC ledmark_test_support testing_db)
target_include_directories(staff_test_db PUBLIC ${STAFF_TESTS_DIR})

add_library(staff_program STATIC ${STAFF_TESTS_DIR}/StaffProgram.cpp)
target_link_libraries(staff_program PUBLIC nvenzol_core nperso_core staff_test_db testing_gui)
target_include_directories(staff_program PUBLIC ${STAFF_TESTS_DIR})

# Both modules as the application core loads them, from the program folder.
add_suite_test(staff_modules_test GUI
  SOURCES ${STAFF_TESTS_DIR}/ModuleTest.cpp
  DEPENDS appcore testing_gui testing_main)
add_dependencies(staff_modules_test nVenzol nPersoClasses)

add_suite_test(perso_mark_writer_test DATABASE
  SOURCES ${STAFF_TESTS_DIR}/MarkWriterTest.cpp
  DEPENDS nvenzol_core nperso_core staff_test_db testing_main)

add_suite_test(perso_form_base_test DATABASE GUI
  SOURCES ${STAFF_TESTS_DIR}/FormBaseTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program appcore_chooser_form testing_main)
staff_test_resources(perso_form_base_test)

add_suite_test(perso_lich_kart_test DATABASE GUI
  SOURCES ${STAFF_TESTS_DIR}/LichKartViewTest.cpp ${STAFF_TESTS_DIR}/LichKartSaveTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program appcore_chooser_form testing_main)
staff_test_resources(perso_lich_kart_test)

add_suite_test(perso_nip_view_test DATABASE GUI
  SOURCES ${STAFF_TESTS_DIR}/NipViewTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program appcore_chooser_form testing_main)
staff_test_resources(perso_nip_view_test)

add_suite_test(perso_calendar_test DATABASE GUI
  SOURCES ${STAFF_TESTS_DIR}/CalendarTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program testing_main)
staff_test_resources(perso_calendar_test)

add_suite_test(perso_prn_trv_test DATABASE GUI
  SOURCES ${STAFF_TESTS_DIR}/PrnTrvTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program testing_main)
staff_test_resources(perso_prn_trv_test)

add_suite_test(perso_trv_test DATABASE GUI
  SOURCES ${STAFF_TESTS_DIR}/TrvSheetTest.cpp
  DEPENDS nvenzol_core nperso_core staff_program appcore_chooser_form testing_main)
staff_test_resources(perso_trv_test)
