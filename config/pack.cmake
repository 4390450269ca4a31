# Packs the configuration sources into the archive file beside the program.
# The packer names every file it read in a dependency file, so a change to any
# source (or to a file a source starts to name) packs the archive again.
set(VORNAL_CONFIG_ARCHIVE ${CMAKE_BINARY_DIR}/bin/vornal.cfa)
add_custom_command(
  OUTPUT ${VORNAL_CONFIG_ARCHIVE}
  COMMAND vornal_packer ${CMAKE_CURRENT_SOURCE_DIR} ${VORNAL_CONFIG_ARCHIVE} ${CMAKE_CURRENT_BINARY_DIR}/vornal.cfa.d
  DEPENDS vornal_packer ${CMAKE_CURRENT_SOURCE_DIR}/config.json
  DEPFILE ${CMAKE_CURRENT_BINARY_DIR}/vornal.cfa.d
  COMMENT "Packing the configuration into vornal.cfa"
  VERBATIM)
add_custom_target(config_archive ALL DEPENDS ${VORNAL_CONFIG_ARCHIVE})

# External report files (_sys/_ExtReports/*.extr) are read by the program from
# its own folder when a form runs them; the packer checks each one's syntax and
# copies it there.
# The official forms' editions stand in subfolders ("72n", "128n") of their own.
file(GLOB_RECURSE VORNAL_EXT_REPORTS CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/_sys/_ExtReports
     ${CMAKE_CURRENT_SOURCE_DIR}/_sys/_ExtReports/*.extr)
set(VORNAL_EXT_REPORT_COPIES)
foreach(name IN LISTS VORNAL_EXT_REPORTS)
  set(report ${CMAKE_CURRENT_SOURCE_DIR}/_sys/_ExtReports/${name})
  set(copy ${CMAKE_BINARY_DIR}/bin/_sys/_ExtReports/${name})
  add_custom_command(
    OUTPUT ${copy}
    COMMAND vornal_packer --script ${report} ${copy}
    DEPENDS vornal_packer ${report}
    COMMENT "Checking and copying the report file ${name}"
    VERBATIM)
  list(APPEND VORNAL_EXT_REPORT_COPIES ${copy})
endforeach()
add_custom_target(config_ext_reports ALL DEPENDS ${VORNAL_EXT_REPORT_COPIES})
