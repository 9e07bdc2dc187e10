#pragma once

// Marks a text that the Qt programs translate in the context "Figures": the
// table's labels, group names and methods, and every reason the library
// gives for a missing figure. scripts/update-figure-translations.sh reads
// the marked texts into lightquality/translations/figures_*.ts. This
// library has no Qt, so the mark only gives back the text.
#define FIGURE(text) text
