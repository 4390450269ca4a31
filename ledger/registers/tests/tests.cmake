# Tests of the ledger registers.
set(LEDGER_REGISTERS_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_suite_test(ledger_registers_journal_form_test DATABASE GUI
  SOURCES ${LEDGER_REGISTERS_TESTS_DIR}/JournalOpsFormTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_registers_journal_form_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_registers_main_book_test DATABASE GUI
  SOURCES ${LEDGER_REGISTERS_TESTS_DIR}/MainBookTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_registers_main_book_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_registers_journal_print_test DATABASE GUI
  SOURCES ${LEDGER_REGISTERS_TESTS_DIR}/JournalOpsPrintTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_registers_journal_print_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_registers_turnover_sheet_test DATABASE GUI
  SOURCES ${LEDGER_REGISTERS_TESTS_DIR}/TurnoverSheetTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_registers_turnover_sheet_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_registers_account_turnovers_test DATABASE GUI
  SOURCES ${LEDGER_REGISTERS_TESTS_DIR}/AccountTurnoversTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_registers_account_turnovers_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_registers_reconciliation_test DATABASE GUI
  SOURCES ${LEDGER_REGISTERS_TESTS_DIR}/ReconciliationActTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_registers_reconciliation_test ../core/res/nLedmark.rc ../core/res/resource.h)
add_suite_display_run(ledger_registers_reconciliation_test)

add_suite_test(ledger_registers_off_balance_summary_test DATABASE GUI
  SOURCES ${LEDGER_REGISTERS_TESTS_DIR}/OffBalanceAndSummaryTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_registers_off_balance_summary_test ../core/res/nLedmark.rc ../core/res/resource.h)
add_suite_display_run(ledger_registers_off_balance_summary_test)
