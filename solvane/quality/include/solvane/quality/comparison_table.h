#pragma once

// The Compare table of several records: each record against the first,
// the same cells in the window's Compare dialog and in solvane-cli compare.

#include "solvane/quality/record_quality.h"

#include "lightquality/comparison.h"

#include <QList>
#include <QStringList>

namespace solvane::quality {

// Column headings (English source texts; the dialog translates them in the
// context "solvane::quality::CompareDialog").
inline constexpr int kComparisonColumns = 8;
extern const char *const kComparisonHeadings[kComparisonColumns];

// Each record against the first; the first row compares the first record
// with itself (no differences, SSI and TLMF 100).
QList<lightquality::Comparison> compareWithFirst(const QList<RecordQuality> &records);

// The eight cells of a row: ΔEv (%), ΔCCT (K), ΔDuv, Δu′v′, ΔRa, ΔRf, SSI
// and TLMF, differences with their sign, "n/a" where a figure is undefined.
QStringList comparisonCells(const lightquality::Comparison &c);

} // namespace solvane::quality
