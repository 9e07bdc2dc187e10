#pragma once

// A spectrum as an IES TM-27-14 spectral data file (SPDX XML), the form
// lighting tools import.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>

namespace spdx {

struct Sample {
  double wavelength; // nm
  double value;
};

struct Document {
  QString description;
  QString creator;   // the program
  QString equipment; // the instrument
  QDate reportDate;  // the measurement's date; left out when invalid
  QString comments;
  QString quantity = QStringLiteral("relative");
  QVector<Sample> samples;
};

// The XML text: the header (description, creator, a fresh identifier,
// equipment, report date, creation date `created`, comments) and one
// SpectralData element per sample, in their shortest exact decimal form.
QByteArray write(const Document &document, const QDate &created);

} // namespace spdx
