# Checks the translation contexts of the .ts files in FOLDER: the figure
# table's texts (context "Figures") are translated once, in this folder,
# for every program, so a program's own files must not hold them again.
#
#   cmake -DFOLDER=<folder> -DFIGURES=only|none -P check_contexts.cmake
#
# only: every file holds the context Figures and nothing else;
# none: no file holds it.
cmake_minimum_required(VERSION 3.16)
file(GLOB ts_files ${FOLDER}/*.ts)
if(NOT ts_files)
  message(FATAL_ERROR "${FOLDER} holds no .ts file")
endif()
foreach(file IN LISTS ts_files)
  file(READ ${file} text)
  string(REGEX MATCHALL "<name>[^<]*</name>" contexts "${text}")
  list(TRANSFORM contexts REPLACE "</?name>" "")
  if(FIGURES STREQUAL "only" AND NOT contexts STREQUAL "Figures")
    message(FATAL_ERROR "${file} holds the contexts '${contexts}': only Figures belongs there")
  elseif(FIGURES STREQUAL "none" AND "Figures" IN_LIST contexts)
    message(FATAL_ERROR "${file} holds the context Figures, whose texts are translated in "
                        "lightquality/translations/figures_*.ts for every program")
  endif()
endforeach()
