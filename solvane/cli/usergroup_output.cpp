#include "usergroup_output.h"

#include "cli_format.h"

#include "quoting/quoted_qstring.h"

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

lightquality::SimilarityIndex extraSsi(const RecordQuality &r, const SpectrumReference &ssi) {
  return lightquality::spectralSimilarityIndex(r.input.spectrum, ssi.spectrum);
}

lightquality::LuminaireMatching extraTlmf(const RecordQuality &r, const SpectrumReference &tlmf) {
  return lightquality::luminaireMatchingFactor(r.input.spectrum, tlmf.spectrum);
}

// Adds `key: value` to the object `group` of `object`, and the value's
// reason where the group has none yet.
void addToGroup(QJsonObject *object, const char *group, const QString &key, double value,
                const std::string &reason) {
  QJsonObject o = (*object)[group].toObject();
  o.insert(key, solvane::quality::jsonNumber(value));
  if (o["reason"].isNull()) {
    o.insert("reason", solvane::quality::jsonReason(reason));
  }
  object->insert(group, o);
}

} // namespace

void addUserGroupJson(QJsonObject *object, const RecordQuality &r, const ExtraReferences &extra) {
  QJsonObject exposure = (*object)["exposure"].toObject();
  exposure.insert("calibration_constant", lightquality::kIncidentCalibrationConstant);
  object->insert("exposure", exposure);
  const lightquality::TelevisionLightingConsistency &tlci = r.metrics.userGroups.television.tlci;
  QJsonObject television = (*object)["tlci"].toObject();
  const bool defined = tlci.reason.empty();
  television.insert("reference", defined ? QJsonValue(lightquality::tlciReferenceName(tlci.reference))
                                         : QJsonValue());
  television.insert("caution", defined ? QJsonValue(tlci.caution()) : QJsonValue());
  object->insert("tlci", television);
  if (extra.ssi) {
    const lightquality::SimilarityIndex s = extraSsi(r, *extra.ssi);
    addToGroup(object, "ssi", extra.ssi->key, s.value, s.reason);
  }
  if (extra.tlmf) {
    const lightquality::LuminaireMatching m = extraTlmf(r, *extra.tlmf);
    addToGroup(object, "tlmf", extra.tlmf->key, m.qa, m.reason);
  }
}

namespace {

// "TLCI 52.20 (ΔEa 3.044, 3990.2 K, blend, d 0.454)   TLMF CIE A 3.12   TLMF D65 4.30",
// the caution after it when d > 1.
void printTelevisionLine(const RecordQuality &r, const ExtraReferences &extra) {
  using lightquality::FigureGroup;
  const lightquality::FigureSource source = r.figures();
  const auto value = [&source](FigureGroup group, const char *key) {
    return listedWithUnit(lightquality::figure(group, key), source);
  };
  const lightquality::TelevisionLightingConsistency &tlci = r.metrics.userGroups.television.tlci;
  std::printf("  %-26sTLCI %s", "Television", value(FigureGroup::kTlci, "qa").c_str());
  if (tlci.reason.empty()) {
    std::printf(" (ΔEa %s, %s, %s, d %s)", value(FigureGroup::kTlci, "delta_e").c_str(),
                value(FigureGroup::kTlci, "cct_k").c_str(),
                lightquality::tlciReferenceName(tlci.reference),
                value(FigureGroup::kTlci, "d").c_str());
  }
  std::printf("   TLMF CIE A %s   TLMF D65 %s", value(FigureGroup::kTlmf, "cie_a").c_str(),
              value(FigureGroup::kTlmf, "d65").c_str());
  std::string extraReason;
  if (extra.tlmf) {
    const lightquality::LuminaireMatching m = extraTlmf(r, *extra.tlmf);
    const int decimals = lightquality::figure(FigureGroup::kTlmf, "d65").listingDecimals;
    std::printf("   TLMF %s %s", qPrintable(quoting::quotedText(extra.tlmf->key)),
                lightquality::figureText(m.qa, decimals).c_str());
    extraReason = m.reason;
  }
  if (tlci.caution()) {
    std::printf("   caution: d > 1, the TLCI is less reliable");
  }
  const std::string tlciReason = lightquality::groupReason(source, FigureGroup::kTlci);
  const std::string tlmfReason = lightquality::groupReason(source, FigureGroup::kTlmf);
  endLine(firstReason({&tlciReason, &tlmfReason, &extraReason}));
}

} // namespace

void printUserGroupLines(const RecordQuality &r, const ExtraReferences &extra) {
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
  if (extra.ssi) {
    const lightquality::SimilarityIndex s = extraSsi(r, *extra.ssi);
    const int decimals =
        lightquality::figure(FigureGroup::kSimilarity, "planck_3200K").listingDecimals;
    std::printf("   SSI %s %s", qPrintable(extra.ssi->key),
                lightquality::figureText(s.value, decimals).c_str());
    extraReason = s.reason;
  }
  std::printf("   EV100 %s (C = %.0f)", value(FigureGroup::kExposure, "ev100").c_str(),
              lightquality::kIncidentCalibrationConstant);
  const std::string ssiReason = reason(FigureGroup::kSimilarity);
  const std::string exposureReason = reason(FigureGroup::kExposure);
  endLine(firstReason({&ssiReason, &extraReason, &exposureReason}));
  printTelevisionLine(r, extra);
  std::printf("  %-26sPPFD %s µmol/m²/s   PFD-FR %s µmol/m²/s   R:FR %s", "Horticulture",
              value(FigureGroup::kPhoton, "ppfd_umol_m2_s").c_str(),
              value(FigureGroup::kPhoton, "pfd_fr_umol_m2_s").c_str(),
              value(FigureGroup::kPhoton, "r_fr").c_str());
  endLine(reason(FigureGroup::kPhoton));
  std::printf("  %-26sS/P %s", "Outdoor lighting",
              value(FigureGroup::kScotopic, "s_p_ratio").c_str());
  endLine(reason(FigureGroup::kScotopic));
}

QStringList extraFigureNames(const ExtraReferences &extra) {
  QStringList names;
  if (extra.ssi) {
    names << "SSI " + extra.ssi->key;
  }
  if (extra.tlmf) {
    names << "TLMF " + extra.tlmf->key;
  }
  return names;
}

std::vector<double> extraFigureValues(const RecordQuality &r, const ExtraReferences &extra) {
  std::vector<double> values;
  if (extra.ssi) {
    values.push_back(extraSsi(r, *extra.ssi).value);
  }
  if (extra.tlmf) {
    values.push_back(extraTlmf(r, *extra.tlmf).qa);
  }
  return values;
}
