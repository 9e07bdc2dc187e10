#!/usr/bin/env bash
# Updates lightquality/translations/figures_{cn,tw,en}.ts, the translations
# of the figure table that both programs load, from the texts lightquality
# marks with FIGURE("..."): a new text is added unfinished (translate it in
# all three files), a text that no source marks any longer is removed. The
# programs' own .ts files are left alone: no text of theirs is in the
# context Figures (ctest checks that).
#
#   scripts/update-figure-translations.sh
#
# lupdate knows only Qt's own marks, so it reads a copy of the sources in
# which FIGURE("text") reads QT_TRANSLATE_NOOP("Figures", "text").
set -euo pipefail
cd "$(dirname "$0")/.."
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
for file in lightquality/src/*.cpp lightquality/src/*.h lightquality/include/lightquality/*.h; do
  sed -zE 's/\bFIGURE\((\s*")/QT_TRANSLATE_NOOP("Figures", \1/g' "$file" >"$copy/$(basename "$file")"
done
lupdate -silent -locations none -no-obsolete "$copy" -ts lightquality/translations/figures_{cn,tw,en}.ts
