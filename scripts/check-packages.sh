#!/usr/bin/env bash
# Builds the Debian packages in a fresh clone of the committed tree, installs
# them into a throw-away root with dpkg --root and checks the installed
# suite: where the files land, solvane-cli and solvane running from there on
# the simulated meter (and saying so without it), the SDK through its
# pkg-config file, lintian, and the manual pages. Needs root (dpkg --root).
#
#   scripts/check-packages.sh [CMAKE-ARGUMENTS]   the packages of HEAD
#   KEEP=1 scripts/check-packages.sh              keep the work folder and say where
#
# The build compiles through ccache: given the compiler flags of an earlier
# build (scripts/test.sh passes those of build/), it reuses its objects.
# See docs/packaging.md.
set -euo pipefail
cd "$(dirname "$0")/.."
source_tree=$PWD

fail() {
  echo "check-packages: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "installing into a root with dpkg needs root"
work=$(mktemp -d)
if [ -n "${KEEP:-}" ]; then
  echo "check-packages: work folder $work"
else
  trap 'rm -rf "$work"' EXIT
fi
# The programs run as an ordinary user below, and man drops root's rights.
chmod 755 "$work"

# 1. A fresh clone, built for /usr, packed.
git clone -q --no-hardlinks "$source_tree" "$work/src"
cd "$work/src"
. scripts/compiler-cache.sh
cmake -S . -B build -G Ninja -DSUITE_WERROR=ON -DSUITE_BUILD_TESTS=OFF -DSUITE_BUILD_TOOLS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr "$@" >/dev/null
cmake --build build -j "$(nproc)" >/dev/null
(cd build && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=(build/*.deb)
packages=(solvane libspecsdk1 libspecsdk-dev solvane-udev solvane-simulator specview)
for package in "${packages[@]}"; do
  ls build/"${package}"_*.deb >/dev/null 2>&1 || fail "cpack made no package $package"
done

# 2. lintian: no errors. Every warning left must be explained in
# docs/packaging.md.
lintian --fail-on error --tag-display-limit 0 "${debs[@]}" >"$work/lintian.txt" 2>&1 ||
  { cat "$work/lintian.txt" >&2; fail "lintian reports errors"; }
while read -r tag; do
  grep -q "\`$tag\`" docs/packaging.md || {
    cat "$work/lintian.txt" >&2
    fail "lintian warning $tag is not explained in docs/packaging.md"
  }
done < <(sed -n 's/^W: [^:]*: \([a-z0-9-]*\).*/\1/p' "$work/lintian.txt" | sort -u)

# 3. Installed into an empty root. Dependencies are the host's; the
# maintainer scripts see DPKG_ROOT and leave the host's udev alone.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
# dpkg's complaints about the dependencies it does not see go to a log.
dpkg_root() {
  dpkg --root="$root" --force-depends --force-script-chrootless --log=/dev/null "$@" \
    >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg $* failed"; }
}
install_debs() {
  dpkg_root -i "$@"
}
install_debs "${debs[@]}"

triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
lib=usr/lib/$triplet
expected=(
  usr/bin/solvane usr/bin/solvane-cli usr/sbin/drvinst
  "$lib/libspecsdk.so.1" "$lib/libspecsdk.so" "$lib/libTesselUSB.so"
  usr/include/specsdk.h usr/include/specsdk_version.h "$lib/pkgconfig/specsdk.pc" usr/share/specsdk/examples/acquire.c
  usr/share/solvane/cn.qm usr/share/solvane/tw.qm usr/share/solvane/en.qm
  usr/share/solvane/figures_cn.qm usr/share/solvane/figures_tw.qm usr/share/solvane/figures_en.qm
  "usr/share/solvane/KestraOne manual.pdf" "usr/share/solvane/KestraOne manual cn.pdf"
  "usr/share/solvane/KestraOne manual tw.pdf"
  usr/share/applications/example.kestra_instruments.solvane.desktop
  usr/share/metainfo/example.kestra_instruments.solvane.metainfo.xml
  usr/share/applications/example.kestra_instruments.specview.desktop
  usr/share/metainfo/example.kestra_instruments.specview.metainfo.xml
  usr/share/man/man1/solvane.1.gz usr/share/man/man1/solvane-cli.1.gz
  usr/share/man/man8/drvinst.8.gz usr/bin/specview usr/share/man/man1/specview.1.gz
  usr/share/specview/translations/specview_cn.qm usr/share/specview/translations/specview_tw.qm
  usr/share/specview/translations/specview_en.qm usr/share/specview/translations/figures_cn.qm
  usr/share/specview/translations/figures_tw.qm usr/share/specview/translations/figures_en.qm
  usr/lib/udev/rules.d/70-drvinst-usb-0483-085f.rules
  usr/share/solvane-simulator/README usr/share/solvane-simulator/spectrometer_demo.json
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/solvane.png"
             "usr/share/icons/hicolor/${size}x${size}/apps/specview.png")
done
for package in "${packages[@]}"; do
  expected+=("usr/share/doc/$package/copyright" "usr/share/doc/$package/changelog.gz")
done
for file in "${expected[@]}"; do
  [ -e "$root/$file" ] || fail "$file is not installed"
done
strays=$(cd "$root" && find . -path ./var -prune -o -type f -print | grep -v '^\./usr/' || true)
[ -z "$strays" ] || fail "files outside /usr: $strays"
for program in solvane specview; do
  id=example.kestra_instruments.$program
  desktop-file-validate "$root/usr/share/applications/$id.desktop" ||
    fail "the menu entry of $program is not valid"
  appstreamcli validate --no-net --pedantic \
    "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" ||
    { cat "$work/appstream.txt" >&2; fail "the AppStream metainfo of $program is not valid"; }
  grep -q "^Exec=$program\$" "$root/usr/share/applications/$id.desktop" &&
    [ -x "$root/usr/bin/$program" ] || fail "the menu entry does not start the installed $program"
done
grep -q 'ATTR{idVendor}=="0483", ATTR{idProduct}=="085f", TAG+="uaccess"' \
  "$root/usr/lib/udev/rules.d/70-drvinst-usb-0483-085f.rules" ||
  fail "the udev rule does not give the meter to the user at the machine"
# The installed drvinst still carries its driver package.
"$root/usr/sbin/drvinst" --unpack "$work/unpacked" >/dev/null &&
  ls "$work/unpacked"/*.inf >/dev/null 2>&1 || fail "the installed drvinst lost its driver package"

# 4. The programs from the installed layout, as an ordinary user whose
# settings go to the configuration folder, started from an empty folder.
user_home=$work/home
mkdir -p "$user_home/.config/solvane" "$user_home/cwd" "$user_home/tmp"
printf '[General]\nlanguage=2\n' >"$user_home/.config/solvane/language.ini"
chown -R nobody "$user_home"
chmod 700 "$user_home/tmp"
# A temporary folder of its own gives the program single-instance keys of
# its own: tests running meanwhile (as root) cannot turn it away.
as_user() {
  (cd "$user_home/cwd" && setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$user_home" XDG_CONFIG_HOME="$user_home/.config" \
    TMPDIR="$user_home/tmp" XDG_RUNTIME_DIR="$user_home/tmp" QT_QPA_PLATFORM=offscreen "$@")
}

as_user "$root/usr/bin/solvane-cli" list >"$work/list.txt" ||
  fail "solvane-cli list failed from the installed layout"
[ "$(grep -c '^NO\.' "$work/list.txt")" -eq 8 ] ||
  { cat "$work/list.txt" >&2; fail "solvane-cli list did not list the demo meter's eight records"; }

as_user env SOLVANE_TEST_QUIT_AFTER_MS=200 SOLVANE_TEST_ANSWER_WARNINGS=1 \
  "$root/usr/bin/solvane" >"$work/solvane.out" 2>"$work/solvane.err" ||
  { cat "$work/solvane.err" >&2; fail "solvane did not run from the installed layout"; }
grep -q 'window shown' "$work/solvane.out" || fail "solvane showed no window"
for qm in en.qm figures_en.qm; do
  grep -qF "Translation $root/usr/share/solvane/$qm loaded" "$work/solvane.err" ||
    { cat "$work/solvane.err" >&2; fail "solvane did not take $qm from /usr/share/solvane as its language.ini says"; }
done
[ -z "$(ls -A "$user_home/cwd")" ] || fail "solvane wrote into its working folder"

# Without the simulator package there is no USB library, and both say so.
dpkg_root -r solvane-simulator
if as_user "$root/usr/bin/solvane-cli" list 2>"$work/nolib.txt"; then
  fail "solvane-cli list succeeded without a USB library"
fi
grep -q '^solvane-cli: cannot load the USB library: libTesselUSB.so: ' "$work/nolib.txt" ||
  { cat "$work/nolib.txt" >&2; fail "solvane-cli does not say that no USB library is present"; }
install_debs build/solvane-simulator_*.deb

# 5. The SDK from the installed tree through its pkg-config file.
export PKG_CONFIG_PATH=$root/$lib/pkgconfig
flags=$(pkg-config --cflags --libs specsdk) || fail "pkg-config does not know specsdk"
include=$(pkg-config --variable=includedir specsdk)
[ "$(realpath "$include")" = "$root/usr/include" ] ||
  fail "pkg-config places the header in $include, not in the installed tree"
# shellcheck disable=SC2086 # the flags are words
cc -std=c99 -Wall -Wextra -Werror "$root/usr/share/specsdk/examples/acquire.c" $flags \
  -o "$work/acquire"
LD_LIBRARY_PATH=$root/$lib TESSELUSB_STATE=$PWD/tesselusb/examples/spectrometer_demo.json \
  "$work/acquire" 150 >/dev/null || fail "the SDK example failed against the installed tree"

# 6. Every manual page renders without a warning.
for page in man1/solvane.1.gz man1/solvane-cli.1.gz man8/drvinst.8.gz man1/specview.1.gz; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/$page" \
    >"$work/page.txt" 2>"$work/page.err" || fail "man -l $page failed"
  [ ! -s "$work/page.err" ] || { cat "$work/page.err" >&2; fail "man -l $page warns"; }
  grep -q 'NAME' "$work/page.txt" || fail "man -l $page shows no NAME section"
done

echo "check-packages: the packages install and run ($(cd build && echo *.deb))"
