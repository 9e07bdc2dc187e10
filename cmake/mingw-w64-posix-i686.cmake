# The i686 Windows build with the posix-thread compilers, for the programs
# linked with Qt (scripts/cross-windows.sh).

set(MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-i686.cmake)
