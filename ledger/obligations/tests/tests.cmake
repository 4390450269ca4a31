# Tests of the budget obligations' forms, in the ledger module's test program.
set(LEDGER_OBLIGATIONS_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_suite_test(ledger_obligations_aseg_test DATABASE GUI
  SOURCES ${LEDGER_OBLIGATIONS_TESTS_DIR}/BudgAsegViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_obligations_aseg_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_obligations_obyaz_test DATABASE GUI
  SOURCES ${LEDGER_OBLIGATIONS_TESTS_DIR}/BudgObyazViewTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_obligations_obyaz_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_obligations_rassh_test DATABASE GUI
  SOURCES ${LEDGER_OBLIGATIONS_TESTS_DIR}/BudgRasshViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_obligations_rassh_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_obligations_zayav_test DATABASE GUI
  SOURCES ${LEDGER_OBLIGATIONS_TESTS_DIR}/BudgZayavViewTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_obligations_zayav_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_obligations_lbo_reports_test DATABASE GUI
  SOURCES ${LEDGER_OBLIGATIONS_TESTS_DIR}/LboReportsTest.cpp ${LEDGER_OBLIGATIONS_TESTS_DIR}/ObligationsExecutionTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_obligations_lbo_reports_test ../core/res/nLedmark.rc ../core/res/resource.h)
