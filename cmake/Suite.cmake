# Helpers that keep the folder CMake files short and alike.
#
#   add_suite_library(name SOURCES ... DEPENDS ... [EXPORTS header...])
#     a platform library (shared, hidden visibility): it exports the names of its
#     public header <name>.h and of the headers listed as EXPORTS, nothing else
#   add_suite_module(name SOURCES ... DEPENDS ...)    a deliverable (shared, hidden visibility)
#   add_suite_test(name SOURCES ... DEPENDS ... [DATABASE] [GUI])
#     one test binary = one CTest test. DATABASE: the binary gets a fresh database
#     of its own on the shared local server; GUI: runs offscreen.
#   add_suite_display_run(name)
#     the GUI test binary `name` once more on a real X server of its own (tools/xvfb-run,
#     the xcb platform, a window manager when one is installed): CTest test name_xcb,
#     skipped with the reason where no X server can start. It shares the binary's
#     database, so the two runs take turns.

set(VORNAL_TEST_DB_DIR ${CMAKE_BINARY_DIR}/localdb CACHE PATH "Folder of the test run's local MariaDB server")
set(VORNAL_TEST_DB_PORT auto CACHE STRING "Port of the test run's local MariaDB server (auto: a free one, written into its folder)")

function(add_suite_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPENDS;EXPORTS" ${ARGN})
  add_library(${name} SHARED ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPENDS})
  # Every source of the library reads its exported headers first, under default
  # visibility; whatever else it defines stays hidden inside the library.
  set(exports ${CMAKE_CURRENT_BINARY_DIR}/${name}_exports.h)
  set(body "// Generated: the headers whose names ${name} exports; do not edit.\n")
  string(APPEND body "#pragma GCC visibility push(default)\n")
  foreach(header ${name}.h ${A_EXPORTS})
    string(APPEND body "#include \"${header}\"\n")
  endforeach()
  string(APPEND body "#pragma GCC visibility pop\n")
  file(WRITE ${exports}.new "${body}")
  configure_file(${exports}.new ${exports} COPYONLY)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden)
  target_compile_options(${name} PRIVATE "SHELL:-include ${exports}")
endfunction()

function(add_suite_module name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} SHARED ${A_SOURCES})
  set_target_properties(${name} PROPERTIES
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON PREFIX "")
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPENDS})
endfunction()

function(add_suite_test name)
  cmake_parse_arguments(A "DATABASE;GUI" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_DEPENDS} GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  set(env
    "VORNAL_ROOT=${PROJECT_SOURCE_DIR}"
    "VORNAL_BIN=${CMAKE_BINARY_DIR}/bin"
    "VORNAL_TEST_DB_DIR=${VORNAL_TEST_DB_DIR}"
    "VORNAL_TEST_DB_PORT=${VORNAL_TEST_DB_PORT}"
    "QT_QPA_PLATFORM=offscreen"
    "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
  if(A_DATABASE)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED localdb)
  endif()
endfunction()

function(add_suite_display_run name)
  set(display_test ${name}_xcb)
  add_test(NAME ${display_test} COMMAND ${PROJECT_SOURCE_DIR}/tools/xvfb-run $<TARGET_FILE:${name}>)
  get_test_property(${name} ENVIRONMENT env)
  list(FILTER env EXCLUDE REGEX "^QT_QPA_PLATFORM=")
  list(APPEND env "QT_QPA_PLATFORM=xcb")
  set_tests_properties(${display_test} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600 SKIP_RETURN_CODE 77)
  set_tests_properties(${name} ${display_test} PROPERTIES RESOURCE_LOCK ${name})
  get_test_property(${name} FIXTURES_REQUIRED fixtures)
  if(fixtures)
    set_tests_properties(${display_test} PROPERTIES FIXTURES_REQUIRED "${fixtures}")
  endif()
endfunction()

# One server per test run, started before the first database test and stopped after the last.
add_test(NAME localdb_start
  COMMAND ${PROJECT_SOURCE_DIR}/tools/localdb start --dir ${VORNAL_TEST_DB_DIR} --port ${VORNAL_TEST_DB_PORT} --db vornal_test_template)
set_tests_properties(localdb_start PROPERTIES FIXTURES_SETUP localdb)
add_test(NAME localdb_stop COMMAND ${PROJECT_SOURCE_DIR}/tools/localdb stop --dir ${VORNAL_TEST_DB_DIR})
set_tests_properties(localdb_stop PROPERTIES FIXTURES_CLEANUP localdb)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
include(${CMAKE_CURRENT_LIST_DIR}/SuiteResources.cmake)
