# suite_add_resources(target script.rc [resource.h] [pictures...])
#
# Embeds a deliverable's resource script with the files it names (its
# resource.h, PNG pictures) into the target. The generated source registers
# them when the library loads (res/AfxResources.h). Paths are kept relative to
# the script's folder, so the script names its files as they lie beside it.
set(VORNAL_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedResources.cmake)

function(suite_add_resources target script)
  get_filename_component(base ${script} DIRECTORY)
  get_filename_component(base ${CMAKE_CURRENT_SOURCE_DIR}/${base} ABSOLUTE)
  set(files "")
  set(depends "")
  foreach(f ${script} ${ARGN})
    get_filename_component(abs ${CMAKE_CURRENT_SOURCE_DIR}/${f} ABSOLUTE)
    list(APPEND files ${abs})
    list(APPEND depends ${abs})
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  set(list ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.txt)
  # The list is rewritten only when it changes, and the embedding depends on
  # it: a file added to the list is embedded even when it is older than the
  # generated source.
  file(WRITE ${list}.new "${files}")
  configure_file(${list}.new ${list} COPYONLY)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DMODULE=${target} -DBASE=${base} -DLIST=${list}
            -P ${VORNAL_EMBED_SCRIPT}
    DEPENDS ${depends} ${list} ${VORNAL_EMBED_SCRIPT}
    COMMENT "Embedding the resources of ${target}")
  target_sources(${target} PRIVATE ${out})
endfunction()
