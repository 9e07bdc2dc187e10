#pragma once

// Records' spectra as spectral irradiance in W·m⁻²·nm⁻¹ (each spectrum
// scaled by its record's illuminance), one CSV line per record: the data
// file keeps its fixed 430 fields, so the absolute spectra have a file of
// their own. solvane-cli spectrum and the window's Export spectrum (CSV)
// write it.

#include "solvane/quality/record_quality.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace solvane::quality {

// "Data,Date,Ev (lx),380 nm (W·m⁻²·nm⁻¹),...,780 nm (W·m⁻²·nm⁻¹)" and a line end.
QByteArray irradianceCsvHeader();

// The record's line: label, date-time, illuminance and the 401 values with
// seven significant digits. False, with why in `error` (may be null), for a
// spectrum without light or a record without illuminance.
bool irradianceCsvLine(const RecordInput &record, QByteArray *line, QString *error);

// Header and lines of `records` written whole to `path`. False, with why
// in `error`, when a record cannot be made absolute (nothing is written) or
// the file cannot be written (an earlier file stays as it was).
bool saveIrradianceCsv(const QList<RecordInput> &records, const QString &path, QString *error);

} // namespace solvane::quality
