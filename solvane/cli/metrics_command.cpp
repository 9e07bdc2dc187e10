#include "metrics_command.h"

#include "cli_format.h"
#include "exit_status.h"
#include "file_error.h"
#include "file_target.h"
#include "luxengine.h"
#include "metrics_csv.h"
#include "quoting/quoted_qstring.h"
#include "tsiostream.h"
#include "uncertainty_output.h"
#include "usergroup_output.h"

#include "lightquality/figure_table.h"
#include "solvane/quality/figure_text.h"
#include "solvane/quality/record_quality.h"
#include "solvane/quality/spectrum_record.h"
#include "solvane/records/measurement_record.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using lightquality::FigureGroup;
using solvane::quality::jsonNumber;
using solvane::quality::jsonReason;
using solvane::quality::RecordQuality;

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

// One row of the table: a number, an array, or an object of named elements.
QJsonValue figureJson(const lightquality::Figure &row, const lightquality::FigureSource &source) {
  if (row.count == 1) {
    return jsonNumber(lightquality::figureValue(row, source));
  }
  QJsonArray array;
  QJsonObject object;
  for (int i = 0; i < row.count; ++i) {
    const QJsonValue value = jsonNumber(lightquality::figureValue(row, source, i));
    if (row.elementKeys) {
      object.insert(row.elementKeys[i], value);
    } else {
      array.append(value);
    }
  }
  return row.elementKeys ? QJsonValue(object) : QJsonValue(array);
}

// Each group of the table is one object holding its rows, "cct_defined"
// where a row rests on the CCT (the value stays beside it either way) and,
// except the record's own figures, the reason they are missing (null when
// they are not).
QJsonObject metricsJson(const RecordQuality &r, const ExtraReferences &extra) {
  const lightquality::FigureSource source = r.figures();
  QJsonObject object{
      {"record", r.input.label},
      {"time", r.input.time},
      {"illuminance_lx", jsonNumber(r.input.illuminance)},
  };
  for (const lightquality::FigureGroupInfo &info : lightquality::figureGroups()) {
    QJsonObject group;
    for (const lightquality::Figure &row : lightquality::figureTable()) {
      if (row.group == info.group) {
        group.insert(row.key, figureJson(row, source));
      }
    }
    if (std::any_of(lightquality::figureTable().begin(), lightquality::figureTable().end(),
                    [&info](const lightquality::Figure &row) {
                      return row.group == info.group && row.restsOnCct;
                    })) {
      group.insert("cct_defined", lightquality::cctDefined(source, info.group));
    }
    if (info.group != lightquality::FigureGroup::kInstrument) {
      group.insert("reason", jsonReason(lightquality::groupReason(source, info.group)));
    }
    object.insert(info.key, group);
  }
  addUserGroupJson(&object, r, extra);
  return object;
}

// A record that cannot be evaluated keeps its place with the reason only.
QJsonObject evaluationJson(const Evaluation &e, const ExtraReferences &extra) {
  if (!e.problem.isEmpty()) {
    return {{"record", e.name}, {"reason", e.problem}};
  }
  return metricsJson(e.quality, extra);
}

// The record's illuminance with its unit, or "n/a" for a spectrum without one.
std::string illuminanceText(double lux) {
  const std::string text = lightquality::figureText(lux, 2);
  return std::isfinite(lux) ? text + " lx" : text;
}

void printMetricsTable(const RecordQuality &r, const ExtraReferences &extra) {
  const lightquality::FigureSource source = r.figures();
  const auto value = [&source](FigureGroup group, const char *key) {
    return listedWithUnit(lightquality::figure(group, key), source);
  };
  const auto reason = [&source](FigureGroup group) {
    endLine(lightquality::groupReason(source, group));
  };
  std::printf("%s  %s  Ev %s\n", qPrintable(quoting::quotedText(r.input.label)),
              qPrintable(quoting::quotedText(r.input.time)),
              illuminanceText(r.input.illuminance).c_str());
  std::printf("  record (meter's method)   CCT %s   Δuv %s   Ra %s",
              value(FigureGroup::kInstrument, "cct_K").c_str(),
              value(FigureGroup::kInstrument, "duv").c_str(),
              value(FigureGroup::kInstrument, "ra").c_str());
  endLine(
      lightquality::figureCaveat(lightquality::figure(FigureGroup::kInstrument, "cct_K"), source));
  std::printf("  CIE 15:2018 (Ohno 2013)   CCT %s   Duv %s",
              value(FigureGroup::kCct, "cct_K").c_str(), value(FigureGroup::kCct, "duv").c_str());
  reason(FigureGroup::kCct);
  std::printf("  CIE 13.3                  Ra %s", value(FigureGroup::kRendering, "ra").c_str());
  reason(FigureGroup::kRendering);
  if (std::isfinite(r.metrics.rendering.ra)) {
    const lightquality::Figure &special = lightquality::figure(FigureGroup::kRendering, "r1_r14");
    std::printf("                            R1-R14");
    for (int i = 0; i < special.count; ++i) {
      std::printf(" %s", listed(special, source, i).c_str());
    }
    std::printf("\n");
  }
  std::printf("  CIE 2017 / TM-30-18       Rf %s   Rg %s",
              value(FigureGroup::kFidelity, "rf").c_str(),
              value(FigureGroup::kFidelity, "rg").c_str());
  reason(FigureGroup::kFidelity);
  std::printf("  CIE S 026 at %s", illuminanceText(r.input.illuminance).c_str());
  reason(FigureGroup::kAlphaOpic);
  const lightquality::Figure &irradiance =
      lightquality::figure(FigureGroup::kAlphaOpic, "irradiance_mW_m2");
  const lightquality::Figure &edi = lightquality::figure(FigureGroup::kAlphaOpic, "edi_lx");
  const lightquality::Figure &der = lightquality::figure(FigureGroup::kAlphaOpic, "der");
  std::printf("%28s%-10s %14s %10s %8s\n", "", "channel", "E (mW/m²)", "EDI (lx)", "DER");
  for (int c = 0; c < irradiance.count; ++c) {
    std::printf("%28s%-10s %14s %10s %8s\n", "", irradiance.elementKeys[c],
                listed(irradiance, source, c).c_str(), listed(edi, source, c).c_str(),
                listed(der, source, c).c_str());
  }
  printUserGroupLines(r, extra);
}

// Where the metrics go: standard output as text or JSON, or a CSV file.
struct MetricsOutput {
  bool json = false;
  QString csv; // --out's file; empty for standard output
};

// Takes --json and --out FILE out of `args`; false when --out has no
// value, comes twice or comes with --json.
bool takeOutput(QStringList *args, MetricsOutput *output) {
  output->json = args->removeAll("--json") == 1;
  const int at = args->indexOf("--out");
  if (at >= 0) {
    if (at + 1 >= args->size() || args->at(at + 1).isEmpty()) {
      return false;
    }
    output->csv = args->takeAt(at + 1);
    args->removeAt(at);
  }
  return !args->contains("--json") && !args->contains("--out") &&
         !(output->json && !output->csv.isEmpty());
}

// Prints each record's metrics as it comes, so a data file of any length
// is evaluated holding one record at a time. The JSON form is the array
// QJsonDocument writes, one element after the other; the CSV form goes to
// its file, which takes the place of an earlier one only when it was
// written whole.
class MetricsPrinter {
public:
  // `extra`: the extra SSI and TLMF references, if any; `uncertainty`: the
  // uncertainty wanted, or null.
  MetricsPrinter(const MetricsOutput &output, const ExtraReferences &references,
                 const UncertaintyRequest *uncertainty)
      : output_(output), extra(references), uncertaintyRequest(uncertainty),
        csv(references, uncertainty) {}

  // Opens the CSV file and writes its header; false when it cannot, which
  // finish() then tells. Nothing to do for standard output.
  bool open() {
    if (output_.csv.isEmpty()) {
      return true;
    }
    target = solvane::files::openTarget(output_.csv);
    written = target->open(QIODevice::WriteOnly) && write(csv.header());
    return written;
  }

  // False once the CSV file could not be written.
  bool print(const QStringList &record) {
    const Evaluation e = evaluate(record, count++);
    everyRecord = everyRecord && e.problem.isEmpty();
    const bool withUncertainty = uncertaintyRequest && e.problem.isEmpty();
    const lightquality::UncertaintyResult uncertainty =
        withUncertainty ? propagateRecord(e.quality, *uncertaintyRequest)
                        : lightquality::UncertaintyResult{};
    if (target) {
      return write(e.problem.isEmpty() ? csv.line(e.name, e.quality, uncertainty)
                                       : csv.unevaluatedLine(e.name, e.problem));
    }
    if (output_.json) {
      QJsonObject element = evaluationJson(e, extra);
      if (withUncertainty) {
        element.insert("uncertainty", uncertaintyJson(uncertainty, uncertaintyRequest->budget));
      }
      printJsonElement(element);
    } else if (e.problem.isEmpty()) {
      printMetricsTable(e.quality, extra);
      if (withUncertainty) {
        printUncertaintyLines(uncertainty, uncertaintyRequest->budget);
      }
    } else {
      std::printf("%s  not evaluated: %s\n", qPrintable(quoting::quotedText(e.name)),
                  qPrintable(e.problem));
    }
    return true;
  }

  int printed() const { return count; }

  // Ends the JSON array, or puts the CSV file in place; false after one
  // line on stderr when the file could not be written.
  bool finish() {
    if (output_.json) {
      std::printf("%s]\n", count > 0 ? "\n" : "[\n");
    }
    if (!target) {
      return true;
    }
    if (!written || !solvane::files::finishTarget(*target)) {
      std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(writeError()));
      return false;
    }
    return true; // silent, as the file may be standard output itself
  }

  // Whether every record printed could be evaluated.
  bool evaluatedAll() const { return everyRecord; }

private:
  QString writeError() const {
    return solvane::errors::fileError("cannot write the metrics file", *target);
  }

  bool write(const QByteArray &line) {
    written = written && target->write(line) == line.size();
    return written;
  }

  void printJsonElement(const QJsonObject &element) const {
    // A one-element array, without its brackets, is the element indented
    // as it stands in the whole array.
    const QByteArray array = QJsonDocument(QJsonArray{element}).toJson();
    const QByteArray indented =
        uncertaintySeedsAsNumbers(array.mid(2, array.size() - 5)); // "[\n" ... "\n]\n"
    std::printf("%s%s", count > 1 ? ",\n" : "[\n", indented.constData());
  }

  MetricsOutput output_;
  const ExtraReferences &extra;
  const UncertaintyRequest *uncertaintyRequest;
  MetricsCsv csv;
  std::unique_ptr<QFileDevice> target; // the CSV file, when there is one
  bool written = true;
  int count = 0;
  bool everyRecord = true;
};

// The extra references with their spectra from `input` (the records read
// from the meter, or the data file's name); false after one line on stderr
// when a reference cannot be used.
template <typename Input> bool resolveExtra(ExtraReferences *extra, const Input &input) {
  QString error;
  if (!resolveReferences(extra, input, &error)) {
    std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(error));
    return false;
  }
  return true;
}

} // namespace

int showMetrics(LuxEngine &meter, const QStringList &arguments) {
  QStringList args = arguments;
  ExtraReferences extra;
  std::optional<UncertaintyRequest> uncertainty;
  if (const int status = takeUncertaintyOptions(&args, &uncertainty); status != kOk) {
    return status;
  }
  MetricsOutput output;
  if (!takeReferences(&args, &extra) || !takeOutput(&args, &output) || !args.isEmpty()) {
    return kUsage;
  }
  const solvane::records::ReadOutcome outcome = solvane::records::readStoredRecords(meter, 0);
  if (!resolveExtra(&extra, outcome.records)) {
    return kFileFailed;
  }
  // Records read before a meter failure are written, as read --csv keeps them.
  MetricsPrinter printer(output, extra, uncertainty ? &*uncertainty : nullptr);
  bool written = printer.open();
  for (const QStringList &record : outcome.records) {
    written = written && printer.print(record);
  }
  if (!printer.finish()) {
    return kFileFailed;
  }
  if (outcome.status < 0) {
    std::fprintf(stderr, "solvane-cli: %s\n", outcome.error.toLocal8Bit().constData());
    return kMeterFailed;
  }
  return kOk;
}

bool metricsReadFile(const QStringList &args) {
  return args.contains("--csv") || args.contains("--spectrum");
}

namespace {

// The spectrum of another instrument's file, evaluated as a record of its
// own: the same table, or a JSON list or CSV file of one record.
int showSpectrumMetrics(const QString &path, const MetricsOutput &output, ExtraReferences extra,
                        const UncertaintyRequest *uncertainty) {
  QStringList record;
  QString error;
  if (!solvane::quality::readSpectrumRecord(path, spectrumfile::Format::kDetect, &record,
                                            &error)) {
    std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(error));
    return kFileFailed;
  }
  if (!resolveExtra(&extra, QList<QStringList>{record})) {
    return kFileFailed;
  }
  MetricsPrinter printer(output, extra, uncertainty);
  const bool written = printer.open() && printer.print(record);
  return printer.finish() && written && printer.evaluatedAll() ? kOk : kFileFailed;
}

} // namespace

int showFileMetrics(const QStringList &args) {
  QStringList rest = args;
  ExtraReferences extra;
  std::optional<UncertaintyRequest> uncertainty;
  if (const int status = takeUncertaintyOptions(&rest, &uncertainty); status != kOk) {
    return status;
  }
  MetricsOutput output;
  if (!takeReferences(&rest, &extra) || !takeOutput(&rest, &output)) {
    return kUsage;
  }
  if (rest.size() != 2 || (rest[0] != "--csv" && rest[0] != "--spectrum") || rest[1].isEmpty()) {
    return kUsage;
  }
  if (rest[0] == "--spectrum") {
    return showSpectrumMetrics(rest[1], output, extra, uncertainty ? &*uncertainty : nullptr);
  }
  const QString csv = rest[1];
  if (!resolveExtra(&extra, csv)) {
    return kFileFailed;
  }
  TSIOStream stream;
  stream.setFileName(csv);
  QStringList header;
  MetricsPrinter printer(output, extra, uncertainty ? &*uncertainty : nullptr);
  bool written = printer.open();
  const bool read = written && stream.readSolvaneData(&header, [&](QStringList &record) {
    written = printer.print(record);
    return written;
  });
  if (!written) {
    printer.finish(); // says why
    return kFileFailed;
  }
  if (!read) {
    // The JSON array of the records read so far is closed; a CSV file that
    // would miss records is not written.
    if (output.json && printer.printed() > 0) {
      printer.finish();
    }
    std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(stream.errorString()));
    return kFileFailed;
  }
  if (!printer.finish()) {
    return kFileFailed;
  }
  if (!printer.evaluatedAll()) {
    std::fprintf(stderr, "solvane-cli: some records of %s could not be evaluated\n",
                 qPrintable(quoting::quotedText(csv)));
    return kFileFailed;
  }
  return kOk;
}
