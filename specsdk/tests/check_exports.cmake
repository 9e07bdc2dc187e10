# Fails unless LIBRARY's dynamic symbol table defines exactly the colour
# exports of specsdk.h.
#
#   cmake -DNM=nm -DLIBRARY=libspecsdk.so -P check_exports.cmake

set(expected
  GetCIE1931XY
  GetCIE1960XY
  QSP_ColorGetCCT
  QSP_ColorGetCRI
  QSP_ColorGetDominantWavelength
  QSP_ColorGetPurity
  QSP_ColorGetXYZ)

execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()

# Lines look like "0000000000001234 T QSP_ColorGetXYZ".
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(names "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] +" "" name "${line}")
  list(APPEND names "${name}")
endforeach()
list(SORT names)

if(NOT names STREQUAL expected)
  message(FATAL_ERROR "exported symbols differ\n  expected: ${expected}\n  found:    ${names}")
endif()
message(STATUS "exports: ${names}")
