# Fails unless the shared library, its links, the pkg-config file and the
# version header agree on one version MAJOR.MINOR.PATCH: the header's macros
# and the .pc file's Version are that version, the library file is
# libspecsdk.so.MAJOR.MINOR.PATCH with the SONAME libspecsdk.so.MAJOR, and
# libspecsdk.so.MAJOR and libspecsdk.so lead to it.
#
#   cmake -DOBJDUMP=objdump -DLIBRARY=<lib file> -DPC=specsdk.pc
#         -DHEADER=specsdk_version.h -P check_version.cmake

file(STRINGS ${PC} pc_version REGEX "^Version: ")
string(REGEX REPLACE "^Version: *" "" version "${pc_version}")
if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "${PC}: no MAJOR.MINOR.PATCH version: '${version}'")
endif()
set(major ${CMAKE_MATCH_1})
set(minor ${CMAKE_MATCH_2})
set(patch ${CMAKE_MATCH_3})

file(READ ${HEADER} header)
foreach(part MAJOR MINOR PATCH)
  string(TOLOWER ${part} var)
  if(NOT header MATCHES "#define SPECSDK_VERSION_${part} ([0-9]+)\n"
     OR NOT CMAKE_MATCH_1 STREQUAL "${${var}}")
    message(FATAL_ERROR "${HEADER}: SPECSDK_VERSION_${part} is not ${${var}}")
  endif()
endforeach()
if(NOT header MATCHES "#define SPECSDK_VERSION \"${major}\\.${minor}\\.${patch}\"")
  message(FATAL_ERROR "${HEADER}: SPECSDK_VERSION is not \"${version}\"")
endif()

get_filename_component(dir ${LIBRARY} DIRECTORY)
get_filename_component(name ${LIBRARY} NAME)
if(NOT name STREQUAL "libspecsdk.so.${version}")
  message(FATAL_ERROR "the library file is ${name}, not libspecsdk.so.${version}")
endif()
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT listing MATCHES "\n *SONAME +([^ \n]+)")
  message(FATAL_ERROR "${LIBRARY} has no SONAME")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL "libspecsdk.so.${major}")
  message(FATAL_ERROR "SONAME ${CMAKE_MATCH_1}, expected libspecsdk.so.${major}")
endif()
foreach(link libspecsdk.so.${major} libspecsdk.so)
  if(NOT IS_SYMLINK ${dir}/${link})
    message(FATAL_ERROR "${dir}/${link} is not a symbolic link")
  endif()
  file(REAL_PATH ${dir}/${link} target)
  file(REAL_PATH ${LIBRARY} library)
  if(NOT target STREQUAL library)
    message(FATAL_ERROR "${dir}/${link} leads to ${target}, not ${library}")
  endif()
endforeach()
message(STATUS "specsdk ${version}, SONAME libspecsdk.so.${major}")
