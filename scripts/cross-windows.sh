#!/usr/bin/env bash
# Builds the Windows programs and their installers: solvane.exe,
# solvane-cli.exe, specview.exe, specsdk.dll and the simulated TesselUSB.dll
# for 32-bit Windows (the product: the meter's own USB library is 32-bit)
# and for x86-64 (which runs under wine here, for the checks). Each becomes a
# folder that runs on another PC, checked without running it: image type,
# subsystems, the exports of the two libraries, and every DLL import
# resolved within the folder or by Windows itself. NSIS packs each folder
# into an installer. scripts/check-windows-wine.sh then runs the x86-64 one.
#
#   scripts/cross-windows.sh [HOST-BUILD [DRVINST-EXE]]
#
# HOST-BUILD (default build) is a build for this machine: its image and
# manual tools run during the cross builds. DRVINST-EXE (default the one of
# scripts/cross-drvinst.sh) goes into the installers. Output in
# $WINDOWS_BUILD, default build-windows; WINDOWS_ARCHES=x86_64 (or i686)
# builds one of the two.
set -euo pipefail
cd "$(dirname "$0")/.."

host=$(realpath "${1:-build}")
drvinst=$(realpath "${2:-build-win64/windows/bin/drvinst.exe}")
root=${WINDOWS_BUILD:-build-windows}
version=$(sed -n 's/^project(solvane_suite VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -f "$drvinst" ] || { echo "cross-windows: $drvinst is missing: run scripts/cross-drvinst.sh" >&2; exit 1; }
mkdir -p "$root"

log() { echo "cross-windows: $*"; }
fail() { echo "cross-windows: $*" >&2; exit 1; }

cmake --build "$host" --target solvane_make_images solvane_make_manual

# DLLs that every Windows has; any other import must lie in the folder.
system_dlls=(advapi32.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d3d9.dll d3d11.dll
  dwmapi.dll dxgi.dll gdi32.dll imm32.dll kernel32.dll mpr.dll msimg32.dll msvcrt.dll netapi32.dll
  newdev.dll ntdll.dll ole32.dll oleaut32.dll psapi.dll setupapi.dll shcore.dll shell32.dll
  shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll winspool.drv ws2_32.dll
  wtsapi32.dll)

imports() {
  x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'
}

is_system_dll() {
  local dll
  for dll in "${system_dlls[@]}"; do
    [ "$dll" = "$1" ] && return 0
  done
  [[ $1 == api-ms-win-* ]]
}

# Builds the programs of architecture $1 into $root/$1.
build_programs() {
  local arch=$1 build=$root/$1 folders QT_PREFIX QWT_PREFIX
  folders=$(scripts/cross-qt.sh "$arch")
  eval "$folders"
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-posix-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DSUITE_WERROR=ON -DSUITE_BUILD_TESTS=OFF -DSUITE_BUILD_TOOLS=OFF \
    -DSUITE_BUILD_DRVINST=OFF -DSUITE_BUILD_SOLVANE=ON -DSOLVANE_WINDOWS_PREFIXES="$QT_PREFIX;$QWT_PREFIX" \
    -DSOLVANE_HOST_TOOLS_DIR="$host/bin" \
    -DQt5LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools >/dev/null
  cmake --build "$build" --target solvane solvane-cli specview specsdk TesselUSB
  # The SDK's example, as an SDK user compiles it.
  "$arch-w64-mingw32-gcc" -std=c99 -Wall -Wextra -Werror -Ispecsdk/include -I"$build/specsdk/include" \
    specsdk/examples/acquire.c "$build/lib/libspecsdk.dll.a" -o "$build/bin/acquire.exe"
  echo "$QT_PREFIX" >"$build/qt-prefix"
  echo "$QWT_PREFIX" >"$build/qwt-prefix"
}

# Copies into folder $1 every DLL that a file of it imports from Qt, Qwt or
# the compiler's runtime (searched in the folders $2...), until nothing is
# missing. What is found nowhere is left for the import check to name.
add_imported_dlls() {
  local folder=$1 added=1 file name source
  shift
  while [ $added -eq 1 ]; do
    added=0
    while read -r file; do
      for name in $(imports "$file"); do
        is_system_dll "$name" && continue
        [ -n "$(find "$folder" -maxdepth 1 -iname "$name")" ] && continue
        source=$(find "$@" -maxdepth 1 -iname "$name" | head -n1)
        [ -n "$source" ] || continue
        cp "$source" "$folder/"
        added=1
      done
    done < <(find "$folder" -iname '*.exe' -o -iname '*.dll')
  done
}

# Assembles the folder $root/$1-folder/Solvane and the demo library beside it.
assemble_folder() {
  local arch=$1 build=$root/$1 folder=$root/$1-folder/Solvane qt qwt runtime
  qt=$(cat "$build/qt-prefix")
  qwt=$(cat "$build/qwt-prefix")
  runtime=/usr/lib/gcc/$arch-w64-mingw32/$("$arch-w64-mingw32-gcc-posix" -dumpversion)
  rm -rf "$root/$arch-folder"
  mkdir -p "$folder"/{platforms,styles,printsupport,translations} "$folder"/sdk/{include,lib,examples}
  cp "$build"/bin/{solvane.exe,solvane-cli.exe,specview.exe,specsdk.dll} "$folder/"
  cp "$drvinst" "$folder/drvinst.exe"
  cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
  cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
  cp "$qt/plugins/printsupport/windowsprintersupport.dll" "$folder/printsupport/"
  # Qt looks for its plug-ins beside the program and for its own texts in
  # translations/, whatever folder it was built for.
  printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' >"$folder/qt.conf"
  cp "$build"/bin/*.qm "$build"/bin/*.pdf "$folder/"
  cp /usr/share/qt5/translations/qtbase_zh_{CN,TW}.qm "$folder/translations/"
  cp specsdk/include/specsdk.h "$build/specsdk/include/specsdk_version.h" "$folder/sdk/include/"
  cp "$build/lib/libspecsdk.dll.a" specsdk/specsdk.def "$folder/sdk/lib/"
  cp specsdk/examples/acquire.c "$folder/sdk/examples/"
  add_imported_dlls "$folder" "$qt/bin" "$qwt/lib" "$runtime" "/usr/$arch-w64-mingw32/lib"
  mkdir -p "$root/$arch-folder/demo"
  cp "$build/bin/TesselUSB.dll" "$root/$arch-folder/demo/"
  log "$folder: $(find "$folder" -type f | wc -l) files, $(du -sh "$folder" | cut -f1)"
}

# The checks that need no running: every file of the folder is a Windows
# image of the architecture, the windows are GUI programs, the translations
# are there, the libraries export what they must, and every import resolves.
check_folder() {
  local arch=$1 folder=$root/$1-folder/Solvane format file name missing=0
  format=$([ "$arch" = i686 ] && echo pei-i386 || echo pei-x86-64)
  while read -r file; do
    [ "$(basename "$file")" = drvinst.exe ] && continue # 64-bit in both folders
    grep -q "file format $format" <<<"$(x86_64-w64-mingw32-objdump -f "$file")" ||
      fail "$file is not a $format image"
  done < <(find "$folder" -iname '*.exe' -o -iname '*.dll')
  for file in solvane.exe specview.exe; do
    grep -Eq '^Subsystem\s+00000002' <<<"$(x86_64-w64-mingw32-objdump -p "$folder/$file")" ||
      fail "$file is not a GUI program"
  done
  grep -Eq '^Subsystem\s+00000003' <<<"$(x86_64-w64-mingw32-objdump -p "$folder/solvane-cli.exe")" ||
    fail "solvane-cli.exe is not a console program"
  # Each program's texts and the figure table's, which both load, in the
  # three languages.
  for file in {,specview_,figures_}{cn,tw,en}.qm; do
    [ -f "$folder/$file" ] || fail "$folder lacks the translation $file"
  done
  cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DLIBRARY="$folder/specsdk.dll" \
    -DDEF=specsdk/specsdk.def -P specsdk/tests/check_exports.cmake >/dev/null
  imports "$folder/specsdk.dll" | grep -E '^(libgcc|libstdc|libwinpthread)' &&
    fail "specsdk.dll needs a MinGW runtime DLL"
  check_usb_exports "$root/$arch-folder/demo/TesselUSB.dll"
  while read -r file; do
    for name in $(imports "$file"); do
      if ! is_system_dll "$name" && [ -z "$(find "$folder" "$(dirname "$file")" -maxdepth 1 -iname "$name")" ]; then
        echo "cross-windows: ${file#"$folder"/} imports $name, which is neither in the folder nor part of Windows" >&2
        missing=1
      fi
    done
  done < <(find "$folder" "$root/$arch-folder/demo" -iname '*.exe' -o -iname '*.dll')
  [ $missing -eq 0 ] || exit 1
  log "$folder: $format images, GUI subsystem, exports and every import checked"
}

# The simulated library exports the nine entry points by their plain names.
check_usb_exports() {
  local exports entry
  exports=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p')
  for entry in CmdRead CmdWrite CmdCmd CmdSpeic OpenDevice CloseDevice GetDeviceList ReadData WriteData; do
    grep -Eq "\] $entry\$" <<<"$exports" || fail "$1 does not export $entry"
  done
}

# The installer's lists of the folder's files, for install.nsh and
# uninstall.nsh in $2: the uninstaller removes exactly these (and each
# folder only when nothing else is left in it).
write_file_lists() {
  local folder=$1 lists=$2 dir file
  : >"$lists/install.nsh"
  : >"$lists/uninstall.nsh"
  while read -r dir; do
    echo "SetOutPath \"\$INSTDIR${dir#.}\"" | tr / '\\' >>"$lists/install.nsh"
    while read -r file; do
      echo "File \"$(realpath "$folder/$dir/$file")\"" >>"$lists/install.nsh"
      echo "Delete \"\$INSTDIR${dir#.}/$file\"" | tr / '\\' >>"$lists/uninstall.nsh"
    done < <(cd "$folder/$dir" && find . -maxdepth 1 -type f -printf '%P\n' | sort)
  done < <(cd "$folder" && find . -type d | sort)
  (cd "$folder" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
    echo "RMDir \"\$INSTDIR${dir#.}\"" | tr / '\\' >>"$lists/uninstall.nsh"
  done
}

# The installer of the folder; the 64-bit one is built on NSIS's amd64 stub.
make_installer() {
  local arch=$1 folder=$root/$1-folder/Solvane name target
  if [ "$arch" = i686 ]; then
    name=solvane-setup-$version.exe target=x86-unicode
  else
    name=solvane-setup-$version-x64.exe target=amd64-unicode
  fi
  write_file_lists "$folder" "$root/$arch-folder"
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DTARGET="$target" \
    -DFOLDER="$(realpath "$folder")" -DDEMO="$(realpath "$root/$arch-folder/demo/TesselUSB.dll")" \
    -DLISTS="$(realpath "$root/$arch-folder")" -DOUTFILE="$(realpath "$root")/$name" \
    packaging/windows/solvane.nsi
  log "$root/$name: $(du -h "$root/$name" | cut -f1)"
}

for arch in ${WINDOWS_ARCHES:-x86_64 i686}; do
  build_programs "$arch"
  assemble_folder "$arch"
  check_folder "$arch"
  make_installer "$arch"
done
