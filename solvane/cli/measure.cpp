#include "measure.h"

#include "exit_status.h"
#include "solvane/live/live_series.h"
#include "solvane/live/series_file.h"
#include "solvane/records/measurement_record.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

namespace live = solvane::live;
namespace records = solvane::records;

// A day: longer intervals are a typing error, and the milliseconds fit an int.
constexpr double kMaxIntervalSeconds = 86400;
// How often the event loop looks whether Ctrl-C was pressed.
constexpr int kInterruptCheckMs = 50;

struct MeasureOptions {
  int count = 1;
  double intervalSeconds = 1;
  int mode = 0;
  QString csvPath;
  bool json = false;
};

std::optional<MeasureOptions> parseOptions(const QStringList &args) {
  MeasureOptions options;
  for (int i = 0; i < args.size(); ++i) {
    const QString &name = args[i];
    if (name == "--json") {
      options.json = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      return std::nullopt;
    }
    const QString &value = args[++i];
    bool ok = false;
    if (name == "--count") {
      options.count = value.toInt(&ok);
      ok = ok && options.count >= 0;
    } else if (name == "--interval") {
      options.intervalSeconds = value.toDouble(&ok);
      ok = ok && options.intervalSeconds >= 0 && options.intervalSeconds <= kMaxIntervalSeconds;
    } else if (name == "--mode") {
      options.mode = value.toInt(&ok);
      ok = ok && options.mode >= 0;
    } else if (name == "--csv") {
      options.csvPath = value;
      ok = !value.isEmpty();
    }
    if (!ok) {
      return std::nullopt;
    }
  }
  return options;
}

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int) {
  interrupted = 1;
}

// The first Ctrl-C asks for a clean stop; the handler then resets itself,
// so a second one ends the program at once.
void catchInterrupts() {
#ifdef _WIN32
  // Windows has no sigaction; its C runtime resets a handler to the
  // default before calling it, as SA_RESETHAND does.
  std::signal(SIGINT, onInterrupt);
  std::signal(SIGTERM, onInterrupt);
#else
  struct sigaction action = {};
  action.sa_handler = onInterrupt;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
#endif
}

QByteArray field(const QStringList &record, int index) {
  return records::fieldOrEmpty(record, index).toUtf8();
}

void printTableHeader() {
  // "Δ" takes two bytes and one column, so its field is one byte wider.
  std::printf("%-9s %11s  %-19s %10s %9s %9s %7s %7s %7s\n", "reading", "elapsed (s)", "date-time",
              "Ev (lx)", "CCT (K)", "Δuv", "Ra", "x", "y");
}

void printTableRow(const live::LiveReading &reading) {
  const QStringList &r = reading.record;
  std::printf("%-9s %11.2f  %-19s %10s %9s %8s %7s %7s %7s\n", field(r, records::kLabel).data(),
              reading.elapsedMs / 1000.0, field(r, records::kDateTime).data(),
              field(r, records::kIlluminance).data(), field(r, records::kCct).data(),
              field(r, records::kDuv).data(), field(r, records::kRa).data(),
              field(r, records::kX).data(), field(r, records::kY).data());
}

// One JSON object per line, numbers as numbers.
void printJsonLine(const live::LiveReading &reading) {
  const QStringList &r = reading.record;
  const auto number = [&](int index) { return records::fieldOrEmpty(r, index).toDouble(); };
  const QJsonObject line{{"label", records::fieldOrEmpty(r, records::kLabel)},
                         {"date_time", records::fieldOrEmpty(r, records::kDateTime)},
                         {"elapsed_s", reading.elapsedMs / 1000.0},
                         {"ev", number(records::kIlluminance)},
                         {"cct", number(records::kCct)},
                         {"duv", number(records::kDuv)},
                         {"ra", number(records::kRa)},
                         {"x", number(records::kX)},
                         {"y", number(records::kY)}};
  std::printf("%s\n", QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
}

void reportProgress(const live::LiveSeries &series) {
  const int taken = series.readings().size();
  const int count = series.settings().count;
  if (count > 0) {
    std::fprintf(stderr, "reading %d of %d taken\n", taken, count);
  } else {
    std::fprintf(stderr, "reading %d taken (Ctrl-C stops)\n", taken);
  }
}

// The event loop a series runs in; solvane-cli has no application object
// for its other commands.
std::unique_ptr<QCoreApplication> makeApplication() {
  if (QCoreApplication::instance()) {
    return nullptr;
  }
  static int argc = 1;
  static char name[] = "solvane-cli";
  static char *argv[] = {name, nullptr};
  return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int measureLive(LuxEngine &meter, const QStringList &args) {
  const std::optional<MeasureOptions> options = parseOptions(args);
  if (!options) {
    return kUsage;
  }
  const auto application = makeApplication();

  std::unique_ptr<live::SeriesFile> file;
  if (!options->csvPath.isEmpty()) {
    file = std::make_unique<live::SeriesFile>(options->csvPath);
    if (!file->open()) {
      std::fprintf(stderr, "solvane-cli: %s\n", file->errorString().toLocal8Bit().constData());
      return kFileFailed;
    }
  }

  live::SeriesSettings settings;
  settings.count = options->count;
  settings.intervalMs = static_cast<int>(options->intervalSeconds * 1000);
  settings.mode = options->mode;
  live::LiveSeries series(meter, settings);

  bool fileFailed = false;
  if (!options->json) {
    printTableHeader();
  }
  QObject::connect(&series, &live::LiveSeries::readingTaken, [&](const live::LiveReading &r) {
    options->json ? printJsonLine(r) : printTableRow(r);
    std::fflush(stdout);
    reportProgress(series);
    if (file && !file->append(r.record)) {
      fileFailed = true;
      series.stop();
    }
  });

  QEventLoop loop;
  QObject::connect(&series, &live::LiveSeries::finished, &loop, &QEventLoop::quit);
  QTimer interruptCheck;
  QObject::connect(&interruptCheck, &QTimer::timeout, [&] {
    if (interrupted && series.isRunning()) {
      interruptCheck.stop();
      std::fprintf(stderr, "stopping after the reading in progress\n");
      series.stop();
    }
  });
  catchInterrupts();
  interruptCheck.start(kInterruptCheckMs);
  series.start();
  loop.exec();

  if (series.failure() != live::Failure::None) {
    std::fprintf(stderr, "solvane-cli: %s\n", series.errorString().toLocal8Bit().constData());
    return kMeterFailed;
  }
  if (fileFailed) {
    std::fprintf(stderr, "solvane-cli: %s\n", file->errorString().toLocal8Bit().constData());
    return kFileFailed;
  }
  return kOk;
}
