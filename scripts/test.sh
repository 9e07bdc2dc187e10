#!/usr/bin/env bash
# Builds everything and runs every test twice: a normal build with GCC, then
# a build with clang, AddressSanitizer and UndefinedBehaviorSanitizer, both
# with every warning an error. Between them the SDK install check and the
# 32-bit Windows DLL; after them the Windows driver installer under wine,
# the Windows programs and their installers (the 64-bit ones under wine)
# and every fuzz target over its corpus.
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
release_flags=(-DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 $lines_only -DNDEBUG"
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 $lines_only -DNDEBUG")

cmake -S . -B build -G Ninja -DSUITE_WERROR=ON "${release_flags[@]}" >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# The installed SDK with its example and its Python package (the package's
# pytest suite itself runs in ctest above), and the 32-bit Windows DLL.
scripts/check-sdk-install.sh build
scripts/check-python.sh build
# The Debian packages, built in a fresh clone with the flags of build (so
# the compiler cache serves its objects) and installed into a throw-away
# root (needs root, as CI runs).
scripts/check-packages.sh "${release_flags[@]}"
scripts/cross-specsdk.sh build-mingw32
# The desktop program's sources compile for Windows too.
scripts/check-windows-sources.sh build

# The sanitizer build is clang's, which warns about things GCC lets pass
# (unused constants, for one), so every source is compiled by both. The
# documentation tools were built above and no test runs them. The fuzz
# targets are built here too, for their corpus run only: that needs no
# coverage instrumentation, so the tests run without it.
CC=clang-14 CXX=clang++-14 cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_FLAGS_DEBUG="$lines_only" -DCMAKE_CXX_FLAGS_DEBUG="$lines_only" \
  -DSUITE_WERROR=ON -DSUITE_SANITIZE=ON -DSUITE_BUILD_TOOLS=OFF \
  -DSUITE_BUILD_FUZZERS=ON -DSUITE_FUZZ_COVERAGE=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The Windows installer, cross-built and run under wine; it packs its
# archive with the host tool of the first build.
DRVINST_HOST_PACK_TOOL="$PWD/build/bin/drvinst_pack" scripts/cross-drvinst.sh

# The Windows programs for 32-bit Windows (the product) and x86-64: Qt and
# Qwt for Windows built from Debian's sources once into a cache folder
# (docs/windows.md), the programs with the first build's image and manual
# tools, their folders checked and packed into installers with drvinst.exe
# from above; then the x86-64 ones run under wine, installer included.
scripts/cross-windows.sh build build-win64/windows/bin/drvinst.exe
scripts/check-windows-wine.sh build

# Every fuzz target over its corpus. Exploring for new inputs, only on
# request, needs fuzz.sh's own build, whose code carries libFuzzer's coverage.
if [ "${FUZZ_SECONDS:-0}" -gt 0 ]; then
  scripts/fuzz.sh
else
  FUZZ_BUILD=build-asan FUZZ_SECONDS=0 scripts/fuzz.sh
fi
