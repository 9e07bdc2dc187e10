#!/usr/bin/env bash
# Installs the SDK from a build into a temporary prefix, installs the Python
# package from the sources installed there into a fresh virtual environment
# without network, and runs the README's example against the installed
# library (found through the path the install recorded) and the simulated
# spectrometer of that build.
#
#   scripts/check-python.sh [build-dir]     default build
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --component specsdk --prefix "$work/prefix" >/dev/null
# Debian's interpreter, whose numpy and setuptools the environment borrows.
/usr/bin/python3 -m venv --system-site-packages "$work/venv"
"$work/venv/bin/pip" install --quiet --no-index "$work/prefix/share/specsdk/python"

export LD_LIBRARY_PATH="$build/bin"
export TESSELUSB_STATE="$PWD/tesselusb/examples/spectrometer_demo.json"
unset SPECSDK_LIBRARY
# Run outside the source tree, so that only the installed package is found.
(cd "$work" && "$work/venv/bin/python" -c '
import sys
from pathlib import Path
import specsdk
loaded = Path(specsdk.library_path()).resolve()
assert loaded.is_relative_to(Path(sys.argv[1]).resolve()), loaded
print("specsdk loaded from", loaded)' "$work/prefix")
examples=$PWD/python/examples
(cd "$work" && "$work/venv/bin/python" "$examples/acquire.py")
