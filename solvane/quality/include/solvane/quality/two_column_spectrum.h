#pragma once

// A light's spectrum from a plain text file of wavelengths and values, the
// form any instrument or spreadsheet can write: a reference luminaire to
// match lights against.

#include "lightquality/spectrum.h"

#include <QString>

namespace solvane::quality {

// A spectrum file of two columns, wavelength in nm and value, separated by
// spaces, tabs, commas or semicolons; lines before the first pair (a
// header) and those starting with '#' are skipped. The values are
// interpolated linearly to each nanometre from 380 to 780 nm, 0 outside the
// file's range. False, with why, for a file that cannot be read, that
// holds no pair, wavelengths that do not rise, or a line that is not a pair
// after the first.
bool readTwoColumnSpectrum(const QString &path, lightquality::Spectrum *spectrum, QString *error);

} // namespace solvane::quality
