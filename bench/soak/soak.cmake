# The save soak: its pieces as one object library that the program and the
# checker's test both link, the program, its test and its short run.
set(SAVE_SOAK_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(save_soak_core OBJECT
  ${SAVE_SOAK_DIR}/SoakChart.cpp
  ${SAVE_SOAK_DIR}/SoakChecker.cpp
  ${SAVE_SOAK_DIR}/SoakClient.cpp
  ${SAVE_SOAK_DIR}/SoakKinds.cpp
  ${SAVE_SOAK_DIR}/SoakLog.cpp
  ${SAVE_SOAK_DIR}/SoakRandom.cpp)
target_link_libraries(save_soak_core PUBLIC nledmark_core)
target_include_directories(save_soak_core PUBLIC ${SAVE_SOAK_DIR})

add_executable(save_soak ${SAVE_SOAK_DIR}/save_soak.cpp ${SAVE_SOAK_DIR}/SoakConductor.cpp
  ${SAVE_SOAK_DIR}/SoakClientProcess.cpp RawOdbcDocuments.cpp RawOdbcConnection.cpp)
target_link_libraries(save_soak PRIVATE save_soak_core nledmark_core PkgConfig::ODBC)
target_compile_definitions(save_soak PRIVATE VORNAL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  VORNAL_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
add_dependencies(save_soak config_archive)

add_suite_test(save_soak_checker_test DATABASE
  SOURCES ${SAVE_SOAK_DIR}/tests/SoakCheckerTest.cpp
  DEPENDS save_soak_core nledmark_core ledmark_test_db testing_main)

# The short run: 4 clients of 25 documents, the server killed twice, a fixed
# seed; a server of its own in the build folder.
add_test(NAME save_soak_short
  COMMAND save_soak --clients 4 --docs 25 --kill 2 --seed 32 --dir ${CMAKE_BINARY_DIR}/save-soak-localdb)
set_tests_properties(save_soak_short PROPERTIES TIMEOUT 300)
