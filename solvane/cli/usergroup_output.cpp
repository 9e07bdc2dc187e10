#include "usergroup_output.h"

#include "cli_format.h"
#include "count_text.h"
#include "tsiostream.h"

#include "lightquality/usergroups.h"

#include <QJsonValue>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using solvane::quality::RecordQuality;

QJsonValue number(double v) {
  return std::isfinite(v) ? QJsonValue(v) : QJsonValue();
}

// The first reason among the figures of a group; empty when all have values.
std::string firstReason(std::initializer_list<const std::string *> reasons) {
  for (const std::string *r : reasons) {
    if (!r->empty()) {
      return *r;
    }
  }
  return {};
}

QJsonValue reasonJson(const std::string &text) {
  return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
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
  const lightquality::UserGroupFigures &f = r.metrics.userGroups;
  QJsonObject ssi{{"planck_3200K", number(f.ssiPlanck3200.value)},
                  {"daylight_5600K", number(f.ssiDaylight5600.value)}};
  std::string extraReason;
  if (extra) {
    const lightquality::SimilarityIndex s = extraSsi(r, *extra);
    ssi.insert(extra->key, number(s.value));
    extraReason = s.reason;
  }
  ssi.insert("reason", reasonJson(firstReason(
                           {&f.ssiPlanck3200.reason, &f.ssiDaylight5600.reason, &extraReason})));
  object->insert("ssi", ssi);
  object->insert("photon", QJsonObject{{"ppfd_umol_m2_s", number(f.photon.ppfd)},
                                       {"pfd_fr_umol_m2_s", number(f.photon.pfdFarRed)},
                                       {"r_fr", number(f.photon.redFarRed)},
                                       {"reason", reasonJson(f.photon.reason)}});
  object->insert("scotopic", QJsonObject{{"s_p_ratio", number(f.scotopic.value)},
                                         {"reason", reasonJson(f.scotopic.reason)}});
  object->insert("exposure",
                 QJsonObject{{"ev100", number(f.exposure.ev100)},
                             {"calibration_constant", lightquality::kIncidentCalibrationConstant},
                             {"reason", reasonJson(f.exposure.reason)}});
}

void printUserGroupLines(const RecordQuality &r, const SsiReference *extra) {
  const lightquality::UserGroupFigures &f = r.metrics.userGroups;
  std::printf("  %-26sSSI Planck 3200 K %s   SSI daylight 5600 K %s", "Cinema",
              shown(f.ssiPlanck3200.value, 0).c_str(), shown(f.ssiDaylight5600.value, 0).c_str());
  std::string extraReason;
  if (extra) {
    const lightquality::SimilarityIndex s = extraSsi(r, *extra);
    std::printf("   SSI %s %s", qPrintable(extra->key), shown(s.value, 0).c_str());
    extraReason = s.reason;
  }
  std::printf("   EV100 %s (C = %.0f)", shown(f.exposure.ev100, 2).c_str(),
              lightquality::kIncidentCalibrationConstant);
  endLine(firstReason(
      {&f.ssiPlanck3200.reason, &f.ssiDaylight5600.reason, &extraReason, &f.exposure.reason}));
  std::printf("  %-26sPPFD %s µmol/m²/s   PFD-FR %s µmol/m²/s   R:FR %s", "Horticulture",
              shown(f.photon.ppfd, 3).c_str(), shown(f.photon.pfdFarRed, 3).c_str(),
              shown(f.photon.redFarRed, 3).c_str());
  endLine(f.photon.reason);
  std::printf("  %-26sS/P %s", "Outdoor lighting", shown(f.scotopic.value, 3).c_str());
  endLine(f.scotopic.reason);
}
