#pragma once

// The user-group figures in solvane-cli metrics (SSI, photon quantities,
// S/P ratio, exposure), and the one extra SSI reference --ssi-reference
// asks for.

#include "solvane/quality/record_quality.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// An extra SSI reference: planck:T, daylight:T or record:N.
struct SsiReference {
  enum Kind { kPlanck, kDaylight, kRecord };
  Kind kind = kPlanck;
  double kelvin = 0;
  int record = 0;
  QString key;                     // JSON key and table label: planck_4300K, record_3
  lightquality::Spectrum spectrum; // filled by resolveSsiReference
};

// Takes "--ssi-reference VALUE" out of `args`. False for a missing or
// malformed value or an option given twice: a command line the command does
// not understand.
bool takeSsiReference(QStringList *args, std::optional<SsiReference> *reference);

// Sets the reference's spectrum: the Planck law or CIE daylight at its
// temperature, or the spectrum of record N (from 0) of `records`. False,
// with why, when record N is missing or cannot be read.
bool resolveSsiReference(SsiReference *reference, const QList<QStringList> &records,
                         QString *error);
// The same for the records of the data file `csv`, read as far as record N
// only; also false, with the reader's reason, when the file cannot be read.
bool resolveSsiReference(SsiReference *reference, const QString &csv, QString *error);

// Adds what the figure table does not hold to a record's object: the
// exposure's calibration constant and the extra SSI reference.
void addUserGroupJson(QJsonObject *object, const solvane::quality::RecordQuality &r,
                      const SsiReference *extra);

// The three lines of the metrics table: cinema, horticulture, outdoor.
void printUserGroupLines(const solvane::quality::RecordQuality &r, const SsiReference *extra);
