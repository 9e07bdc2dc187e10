#!/usr/bin/env bash
# Builds everything and runs every test twice: a normal build, then a build
# with AddressSanitizer and UndefinedBehaviorSanitizer. Then the fuzz
# targets: their corpora, and 30 s of fuzzing each (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
. scripts/compiler-cache.sh

jobs=$(nproc)

cmake -S . -B build -G Ninja -DSUITE_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# The installed SDK with its example and its Python package (the package's
# pytest suite itself runs in ctest above), and the 32-bit Windows DLL.
scripts/check-sdk-install.sh build
scripts/check-python.sh build
scripts/cross-specsdk.sh build-mingw32

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DSUITE_WERROR=ON -DSUITE_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The Windows installer, cross-built and run under wine.
scripts/cross-drvinst.sh

# Every fuzz target over its corpus, then a short campaign each.
scripts/fuzz.sh
