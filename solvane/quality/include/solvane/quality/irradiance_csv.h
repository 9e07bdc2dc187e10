#pragma once

// Records' spectra as spectral irradiance in W·m⁻²·nm⁻¹ (each spectrum
// scaled by its record's illuminance), one CSV line per record: the data
// file keeps its fixed 430 fields, so the absolute spectra have a file of
// their own. solvane-cli spectrum and the window's Export spectrum (CSV)
// write it.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace solvane::quality {

// "Data,Date,Ev (lx),380 nm (W·m⁻²·nm⁻¹),...,780 nm (W·m⁻²·nm⁻¹)" and a line end.
QByteArray irradianceCsvHeader();

// The record's line: label, date-time, illuminance and the 401 values with
// seven significant digits. False, with why in `error` (may be null), for a
// record that cannot be read or whose spectrum or illuminance cannot be
// made absolute (no light, no illuminance).
bool irradianceCsvLine(const QStringList &record, QByteArray *line, QString *error);

// Header and lines of `records` written whole to `path`. False, with why
// in `error`, when a record cannot be made absolute (nothing is written) or
// the file cannot be written (an earlier file stays as it was).
bool saveIrradianceCsv(const QList<QStringList> &records, const QString &path, QString *error);

} // namespace solvane::quality
