# Fails when a folder includes a header of a folder above it. Run as
#   cmake -DROOT=<source tree> -P include_direction.cmake
# Folders rank from the bottom up; a file may include its own rank and below.
# The authoring tool writes libraries and may use the library and import folders only.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "ROOT (the source tree to check) is not set")
endif()

set(rank_library 0)
set(rank_catalogue 1)
foreach(folder viewer search reports settings personal keywords tools import)
  set(rank_${folder} 2)
endforeach()
set(rank_app 3)
set(authoring_may_use library import authoring)

file(GLOB_RECURSE files RELATIVE ${ROOT}
  ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/authoring/*.h ${ROOT}/authoring/*.cpp)
list(FILTER files EXCLUDE REGEX "^authoring/content/")  # sample programs of the demo library
set(violations "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^(src/([a-z]+)|authoring)/" _ "${file}")
  if(CMAKE_MATCH_1 STREQUAL "authoring")
    set(own authoring)
  else()
    set(own ${CMAKE_MATCH_2})
  endif()
  file(STRINGS ${ROOT}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    # "x/...", "../x/...", "../src/x/..." or <x/...>
    if(NOT line MATCHES "include[ \t]*[<\"](\\.\\./)*(src/)?([a-z]+)/")
      continue()
    endif()
    set(target ${CMAKE_MATCH_3})
    if(NOT DEFINED rank_${target} AND NOT target STREQUAL "authoring")
      continue()   # a system or Qt header, or a folder of our own folder
    endif()
    set(wrong FALSE)
    if(own STREQUAL "authoring")
      if(NOT target IN_LIST authoring_may_use)
        set(wrong TRUE)
      endif()
    elseif(target STREQUAL "authoring")
      set(wrong TRUE)   # the program never depends on the tool
    elseif(DEFINED rank_${own} AND rank_${target} GREATER rank_${own})
      set(wrong TRUE)
    endif()
    if(wrong)
      string(STRIP "${line}" line)
      list(APPEND violations "${file}: ${line}  (${own} must not include ${target})")
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes that point up the dependency direction "
    "(library -> catalogue -> viewer/search/settings/personal/keywords/tools/import -> app):\n  ${text}")
endif()
list(LENGTH files count)
message(STATUS "${count} files include only their own folder's rank or below")
