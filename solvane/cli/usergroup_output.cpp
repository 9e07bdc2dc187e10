#include "usergroup_output.h"

#include "cli_format.h"
#include "count_text.h"
#include "tsiostream.h"

#include "lightquality/usergroups.h"
#include "solvane/quality/figure_text.h"

#include <QJsonValue>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using solvane::quality::RecordQuality;

// The first reason among the figures of a group; empty when all have values.
std::string firstReason(std::initializer_list<const std::string *> reasons) {
  for (const std::string *r : reasons) {
    if (!r->empty()) {
      return *r;
    }
  }
  return {};
}

lightquality::SimilarityIndex extraSsi(const RecordQuality &r, const SsiReference &extra) {
  return lightquality::spectralSimilarityIndex(r.input.spectrum, extra.spectrum);
}

// planck:T and daylight:T take a temperature in kelvin (a trailing K is
// allowed), record:N a record
// number from 0. CIE daylight is defined from 4000 to 25000 K.
bool parseSsiReference(const QString &text, SsiReference *reference) {
  const QString kind = text.section(':', 0, 0);
  const QString value = text.section(':', 1);
  bool ok = false;
  if (kind == "record") {
    reference->kind = SsiReference::kRecord;
    reference->record = value.toInt(&ok);
    reference->key = QString("record_%1").arg(reference->record);
    return ok && reference->record >= 0;
  }
  // "planck:3200" or "planck:3200K"
  reference->kelvin = (value.endsWith('K') ? value.chopped(1) : value).toDouble(&ok);
  if (!ok || !std::isfinite(reference->kelvin)) {
    return false;
  }
  const QString kelvin = QString::number(reference->kelvin, 'g', 10);
  if (kind == "planck") {
    reference->kind = SsiReference::kPlanck;
    reference->key = QString("planck_%1K").arg(kelvin);
    return reference->kelvin >= 1000 && reference->kelvin <= 100000;
  }
  if (kind == "daylight") {
    reference->kind = SsiReference::kDaylight;
    reference->key = QString("daylight_%1K").arg(kelvin);
    return reference->kelvin >= 4000 && reference->kelvin <= 25000;
  }
  return false;
}

} // namespace

bool takeSsiReference(QStringList *args, std::optional<SsiReference> *reference) {
  const int at = args->indexOf("--ssi-reference");
  if (at < 0) {
    return true;
  }
  const QString value = args->value(at + 1);
  args->removeAt(at);
  if (at < args->size()) {
    args->removeAt(at);
  }
  SsiReference parsed;
  if (!parseSsiReference(value, &parsed) || args->contains("--ssi-reference")) {
    return false;
  }
  *reference = parsed;
  return true;
}

namespace {

// A temperature reference gets its spectrum; false for a record reference.
bool temperatureReference(SsiReference *reference) {
  switch (reference->kind) {
  case SsiReference::kPlanck:
    reference->spectrum = lightquality::ssiPlanckReference(reference->kelvin);
    return true;
  case SsiReference::kDaylight:
    reference->spectrum = lightquality::ssiDaylightReference(reference->kelvin);
    return true;
  case SsiReference::kRecord:
    break;
  }
  return false;
}

// Record N's spectrum; `record` is null when the input holds only `count`
// records.
bool recordReference(SsiReference *reference, const QStringList *record, qsizetype count,
                     QString *error) {
  if (!record) {
    *error = QString("there is no SSI reference record %1: the input holds %2")
                 .arg(reference->record)
                 .arg(solvane::errors::counted(count, "record"));
    return false;
  }
  solvane::quality::RecordInput input;
  QString problem;
  if (!solvane::quality::readRecordInput(*record, &input, &problem)) {
    *error = QString("the SSI reference record %1 cannot be read: %2")
                 .arg(reference->record)
                 .arg(problem);
    return false;
  }
  reference->spectrum = input.spectrum;
  return true;
}

} // namespace

bool resolveSsiReference(SsiReference *reference, const QList<QStringList> &records,
                         QString *error) {
  if (temperatureReference(reference)) {
    return true;
  }
  const int n = reference->record;
  return recordReference(reference, n < records.size() ? &records[n] : nullptr, records.size(),
                         error);
}

bool resolveSsiReference(SsiReference *reference, const QString &csv, QString *error) {
  if (temperatureReference(reference)) {
    return true;
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

void addUserGroupJson(QJsonObject *object, const RecordQuality &r, const SsiReference *extra) {
  QJsonObject exposure = (*object)["exposure"].toObject();
  exposure.insert("calibration_constant", lightquality::kIncidentCalibrationConstant);
  object->insert("exposure", exposure);
  if (!extra) {
    return;
  }
  QJsonObject ssi = (*object)["ssi"].toObject();
  const lightquality::SimilarityIndex s = extraSsi(r, *extra);
  ssi.insert(extra->key, solvane::quality::jsonNumber(s.value));
  if (ssi["reason"].isNull()) {
    ssi.insert("reason", solvane::quality::jsonReason(s.reason));
  }
  object->insert("ssi", ssi);
}

void printUserGroupLines(const RecordQuality &r, const SsiReference *extra) {
  using lightquality::FigureGroup;
  const lightquality::FigureSource source = r.figures();
  const auto value = [&source](FigureGroup group, const char *key) {
    return listed(lightquality::figure(group, key), source);
  };
  const auto reason = [&source](FigureGroup group) {
    return lightquality::groupReason(source, group);
  };
  std::printf("  %-26sSSI Planck 3200 K %s   SSI daylight 5600 K %s", "Cinema",
              value(FigureGroup::kSimilarity, "planck_3200K").c_str(),
              value(FigureGroup::kSimilarity, "daylight_5600K").c_str());
  std::string extraReason;
  if (extra) {
    const lightquality::SimilarityIndex s = extraSsi(r, *extra);
    const int decimals =
        lightquality::figure(FigureGroup::kSimilarity, "planck_3200K").listingDecimals;
    std::printf("   SSI %s %s", qPrintable(extra->key),
                lightquality::figureText(s.value, decimals).c_str());
    extraReason = s.reason;
  }
  std::printf("   EV100 %s (C = %.0f)", value(FigureGroup::kExposure, "ev100").c_str(),
              lightquality::kIncidentCalibrationConstant);
  const std::string ssiReason = reason(FigureGroup::kSimilarity);
  const std::string exposureReason = reason(FigureGroup::kExposure);
  endLine(firstReason({&ssiReason, &extraReason, &exposureReason}));
  std::printf("  %-26sPPFD %s µmol/m²/s   PFD-FR %s µmol/m²/s   R:FR %s", "Horticulture",
              value(FigureGroup::kPhoton, "ppfd_umol_m2_s").c_str(),
              value(FigureGroup::kPhoton, "pfd_fr_umol_m2_s").c_str(),
              value(FigureGroup::kPhoton, "r_fr").c_str());
  endLine(reason(FigureGroup::kPhoton));
  std::printf("  %-26sS/P %s", "Outdoor lighting",
              value(FigureGroup::kScotopic, "s_p_ratio").c_str());
  endLine(reason(FigureGroup::kScotopic));
}
