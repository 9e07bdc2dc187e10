#pragma once

// A spectrum from another instrument's file as a measurement record, so that
// the window lists, draws, evaluates and compares it like a stored record and
// solvane-cli prints it the same way.

#include "spectrumfile/spectrum_file.h"

#include <QString>
#include <QStringList>

namespace solvane::quality {

// The spectrum in file `path` read as `format` (kDetect: told by its first
// line). False, with one sentence in `error` (may be null) naming the file
// and what was expected at which line, when the file cannot be read or is
// no spectrum.
bool readSpectrumFile(const QString &path, spectrumfile::Format format,
                      spectrumfile::ImportedSpectrum *spectrum, QString *error);

// The 430 fields of the spectrum in file `path` read as `format`: label the
// file's name, date-time the file's own measurement time (may be empty),
// illuminance the file's own, else that of values the file declares as
// W·m⁻²·nm⁻¹, else empty (the figures that need it are then undefined); the
// colour items computed as for a stored record; the 401 values at 1 nm.
// False, with one sentence in `error` (may be null) naming the file and what
// was expected at which line, when the file cannot be read or is no spectrum.
bool readSpectrumRecord(const QString &path, spectrumfile::Format format, QStringList *record,
                        QString *error);

} // namespace solvane::quality
