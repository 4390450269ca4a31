# Tests of the payroll's reports: the selection forms and the posting
# transfer, on the payroll test kit (payroll/input/tests).
set(PAYROLL_REPORTS_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})
# The kit's resources are found from its own folder.
set(PAYROLL_TESTS_DIR ${PROJECT_SOURCE_DIR}/payroll/input/tests)

add_suite_test(paymar_report_frames_test DATABASE GUI
  SOURCES ${PAYROLL_REPORTS_TESTS_DIR}/SelectionFramesTest.cpp
  DEPENDS npaymar_core nperso_core nvenzol_core payroll_program testing_main)
payroll_test_resources(paymar_report_frames_test)
add_suite_display_run(paymar_report_frames_test)

add_suite_test(paymar_posting_transfer_test DATABASE GUI
  SOURCES ${PAYROLL_REPORTS_TESTS_DIR}/PostingTransferTest.cpp
  DEPENDS npaymar_core nperso_core nvenzol_core payroll_program testing_main)
payroll_test_resources(paymar_posting_transfer_test)
add_suite_display_run(paymar_posting_transfer_test)

add_suite_test(paymar_employee_forms_test DATABASE GUI
  SOURCES ${PAYROLL_REPORTS_TESTS_DIR}/EmployeeFormsTest.cpp
  DEPENDS npaymar_core nperso_core nvenzol_core payroll_program testing_main)
payroll_test_resources(paymar_employee_forms_test)
add_suite_display_run(paymar_employee_forms_test)

add_suite_test(paymar_employee_script_forms_test DATABASE GUI
  SOURCES ${PAYROLL_REPORTS_TESTS_DIR}/EmployeeScriptFormsTest.cpp
  DEPENDS npaymar_core nperso_core nvenzol_core payroll_program testing_main)
payroll_test_resources(paymar_employee_script_forms_test)
