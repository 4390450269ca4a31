# Tests of the application core's configuration archive and interpreter.
set(APPCORE_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

# Two tiny modules for the module loader: one starts, one refuses to.
add_suite_module(appcore_test_module SOURCES ${APPCORE_TESTS_DIR}/TestModule.cpp DEPENDS appcore)
add_suite_module(appcore_test_module_refuses SOURCES ${APPCORE_TESTS_DIR}/TestModule.cpp DEPENDS appcore)
target_compile_definitions(appcore_test_module_refuses PRIVATE TEST_MODULE_RESULT=0)

# Two modules with the same class names, resource ids and document name.
foreach(letter a b)
  add_suite_module(appcore_twin_${letter} SOURCES ${APPCORE_TESTS_DIR}/TwinModule.cpp DEPENDS appcore)
  string(TOUPPER ${letter} upper)
  target_compile_definitions(appcore_twin_${letter} PRIVATE TWIN_LETTER="${upper}")
  target_include_directories(appcore_twin_${letter} PRIVATE ${APPCORE_TESTS_DIR})
  suite_add_resources(appcore_twin_${letter} tests/res/twin_${letter}.rc tests/res/TwinResource.h)
endforeach()
add_suite_test(appcore_twin_modules_test GUI
  SOURCES ${APPCORE_TESTS_DIR}/TwinModulesTest.cpp ${APPCORE_TESTS_DIR}/LibraryExportsTest.cpp
  DEPENDS appcore testing_main ${CMAKE_DL_LIBS})
add_dependencies(appcore_twin_modules_test appcore_twin_a appcore_twin_b naddviews)

add_suite_test(appcore_config_test
  SOURCES ${APPCORE_TESTS_DIR}/ConfigArchiveTest.cpp ${APPCORE_TESTS_DIR}/ConfigSourceTest.cpp
  DEPENDS appcore appcore_packer_lib testing_main)
add_dependencies(appcore_config_test config_archive config_ext_reports)

add_suite_test(appcore_script_test
  SOURCES ${APPCORE_TESTS_DIR}/InterpriterTest.cpp ${APPCORE_TESTS_DIR}/ModuleLoaderTest.cpp
  DEPENDS appcore appcore_packer_lib testing_main)
add_dependencies(appcore_script_test appcore_test_module appcore_test_module_refuses config_archive)

add_suite_test(appcore_script_db_test DATABASE
  SOURCES ${APPCORE_TESTS_DIR}/ScriptDbApiTest.cpp
  DEPENDS appcore testing_db testing_main)

add_suite_test(appcore_script_gui_test GUI
  SOURCES ${APPCORE_TESTS_DIR}/ScriptUserHooksTest.cpp
  DEPENDS appcore testing_gui testing_main)

# Texts and the document counter of the application core.
add_suite_test(appcore_text_test
  SOURCES ${APPCORE_TESTS_DIR}/AmountInWordsTest.cpp ${APPCORE_TESTS_DIR}/DocumentKindsTest.cpp
  DEPENDS appcore testing_main)
add_suite_test(appcore_documents_test DATABASE
  SOURCES ${APPCORE_TESTS_DIR}/DocumentCounterTest.cpp
  DEPENDS appcore testing_db testing_main)

# The user of the session and one instance per name (with a second process).
add_executable(appcore_instance_probe ${APPCORE_TESTS_DIR}/InstanceProbe.cpp)
target_link_libraries(appcore_instance_probe PRIVATE appcore)
add_suite_test(appcore_session_test DATABASE GUI
  SOURCES ${APPCORE_TESTS_DIR}/UserSessionTest.cpp
  DEPENDS appcore testing_db testing_gui testing_main)
add_dependencies(appcore_session_test appcore_instance_probe config_archive)

# The reference-book picker driven through the interaction script.
add_library(appcore_chooser_form STATIC ${APPCORE_TESTS_DIR}/ChooserForm.cpp)
target_link_libraries(appcore_chooser_form PUBLIC appcore testing_gui)
target_include_directories(appcore_chooser_form PUBLIC ${APPCORE_TESTS_DIR})
add_suite_test(appcore_picker_test DATABASE GUI
  SOURCES ${APPCORE_TESTS_DIR}/BookPickerTest.cpp
  DEPENDS appcore appcore_chooser_form testing_db testing_gui testing_main)
suite_add_resources(appcore_picker_test tests/res/appcore_test.rc tests/res/TestResource.h)
add_dependencies(appcore_picker_test config_archive)

# The view bases, forms by name, the configuration's grid forms and the report window.
add_suite_test(appcore_views_test DATABASE GUI
  SOURCES ${APPCORE_TESTS_DIR}/CoreProgram.cpp ${APPCORE_TESTS_DIR}/ViewsTest.cpp ${APPCORE_TESTS_DIR}/SprEditorTest.cpp
  DEPENDS appcore appcore_chooser_form testing_db testing_gui testing_main)
suite_add_resources(appcore_views_test tests/res/views_test.rc tests/res/ViewsResource.h
  tests/res/appcore_test.rc tests/res/TestResource.h)

# The application's base, the main frame's base, the settings sheet, the core's pictures and photos.
add_suite_test(appcore_frame_test GUI
  SOURCES ${APPCORE_TESTS_DIR}/ApplicationFrameTest.cpp ${APPCORE_TESTS_DIR}/PictureTest.cpp
  DEPENDS appcore testing_gui testing_main)
suite_add_resources(appcore_frame_test tests/res/views_test.rc tests/res/ViewsResource.h)
add_dependencies(appcore_frame_test config_archive)
