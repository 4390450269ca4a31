# Tests of the ledger core.
set(LEDGER_CORE_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_suite_test(ledger_core_module_test
  SOURCES ${LEDGER_CORE_TESTS_DIR}/ModuleTest.cpp
  DEPENDS nLedmark appcore testing_main)


add_suite_test(ledger_core_lines_test DATABASE
  SOURCES ${LEDGER_CORE_TESTS_DIR}/OperLinesTest.cpp
  DEPENDS nledmark_core ledmark_test_db testing_main)

add_suite_test(ledger_core_chart_facts_test DATABASE
  SOURCES ${LEDGER_CORE_TESTS_DIR}/ChartFactsTest.cpp
  DEPENDS nledmark_core ledmark_test_db testing_main)

add_suite_test(ledger_core_journal_rules_test
  SOURCES ${LEDGER_CORE_TESTS_DIR}/JournalRulesTest.cpp
  DEPENDS nledmark_core testing_main)

add_library(ledger_core_test_support STATIC ${LEDGER_CORE_TESTS_DIR}/AnswerWindow.cpp)
target_link_libraries(ledger_core_test_support PUBLIC afx testing_gui)
target_include_directories(ledger_core_test_support PUBLIC ${LEDGER_CORE_TESTS_DIR})

add_suite_test(ledger_core_pickers_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/PickersTest.cpp
  DEPENDS nledmark_core ledger_core_test_support appcore_chooser_form ledmark_test_db testing_main)

add_suite_test(ledger_core_schet_edit_test GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/SchetEditTest.cpp
  DEPENDS nledmark_core ledmark_test_support testing_gui testing_main)

# The module's forms in a small program: the module's code and its resources.
add_library(ledger_core_program STATIC ${LEDGER_CORE_TESTS_DIR}/LedgerProgram.cpp ${LEDGER_CORE_TESTS_DIR}/ReportShown.cpp)
target_link_libraries(ledger_core_program PUBLIC nledmark_core ledmark_test_db testing_gui)
target_include_directories(ledger_core_program PUBLIC ${LEDGER_CORE_TESTS_DIR})

add_suite_test(ledger_core_store_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/StoredDocumentTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_core_store_test res/nLedmark.rc res/resource.h)

add_suite_test(ledger_core_oper_view_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/OperByHandViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_core_oper_view_test res/nLedmark.rc res/resource.h)
add_suite_display_run(ledger_core_oper_view_test)

add_suite_test(ledger_core_journal_view_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/ProvodkiViewTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_core_journal_view_test res/nLedmark.rc res/resource.h)
add_suite_display_run(ledger_core_journal_view_test)

add_suite_test(ledger_core_picker_forms_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/PickerFormsTest.cpp
  DEPENDS nledmark_core ledger_core_program ledger_core_test_support testing_main)

add_suite_test(ledger_core_row_marks_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/RowMarksTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_core_row_marks_test res/nLedmark.rc res/resource.h)

add_suite_test(ledger_core_select_if_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/SelectIFViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_core_select_if_test res/nLedmark.rc res/resource.h)

add_suite_test(ledger_core_shared_commands_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/SharedCommandsTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_core_shared_commands_test res/nLedmark.rc res/resource.h
  tests/res/shared_test.rc tests/res/SharedTestResource.h)

add_suite_test(ledger_core_actual_date_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/AktualDateViewTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_core_actual_date_test res/nLedmark.rc res/resource.h)

add_suite_test(ledger_core_ofk_view_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/OfkViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_core_ofk_view_test res/nLedmark.rc res/resource.h)
add_dependencies(ledger_core_ofk_view_test config_ext_reports)

add_suite_test(ledger_core_branches_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/SprFilsViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_core_branches_test res/nLedmark.rc res/resource.h)

add_suite_test(ledger_core_journal_masks_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/SprJrnOperViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_core_journal_masks_test res/nLedmark.rc res/resource.h)

add_suite_test(ledger_core_food_norms_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/SprNormPitViewTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_core_food_norms_test res/nLedmark.rc res/resource.h)

add_suite_test(ledger_core_closing_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/ClosingTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_core_closing_test res/nLedmark.rc res/resource.h)

# Every numbered document kind saved beside another program's save of its kind.
add_suite_test(ledger_document_numbers_test DATABASE GUI
  SOURCES ${LEDGER_CORE_TESTS_DIR}/DocumentNumbersTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_document_numbers_test res/nLedmark.rc res/resource.h)
