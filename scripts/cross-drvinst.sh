#!/usr/bin/env bash
# Cross-builds the Windows installer (drvinst.exe, x86-64) with Debian's
# mingw-w64 compiler, checks its PE headers and runs its unpack path under
# wine64. zlib comes from Debian's mingw package; minizip is compiled from
# the contrib/minizip sources of Debian's zlib source package, fetched once
# into the build folder (never into the source tree).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deb-source.sh

build=${DRVINST_CROSS_BUILD:-build-win64}
sources="$build/zlib-source"

fetch_minizip_sources() {
  if ls "$sources"/zlib-*/contrib/minizip/unzip.c >/dev/null 2>&1; then
    return
  fi
  fetch_deb_source zlib "$sources"
}

fetch_minizip_sources
minizip=$(dirname "$(ls "$sources"/zlib-*/contrib/minizip/unzip.c | head -n1)")
echo "minizip sources: $minizip"

# drvinst_pack runs on the build machine, so it comes from a host build.
# The archive is packed by a host build of drvinst_pack: the one named by
# DRVINST_HOST_PACK_TOOL (scripts/test.sh passes its first build's), or one
# built here.
pack_tool=${DRVINST_HOST_PACK_TOOL:-}
if [ -z "$pack_tool" ]; then
  host="$build/host"
  cmake -S . -B "$host" -G Ninja -DSUITE_BUILD_TESTS=OFF -DSUITE_BUILD_SOLVANE=OFF >/dev/null
  cmake --build "$host" --target drvinst_pack
  pack_tool="$PWD/$host/bin/drvinst_pack"
fi

cmake -S . -B "$build/windows" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DSUITE_WERROR=ON -DSUITE_BUILD_TESTS=OFF -DSUITE_BUILD_SOLVANE=OFF \
  -DDRVINST_MINIZIP_SOURCE_DIR="$PWD/$minizip" \
  -DDRVINST_HOST_PACK_TOOL="$pack_tool" >/dev/null
cmake --build "$build/windows" --target drvinst wizard_probe

program="$build/windows/bin/drvinst.exe"
image="$build/windows/drvinst/app/drvinst-stripped.exe"

echo "Checking the headers of $program"
headers=$(x86_64-w64-mingw32-objdump -f -p "$program")
grep -q "file format pei-x86-64" <<<"$headers" || { echo "drvinst.exe is not an x86-64 PE file" >&2; exit 1; }
grep -Eq "^Subsystem[[:space:]]+00000002" <<<"$headers" || { echo "drvinst.exe is not a GUI program" >&2; exit 1; }
size=$(stat -c %s "$image")
[ "$size" -le 131072 ] || { echo "the program image is $size bytes, more than 131072" >&2; exit 1; }
echo "PE32+ x86-64, GUI subsystem, image $size of 131072 bytes"

# The dialogs (size in dialog units), the About entry's string, the icon and
# the manifest that asks for an administrator must have been linked in.
resources=$(x86_64-w64-mingw32-windres -i "$image" -J coff -O rc)
for expected in '^2000 DIALOGEX 0, 0, 232, 71$' '^2001 DIALOGEX 0, 0, 231, 71$' \
  '^100 DIALOGEX 0, 0, 235, 55$' '^  101, ' '^128 14 '; do
  grep -Eq "$expected" <<<"$resources" || { echo "drvinst.exe lacks the resource $expected" >&2; exit 1; }
done
grep -q 'requireAdministrator' <<<"$resources" || { echo "drvinst.exe lacks its manifest" >&2; exit 1; }
echo "dialogs 2000, 2001 and 100, string 101, icon 128 and the manifest present"

# The unpack path under wine, in a throw-away prefix. It needs no display.
# Debian keeps wine64 and wineserver out of PATH unless the wine package
# adds its wrappers.
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX WINEDEBUG=-all
WINEPREFIX=$(mktemp -d)
trap '"$wineserver" -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
echo "Running drvinst.exe --unpack under $wine64"
"$wine64" "$program" --unpack 'C:\unpacked' >/dev/null 2>&1 || { echo "drvinst.exe --unpack failed" >&2; exit 1; }
"$wineserver" -w
for file in drvinst/package/*; do
  cmp "$file" "$WINEPREFIX/drive_c/unpacked/$(basename "$file")"
done
[ ! -e "$WINEPREFIX/drive_c/unpacked/temp.zip" ] || { echo "temp.zip was left behind" >&2; exit 1; }
echo "drvinst.exe unpacked its package: $(ls "$WINEPREFIX/drive_c/unpacked" | tr '\n' ' ')"

# A folder that holds anything is refused, and what it holds stays.
echo "the user's own archive" >"$WINEPREFIX/drive_c/unpacked/temp.zip"
if "$wine64" "$program" --unpack 'C:\unpacked' >"$build/unpack-refusal.log" 2>&1; then
  echo "drvinst.exe --unpack wrote into a folder that held files" >&2
  exit 1
fi
"$wineserver" -w
grep -q "it already holds" "$build/unpack-refusal.log" || { cat "$build/unpack-refusal.log" >&2; exit 1; }
grep -q "the user's own archive" "$WINEPREFIX/drive_c/unpacked/temp.zip" || { echo "drvinst.exe --unpack replaced the user's temp.zip" >&2; exit 1; }
echo "drvinst.exe refused to unpack into a folder with the user's files"

# The dialog and its wizard watcher need a display: a virtual one. The
# probe opens a fake "Found New Hardware Wizard", starts the dialog, waits
# for the watcher to press the wizard's Cancel, then closes the dialog.
echo "Running the wizard probe against drvinst.exe under xvfb-run"
if ! LC_ALL=C timeout 300 xvfb-run -a "$wine64" "$build/windows/bin/wizard_probe.exe" \
  "Z:$(realpath "$program" | tr / '\\')" >"$build/wizard-probe.log" 2>&1; then
  cat "$build/wizard-probe.log" >&2
  echo "the wizard watcher check failed" >&2
  exit 1
fi
echo "drvinst.exe cancelled the wizard and closed"
