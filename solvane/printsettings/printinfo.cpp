#include "printinfo.h"

#include "file_error.h"

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

bool readQualityPageChoice(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.readAll().trimmed() == "1";
}

bool writeQualityPageChoice(const QString &path, bool withQualityPage, QString *error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return errors::report(error, errors::fileError(kWriteFailed, file));
  }
  file.write(withQualityPage ? "1\n" : "0\n");
  return commit(file, nullptr, error);
}

} // namespace solvane::printinfo
