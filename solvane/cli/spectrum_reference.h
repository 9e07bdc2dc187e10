#pragma once

// The reference spectra solvane-cli metrics takes from its options:
// --ssi-reference planck:T|daylight:T|record:N adds one more SSI,
// --tlmf-reference record:N|FILE one more TLMF.

#include "lightquality/spectrum.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct SpectrumReference {
  enum Kind { kPlanck, kDaylight, kRecord, kFile };
  Kind kind = kPlanck;
  double kelvin = 0;
  int record = 0;
  QString path;                    // a spectrum file's name as given
  QString key;                     // JSON key and table label: planck_4300K, record_3, lamp.txt
  const char *figure = "";         // "SSI" or "TLMF", naming the reference in messages
  lightquality::Spectrum spectrum; // filled by resolveReferences
};

struct ExtraReferences {
  std::optional<SpectrumReference> ssi;
  std::optional<SpectrumReference> tlmf;
};

// Takes "--ssi-reference VALUE" and "--tlmf-reference VALUE" out of `args`.
// False for a missing or malformed value or an option given twice: a
// command line the command does not understand.
bool takeReferences(QStringList *args, ExtraReferences *references);

// Sets the references' spectra: the Planck law or CIE daylight at their
// temperature, the spectrum of record N (from 0) of `records`, or a spectrum
// file's. False, with why, when record N is missing or cannot be read or the
// file cannot be read.
bool resolveReferences(ExtraReferences *references, const QList<QStringList> &records,
                       QString *error);
// The same with records N of the data file `csv`, read as far as record N
// only; also false, with the reader's reason, when the file cannot be read.
bool resolveReferences(ExtraReferences *references, const QString &csv, QString *error);
