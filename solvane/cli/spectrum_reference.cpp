#include "spectrum_reference.h"

#include "count_text.h"
#include "tsiostream.h"

#include "lightquality/reference.h"
#include "lightquality/usergroups.h"
#include "solvane/quality/record_quality.h"
#include "solvane/quality/spectrum_record.h"

#include <QFileInfo>

#include <cmath>

namespace {

// "record:N": a record number from 0.
bool parseRecord(const QString &value, SpectrumReference *reference) {
  bool ok = false;
  reference->kind = SpectrumReference::kRecord;
  reference->record = value.toInt(&ok);
  reference->key = QString("record_%1").arg(reference->record);
  return ok && reference->record >= 0;
}

// planck:T and daylight:T take a temperature in kelvin (a trailing K is
// allowed), record:N a record number from 0. CIE daylight is defined from
// 4000 to 25000 K.
bool parseSsiReference(const QString &text, SpectrumReference *reference) {
  const QString kind = text.section(':', 0, 0);
  const QString value = text.section(':', 1);
  if (kind == "record") {
    return parseRecord(value, reference);
  }
  // "planck:3200" or "planck:3200K"
  bool ok = false;
  reference->kelvin = (value.endsWith('K') ? value.chopped(1) : value).toDouble(&ok);
  if (!ok || !std::isfinite(reference->kelvin)) {
    return false;
  }
  const QString kelvin = QString::number(reference->kelvin, 'g', 10);
  if (kind == "planck") {
    reference->kind = SpectrumReference::kPlanck;
    reference->key = QString("planck_%1K").arg(kelvin);
    return reference->kelvin >= 1000 && reference->kelvin <= 100000;
  }
  if (kind == "daylight") {
    reference->kind = SpectrumReference::kDaylight;
    reference->key = QString("daylight_%1K").arg(kelvin);
    return reference->kelvin >= 4000 && reference->kelvin <= 25000;
  }
  return false;
}

// record:N, or the name of a spectrum file (keyed by its file name); an
// option in its place means the value was left out.
bool parseTlmfReference(const QString &text, SpectrumReference *reference) {
  if (text.startsWith("--")) {
    return false;
  }
  if (text.startsWith("record:")) {
    return parseRecord(text.section(':', 1), reference);
  }
  reference->kind = SpectrumReference::kFile;
  reference->path = text;
  reference->key = QFileInfo(text).fileName();
  return !reference->key.isEmpty();
}

// Takes "OPTION VALUE" out of `args` when it is there.
bool takeOption(QStringList *args, const QString &option, const char *figure,
                bool (*parse)(const QString &, SpectrumReference *),
                std::optional<SpectrumReference> *reference) {
  const int at = args->indexOf(option);
  if (at < 0) {
    return true;
  }
  const QString value = args->value(at + 1);
  args->removeAt(at);
  if (at < args->size()) {
    args->removeAt(at);
  }
  SpectrumReference parsed;
  parsed.figure = figure;
  if (!parse(value, &parsed) || args->contains(option)) {
    return false;
  }
  *reference = parsed;
  return true;
}

// A reference luminaire's spectrum from a file of any format the spectrum
// reader knows (two-column text, SPDX, the other meters' exports).
bool readFileSpectrum(const QString &path, lightquality::Spectrum *spectrum, QString *error) {
  spectrumfile::ImportedSpectrum imported;
  if (!solvane::quality::readSpectrumFile(path, spectrumfile::Format::kDetect, &imported, error)) {
    return false;
  }
  *spectrum = imported.values;
  return true;
}

// A reference that needs no record gets its spectrum here: true when it
// did, with `*ok` false, and why in `error`, for a file that cannot be read.
bool resolvedWithoutRecords(SpectrumReference *reference, bool *ok, QString *error) {
  *ok = true;
  switch (reference->kind) {
  case SpectrumReference::kPlanck:
    reference->spectrum = lightquality::ssiPlanckReference(reference->kelvin);
    return true;
  case SpectrumReference::kDaylight:
    reference->spectrum = lightquality::ssiDaylightReference(reference->kelvin);
    return true;
  case SpectrumReference::kFile:
    *ok = readFileSpectrum(reference->path, &reference->spectrum, error);
    return true;
  case SpectrumReference::kRecord:
    break;
  }
  return false;
}

// Record N's spectrum; `record` is null when the input holds only `count`
// records.
bool recordReference(SpectrumReference *reference, const QStringList *record, qsizetype count,
                     QString *error) {
  if (!record) {
    *error = QString("there is no %1 reference record %2: the input holds %3")
                 .arg(reference->figure)
                 .arg(reference->record)
                 .arg(solvane::errors::counted(count, "record"));
    return false;
  }
  solvane::quality::RecordInput input;
  QString problem;
  if (!solvane::quality::readRecordInput(*record, &input, &problem)) {
    *error = QString("the %1 reference record %2 cannot be read: %3")
                 .arg(reference->figure)
                 .arg(reference->record)
                 .arg(problem);
    return false;
  }
  reference->spectrum = input.spectrum;
  return true;
}

bool resolve(SpectrumReference *reference, const QList<QStringList> &records, QString *error) {
  if (bool ok = false; resolvedWithoutRecords(reference, &ok, error)) {
    return ok;
  }
  const int n = reference->record;
  return recordReference(reference, n < records.size() ? &records[n] : nullptr, records.size(),
                         error);
}

bool resolve(SpectrumReference *reference, const QString &csv, QString *error) {
  if (bool ok = false; resolvedWithoutRecords(reference, &ok, error)) {
    return ok;
  }
  TSIOStream stream;
  stream.setFileName(csv);
  QStringList header;
  QStringList found;
  bool isThere = false;
  qsizetype seen = 0;
  const bool read = stream.readSolvaneData(&header, [&](QStringList &record) {
    isThere = seen == reference->record;
    if (isThere) {
      found = record;
      return false; // nothing after it is needed
    }
    ++seen;
    return true;
  });
  if (!read) {
    *error = stream.errorString();
    return false;
  }
  return recordReference(reference, isThere ? &found : nullptr, seen, error);
}

template <typename Input>
bool resolveBoth(ExtraReferences *references, const Input &input, QString *error) {
  for (std::optional<SpectrumReference> *r : {&references->ssi, &references->tlmf}) {
    if (*r && !resolve(&**r, input, error)) {
      return false;
    }
  }
  return true;
}

} // namespace

bool takeReferences(QStringList *args, ExtraReferences *references) {
  return takeOption(args, "--ssi-reference", "SSI", parseSsiReference, &references->ssi) &&
         takeOption(args, "--tlmf-reference", "TLMF", parseTlmfReference, &references->tlmf);
}

bool resolveReferences(ExtraReferences *references, const QList<QStringList> &records,
                       QString *error) {
  return resolveBoth(references, records, error);
}

bool resolveReferences(ExtraReferences *references, const QString &csv, QString *error) {
  return resolveBoth(references, csv, error);
}
