#!/usr/bin/env bash
# Builds the programs and starts the desktop program on the simulated meter
# when a display is available (in build/bin, beside its translation files
# and its manual); without a display it shows the stored records with
# solvane-cli instead. TESSELUSB_STATE may name a state file for the
# simulated instrument.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
. scripts/compiler-cache.sh

cmake -S . -B build -G Ninja >/dev/null
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cmake --build build -j "$(nproc)" --target solvane solvane-cli TesselUSB
  cd build/bin
  exec ./solvane
fi
cmake --build build -j "$(nproc)" --target solvane-cli TesselUSB
echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): showing the stored records with solvane-cli instead of the window." >&2
exec build/bin/solvane-cli list
