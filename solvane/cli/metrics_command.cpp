#include "metrics_command.h"

#include "luxengine.h"

#include "lightquality/metrics.h"
#include "solvane/colour/items.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Record {
  QString name;
  QDateTime time;
  double illuminance = 0;
  double ratio = 0;
  lightquality::Spectrum spectrum{};
};

// Every stored record; false (after one line on stderr) when a read fails.
bool readRecords(LuxEngine &meter, std::vector<Record> &records) {
  for (int ordinal = 0;; ++ordinal) {
    Record r;
    const int status =
        meter.readStoredData(ordinal, &r.time, &r.illuminance, r.spectrum.data(), &r.ratio);
    if (status == 0) {
      return true;
    }
    if (status < 0) {
      std::fprintf(stderr, "solvane-cli: reading stored record %d failed\n", ordinal);
      return false;
    }
    r.name = QString("NO.%1").arg(ordinal, 3, 10, QChar('0'));
    records.push_back(r);
  }
}

// The record's own figures, computed the way the meter program always has.
struct OwnFigures {
  double cct, duv, ra;
};

OwnFigures ownFigures(const Record &r) {
  double items[solvane::kColourItems];
  solvane::computeColourItems(r.spectrum.data(), lightquality::kSpectrumValues, items, 0, r.ratio);
  return {items[solvane::kItemCct], items[solvane::kItemDuv], items[solvane::kItemRa]};
}

const char *const kChannelNames[lightquality::kAlphaOpicChannels] = {"s_cone", "m_cone", "l_cone",
                                                                     "rhodopic", "melanopic"};

// JSON has no NaN: an undefined value is null, with the reason beside it.
QJsonValue number(double v) {
  return std::isfinite(v) ? QJsonValue(v) : QJsonValue();
}

template <std::size_t N> QJsonArray numbers(const std::array<double, N> &values) {
  QJsonArray a;
  for (double v : values) {
    a.append(number(v));
  }
  return a;
}

QJsonValue reason(const std::string &text) {
  return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
}

QJsonObject channels(const lightquality::AlphaOpicValues &values) {
  QJsonObject o;
  for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
    o.insert(kChannelNames[c], number(values[c]));
  }
  return o;
}

QJsonObject recordJson(const Record &r) {
  const OwnFigures own = ownFigures(r);
  const lightquality::LightQuality q = lightquality::lightQuality(r.spectrum, r.illuminance);
  return {
      {"record", r.name},
      {"time", r.time.toString(Qt::ISODate)},
      {"illuminance_lx", r.illuminance},
      {"record_own",
       QJsonObject{{"cct_K", number(own.cct)}, {"duv", number(own.duv)}, {"ra", number(own.ra)}}},
      {"cie15_cct", QJsonObject{{"cct_K", number(q.cct.kelvin)},
                                {"duv", number(q.cct.duv)},
                                {"reason", reason(q.cct.reason)}}},
      {"cie13_3", QJsonObject{{"ra", number(q.rendering.ra)},
                              {"r1_r14", numbers(q.rendering.special)},
                              {"reason", reason(q.rendering.reason)}}},
      {"tm30_18", QJsonObject{{"rf", number(q.fidelity.rf)},
                              {"rg", number(q.fidelity.rg)},
                              {"rf_hue_bins", numbers(q.fidelity.binFidelity)},
                              {"rcs_hue_bins_percent", numbers(q.fidelity.binChromaShift)},
                              {"rhs_hue_bins", numbers(q.fidelity.binHueShift)},
                              {"rf_ces", numbers(q.fidelity.sampleFidelity)},
                              {"reason", reason(q.fidelity.reason)}}},
      {"cie_s026", QJsonObject{{"irradiance_mW_m2", channels(q.alphaOpic.irradiance)},
                               {"edi_lx", channels(q.alphaOpic.edi)},
                               {"der", channels(q.alphaOpic.der)},
                               {"reason", reason(q.alphaOpic.reason)}}},
  };
}

// The value with `decimals` decimals and its unit, or "n/a" for a NaN.
std::string shown(double value, int decimals, const char *unit = "") {
  if (!std::isfinite(value)) {
    return "n/a";
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%s", decimals, value, unit);
  return text;
}

// A group's reason for its NaN values, after its line.
void endLine(const std::string &reason) {
  std::printf(reason.empty() ? "\n" : "   (%s)\n", reason.c_str());
}

void printRecordTable(const Record &r) {
  const OwnFigures own = ownFigures(r);
  const lightquality::LightQuality q = lightquality::lightQuality(r.spectrum, r.illuminance);
  std::printf("%s  %s  Ev %.2f lx\n", qPrintable(r.name), qPrintable(r.time.toString(Qt::ISODate)),
              r.illuminance);
  std::printf("  record (meter's method)   CCT %s   Δuv %s   Ra %s\n",
              shown(own.cct, 0, " K").c_str(), shown(own.duv, 5).c_str(), shown(own.ra, 2).c_str());
  std::printf("  CIE 15:2018 (Ohno 2013)   CCT %s   Duv %s", shown(q.cct.kelvin, 1, " K").c_str(),
              shown(q.cct.duv, 5).c_str());
  endLine(q.cct.reason);
  std::printf("  CIE 13.3                  Ra %s", shown(q.rendering.ra, 2).c_str());
  endLine(q.rendering.reason);
  if (std::isfinite(q.rendering.ra)) {
    std::printf("                            R1-R14");
    for (double v : q.rendering.special) {
      std::printf(" %.1f", v);
    }
    std::printf("\n");
  }
  std::printf("  CIE 2017 / TM-30-18       Rf %s   Rg %s", shown(q.fidelity.rf, 2).c_str(),
              shown(q.fidelity.rg, 2).c_str());
  endLine(q.fidelity.reason);
  std::printf("  CIE S 026 at %.2f lx", r.illuminance);
  endLine(q.alphaOpic.reason);
  std::printf("%28s%-10s %14s %10s %8s\n", "", "channel", "E (mW/m²)", "EDI (lx)", "DER");
  for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
    std::printf("%28s%-10s %14s %10s %8s\n", "", kChannelNames[c],
                shown(q.alphaOpic.irradiance[c], 3).c_str(), shown(q.alphaOpic.edi[c], 2).c_str(),
                shown(q.alphaOpic.der[c], 4).c_str());
  }
}

} // namespace

int showMetrics(LuxEngine &meter, const QStringList &args) {
  const bool json = args.value(0) == "--json";
  if (!args.isEmpty() && !json) {
    std::fprintf(stderr, "solvane-cli: metrics takes no argument or --json\n");
    return 2;
  }
  std::vector<Record> records;
  const bool complete = readRecords(meter, records);
  if (json) {
    QJsonArray all;
    for (const Record &r : records) {
      all.append(recordJson(r));
    }
    std::printf("%s", QJsonDocument(all).toJson().constData());
  } else {
    for (const Record &r : records) {
      printRecordTable(r);
    }
  }
  return complete ? 0 : 1;
}
