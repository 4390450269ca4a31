# Tests of the settlements forms, in the ledger module's test program.
set(LEDGER_SETTLEMENTS_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_suite_test(ledger_settlements_cheque_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/CheckBookViewTest.cpp ${LEDGER_SETTLEMENTS_TESTS_DIR}/DovPoluchCheckaViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_settlements_cheque_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_settlements_cheque_test PRIVATE ${LEDGER_SETTLEMENTS_TESTS_DIR})

add_suite_test(ledger_settlements_forms_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/DoverennostViewTest.cpp ${LEDGER_SETTLEMENTS_TESTS_DIR}/DocObyavlViewTest.cpp
          ${LEDGER_SETTLEMENTS_TESTS_DIR}/KnigaPokViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_settlements_forms_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_settlements_forms_test PRIVATE ${LEDGER_SETTLEMENTS_TESTS_DIR})

add_suite_test(ledger_settlements_avans_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/AvansOtchViewTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_settlements_avans_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_settlements_avans_test PRIVATE ${LEDGER_SETTLEMENTS_TESTS_DIR})

add_suite_test(ledger_bank_postup_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/BankPostupViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_bank_postup_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_bank_finans_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/BankFinansViewTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_bank_finans_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_bank_spis_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/BankSpisViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_bank_spis_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_rod_fees_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/RodNuchViewTest.cpp ${LEDGER_SETTLEMENTS_TESTS_DIR}/RodPostViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_rod_fees_test ../core/res/nLedmark.rc ../core/res/resource.h)
add_suite_test(ledger_cash_order_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/CashOrderViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_cash_order_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_cash_order_test PRIVATE ${LEDGER_SETTLEMENTS_TESTS_DIR})

add_suite_test(ledger_cash_book_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/CashBookViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_cash_book_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_cash_book_test PRIVATE ${LEDGER_SETTLEMENTS_TESTS_DIR})

add_suite_test(ledger_issued_invoice_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/SchFakViewTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_issued_invoice_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_issued_invoice_test PRIVATE ${LEDGER_SETTLEMENTS_TESTS_DIR})

add_suite_test(ledger_received_invoice_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/SchFakPoluchViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_received_invoice_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_received_invoice_test PRIVATE ${LEDGER_SETTLEMENTS_TESTS_DIR})

add_suite_test(ledger_vat_books_test DATABASE GUI
  SOURCES ${LEDGER_SETTLEMENTS_TESTS_DIR}/KnigaProdViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_vat_books_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_vat_books_test PRIVATE ${LEDGER_SETTLEMENTS_TESTS_DIR})
