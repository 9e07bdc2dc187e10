#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (build-fuzz/), runs every target over its
# committed corpus as a regression test, then fuzzes each for a while.
#
#   scripts/fuzz.sh                  corpus run, then FUZZ_SECONDS (30) per target
#   FUZZ_SECONDS=0 scripts/fuzz.sh   corpus run only
#   scripts/fuzz.sh TARGET SECONDS   one long campaign, e.g. fuzz_inf_reader 3600
#   FUZZ_FLAGS=-runs=1000000 scripts/fuzz.sh TARGET 86400
#                                    further libFuzzer flags for the fuzzing
#   FUZZ_BUILD=build-asan FUZZ_SECONDS=0 scripts/fuzz.sh
#                                    corpus run only, with the fuzz targets of
#                                    a built tree configured with
#                                    -DSUITE_FUZZ_COVERAGE=OFF (scripts/test.sh)
#
# New inputs go to build-fuzz/corpus/<target>; an input that breaks a target
# is written to build-fuzz/artifacts/<target>/ and stops the script. Each run
# is held to the bounds the programs promise: 256 MiB of memory and 10 s per
# input.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${FUZZ_BUILD:-build-fuzz}
if [ -n "${FUZZ_BUILD:-}" ]; then
  # Without coverage instrumentation libFuzzer cannot tell new inputs apart.
  if [ $# -ne 0 ] || [ "${FUZZ_SECONDS:-30}" -ne 0 ]; then
    echo "fuzz.sh: the targets of $build only replay their corpora: FUZZ_SECONDS=0, no arguments" >&2
    exit 2
  fi
else
  export CCACHE_BASEDIR="$PWD"
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
                                             -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  # Line tables (-g1) are enough for the reports of a broken input.
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DSUITE_WERROR=ON -DSUITE_SANITIZE=ON -DSUITE_BUILD_FUZZERS=ON -DSUITE_BUILD_TESTS=OFF \
    -DSUITE_BUILD_SOLVANE=OFF "${launcher[@]}" >/dev/null
  cmake --build build-fuzz -j "$(nproc)" --target fuzz_targets
fi

# The extraction target writes its files to a memory file system when there
# is one.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

# AddressSanitizer keeps freed memory aside to catch late uses; 16 MiB of
# it keeps the memory bound about the program rather than the sanitizer.
export ASAN_OPTIONS="quarantine_size_mb=16${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

limits=(-rss_limit_mb=256 -malloc_limit_mb=256 -timeout=10)
# New inputs stay at 4 KiB, which keeps the runs quick; the bounds that
# need larger inputs are tried by the tests, which build such inputs.
fuzzing=(-max_len=4096 -print_final_stats=1)
read -r -a extra <<<"${FUZZ_FLAGS:-}"

# run TARGET LOG ARGUMENTS...: runs the target with the bounds; on failure
# shows the end of its log.
run() {
  local target=$1 log=$2
  shift 2
  if ! "$build/bin/$target" "${limits[@]}" -artifact_prefix="$build/artifacts/$target/" \
    "$@" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "== $target failed; the input is in $build/artifacts/$target/" >&2
    return 1
  fi
}

# fuzz TARGET SECONDS: the corpus once, then SECONDS of new inputs (none for 0).
fuzz() {
  local target=$1 seconds=$2
  local seeds=fuzz/corpus/$target work=$build/corpus/$target log=$build/logs/$target
  mkdir -p "$work" "$build/artifacts/$target" "$build/logs"
  run "$target" "$log.corpus" -runs=0 "$seeds"
  echo "== $target: $(ls "$seeds" | wc -l) corpus inputs pass"
  if [ "$seconds" -gt 0 ]; then
    run "$target" "$log.fuzz" -max_total_time="$seconds" "${fuzzing[@]}" "${extra[@]}" "$work" "$seeds"
    echo "== $target: $seconds s, $(grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log.fuzz" | sed 's/^stat:://' | tr -s ' ' | paste -sd ' ')"
  fi
}

if [ $# -eq 2 ]; then
  fuzz "$1" "$2"
  exit
fi
for seeds in fuzz/corpus/*/; do
  fuzz "$(basename "$seeds")" "${FUZZ_SECONDS:-30}"
done
