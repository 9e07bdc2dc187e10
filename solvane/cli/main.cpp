// solvane-cli: the meter layer of the desktop program for scripts and
// headless machines. Exit status 0 on success, 1 when the meter or its
// library fails, 2 for a command line it does not understand.

#include "exit_status.h"
#include "luxengine.h"
#include "measure.h"
#include "solvane/records/measurement_record.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <iterator>
#include <map>
#include <vector>

namespace {

bool verbose = false;

// The meter layer's debug lines are for diagnosis; show them on request.
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message) {
  if (type != QtDebugMsg || verbose) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

int fail(const char *what) {
  std::fprintf(stderr, "solvane-cli: %s\n", what);
  return kMeterFailed;
}

int listRecords(LuxEngine &meter, const QStringList &) {
  std::printf("%-8s %-19s %12s %10s\n", "record", "date-time", "Ev (lx)", "ratio");
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
      std::fprintf(stderr, "solvane-cli: reading stored record %d failed\n", ordinal);
      return kMeterFailed;
    }
    std::printf("NO.%03d   %-19s %12.2f %10.6f\n", ordinal,
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

// read [--observer 2|10]: every stored record with its 27 test items, built
// as the window builds them.
int readRecords(LuxEngine &meter, const QStringList &args) {
  int observer = 0;
  if (!args.isEmpty()) {
    if (args.size() != 2 || args[0] != "--observer" || (args[1] != "2" && args[1] != "10")) {
      std::fprintf(stderr, "solvane-cli: read takes only --observer 2 or --observer 10\n");
      return kUsage;
    }
    observer = args[1] == "10" ? 1 : 0;
  }
  const solvane::records::ReadOutcome outcome = solvane::records::readStoredRecords(
      meter, observer, [](const QStringList &record, int) { printRecord(record); });
  if (outcome.status < 0) {
    std::fprintf(stderr, "solvane-cli: reading stored record %d failed\n",
                 static_cast<int>(outcome.records.size()));
    return kMeterFailed;
  }
  return kOk;
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
  const int time = meter.readIntegrationTime();
  if (time < 0) {
    return fail("reading the integration time failed");
  }
  double illuminance = 0;
  if (meter.readIlluminanceCorrectCoefficient(&illuminance) < 0) {
    return fail("reading the illuminance coefficient failed");
  }
  double wavelength[LuxEngine::kWavelengthCoefficients];
  if (meter.readWavelengthCorrectCoefficient(wavelength) < 0) {
    return fail("reading the wavelength coefficients failed");
  }
  std::vector<double> intensity(LuxEngine::kIntensityCoefficients);
  if (meter.readIntensityCorrectCoefficient(intensity.data()) < 0) {
    return fail("reading the intensity coefficients failed");
  }
  std::printf("integration time: %d\n", time);
  std::printf("illuminance coefficient: %.7g\n", illuminance);
  printValues("wavelength coefficients", wavelength, LuxEngine::kWavelengthCoefficients);
  printValues("intensity coefficients", intensity.data(), LuxEngine::kIntensityCoefficients);
  return kOk;
}

int setIntegrationTime(LuxEngine &meter, const QStringList &args) {
  bool ok = false;
  const int time = args.value(0).toInt(&ok);
  if (args.size() != 1 || !ok || time < 0 || time > LuxEngine::kMaxIntegrationTime) {
    std::fprintf(stderr, "solvane-cli: set-integration-time takes one whole number from 0 to %d\n",
                 LuxEngine::kMaxIntegrationTime);
    return kUsage;
  }
  if (meter.setIntegrationTime(time) < 0) {
    return fail("setting the integration time failed");
  }
  std::printf("integration time set to %d\n", time);
  return kOk;
}

int saveIntegrationTime(LuxEngine &meter, const QStringList &) {
  if (meter.saveIntegrationTime() < 0) {
    return fail("saving the integration time failed");
  }
  std::printf("integration time saved\n");
  return kOk;
}

struct Command {
  int (*run)(LuxEngine &, const QStringList &);
  int arguments; // -1: the command checks its own arguments
  const char *help;
};

const std::map<QString, Command> &commands() {
  static const std::map<QString, Command> table = {
      {"list", {listRecords, 0, "list            print every stored record"}},
      {"read",
       {readRecords, -1, "read [--observer 2|10]   every stored record with its 27 test items"}},
      {"measure",
       {measureLive, -1,
        "measure [--count N] [--interval SECONDS] [--mode M] [--csv FILE] [--json]\n"
        "                  live readings now (count 0: until Ctrl-C), optionally into a data "
        "file"}},
      {"calibration",
       {showCalibration, 0, "calibration     print the integration time and the coefficients"}},
      {"set-integration-time",
       {setIntegrationTime, 1, "set-integration-time N   set the integration time (0 to 6553)"}},
      {"save-integration-time",
       {saveIntegrationTime, 0, "save-integration-time    keep the integration time in the meter"}},
  };
  return table;
}

int usage(FILE *out) {
  std::fprintf(out, "usage: solvane-cli [-v] COMMAND [ARGS]\n\ncommands:\n");
  for (const auto &entry : commands()) {
    std::fprintf(out, "  %s\n", entry.second.help);
  }
  std::fprintf(out, "\n-v  show the meter layer's diagnostic lines\n");
  return out == stdout ? kOk : kUsage;
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
  const auto found = commands().find(args.first());
  if (found == commands().end()) {
    std::fprintf(stderr, "solvane-cli: unknown command '%s'\n",
                 args.first().toLocal8Bit().constData());
    return usage(stderr);
  }
  args.removeFirst();
  if (found->second.arguments >= 0 && args.size() != found->second.arguments) {
    std::fprintf(stderr, "solvane-cli: wrong number of arguments\n");
    return usage(stderr);
  }
  LuxEngine meter;
  if (!meter.isLibraryBound()) {
    std::fprintf(stderr, "solvane-cli: cannot load the USB library %s\n", devlink::kUsbLibraryName);
    return kMeterFailed;
  }
  return found->second.run(meter, args);
}
