#!/usr/bin/env bash
# Cross-builds the 32-bit Windows specsdk.dll with mingw-w64 and checks it:
# a 32-bit image whose export table lists exactly the names of
# specsdk/specsdk.def, undecorated, and that needs no MinGW runtime DLL; and
# the example compiled for import (no SPECSDK_BUILDING) links against it.
#
#   scripts/cross-specsdk.sh [build-dir]     default build-mingw32
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-mingw32}
objdump=i686-w64-mingw32-objdump

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release -DSUITE_WERROR=ON -DSUITE_BUILD_TESTS=OFF \
  -DSUITE_BUILD_SOLVANE=OFF -DSUITE_BUILD_DRVINST=OFF >/dev/null
cmake --build "$build" --target specsdk -j "$(nproc)"

dll="$build/bin/specsdk.dll"
if ! "$objdump" -f "$dll" | grep -q 'file format pei-i386'; then
  echo "cross-specsdk: $dll is not a 32-bit Windows image" >&2
  exit 1
fi
cmake -DOBJDUMP="$objdump" -DLIBRARY="$dll" -DDEF=specsdk/specsdk.def \
  -P specsdk/tests/check_exports.cmake
if "$objdump" -p "$dll" | grep -iE 'DLL Name: (libgcc|libstdc|libwinpthread)'; then
  echo "cross-specsdk: $dll needs a MinGW runtime DLL" >&2
  exit 1
fi
i686-w64-mingw32-gcc -std=c99 -Wall -Wextra -Werror -Ispecsdk/include -I"$build/specsdk/include" \
  specsdk/examples/acquire.c "$build/lib/libspecsdk.dll.a" -o "$build/bin/acquire.exe"
echo "cross-specsdk: $dll ok"
