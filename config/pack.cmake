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
