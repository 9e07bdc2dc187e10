#!/usr/bin/env bash
# Runs the x86-64 Windows build of scripts/cross-windows.sh under wine64,
# against the simulated TesselUSB.dll, on a virtual display:
# - solvane-cli.exe prints, writes and computes what the Linux build does
#   (the data file in CR LF lines and the Chinese code page, 936);
# - the SDK's example reads the demo spectrometer through specsdk.dll;
# - solvane.exe and specview.exe open their windows, and a second
#   solvane.exe opens none;
# - the x64 installer installs silently with the demo meter into a fresh
#   prefix, the installed program reads it, and the silent uninstall leaves
#   no file of ours; a TesselUSB.dll that was there survives both.
#
#   scripts/check-windows-wine.sh [HOST-BUILD]      default build
#
# WINDOWS_SCREENSHOTS=DIR also saves the two windows as PNG files there
# (needs ImageMagick's import).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

host=$(realpath "${1:-build}")
root=$(realpath "${WINDOWS_BUILD:-build-windows}")
folder=$root/x86_64-folder/Solvane
demo=$root/x86_64-folder/demo/TesselUSB.dll
version=$(sed -n 's/^project(solvane_suite VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
installer=$root/solvane-setup-$version-x64.exe
spectrometer=$PWD/tesselusb/examples/spectrometer_demo.json

# Debian keeps wine64 and wineserver out of PATH unless the wine package
# adds its wrappers.
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
work=$(mktemp -d)
# No prompts for wine's .NET and HTML engines, which nothing here uses.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset TESSELUSB_STATE
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT

log() { echo "check-windows-wine: $*"; }
fail() { echo "check-windows-wine: $*" >&2; exit 1; }

winpath() { printf 'Z:%s' "$(realpath -m "$1" | tr / '\\')"; }
# Windows programs run in the Chinese locale, whose code page is the one
# the data files are written in, in the scratch folder, where their
# settings files go, and for five minutes at most.
win() { (cd "$work" && LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 timeout 300 "$wine64" "$@"); }

# A fresh prefix at $1: a copy of one made once, which saves wine's set-up.
new_prefix() {
  if [ ! -d "$work/fresh-prefix" ]; then
    WINEPREFIX=$work/fresh-prefix "$wine64" wineboot --init >/dev/null 2>&1
    WINEPREFIX=$work/fresh-prefix "$wineserver" -w
  fi
  cp -a "$work/fresh-prefix" "$1"
  export WINEPREFIX=$1
}

# The id of the top-level X window whose title starts with $1, waiting up
# to 120 s for it.
window_id() {
  local id
  for _ in $(seq 240); do
    id=$(xwininfo -root -children | sed -n "s/^ *\(0x[0-9a-f]*\) \"$1[^\"]*\".*/\1/p" | head -n1)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.5
  done
  fail "no window \"$1\" appeared"
}

screenshot() {
  [ -n "${WINDOWS_SCREENSHOTS:-}" ] || return 0
  import -window "$1" "$WINDOWS_SCREENSHOTS/$2"
  log "saved $WINDOWS_SCREENSHOTS/$2"
}

# The command-line tool against the Linux build, both on the demo meter.
check_cli() {
  local program=$1 linux=$host/bin/solvane-cli
  diff <(win "$program/solvane-cli.exe" list | tr -d '\r') <("$linux" list) ||
    fail "solvane-cli.exe list differs from the Linux build's"
  win "$program/solvane-cli.exe" read --csv "$(winpath "$work/windows.csv")" >/dev/null
  "$linux" read --csv "$work/linux.csv" >/dev/null
  [ "$(grep -c $'\r$' "$work/windows.csv")" -eq "$(wc -l <"$work/windows.csv")" ] ||
    fail "the data file of solvane-cli.exe has lines that do not end in CR LF"
  iconv -f CP936 -t UTF-8 "$work/windows.csv" | tr -d '\r' | cmp - "$work/linux.csv" ||
    fail "the data file of solvane-cli.exe is not the Linux one in code page 936"

  win "$program/solvane-cli.exe" report --csv "$(winpath "$work/windows.csv")" --record 0 \
    --pdf "$(winpath "$work/windows.pdf")" >/dev/null
  "$linux" report --csv "$work/linux.csv" --record 0 --pdf "$work/linux.pdf" >/dev/null
  # The same text in the same order. The fonts differ, and with them where
  # the text extraction sees spaces; the time of printing may differ by a
  # minute.
  if [ "$(report_text "$work/windows.pdf")" != "$(report_text "$work/linux.pdf")" ]; then
    diff <(pdftotext -raw "$work/windows.pdf" -) <(pdftotext -raw "$work/linux.pdf" -) >&2
    fail "the report of solvane-cli.exe has other texts than the Linux one"
  fi

  win "$program/solvane-cli.exe" metrics --json | tr -d '\r' >"$work/windows.json"
  "$linux" metrics --json >"$work/linux.json"
  python3 - "$work/windows.json" "$work/linux.json" <<'EOF' || fail "metrics --json differs from the Linux build's"
import json, sys

def same(a, b, where):
    if isinstance(a, float) or isinstance(b, float):
        ok = isinstance(a, (int, float)) and isinstance(b, (int, float)) and abs(a - b) <= 1e-9
    elif isinstance(a, dict) and isinstance(b, dict):
        ok = a.keys() == b.keys() and all(same(a[k], b[k], f"{where}.{k}") for k in a)
    elif isinstance(a, list) and isinstance(b, list):
        ok = len(a) == len(b) and all(same(x, y, f"{where}[{i}]") for i, (x, y) in enumerate(zip(a, b)))
    else:
        ok = a == b
    if not ok and not isinstance(a, (dict, list)):
        print(f"{where}: {a!r} on Windows, {b!r} on Linux", file=sys.stderr)
    return ok

sys.exit(0 if same(json.load(open(sys.argv[1])), json.load(open(sys.argv[2])), "") else 1)
EOF
  log "solvane-cli.exe list, read --csv, report --pdf and metrics --json match the Linux build"
}

# The text of the PDF $1 in the order it was painted, without white space
# and without today's time of printing.
report_text() {
  pdftotext -raw "$1" - | sed -E "s/$(date +%Y-%m-%d) [0-9]{2}:[0-9]{2}//" | tr -d '[:space:]'
}

check_sdk_example() {
  local program=$1
  cp "$root/x86_64/bin/acquire.exe" "$program/"
  TESSELUSB_STATE=$(winpath "$spectrometer") win "$program/acquire.exe" | tr -d '\r' >"$work/acquire.txt"
  grep -qx "CCT 6040 K" "$work/acquire.txt" || { cat "$work/acquire.txt" >&2; fail "acquire.exe did not measure 6040 K"; }
  log "acquire.exe measured the demo spectrometer: $(grep CCT "$work/acquire.txt")"
}

# Waits up to 120 s for the text $2 in the file $1.
wait_for_text() {
  for _ in $(seq 240); do
    grep -q "$2" "$1" && return
    sleep 0.5
  done
  cat "$1" >&2
  fail "waited in vain for \"$2\" in $1"
}

# The programs' message boxes are answered, and their texts printed, by the
# test automation of solvane.exe (solvane/app/startup.cpp).
check_windows() {
  local program=$1 first id
  SOLVANE_TEST_QUIT_AFTER_MS=60000 SOLVANE_TEST_ANSWER_WARNINGS=1 win "$program/solvane.exe" \
    >"$work/first.out" 2>&1 &
  first=$!
  id=$(window_id "Solvane ")
  wait_for_text "$work/first.out" "window shown"
  # F5 reads the meter's stored records; the read ends with a message.
  xdotool windowfocus "$id" sleep 1 key F5
  wait_for_text "$work/first.out" "读取存储数据完成"
  SOLVANE_TEST_ANSWER_WARNINGS=1 win "$program/solvane.exe" >"$work/second.out" 2>&1 ||
    fail "the second solvane.exe failed: $(cat "$work/second.out")"
  grep -q "window shown" "$work/second.out" && fail "a second solvane.exe opened a window"
  grep -q "warning: Error: 软件已打开！" "$work/second.out" ||
    fail "the second solvane.exe did not say that the program is open: $(cat "$work/second.out")"
  screenshot "$id" solvane-wine.png
  wait "$first" || fail "solvane.exe ended with an error"
  log "solvane.exe opened its window and read the demo meter; a second one said so and opened none"

  TESSELUSB_STATE=$(winpath "$spectrometer") win "$program/specview.exe" --language en \
    >"$work/specview.out" 2>&1 &
  id=$(window_id "specview - Spectrometer")
  sleep 5
  grep -q "not available" "$work/specview.out" && fail "specview.exe: $(cat "$work/specview.out")"
  screenshot "$id" specview-wine.png
  "$wineserver" -k
  log "specview.exe opened its window on the demo spectrometer"
}

# Lists the files of the prefix's drive C.
drive_files() {
  (cd "$WINEPREFIX/drive_c" && find . -type f | sort)
}

check_installer() {
  local installed="$work/installed/drive_c/Program Files/Solvane" before
  new_prefix "$work/installed"
  before=$(drive_files)
  win "$installer" /S /DEMO
  "$wineserver" -w
  [ -f "$installed/solvane.exe" ] && [ -f "$installed/TesselUSB.dll" ] ||
    fail "the installer did not install the programs and the demo meter into $installed"
  diff <(win "$installed/solvane-cli.exe" list | tr -d '\r') <("$host/bin/solvane-cli" list) ||
    fail "the installed solvane-cli.exe does not read the demo meter"
  win reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Solvane' >/dev/null ||
    fail "the installer made no entry in Add/Remove Programs"
  ls "$work/installed/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Solvane/"*.lnk >/dev/null ||
    fail "the installer made no Start-menu entries"
  win "$installed/uninstall.exe" /S
  "$wineserver" -w
  # The uninstaller runs from a copy in the temporary folder, which Windows
  # deletes when it restarts.
  "$wine64" wineboot --restart >/dev/null 2>&1
  "$wineserver" -w
  if diff <(echo "$before") <(drive_files) | grep '^>'; then
    fail "these files were left behind by the uninstaller"
  fi
  win reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Solvane' >/dev/null 2>&1 &&
    fail "the uninstaller left the Add/Remove Programs entry"
  log "the x64 installer installed with the demo meter, and its uninstaller removed everything"

  # The instrument's own library, put there before: kept by both.
  new_prefix "$work/own-library"
  installed="$WINEPREFIX/drive_c/Program Files/Solvane"
  mkdir -p "$installed"
  echo "the instrument's own library" >"$installed/TesselUSB.dll"
  win "$installer" /S /DEMO
  "$wineserver" -w
  grep -q "own library" "$installed/TesselUSB.dll" || fail "the installer replaced the user's TesselUSB.dll"
  win "$installed/uninstall.exe" /S
  "$wineserver" -w
  grep -q "own library" "$installed/TesselUSB.dll" || fail "the uninstaller removed the user's TesselUSB.dll"
  [ "$(ls -A "$installed")" = TesselUSB.dll ] || fail "the uninstaller left $(ls -A "$installed")"
  log "a TesselUSB.dll that was there stayed through install and uninstall"
}

new_prefix "$work/prefix"
program=$work/Solvane
cp -r "$folder" "$program"
cp "$demo" "$program/"
check_cli "$program"
check_sdk_example "$program"
check_windows "$program"
check_installer
