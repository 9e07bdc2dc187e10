#!/usr/bin/env bash
# Updates lightquality/translations/figures_{cn,tw,en}.ts, the translations
# of the figure table that both programs load, from the texts lightquality
# marks with FIGURE("..."): a new text is added unfinished (translate it in
# all three files), a text that no source marks any longer is removed. The
# programs' own .ts files are left alone: no text of theirs is in the
# context Figures (ctest checks that).
#
#   scripts/update-figure-translations.sh           update the three files
#   scripts/update-figure-translations.sh --check   change nothing; fail when
#       a file lacks a marked text, holds one no source marks, or leaves one
#       untranslated (ctest runs this)
#
# LUPDATE names the lupdate to run (default: the one on PATH).
#
# lupdate knows only Qt's own marks, so it reads a copy of the sources in
# which FIGURE("text") reads QT_TRANSLATE_NOOP("Figures", "text").
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/sources" "$work/ts"
for file in lightquality/src/*.cpp lightquality/src/*.h lightquality/include/lightquality/*.h; do
  sed -zE 's/\bFIGURE\((\s*")/QT_TRANSLATE_NOOP("Figures", \1/g' "$file" >"$work/sources/$(basename "$file")"
done
ts_files=(lightquality/translations/figures_{cn,tw,en}.ts)
update() {
  "${LUPDATE:-lupdate}" -silent -locations none -no-obsolete "$work/sources" -ts "$@"
}

if [ "${1:-}" != "--check" ]; then
  update "${ts_files[@]}"
  exit 0
fi
cp "${ts_files[@]}" "$work/ts/"
update "$work"/ts/*.ts
status=0
for file in "${ts_files[@]}"; do
  if ! cmp -s "$file" "$work/ts/$(basename "$file")"; then
    echo "$file does not hold the texts lightquality marks; run $0:" >&2
    diff "$file" "$work/ts/$(basename "$file")" >&2 || true
    status=1
  fi
  if grep -q 'type="unfinished"' "$file"; then
    echo "$file leaves texts untranslated" >&2
    status=1
  fi
done
exit $status
