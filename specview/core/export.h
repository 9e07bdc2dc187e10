#pragma once

// The shown spectrum saved: as CSV with a commented header that says how it
// was taken, and as an SPDX file. Both written atomically.

#include <QDateTime>
#include <QString>
#include <QVector>

namespace specview {

// How the saved values were taken.
struct SaveContext {
  QDateTime time;
  QString deviceId;
  int integrationTime = 0;
  int scans = 1;
  int boxcar = 0;
  bool darkSubtracted = false;
  bool referenceStored = false;
  QString view;        // what the values are, e.g. "processed intensity"
  QString xColumn;     // "wavelength" or "pixel"
  QString valueColumn; // "value"
  int saturatedPixels = 0; // pixels at full scale; the files say so when there are any
  int fullScale = 0;       // counts
};

// The files' note on a saturated frame; empty when there is none.
QString saturationNote(const SaveContext &context);

struct Series {
  QVector<double> x;
  QVector<double> values;
};

// Reads a file that saveCsv wrote: the header keys and the points.
// False with why in `error` when it is not such a file.
bool readCsv(const QString &path, QVector<QPair<QString, QString>> *header, Series *series,
             QString *error);

// The commented header ("# key: value"), then "x,value" and one line per
// point, NaN written as "nan"; through a temporary file renamed into place
// only when complete. False, with the file and the system's reason, otherwise.
bool saveCsv(const QString &path, const SaveContext &context, const Series &series,
             QString *error);

// The 380–779 nm spectrum as a relative spectral distribution.
bool saveSpdx(const QString &path, const SaveContext &context, const Series &spectrum,
              QString *error);

} // namespace specview
