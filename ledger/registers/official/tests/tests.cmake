# Tests of the official reporting forms.
add_suite_test(ledger_official_forms_test DATABASE GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/OfficialFormsTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_official_forms_test ../../core/res/nLedmark.rc ../../core/res/resource.h)
add_dependencies(ledger_official_forms_test config_ext_reports)
add_suite_display_run(ledger_official_forms_test)
