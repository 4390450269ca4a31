# Tests of the ledger core.
set(LEDGER_CORE_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_suite_test(ledger_core_module_test
  SOURCES ${LEDGER_CORE_TESTS_DIR}/ModuleTest.cpp
  DEPENDS nLedmark appcore testing_main)

add_suite_test(ledger_core_store_test DATABASE
  SOURCES ${LEDGER_CORE_TESTS_DIR}/StoredDocumentTest.cpp
  DEPENDS nledmark_core ledmark_test_db testing_main)

add_suite_test(ledger_core_lines_test DATABASE
  SOURCES ${LEDGER_CORE_TESTS_DIR}/OperLinesTest.cpp
  DEPENDS nledmark_core ledmark_test_db testing_main)
