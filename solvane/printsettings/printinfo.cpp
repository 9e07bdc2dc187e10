#include "printinfo.h"

#include "file_error.h"
#include "program_files.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace solvane::printinfo {
namespace {

const char kReadFailed[] = "cannot read the print settings file";
const char kWriteFailed[] = "cannot write the print settings file";

// Commits a file written through `stream` (null when written directly) and
// reports the reason when anything on the way failed.
bool commit(QSaveFile &file, const QTextStream *stream, QString *error) {
  if ((stream && stream->status() != QTextStream::Ok) || !file.commit()) {
    return errors::report(error, errors::fileError(kWriteFailed, file));
  }
  return true;
}

} // namespace

bool readPrintInfo(const QString &path, QStringList *texts, QString *error) {
  texts->clear();
  QFile file(path);
  const bool opened = file.open(QIODevice::ReadOnly | QIODevice::Text);
  QTextStream stream(&file);
  for (int i = 0; i < kTextCount; ++i) {
    // A stream past the end, or on a file that did not open, gives empty texts.
    texts->append(opened ? stream.readLine() : QString());
  }
  return opened || errors::report(error, errors::fileError(kReadFailed, file));
}

bool writePrintInfo(const QString &path, const QStringList &texts, QString *error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    return errors::report(error, errors::fileError(kWriteFailed, file));
  }
  QTextStream stream(&file);
  for (int i = 0; i < kTextCount; ++i) {
    stream << (i > 0 ? "\n" : "") << texts.value(i);
  }
  stream.flush();
  return commit(file, &stream, error);
}

ReportPages readReportPages(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return {};
  }
  const QList<QByteArray> lines = file.readAll().split('\n');
  const auto chosen = [&lines](int line) { return lines.value(line).trimmed() == "1"; };
  return {chosen(0), chosen(1)};
}

bool writeReportPages(const QString &path, const ReportPages &pages, QString *error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return errors::report(error, errors::fileError(kWriteFailed, file));
  }
  file.write(pages.quality ? "1\n" : "0\n");
  if (pages.uncertainty) {
    file.write("1\n");
  }
  return commit(file, nullptr, error);
}

QString printInfoFile() {
  return paths::settingsFile(kFileName);
}

QString qualityPageFile() {
  return paths::settingsFile(kQualityPageFileName);
}

} // namespace solvane::printinfo
