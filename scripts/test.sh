#!/usr/bin/env bash
# Builds everything and runs every test twice: a normal build, then a build
# with AddressSanitizer and UndefinedBehaviorSanitizer. Between them the SDK
# install check, the 32-bit Windows DLL, and the desktop program compiled
# once with clang and every warning an error; after them the Windows
# installer under wine and every fuzz target over its corpus.
#
#   scripts/test.sh                   as above
#   FUZZ_SECONDS=30 scripts/test.sh   also fuzz each target for 30 s
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
. scripts/compiler-cache.sh

jobs=$(nproc)
# Line tables are all the tests need from debug information: sanitizer and
# crash reports keep file and line, and the compiler does about a third less
# work than with full debug information.
lines_only="-g1"

cmake -S . -B build -G Ninja -DSUITE_WERROR=ON \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 $lines_only -DNDEBUG" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 $lines_only -DNDEBUG" >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# The installed SDK with its example and its Python package (the package's
# pytest suite itself runs in ctest above), and the 32-bit Windows DLL.
scripts/check-sdk-install.sh build
scripts/check-python.sh build
scripts/cross-specsdk.sh build-mingw32

# clang warns about things GCC lets pass (unused constants, for one). The
# program and solvane-cli cover every source of the desktop program; no
# optimisation, since only the warnings matter here.
CC=clang-14 CXX=clang++-14 cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_FLAGS_DEBUG=-O0 -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DSUITE_WERROR=ON \
  -DSUITE_BUILD_TESTS=OFF -DSUITE_BUILD_DRVINST=OFF >/dev/null
cmake --build build-clang -j "$jobs" --target solvane solvane-cli

# The documentation tools were built above and no test runs them.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_FLAGS_DEBUG="$lines_only" -DCMAKE_CXX_FLAGS_DEBUG="$lines_only" \
  -DSUITE_WERROR=ON -DSUITE_SANITIZE=ON -DSUITE_BUILD_TOOLS=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The Windows installer, cross-built and run under wine; it packs its
# archive with the host tool of the first build.
DRVINST_HOST_PACK_TOOL="$PWD/build/bin/drvinst_pack" scripts/cross-drvinst.sh

# Every fuzz target over its corpus; exploring for new inputs only on request.
FUZZ_SECONDS=${FUZZ_SECONDS:-0} scripts/fuzz.sh
