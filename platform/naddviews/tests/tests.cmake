# Tests of the shared choosers on the real database, driven through the interaction script.
add_suite_test(naddviews_test DATABASE GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ChoosersTest.cpp
  DEPENDS naddviews appcore_chooser_form testing_db testing_gui testing_main)
suite_add_resources(naddviews_test ../appcore/tests/res/appcore_test.rc ../appcore/tests/res/TestResource.h)
add_dependencies(naddviews_test config_archive)

# The selection forms in a small program on the real database.
add_suite_test(naddviews_selection_test DATABASE GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SelectionViewsTest.cpp
  DEPENDS naddviews testing_db testing_gui testing_main)
suite_add_resources(naddviews_selection_test tests/res/selection_test.rc tests/res/SelectionTestResource.h)
