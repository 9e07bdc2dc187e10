# Fails unless LIBRARY exports exactly the names that DEF (specsdk.def)
# lists, undecorated.
#
#   cmake -DNM=nm -DLIBRARY=libspecsdk.so -DDEF=specsdk.def -P check_exports.cmake
#   cmake -DOBJDUMP=i686-w64-mingw32-objdump -DLIBRARY=specsdk.dll -DDEF=specsdk.def -P ...

file(STRINGS ${DEF} def_lines)
set(expected "")
set(in_exports FALSE)
foreach(line IN LISTS def_lines)
  if(line MATCHES "^EXPORTS")
    set(in_exports TRUE)
  elseif(in_exports AND line MATCHES "^[ \t]+([A-Za-z_0-9]+)")
    list(APPEND expected "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(SORT expected)

if(OBJDUMP)
  # The PE export table, lines like "	[   3] GetLumbda" after
  # "[Ordinal/Name Pointer] Table".
  execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
  string(REGEX REPLACE ".*\\[Ordinal/Name Pointer\\] Table\n" "" listing "${listing}")
  set(pattern "^[ \t]*\\[ *[0-9]+\\] +([^ \t]+)$")
else()
  # Dynamic symbols, lines like "0000000000001234 T QSP_ColorGetXYZ".
  execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
  set(pattern "^[0-9a-fA-F]* *[A-Za-z] +([^ \t]+)$")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "listing the exports of ${LIBRARY} failed")
endif()

string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(names "")
foreach(line IN LISTS lines)
  if(line MATCHES "${pattern}")
    list(APPEND names "${CMAKE_MATCH_1}")
  elseif(OBJDUMP)
    break() # end of the export table
  endif()
endforeach()
list(SORT names)

if(NOT names STREQUAL expected)
  message(FATAL_ERROR "exported names differ\n  expected: ${expected}\n  found:    ${names}")
endif()
list(LENGTH names count)
message(STATUS "${count} exports: ${names}")
