#include "metrics_command.h"

#include "cli_format.h"
#include "exit_status.h"
#include "luxengine.h"
#include "quoting/quoted_qstring.h"
#include "tsiostream.h"
#include "uncertainty_output.h"
#include "usergroup_output.h"

#include "lightquality/metrics.h"
#include "solvane/quality/record_quality.h"
#include "solvane/records/measurement_record.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using solvane::quality::RecordQuality;

const char *const kChannelNames[lightquality::kAlphaOpicChannels] = {"s_cone", "m_cone", "l_cone",
                                                                     "rhodopic", "melanopic"};

// One record of the input: its metrics, or why it has none.
struct Evaluation {
  QString name;
  QString problem; // empty when `quality` holds the record's metrics
  RecordQuality quality;
};

// A record without a label (a short line of a data file) is named by its
// position, from 0 as `report --record` counts.
Evaluation evaluate(const QStringList &record, int index) {
  Evaluation e;
  e.name = record.value(solvane::records::kLabel);
  if (e.name.isEmpty()) {
    e.name = QString("record %1").arg(index);
  }
  solvane::quality::evaluateRecord(record, &e.quality, &e.problem);
  return e;
}

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

QJsonObject metricsJson(const RecordQuality &r, const SsiReference *extra) {
  const solvane::quality::OwnFigures &own = r.input.own;
  const lightquality::LightQuality &q = r.metrics;
  QJsonObject object{
      {"record", r.input.label},
      {"time", r.input.time},
      {"illuminance_lx", r.input.illuminance},
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
  addUserGroupJson(&object, r, extra);
  return object;
}

// A record that cannot be evaluated keeps its place with the reason only.
QJsonObject evaluationJson(const Evaluation &e, const SsiReference *extra) {
  if (!e.problem.isEmpty()) {
    return {{"record", e.name}, {"reason", e.problem}};
  }
  return metricsJson(e.quality, extra);
}

void printMetricsTable(const RecordQuality &r, const SsiReference *extra) {
  const solvane::quality::OwnFigures &own = r.input.own;
  const lightquality::LightQuality &q = r.metrics;
  std::printf("%s  %s  Ev %.2f lx\n", qPrintable(quoting::quotedText(r.input.label)),
              qPrintable(quoting::quotedText(r.input.time)), r.input.illuminance);
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
  std::printf("  CIE S 026 at %.2f lx", r.input.illuminance);
  endLine(q.alphaOpic.reason);
  std::printf("%28s%-10s %14s %10s %8s\n", "", "channel", "E (mW/m²)", "EDI (lx)", "DER");
  for (int c = 0; c < lightquality::kAlphaOpicChannels; ++c) {
    std::printf("%28s%-10s %14s %10s %8s\n", "", kChannelNames[c],
                shown(q.alphaOpic.irradiance[c], 3).c_str(), shown(q.alphaOpic.edi[c], 2).c_str(),
                shown(q.alphaOpic.der[c], 4).c_str());
  }
  printUserGroupLines(r, extra);
}

// Prints each record's metrics as it comes, so a data file of any length
// is evaluated holding one record at a time. The JSON form is the array
// QJsonDocument writes, one element after the other.
class MetricsPrinter {
public:
  // `extra`: one more SSI reference, or null; `uncertainty`: the
  // uncertainty wanted, or null.
  MetricsPrinter(bool asJson, const SsiReference *extra, const UncertaintyRequest *uncertainty)
      : json(asJson), extraSsi(extra), uncertaintyRequest(uncertainty) {}

  void print(const QStringList &record) {
    const Evaluation e = evaluate(record, count++);
    everyRecord = everyRecord && e.problem.isEmpty();
    const bool withUncertainty = uncertaintyRequest && e.problem.isEmpty();
    const lightquality::UncertaintyResult uncertainty =
        withUncertainty ? propagateRecord(e.quality, *uncertaintyRequest)
                        : lightquality::UncertaintyResult{};
    if (json) {
      QJsonObject element = evaluationJson(e, extraSsi);
      if (withUncertainty) {
        element.insert("uncertainty", uncertaintyJson(uncertainty, uncertaintyRequest->budget));
      }
      printJsonElement(element);
    } else if (e.problem.isEmpty()) {
      printMetricsTable(e.quality, extraSsi);
      if (withUncertainty) {
        printUncertaintyLines(uncertainty, uncertaintyRequest->budget);
      }
    } else {
      std::printf("%s  not evaluated: %s\n", qPrintable(quoting::quotedText(e.name)),
                  qPrintable(e.problem));
    }
  }

  int printed() const { return count; }

  // Ends the JSON array; false when a record could not be evaluated.
  bool finish() {
    if (json) {
      std::printf("%s]\n", count > 0 ? "\n" : "[\n");
    }
    return everyRecord;
  }

private:
  void printJsonElement(const QJsonObject &element) const {
    // A one-element array, without its brackets, is the element indented
    // as it stands in the whole array.
    const QByteArray array = QJsonDocument(QJsonArray{element}).toJson();
    const QByteArray indented =
        uncertaintySeedsAsNumbers(array.mid(2, array.size() - 5)); // "[\n" ... "\n]\n"
    std::printf("%s%s", count > 1 ? ",\n" : "[\n", indented.constData());
  }

  bool json;
  const SsiReference *extraSsi;
  const UncertaintyRequest *uncertaintyRequest;
  int count = 0;
  bool everyRecord = true;
};

// The --ssi-reference with its spectrum from `input` (the records read from
// the meter, or the data file's name); false after one line on stderr when
// the reference record cannot be used.
template <typename Input>
bool resolveExtraSsi(std::optional<SsiReference> *reference, const Input &input) {
  QString error;
  if (*reference && !resolveSsiReference(&**reference, input, &error)) {
    std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(error));
    return false;
  }
  return true;
}

} // namespace

int showMetrics(LuxEngine &meter, const QStringList &arguments) {
  QStringList args = arguments;
  std::optional<SsiReference> extra;
  std::optional<UncertaintyRequest> uncertainty;
  if (const int status = takeUncertaintyOptions(&args, &uncertainty); status != kOk) {
    return status;
  }
  if (!takeSsiReference(&args, &extra)) {
    return kUsage;
  }
  const bool json = args == QStringList{"--json"};
  if (!args.isEmpty() && !json) {
    return kUsage;
  }
  const solvane::records::ReadOutcome outcome = solvane::records::readStoredRecords(meter, 0);
  if (!resolveExtraSsi(&extra, outcome.records)) {
    return kFileFailed;
  }
  MetricsPrinter printer(json, extra ? &*extra : nullptr, uncertainty ? &*uncertainty : nullptr);
  for (const QStringList &record : outcome.records) {
    printer.print(record);
  }
  printer.finish();
  if (outcome.status < 0) {
    std::fprintf(stderr, "solvane-cli: reading stored record %d failed\n",
                 static_cast<int>(outcome.records.size()));
    return kMeterFailed;
  }
  return kOk;
}

bool metricsReadFile(const QStringList &args) {
  return args.contains("--csv");
}

int showFileMetrics(const QStringList &args) {
  QStringList rest = args;
  std::optional<SsiReference> extra;
  std::optional<UncertaintyRequest> uncertainty;
  if (const int status = takeUncertaintyOptions(&rest, &uncertainty); status != kOk) {
    return status;
  }
  if (!takeSsiReference(&rest, &extra)) {
    return kUsage;
  }
  const bool json = rest.removeAll("--json") == 1;
  const int csvAt = rest.indexOf("--csv");
  if (rest.size() != 2 || csvAt != 0 || rest[1].isEmpty()) {
    return kUsage;
  }
  const QString csv = rest[1];
  if (!resolveExtraSsi(&extra, csv)) {
    return kFileFailed;
  }
  TSIOStream stream;
  stream.setFileName(csv);
  QStringList header;
  MetricsPrinter printer(json, extra ? &*extra : nullptr, uncertainty ? &*uncertainty : nullptr);
  const bool read = stream.readSolvaneData(&header, [&printer](QStringList &record) {
    printer.print(record);
    return true;
  });
  // A file that could not be opened prints nothing.
  const bool everyRecord = read || printer.printed() > 0 ? printer.finish() : true;
  if (!read) {
    std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(stream.errorString()));
    return kFileFailed;
  }
  if (!everyRecord) {
    std::fprintf(stderr, "solvane-cli: some records of %s could not be evaluated\n",
                 qPrintable(quoting::quotedText(csv)));
    return kFileFailed;
  }
  return kOk;
}
