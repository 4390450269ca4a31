# Tests of what the material and asset documents share, on a test form in the
# ledger module's test program, and of the fixed-asset register.
set(LEDGER_ASSETS_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(ledger_assets_test_form STATIC ${LEDGER_ASSETS_TESTS_DIR}/AssetsForm.cpp)
target_link_libraries(ledger_assets_test_form PUBLIC ledger_core_program)
target_include_directories(ledger_assets_test_form PUBLIC ${LEDGER_ASSETS_TESTS_DIR})

add_suite_test(ledger_assets_shared_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/FragmentSearchTest.cpp ${LEDGER_ASSETS_TESTS_DIR}/AccountDimensionsTest.cpp
  DEPENDS nledmark_core ledger_assets_test_form ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_shared_test ../core/res/nLedmark.rc ../core/res/resource.h
  tests/res/assets_test.rc tests/res/AssetsTestResource.h)

add_suite_test(ledger_assets_register_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/AssetRegisterTest.cpp
  DEPENDS nledmark_core ledger_core_program testing_main)
suite_add_resources(ledger_assets_register_test ../core/res/nLedmark.rc ../core/res/resource.h)

add_suite_test(ledger_assets_balance_test DATABASE
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/AccountBalanceTest.cpp
  DEPENDS nledmark_core ledmark_test_db testing_main)

add_suite_test(ledger_assets_receipt_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/MatPrixViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_receipt_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_receipt_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)

add_suite_test(ledger_assets_writeoff_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/MaterialsSpisViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_writeoff_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_writeoff_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)

add_suite_test(ledger_assets_menu_treb_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/MenuTrebViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_menu_treb_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_menu_treb_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)

add_suite_test(ledger_assets_cards_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/MaterialCardsTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_cards_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_cards_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)

add_suite_test(ledger_assets_transfer_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/MolTransferViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_transfer_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_transfer_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)

add_suite_test(ledger_assets_os_spis_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/OsSpisViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_os_spis_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_os_spis_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)

add_suite_test(ledger_assets_os_cards_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/AssetCardsTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_os_cards_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_os_cards_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)
add_suite_test(ledger_assets_nakl_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/OsNaklViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_nakl_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_nakl_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)


add_suite_test(ledger_assets_purchase_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/OsPokupViewTest.cpp ${LEDGER_ASSETS_TESTS_DIR}/DogMatOtvViewTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_purchase_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_purchase_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)
add_suite_test(ledger_assets_depreciation_test DATABASE GUI
  SOURCES ${LEDGER_ASSETS_TESTS_DIR}/DepreciationTest.cpp ${LEDGER_ASSETS_TESTS_DIR}/FixedAssetFormsTest.cpp
  DEPENDS nledmark_core ledger_core_program appcore_chooser_form testing_main)
suite_add_resources(ledger_assets_depreciation_test ../core/res/nLedmark.rc ../core/res/resource.h)
target_include_directories(ledger_assets_depreciation_test PRIVATE ${LEDGER_ASSETS_TESTS_DIR}/../../settlements/tests)
