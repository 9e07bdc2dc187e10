# Compiler settings shared by every target of the suite.

function(suite_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
      -Woverloaded-virtual -Wcast-align -Wformat=2)
    if(SUITE_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

# Fuzz builds instrument every library for the coverage that libFuzzer
# steers by; the fuzz targets themselves link its driver.
if(SUITE_BUILD_FUZZERS AND SUITE_FUZZ_COVERAGE AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(SUITE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
  # The C++ checks in the libraries (function types, for one) need clang's
  # C++ sanitizer runtime, and the C++ library it uses, also in the programs
  # written in C.
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_link_options("$<$<LINK_LANGUAGE:C>:-fsanitize-link-c++-runtime>" "$<$<LINK_LANGUAGE:C>:-lstdc++>")
  endif()
endif()

# Links a shared library with every symbol resolved, so that a missing one
# fails the build instead of the first program that loads the library.
# clang links its sanitizer runtime into programs only, and they supply its
# symbols to the libraries they load: sanitizer builds with clang skip it.
function(suite_no_undefined target)
  if(NOT (SUITE_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "Clang"))
    target_link_options(${target} PRIVATE "LINKER:--no-undefined")
  endif()
endfunction()

# Adds a GoogleTest executable and registers its cases with CTest.
function(suite_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  suite_warnings(${name})
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()

# Adds a Qt Test executable (one test class per file) run by CTest on the
# offscreen platform. The leak check skips what Qt leaks there, quietly: the
# tests read the standard error of the programs they start, which inherit
# the setting.
function(suite_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt5::Test)
  suite_warnings(${name})
  # Qt 5's QSKIP(message) is a variadic macro: clang's pedantic warnings
  # would flag every use.
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(${name} PRIVATE -Wno-gnu-zero-variadic-macro-arguments)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set(lsan_options suppressions=${PROJECT_SOURCE_DIR}/cmake/qt-offscreen.lsan.supp:print_suppressions=0)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=${lsan_options};${ARG_ENVIRONMENT}")
endfunction()

# Gives a Windows program its manifest (cmake/windows-program.manifest);
# elsewhere it does nothing.
function(suite_windows_program target)
  if(WIN32)
    set(resource ${PROJECT_BINARY_DIR}/windows-program.rc)
    if(NOT EXISTS ${resource})
      file(WRITE ${resource} "1 24 \"${PROJECT_SOURCE_DIR}/cmake/windows-program.manifest\"\n")
    endif()
    target_sources(${target} PRIVATE ${resource})
  endif()
endfunction()
