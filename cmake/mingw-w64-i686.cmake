# Cross compiling for 32-bit Windows with Debian's mingw-w64 (i686-w64-mingw32).
#
#   cmake -S . -B build-mingw32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake ...

set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# SSE2 arithmetic instead of the x87 unit, whose 80-bit registers would keep
# float steps in extended precision: the single-precision processing then
# rounds at every step as on the other targets. (long double, used where
# extended precision is wanted, stays 80-bit.)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
