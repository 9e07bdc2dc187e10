#pragma once

// One record's spectrum as an IES TM-27-14 spectral data file (SPDX XML),
// the form lighting tools import.

#include "solvane/quality/record_quality.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace solvane::quality {

// The document: the header (description, creator, identifier, instrument,
// measurement date, creation date `created`, comments) and the 401 values
// at 1 nm from 380 to 780 nm: spectral irradiance in W·m⁻²·nm⁻¹ (scaled by
// the record's illuminance), or the relative values when the record has no
// illuminance or no light. The comments name the unit.
QByteArray spdxDocument(const RecordInput &input, const QDate &created);

// Writes spdxDocument(input, today) to `path`. The file appears only when it
// was written whole: on failure nothing is left and `error` (may be null)
// says why.
bool saveSpdx(const RecordInput &input, const QString &path, QString *error);

} // namespace solvane::quality
