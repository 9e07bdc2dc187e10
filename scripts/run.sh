#!/usr/bin/env bash
# Builds the programs and shows the simulated meter's stored records.
# TESSELUSB_STATE may name a state file for the simulated instrument.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target solvane-cli TesselUSB
exec build/bin/solvane-cli list
