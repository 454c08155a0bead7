# Writes the demo library the scenarios copy, with the project's own tool.
#   cmake -DTOOL=<kelvor-library> -DLIBRARY=<folder> -P write_library.cmake
file(REMOVE_RECURSE ${LIBRARY})
execute_process(COMMAND ${TOOL} demo ${LIBRARY} RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "kelvor-library demo failed (${rc})")
endif()
