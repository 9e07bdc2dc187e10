#!/usr/bin/env bash
# Builds Qt (qtbase) and Qwt for Windows from Debian's source packages with
# Debian's posix-thread mingw-w64 compilers (Qt needs C++11 threads, which
# the win32-thread ones lack), and installs each into a cache folder named
# after the source version, the compiler and the options. A folder that is
# complete is reused; any change of those gives a new folder, built afresh.
#
#   eval "$(scripts/cross-qt.sh i686|x86_64)"   sets QT_PREFIX and QWT_PREFIX
#
# Progress goes to stderr, the build logs next to the folders. The cache is
# $SOLVANE_WINDOWS_CACHE, by default ~/.cache/solvane-windows (or under
# $XDG_CACHE_HOME); removing it costs only the time of the next build.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deb-source.sh

arch=${1:?usage: cross-qt.sh i686|x86_64}
case $arch in
  i686 | x86_64) ;;
  *) echo "cross-qt: unknown architecture $arch" >&2; exit 2 ;;
esac
triplet=$arch-w64-mingw32
cache=${SOLVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/solvane-windows}
jobs=${CROSS_QT_JOBS:-$(nproc)}
mkdir -p "$cache/sources" "$cache/logs"

log() { echo "cross-qt: $*" >&2; }

# The processor time of the finished child processes, in seconds.
children_cpu_seconds() {
  awk -v tick="$(getconf CLK_TCK)" '{ print int(($16 + $17) / tick) }' "/proc/$$/stat"
}

# Writes the time spent since $2 (SECONDS) and $3 (children_cpu_seconds)
# into $1/build-time, and says it.
record_time() {
  local wall=$((SECONDS - $2)) cpu=$(($(children_cpu_seconds) - $3))
  echo "$wall s, $cpu s of processor time" >"$1/build-time"
  log "$(basename "$1") built in $((wall / 60)) min $((wall % 60)) s ($cpu s of processor time)"
}

# Only what the programs use: Core, Gui, Widgets, PrintSupport (and
# Concurrent, which Qwt needs), the qwindows platform plugin, the Windows
# styles and the Windows print support. Debian's source lacks the bundled
# Wintab and SQLite, so tablet events and SQLite are off as well.
qt_options=(
  -opensource -confirm-license -release -shared -strip
  -nomake examples -nomake tests -no-compile-examples
  -no-opengl -no-feature-direct2d -no-dbus -no-icu -no-feature-vulkan
  -no-feature-network -no-feature-sql -no-sql-sqlite -no-feature-xml -no-feature-testlib
  -no-feature-tabletevent -no-freetype -no-libjpeg
  -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-doubleconversion
)

compiler_version=$(dpkg-query -W -f='${Version}' "g++-mingw-w64-${arch/_/-}-posix")
short_hash() { sha256sum | cut -c1-10; }
qt_version=$(deb_source_version qtbase-opensource-src)
qwt_version=$(deb_source_version qwt)
qt_name="qt-$qt_version-$triplet-posix-$compiler_version-$(printf '%s\n' "${qt_options[@]}" | short_hash)"
qt_prefix="$cache/$qt_name"

# One build of a folder at a time (two runs of the tests may meet here).
exec 9>"$cache/.lock-$arch"
flock 9

# The unpacked source of PACKAGE at VERSION, fetched once for both builds.
source_dir() {
  local package=$1 version=$2 dir="$cache/sources/$1-$2"
  if [ ! -e "$dir/.complete" ]; then
    log "fetching the source of $package $version"
    fetch_deb_source "$package" "$dir"
    touch "$dir/.complete"
  fi
  ls -d "$dir"/*/ | head -n1
}

# Runs the build step "$@" with its output in LOG; on failure shows its end.
logged() {
  local log_file=$1
  shift
  if ! nice -n 10 "$@" >>"$log_file" 2>&1; then
    tail -n 40 "$log_file" >&2
    log "failed; the whole log is $log_file"
    return 1
  fi
}

# Qt's win32-g++ makespec calls ${CROSS_COMPILE}g++ and its kin; this folder
# inside the installed Qt gives those names to the posix-thread compilers,
# so Qwt and anything else built with this Qt's qmake uses them too.
make_tool_links() {
  local dir=$1/toolchain tool
  mkdir -p "$dir"
  for tool in gcc g++ c++ cpp; do
    ln -sf "/usr/bin/$triplet-$tool-posix" "$dir/$triplet-$tool"
  done
  for tool in ar ranlib nm strip objcopy objdump windres ld as dlltool; do
    ln -sf "/usr/bin/$triplet-$tool" "$dir/$triplet-$tool"
  done
}

build_qt() {
  local source work="$cache/work-$qt_name" log_file="$cache/logs/$qt_name.log" started=$SECONDS cpu
  cpu=$(children_cpu_seconds)
  source=$(source_dir qtbase-opensource-src "$qt_version")
  log "building Qt for $triplet into $qt_prefix (log: $log_file)"
  rm -rf "$qt_prefix"
  make_tool_links "$qt_prefix"
  # A tree that an interrupted run configured is built on where it stopped.
  if [ ! -e "$work/config.summary" ]; then
    rm -rf "$work"
    : >"$log_file"
    mkdir -p "$work"
    # configure compiles qmake with a plain make, which MAKEFLAGS makes parallel.
    (cd "$work" && MAKEFLAGS=-j$jobs logged "$log_file" "$source/configure" -prefix "$qt_prefix" \
      -xplatform win32-g++ -device-option "CROSS_COMPILE=$qt_prefix/toolchain/$triplet-" "${qt_options[@]}")
  fi
  logged "$log_file" make -C "$work" -j "$jobs"
  logged "$log_file" make -C "$work" install
  rm -rf "$work"
  record_time "$qt_prefix" "$started" "$cpu"
  touch "$qt_prefix/.complete"
}

build_qwt() {
  local source work="$cache/work-$qwt_name" log_file="$cache/logs/$qwt_name.log" started=$SECONDS cpu
  cpu=$(children_cpu_seconds)
  source=$(source_dir qwt "$qwt_version")
  log "building Qwt for $triplet into $qwt_prefix (log: $log_file)"
  rm -rf "$work" "$qwt_prefix"
  : >"$log_file"
  cp -a "$source" "$work"
  # The settings live in qwtconfig.pri, where Debian adds its own compiler
  # flags (for Linux); its qmake files go into Qwt's folder, not Qt's.
  sed -i -e "s|^\( *QWT_INSTALL_PREFIX *\)= .*|\1= $qwt_prefix|" \
    -e "s|^\( *QWT_INSTALL_FEATURES *\)= .*|\1= $qwt_prefix/features|" \
    -e '/^ *QWT_CONFIG *+= */d' -e '/^QMAKE_/d' "$work/qwtconfig.pri"
  # Release only, no plug-ins for Qt Designer, no SVG or OpenGL, no examples.
  echo "QWT_CONFIG += QwtDll QwtPlot QwtWidgets" >>"$work/qwtconfig.pri"
  sed -i -e 's/debug_and_release/release/' -e 's/build_all//' "$work/qwtbuild.pri"
  (cd "$work" && logged "$log_file" "$qt_prefix/bin/qmake" qwt.pro)
  logged "$log_file" make -C "$work" -j "$jobs"
  logged "$log_file" make -C "$work" install
  rm -rf "$work"
  record_time "$qwt_prefix" "$started" "$cpu"
  touch "$qwt_prefix/.complete"
}

# Qwt's folder also changes with the steps of build_qwt.
qwt_name="qwt-$qwt_version-$( (echo "$qt_name"; declare -f build_qwt) | short_hash)"
qwt_prefix="$cache/$qwt_name"

[ -e "$qt_prefix/.complete" ] || build_qt
[ -e "$qwt_prefix/.complete" ] || build_qwt
printf 'QT_PREFIX=%q\nQWT_PREFIX=%q\n' "$qt_prefix" "$qwt_prefix"
