# Tests of the warehouse module, and its test kit.
set(STOCK_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

# The kit: a fresh database with the warehouse's demo, and the module with its
# test forms in a small program.
add_library(stock_program STATIC ${STOCK_TESTS_DIR}/StockProgram.cpp)
target_link_libraries(stock_program PUBLIC nstovan_core ledmark_test_support testing_db testing_gui)
target_include_directories(stock_program PUBLIC ${STOCK_TESTS_DIR})

# A test program of the kit embeds the module's resources and the test forms.
function(stock_test_resources target)
  suite_add_resources(${target} res/nStovan_r.rc res/resource.h tests/res/StockTests.rc
    tests/res/StockTestsResource.h)
endfunction()

# The module as the application core loads it, from the program folder.
add_suite_test(stock_module_test GUI
  SOURCES ${STOCK_TESTS_DIR}/ModuleTest.cpp
  DEPENDS nStovan_r appcore testing_gui testing_main)
add_dependencies(stock_module_test config_archive)

add_suite_test(stock_form_base_test DATABASE GUI
  SOURCES ${STOCK_TESTS_DIR}/FormBaseTest.cpp
  DEPENDS stock_program appcore_chooser_form testing_main)
stock_test_resources(stock_form_base_test)

add_suite_test(stock_receipt_test DATABASE GUI
  SOURCES ${STOCK_TESTS_DIR}/PrixodTest.cpp
  DEPENDS stock_program appcore_chooser_form testing_main)
stock_test_resources(stock_receipt_test)

add_suite_test(stock_requisition_test DATABASE GUI
  SOURCES ${STOCK_TESTS_DIR}/RashodTest.cpp
  DEPENDS stock_program appcore_chooser_form testing_main)
stock_test_resources(stock_requisition_test)

add_suite_test(stock_reports_test DATABASE GUI
  SOURCES ${STOCK_TESTS_DIR}/StockReportsTest.cpp
  DEPENDS stock_program testing_main)
stock_test_resources(stock_reports_test)
