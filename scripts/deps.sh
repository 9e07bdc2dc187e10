#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Quick when
# everything is there already; needs root (or sudo) otherwise.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qtbase5-dev libqwt-qt5-dev
  qttools5-dev qttools5-dev-tools fonts-noto-cjk
  # Qt's own texts (standard buttons, file and print dialogs) in Chinese
  qttranslations5-l10n
  nlohmann-json3-dev libminizip-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # specsdk: the 32-bit Windows library, with the win32-thread compilers,
  # which the plain compiler names choose
  gcc-mingw-w64-i686-win32 g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  # the Windows programs: Qt and Qwt built from Debian's source packages
  # (scripts/cross-qt.sh) and everything linked with them need the
  # posix-thread compilers; NSIS makes the installers; under wine xwininfo
  # finds the windows and xdotool presses their keys
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix nsis x11-utils xdotool
  # solvane: its sources checked against the Windows compiler
  python3
  # drvinst: the Windows cross build, its run under wine, the dialog pictures
  g++-mingw-w64-x86-64-win32 dpkg-dev wine64 xvfb xauth
  # the sanitizer build and the fuzz targets: clang with libFuzzer
  clang-14 libclang-rt-14-dev llvm-14
  # the report: the font its layout is measured for, and the PDF readers its tests use
  fonts-crosextra-carlito poppler-utils
  # the documentation's pictures of the window and the Series dialog (xvfb-run)
  xvfb
  # the Python package over specsdk: numpy arrays, its tests, pip install ./python
  python3-numpy python3-pytest python3-pip python3-setuptools python3-venv
  # the Debian packages: manual pages, their check and the package checker
  help2man man-db lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
