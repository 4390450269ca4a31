# What the tests of both staff modules share: the resources a test program
# embeds (both modules' scripts and the test forms, as the program has them
# once both modules are loaded). The kit's libraries are in tests.cmake here.
include_guard(GLOBAL)

function(staff_test_resources target)
  file(RELATIVE_PATH venz ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tariffication/res)
  file(RELATIVE_PATH perso ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/personnel/res)
  file(RELATIVE_PATH forms ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/personnel/tests/res)
  suite_add_resources(${target} ${venz}/nVenzol.rc ${venz}/resource.h ${venz}/StaffFormIds.h
    ${perso}/nPersoClasses.rc ${perso}/resource.h ${forms}/StaffTests.rc ${forms}/StaffTestsResource.h)
endfunction()
