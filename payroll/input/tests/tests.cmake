# Tests of the payroll module, and its test kit: the payroll, personnel and
# tariffication modules' code in a small program, with their three resource
# scripts and the test forms embedded as the program has them once the
# modules are loaded.
set(PAYROLL_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

function(payroll_test_resources target)
  file(RELATIVE_PATH tests ${CMAKE_CURRENT_SOURCE_DIR} ${PAYROLL_TESTS_DIR}/res)
  file(RELATIVE_PATH pay ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/payroll/input/res)
  file(RELATIVE_PATH venz ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tariffication/res)
  file(RELATIVE_PATH perso ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/personnel/res)
  suite_add_resources(${target} ${tests}/PayrollTests.rc ${tests}/PayrollTestsResource.h
    ${pay}/nPaymar_r.rc ${pay}/resource.h ${venz}/nVenzol.rc ${venz}/resource.h ${venz}/StaffFormIds.h
    ${perso}/nPersoClasses.rc ${perso}/resource.h)
endfunction()

# One payroll test binary: its source in this folder, the three staff modules,
# the test program and the resources; further libraries after the source.
function(payroll_test name source)
  add_suite_test(${name} DATABASE GUI
    SOURCES ${PAYROLL_TESTS_DIR}/${source}
    DEPENDS npaymar_core nperso_core nvenzol_core payroll_program ${ARGN} testing_main)
  payroll_test_resources(${name})
endfunction()

add_library(payroll_program STATIC ${PAYROLL_TESTS_DIR}/PayrollProgram.cpp)
target_link_libraries(payroll_program PUBLIC npaymar_core nperso_core nvenzol_core ledmark_test_support testing_db
  testing_gui)
# The staff modules' headers are named from the project's root
# ("personnel/CPerso.h"): their folders hold a CMyFormView1.h of their own.
target_include_directories(payroll_program PUBLIC ${PAYROLL_TESTS_DIR} ${PROJECT_SOURCE_DIR})

payroll_test(paymar_module_test ModuleTest.cpp)

payroll_test(paymar_form_base_test FormBaseTest.cpp appcore_chooser_form)

payroll_test(paymar_shared_sql_test SharedPiecesTest.cpp)

payroll_test(paymar_positions_test PositionsBookTest.cpp appcore_chooser_form)

payroll_test(paymar_books_test BooksTest.cpp)

payroll_test(paymar_pay_record_test BookViewTest.cpp)

payroll_test(paymar_trv_test TrvViewTest.cpp)

payroll_test(paymar_average_test AverageTest.cpp)

payroll_test(paymar_family_test FamilyTest.cpp appcore_chooser_form)

payroll_test(paymar_tax_writs_test TaxAndWritTest.cpp appcore_chooser_form)

payroll_test(paymar_sick_leave_test SickLeaveTest.cpp ledger_core_program)

payroll_test(paymar_average_earnings_test AverageEarningsTest.cpp ledger_core_program)

payroll_test(paymar_run_test AccrualRunTest.cpp)

payroll_test(paymar_hours_test HoursTest.cpp)

payroll_test(paymar_night_hours_test NightHoursTest.cpp appcore_chooser_form)

payroll_test(paymar_time_pay_test TimePayTest.cpp)
add_suite_test(paymar_vacation_test DATABASE GUI
  SOURCES ${PAYROLL_TESTS_DIR}/VacationDemoTest.cpp ${PAYROLL_TESTS_DIR}/VacationAverageTest.cpp
    ${PAYROLL_TESTS_DIR}/VacationFormTest.cpp
  DEPENDS npaymar_core nperso_core nvenzol_core payroll_program ledger_core_program testing_main)
payroll_test_resources(paymar_vacation_test)
add_suite_display_run(paymar_vacation_test)
