#!/usr/bin/env bash
# Pictures of the Linux installer dialog in English and Chinese, and of its
# failure message, taken on a virtual X display (Xvfb), for docs/. Uses the
# build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target drvinst_dialog_screenshot
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24" \
  build/bin/drvinst_dialog_screenshot docs
ls -l docs/drvinst-dialog-*.png docs/drvinst-failure-en.png
