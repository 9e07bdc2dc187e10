# Turns one reference-data CSV (header line, first column nm, then numeric
# columns) into a C++ source that defines a cie::Table with the values
# copied as text, so no digit is re-rounded.
#
#   cmake -DINPUT=file.csv -DOUTPUT=file.cpp -DSYMBOL=name -P GenerateCieTable.cmake

foreach(var INPUT OUTPUT SYMBOL)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "GenerateCieTable: ${var} is not set")
  endif()
endforeach()

file(STRINGS "${INPUT}" lines)
list(POP_FRONT lines header)
string(REPLACE "," ";" header_fields "${header}")
list(LENGTH header_fields header_count)
math(EXPR columns "${header_count} - 1")

set(body "")
set(rows 0)
set(first_nm "")
set(previous_nm "")
set(step_nm 0)
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line STREQUAL "")
    continue()
  endif()
  string(REPLACE "," ";" fields "${line}")
  list(LENGTH fields count)
  if(NOT count EQUAL header_count)
    message(FATAL_ERROR "${INPUT}: row '${line}' has ${count} fields, header has ${header_count}")
  endif()
  list(POP_FRONT fields nm)
  foreach(value IN LISTS fields)
    if(NOT value MATCHES "^-?[0-9]+(\\.[0-9]*)?([eE][-+]?[0-9]+)?$")
      message(FATAL_ERROR "${INPUT}: '${value}' at ${nm} nm is not a number")
    endif()
  endforeach()
  if(first_nm STREQUAL "")
    set(first_nm ${nm})
  elseif(step_nm EQUAL 0)
    math(EXPR step_nm "${nm} - ${previous_nm}")
  else()
    math(EXPR expected "${previous_nm} + ${step_nm}")
    if(NOT nm EQUAL expected)
      message(FATAL_ERROR "${INPUT}: ${nm} nm breaks the ${step_nm} nm grid")
    endif()
  endif()
  set(previous_nm ${nm})
  string(REPLACE ";" ", " values "${fields}")
  string(APPEND body "    ${values}, // ${nm} nm\n")
  math(EXPR rows "${rows} + 1")
endforeach()

get_filename_component(source_name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
"// Generated from data/${source_name} at build time. Do not edit.
#include \"cie/tables.h\"

namespace cie {
namespace {
const double kValues[] = {
${body}};
} // namespace

const Table ${SYMBOL} = {${first_nm}, ${step_nm}, ${rows}, ${columns}, kValues};

} // namespace cie
")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.tmp" "${OUTPUT}")
file(REMOVE "${OUTPUT}.tmp")
