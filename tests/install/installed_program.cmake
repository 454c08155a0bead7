# Installs the build into a fresh prefix and runs what a user runs there: the
# tool writes the demo library, the program opens it and saves its window.
#   cmake -DBUILD=<build tree> -DPREFIX=<empty folder> -P installed_program.cmake
cmake_minimum_required(VERSION 3.25)
include(GNUInstallDirs)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(bin ${PREFIX}/${CMAKE_INSTALL_BINDIR})
foreach(file ${bin}/kelvor ${bin}/kelvor-library ${PREFIX}/${CMAKE_INSTALL_DATADIR}/doc/kelvor/README.md)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND ${bin}/kelvor-library demo ${PREFIX}/library RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the installed kelvor-library could not write the demo library (${rc})")
endif()
execute_process(COMMAND ${bin}/kelvor --data-root ${PREFIX}/library --screenshot ${PREFIX}/window.png
                RESULT_VARIABLE rc)
if(rc OR NOT EXISTS ${PREFIX}/window.png)
  message(FATAL_ERROR "the installed kelvor did not open the demo library (${rc})")
endif()
message(STATUS "installed program and tool work from ${PREFIX}")
