#!/usr/bin/env bash
# Installs the SDK from a build into a temporary prefix, compiles the example
# against it through its pkg-config file only, and runs it against the
# simulated spectrometer of that build.
#
#   scripts/check-sdk-install.sh [build-dir]     default build
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

for component in specsdk specsdk_dev; do
  cmake --install "$build" --component "$component" --prefix "$prefix" >/dev/null
done
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
cc -std=c99 -Wall -Wextra -Werror "$prefix/share/specsdk/examples/acquire.c" \
  $(pkg-config --cflags --libs specsdk) -o "$prefix/acquire"
# The installed library finds the simulated USB library of the build.
LD_LIBRARY_PATH="$prefix/lib:$build/bin" \
  TESSELUSB_STATE="$PWD/tesselusb/examples/spectrometer_demo.json" "$prefix/acquire" 150
