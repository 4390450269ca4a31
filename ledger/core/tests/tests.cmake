# Tests of the ledger core.
set(LEDGER_CORE_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_suite_test(ledger_core_module_test
  SOURCES ${LEDGER_CORE_TESTS_DIR}/ModuleTest.cpp
  DEPENDS nLedmark appcore testing_main)
