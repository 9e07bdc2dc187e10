# The parts of the Windows cross builds common to both architectures; the
# architecture's file sets MINGW_TRIPLET and includes this one.
#
# MINGW_THREADS=posix chooses Debian's posix-thread compilers, which Qt and
# everything linked with it need (C++11 threads); the plain compiler names
# are the win32-thread ones. Such builds find Qt and Qwt for Windows in the
# folders listed in SOLVANE_WINDOWS_PREFIXES (scripts/cross-qt.sh).

set(CMAKE_SYSTEM_NAME Windows)

if(MINGW_THREADS STREQUAL "posix")
  set(compiler_suffix -posix)
else()
  set(compiler_suffix "")
endif()
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc${compiler_suffix})
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++${compiler_suffix})
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_NM ${MINGW_TRIPLET}-nm)
set(CMAKE_OBJDUMP ${MINGW_TRIPLET}-objdump)
set(CMAKE_STRIP ${MINGW_TRIPLET}-strip CACHE FILEPATH "strip for Windows programs")

# Libraries and headers come from the mingw sysroot (and Qt's and Qwt's
# folders) only; programs that the build runs come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET} ${SOLVANE_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
