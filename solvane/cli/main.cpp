// solvane-cli: the meter layer of the desktop program for scripts and
// headless machines. Exit status 0 on success, 1 when the meter or its
// library fails, 2 for a command line it does not understand, 3 when a file
// cannot be read or written or holds no usable record.

#include "compare_command.h"
#include "count_text.h"
#include "exit_status.h"
#include "file_error.h"
#include "file_target.h"
#include "luxengine.h"
#include "metrics_command.h"
#include "measure.h"
#include "printinfo.h"
#include "quoting/quoted_qstring.h"
#include "solvane/quality/irradiance_csv.h"
#include "solvane/quality/spdx.h"
#include "solvane/records/measurement_record.h"
#include "testreport.h"
#include "uncertainty_output.h"
#include "uncertaintypage.h"
#include "tsiostream.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

bool verbose = false;

// The meter layer's debug lines are for diagnosis; show them on request.
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message) {
  if (type != QtDebugMsg || verbose) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

// The meter's own sentence: the operation, the exchange and its result.
int meterFailure(const QString &why) {
  std::fprintf(stderr, "solvane-cli: %s\n", why.toLocal8Bit().constData());
  return kMeterFailed;
}

int listRecords(LuxEngine &meter, const QStringList &) {
  std::printf("%-8s %-19s %12s %13s\n", "record", "date-time", "Ev (lx)", "ratio");
  std::vector<double> intensity(LuxEngine::kSpectrumSamples);
  for (int ordinal = 0;; ++ordinal) {
    QDateTime time;
    double illuminance = 0;
    double ratio = 0;
    const int status = meter.readStoredData(ordinal, &time, &illuminance, intensity.data(), &ratio);
    if (status == 0) {
      return kOk;
    }
    if (status < 0) {
      return meterFailure(meter.errorString());
    }
    // A calibrated meter's ratio may be far from 1 (1e-7 and less), so it
    // keeps seven significant digits at any magnitude.
    std::printf("NO.%03d   %-19s %12.2f %13.6e\n", ordinal,
                time.toString(Qt::ISODate).toUtf8().constData(), illuminance, ratio);
  }
}

// Symbol and unit of each test item, in record order (fields 2 to 28).
constexpr const char *kTestItems[][2] = {
    {"Ev", "lx"}, {"Tcp", "K"}, {"Ra", ""},  {"R1", ""},  {"R2", ""},   {"R3", ""},  {"R4", ""},
    {"R5", ""},   {"R6", ""},   {"R7", ""},  {"R8", ""},  {"R9", ""},   {"R10", ""}, {"R11", ""},
    {"R12", ""},  {"R13", ""},  {"R14", ""}, {"R15", ""}, {"λd", "nm"}, {"x", ""},   {"y", ""},
    {"u'", ""},   {"v'", ""},   {"X", ""},   {"Y", ""},   {"Z", ""},    {"Δuv", ""},
};
static_assert(std::size(kTestItems) == solvane::records::kTestItemCount);

void printRecord(const QStringList &record) {
  namespace rec = solvane::records;
  std::printf("%s %s\n", rec::fieldOrEmpty(record, rec::kLabel).toUtf8().constData(),
              rec::fieldOrEmpty(record, rec::kDateTime).toUtf8().constData());
  const QStringList items = rec::testItemTexts(record);
  for (int row = 0; row < rec::kTestItemCount; ++row) {
    const QString symbol = QString::fromUtf8(kTestItems[row][0]).leftJustified(5);
    const char *unit = kTestItems[row][1];
    std::printf("  %s %14s%s%s\n", symbol.toUtf8().constData(), items[row].toUtf8().constData(),
                *unit ? " " : "", unit);
  }
}

// Options of the form "--name value" with a non-empty value, each name at
// most once and only from `allowed`.
bool parseOptions(const QStringList &args, const QStringList &allowed,
                  QMap<QString, QString> *options) {
  if (args.size() % 2 != 0) {
    return false;
  }
  for (int i = 0; i < args.size(); i += 2) {
    if (!allowed.contains(args[i]) || options->contains(args[i]) || args[i + 1].isEmpty()) {
      return false;
    }
    options->insert(args[i], args[i + 1]);
  }
  return true;
}

int fileFailure(const QString &what) {
  std::fprintf(stderr, "solvane-cli: %s\n", what.toLocal8Bit().constData());
  return kFileFailed;
}

bool writeDataFile(const QString &path, const QList<QStringList> &records, QString *error) {
  TSIOStream stream;
  stream.setFileName(path);
  if (!stream.writeSolvaneData(TSIOStream::dataFileHeader(), records)) {
    *error = stream.errorString();
    return false;
  }
  return true;
}

// read [--observer 2|10] [--csv FILE]: every stored record, built as the
// window builds them, printed with its 27 test items or written to a data
// file as Export writes it. A meter failure part-way still writes the
// records read before it, as the window keeps them.
int readRecords(LuxEngine &meter, const QStringList &args) {
  QMap<QString, QString> options;
  if (!parseOptions(args, {"--observer", "--csv"}, &options) ||
      !QStringList{"2", "10"}.contains(options.value("--observer", "2"))) {
    return kUsage;
  }
  const int observer = options.value("--observer") == "10" ? 1 : 0;
  const QString csv = options.value("--csv");
  solvane::records::RecordSink print;
  if (csv.isEmpty()) {
    print = [](const QStringList &record, int) { printRecord(record); };
  }
  const solvane::records::ReadOutcome outcome =
      solvane::records::readStoredRecords(meter, observer, print);
  const int count = static_cast<int>(outcome.records.size());
  if (QString error; !csv.isEmpty() && !writeDataFile(csv, outcome.records, &error)) {
    return fileFailure(error);
  }
  if (outcome.status < 0) {
    const QString kept = csv.isEmpty()
                             ? QString()
                             : QString("; the %1 before it %2 in %3")
                                   .arg(solvane::errors::counted(count, "record"),
                                        count == 1 ? "is" : "are", quoting::quotedText(csv));
    return meterFailure(outcome.error + kept);
  }
  if (!csv.isEmpty()) {
    std::printf("%s written to %s\n", qPrintable(solvane::errors::counted(count, "record")),
                quoting::quotedText(csv).toLocal8Bit().constData());
  }
  return kOk;
}

// Paints into a temporary folder and copies the finished file into place,
// so that a failure leaves no partial PDF (and an earlier one intact).
bool writeReportPdf(const QStringList &record, const QStringList &printInfo, bool withQualityPage,
                    const solvane::report::ReportUncertainty *uncertainty, const QString &path,
                    QString *error) {
  using solvane::errors::fileError;
  using solvane::errors::report;
  // The tool shows no window: paint with the offscreen platform, which needs
  // no display. Windows' own platform needs none either, and it alone knows
  // the system's fonts there.
#ifndef Q_OS_WIN
  qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  int argc = 1;
  char name[] = "solvane-cli";
  char *argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);

  QTemporaryDir scratch;
  if (!scratch.isValid()) {
    return report(error, fileError("cannot make a temporary folder", QDir::tempPath(),
                                   scratch.errorString()));
  }
  const QString painted = scratch.filePath("report.pdf");
  QPrinter printer(QPrinter::ScreenResolution);
  solvane::report::setUpPdfPrinter(&printer, painted);
  if (!solvane::report::paintTestReport(&printer, record, printInfo, QDateTime::currentDateTime(),
                                        withQualityPage, uncertainty)) {
    return report(error, QString("cannot paint the report into %1").arg(painted));
  }
  QFile source(painted);
  if (!source.open(QIODevice::ReadOnly)) {
    return report(error, fileError("cannot read the painted report", source));
  }
  const std::unique_ptr<QFileDevice> target = solvane::files::openTarget(path);
  if (!target->open(QIODevice::WriteOnly) || target->write(source.readAll()) != source.size() ||
      !solvane::files::finishTarget(*target)) {
    return report(error, fileError("cannot write the report", *target));
  }
  return true;
}

// The --record option: a whole number from 0.
bool recordIndex(const QMap<QString, QString> &options, int *index) {
  bool isNumber = false;
  *index = options.value("--record").toInt(&isNumber);
  return isNumber && *index >= 0;
}

// Record `index` (from 0, in file order) of the data file `csv` into
// `record`: kOk, or after one line on stderr kFileFailed.
int readFileRecord(const QString &csv, int index, QStringList *record) {
  TSIOStream stream;
  stream.setFileName(csv);
  QStringList header;
  int records = 0;
  // Only the lines up to the record wanted are read.
  const bool read = stream.readSolvaneData(&header, [&](QStringList &line) {
    if (records++ < index) {
      return true;
    }
    *record = line;
    return false;
  });
  if (!read) {
    return fileFailure(stream.errorString());
  }
  if (records <= index) {
    return fileFailure(
        QString("%1 holds %2; there is no record %3")
            .arg(quoting::quotedText(csv), solvane::errors::counted(records, "record"))
            .arg(index));
  }
  return kOk;
}

// report --csv FILE --record N --pdf OUT [--printinfo FILE] [--pages 1|2]
// [--uncertainty ...]: the test report page of record N (from 0, in file
// order) as an A4 PDF, painted by the window's code; "--pages 2" adds the
// light quality page, and --uncertainty a page of the figures'
// uncertainties after it. Without --printinfo the company and sample texts
// are empty.
int paintReport(const QStringList &arguments) {
  QStringList args = arguments;
  std::optional<UncertaintyRequest> uncertainty;
  if (const int status = takeUncertaintyOptions(&args, &uncertainty); status != kOk) {
    return status;
  }
  QMap<QString, QString> options;
  int index = 0;
  const bool parsed =
      parseOptions(args, {"--csv", "--record", "--pdf", "--printinfo", "--pages"}, &options);
  const QString pages = options.value("--pages", "1");
  if (!parsed || !options.contains("--csv") || !options.contains("--pdf") ||
      !recordIndex(options, &index) || (pages != "1" && pages != "2") ||
      (uncertainty && pages != "2")) {
    return kUsage;
  }
  const QString csv = options.value("--csv");
  QStringList record;
  if (const int status = readFileRecord(csv, index, &record); status != kOk) {
    return status;
  }
  if (!solvane::report::hasReportFields(record)) {
    return fileFailure(
        QString("record %1 of %2 has %3, the report needs %4")
            .arg(index)
            .arg(quoting::quotedText(csv), solvane::errors::counted(record.size(), "field"))
            .arg(solvane::records::kFieldCount));
  }
  QStringList printInfo;
  QString error;
  const QString printInfoPath = options.value("--printinfo");
  if (!printInfoPath.isEmpty() &&
      !solvane::printinfo::readPrintInfo(printInfoPath, &printInfo, &error)) {
    return fileFailure(error);
  }
  std::optional<solvane::report::ReportUncertainty> uncertaintyPage;
  solvane::quality::RecordQuality quality;
  if (uncertainty && solvane::quality::evaluateRecord(record, &quality, nullptr)) {
    uncertaintyPage = solvane::report::ReportUncertainty{
        propagateRecord(quality, *uncertainty), QString::fromStdString(uncertainty->budget.name),
        QString()};
  }
  const QString pdf = options.value("--pdf");
  if (!writeReportPdf(record, printInfo, pages == "2", uncertaintyPage ? &*uncertaintyPage : nullptr,
                      pdf, &error)) {
    return fileFailure(error);
  }
  std::printf("report of record %d written to %s\n", index,
              quoting::quotedText(pdf).toLocal8Bit().constData());
  return kOk;
}

// spdx --csv FILE --record N --out OUT: the spectrum of record N (from 0,
// in file order) as an IES TM-27-14 spectral data file. Nothing is written
// when the record cannot be read.
int exportSpdx(const QStringList &args) {
  QMap<QString, QString> options;
  int index = 0;
  const bool parsed = parseOptions(args, {"--csv", "--record", "--out"}, &options);
  if (!parsed || options.size() != 3 || !recordIndex(options, &index)) {
    return kUsage;
  }
  const QString csv = options.value("--csv");
  QStringList record;
  if (const int status = readFileRecord(csv, index, &record); status != kOk) {
    return status;
  }
  solvane::quality::RecordInput input;
  QString problem;
  if (!solvane::quality::readRecordInput(record, &input, &problem)) {
    return fileFailure(
        QString("record %1 of %2: %3").arg(index).arg(quoting::quotedText(csv), problem));
  }
  const QString out = options.value("--out");
  if (!solvane::quality::saveSpdx(input, out, &problem)) {
    return fileFailure(problem);
  }
  std::printf("spectrum of record %d written to %s\n", index,
              quoting::quotedText(out).toLocal8Bit().constData());
  return kOk;
}

// spectrum --csv FILE [--out OUT]: every record's spectrum as spectral
// irradiance in W·m⁻²·nm⁻¹, one line per record, written as the records are
// read (standard output without --out). A record that cannot be made
// absolute gets one line on stderr and no line in the file; the others are
// written and the exit status is 3.
int exportIrradiance(const QStringList &args) {
  QMap<QString, QString> options;
  if (!parseOptions(args, {"--csv", "--out"}, &options) || !options.contains("--csv")) {
    return kUsage;
  }
  const QString csv = options.value("--csv");
  const QString out = options.value("--out", "/dev/stdout");
  const std::unique_ptr<QFileDevice> target = solvane::files::openTarget(out);
  if (!target->open(QIODevice::WriteOnly)) {
    return fileFailure(solvane::errors::fileError("cannot write the spectrum file", *target));
  }
  bool written = target->write(solvane::quality::irradianceCsvHeader()) > 0;
  int index = 0;
  int skipped = 0;
  TSIOStream stream;
  stream.setFileName(csv);
  QStringList header;
  const bool read = stream.readSolvaneData(&header, [&](QStringList &record) {
    QByteArray line;
    QString problem;
    solvane::quality::RecordInput input;
    if (solvane::quality::readRecordInput(record, &input, &problem) &&
        solvane::quality::irradianceCsvLine(input, &line, &problem)) {
      written = written && target->write(line) == line.size();
    } else {
      ++skipped;
      std::fprintf(stderr, "solvane-cli: record %d of %s has no absolute spectrum: %s\n", index,
                   qPrintable(quoting::quotedText(csv)), qPrintable(problem));
    }
    ++index;
    return written;
  });
  if (!written || !solvane::files::finishTarget(*target)) {
    return fileFailure(solvane::errors::fileError("cannot write the spectrum file", *target));
  }
  if (!read) {
    return fileFailure(stream.errorString());
  }
  return skipped > 0 ? kFileFailed : kOk;
}

void printValues(const char *title, const double *values, int count) {
  std::printf("%s (%d):\n", title, count);
  constexpr int kPerLine = 6;
  for (int i = 0; i < count; ++i) {
    std::printf("%s%15.7g", i % kPerLine == 0 ? "  " : "", values[i]);
    if (i % kPerLine == kPerLine - 1 || i == count - 1) {
      std::printf("\n");
    }
  }
}

int showCalibration(LuxEngine &meter, const QStringList &) {
  const int tenths = meter.readIntegrationTimeTenths();
  if (tenths < 0) {
    return meterFailure(meter.errorString());
  }
  double illuminance = 0;
  if (meter.readIlluminanceCorrectCoefficient(&illuminance) < 0) {
    return meterFailure(meter.errorString());
  }
  double wavelength[LuxEngine::kWavelengthCoefficients];
  if (meter.readWavelengthCorrectCoefficient(wavelength) < 0) {
    return meterFailure(meter.errorString());
  }
  std::vector<double> intensity(LuxEngine::kIntensityCoefficients);
  if (meter.readIntensityCorrectCoefficient(intensity.data()) < 0) {
    return meterFailure(meter.errorString());
  }
  std::printf("integration time: %.1f ms\n", tenths / 10.0);
  std::printf("illuminance coefficient: %.7g\n", illuminance);
  printValues("wavelength coefficients", wavelength, LuxEngine::kWavelengthCoefficients);
  printValues("intensity coefficients", intensity.data(), LuxEngine::kIntensityCoefficients);
  return kOk;
}

// set-integration-time MS: milliseconds with at most one decimal, the
// tenths the meter stores.
int setIntegrationTime(LuxEngine &meter, const QStringList &args) {
  bool ok = false;
  const double milliseconds = args.value(0).toDouble(&ok);
  const double tenths = std::round(milliseconds * 10);
  if (args.size() != 1 || !ok || std::abs(milliseconds * 10 - tenths) > 1e-6) {
    return kUsage;
  }
  if (tenths < 0 || tenths > LuxEngine::kMaxIntegrationTimeTenths) {
    return kUsage; // the usage line names the range
  }
  if (meter.setIntegrationTimeTenths(static_cast<int>(tenths)) < 0) {
    return meterFailure(meter.errorString());
  }
  std::printf("integration time set to %.1f ms\n", tenths / 10.0);
  return kOk;
}

int saveIntegrationTime(LuxEngine &meter, const QStringList &) {
  if (meter.saveIntegrationTime() < 0) {
    return meterFailure(meter.errorString());
  }
  std::printf("integration time saved\n");
  return kOk;
}

// A command that needs the meter. Its run function returns kUsage, without
// printing, for arguments it does not take; main prints the usage line.
// Commands without arguments are refused any before the meter is opened.
struct Command {
  int (*run)(LuxEngine &, const QStringList &);
  const char *synopsis; // the usage line after "solvane-cli"
  const char *summary;
  bool takesArguments = true;
};

const std::map<QString, Command> &commands() {
  static const std::map<QString, Command> table = {
      {"list", {listRecords, "list", "print every stored record", false}},
      {"read",
       {readRecords, "read [--observer 2|10] [--csv FILE]",
        "every stored record with its 27 test items, or all records written to a data file"}},
      {"measure",
       {measureLive, "measure [--count N] [--interval SECONDS] [--mode M] [--csv FILE] [--json]",
        "live readings now (count 0: until Ctrl-C; interval 0 to 86400), optionally into a "
        "data file"}},
      {"calibration",
       {showCalibration, "calibration", "print the integration time and the coefficients", false}},
      {"set-integration-time",
       {setIntegrationTime, "set-integration-time MS  (0 to 6553.5 ms, in steps of 0.1)",
        "set the integration time in milliseconds, 0 to 6553.5 in steps of 0.1"}},
      {"save-integration-time",
       {saveIntegrationTime, "save-integration-time", "keep the integration time in the meter",
        false}},
      {"metrics",
       {showMetrics,
        "metrics [--csv FILE | --spectrum FILE] [--json] "
        "[--ssi-reference planck:T|daylight:T|record:N] [--tlmf-reference record:N|FILE] "
        "[--uncertainty [--budget FILE] [--draws N] [--seed S]]",
        "standard light-quality metrics of every record (of the meter or of a data file) beside "
        "the record's own, or of a spectrum file (two-column text, SPDX, UPRtek or Sekonic "
        "export); --ssi-reference adds one more SSI, --tlmf-reference one more TLMF (FILE: a "
        "spectrum file of those formats); --uncertainty adds each figure's uncertainty from the "
        "meter's budget (default or FILE), adaptive or from N draws (1000 to 100000)"}},
  };
  return table;
}

// Commands that work on files only and need no meter.
struct FileCommand {
  int (*run)(const QStringList &);
  const char *synopsis;
  const char *summary;
};

const std::map<QString, FileCommand> &fileCommands() {
  static const std::map<QString, FileCommand> table = {
      {"compare",
       {compareRecords,
        "compare [--csv FILE --records N[,M...]] [--spectrum FILE]... [--json]",
        "records of a data file (from 0) and spectrum files against the first of them, in the "
        "order given"}},
      {"report",
       {paintReport,
        "report --csv FILE --record N --pdf OUT [--printinfo FILE] [--pages 1|2] "
        "[--uncertainty [--budget FILE] [--draws N] [--seed S]]",
        "the test report of record N (from 0) of a data file as a PDF; page 2: its light "
        "quality; --uncertainty: page 3, its figures' uncertainties"}},
      {"spdx",
       {exportSpdx, "spdx --csv FILE --record N --out OUT",
        "the spectrum of record N (from 0) of a data file as an IES TM-27-14 (SPDX) file, in "
        "W/m2/nm"}},
      {"spectrum",
       {exportIrradiance, "spectrum --csv FILE [--out OUT]",
        "every record's spectrum as spectral irradiance in W/m2/nm, one CSV line per "
        "record (standard output without --out)"}},
  };
  return table;
}

template <typename Table> void printHelp(FILE *out, const Table &table) {
  for (const auto &entry : table) {
    std::fprintf(out, "  %s\n      %s\n", entry.second.synopsis, entry.second.summary);
  }
}

int usage(FILE *out) {
  std::fprintf(out, "usage: solvane-cli [-v] COMMAND [ARGS]\n"
                   "       solvane-cli COMMAND --help\n"
                   "       solvane-cli --version\n\ncommands:\n");
  printHelp(out, commands());
  printHelp(out, fileCommands());
  std::fprintf(out, "\n-v  show the meter layer's diagnostic lines\n");
  return out == stdout ? kOk : kUsage;
}

// COMMAND --help: that command's usage and summary on standard output.
int commandHelp(const QString &name) {
  const auto fileCommand = fileCommands().find(name);
  const auto command = commands().find(name);
  if (fileCommand != fileCommands().end()) {
    std::printf("usage: solvane-cli %s\n\n%s\n", fileCommand->second.synopsis,
                fileCommand->second.summary);
  } else if (command != commands().end()) {
    std::printf("usage: solvane-cli %s\n\n%s\n", command->second.synopsis,
                command->second.summary);
  } else {
    std::fprintf(stderr, "solvane-cli: unknown command '%s'\n", name.toLocal8Bit().constData());
    return usage(stderr);
  }
  return kOk;
}

// The one line for a command given arguments it does not take.
int refused(const char *synopsis) {
  std::fprintf(stderr, "solvane-cli: usage: solvane-cli %s\n", synopsis);
  return kUsage;
}

template <typename Entry, typename... Meter>
int runCommand(const Entry &entry, const QStringList &args, Meter &...meter) {
  const int status = entry.run(meter..., args);
  if (status == kUsageExplained) {
    return kUsage;
  }
  return status == kUsage ? refused(entry.synopsis) : status;
}

} // namespace

int main(int argc, char **argv) {
  qInstallMessageHandler(messageHandler);
  QStringList args;
  for (int i = 1; i < argc; ++i) {
    args << QString::fromLocal8Bit(argv[i]);
  }
  if (!args.isEmpty() && (args.first() == "-v" || args.first() == "--verbose")) {
    verbose = true;
    args.removeFirst();
  }
  if (args.isEmpty()) {
    return usage(stderr);
  }
  if (args.first() == "-h" || args.first() == "--help" || args.first() == "help") {
    return usage(stdout);
  }
  if (args == QStringList{"--version"}) {
    std::printf("solvane-cli %s\n", SOLVANE_VERSION);
    return kOk;
  }
  const QString name = args.takeFirst();
  if (args == QStringList{"--help"} || args == QStringList{"-h"}) {
    return commandHelp(name);
  }
  const auto fileCommand = fileCommands().find(name);
  if (fileCommand != fileCommands().end()) {
    return runCommand(fileCommand->second, args);
  }
  const auto found = commands().find(name);
  if (found == commands().end()) {
    std::fprintf(stderr, "solvane-cli: unknown command '%s'\n",
                 quoting::quotedText(name).toLocal8Bit().constData());
    return usage(stderr);
  }
  const Command &command = found->second;
  if (!command.takesArguments && !args.isEmpty()) {
    return refused(command.synopsis);
  }
  if (name == "metrics" && metricsReadFile(args)) {
    const FileCommand fileMetrics{showFileMetrics, command.synopsis, command.summary};
    return runCommand(fileMetrics, args);
  }
  LuxEngine meter;
  if (!meter.isLibraryBound()) {
    return meterFailure(meter.errorString());
  }
  return runCommand(command, args, meter);
}
