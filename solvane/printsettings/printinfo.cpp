#include "printinfo.h"

#include "program_files.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace solvane::printinfo {

bool readPrintInfo(const QString &path, QStringList *texts) {
  texts->clear();
  QFile file(path);
  const bool opened = file.open(QIODevice::ReadOnly | QIODevice::Text);
  QTextStream stream(&file);
  for (int i = 0; i < kTextCount; ++i) {
    // A stream past the end, or on a file that did not open, gives empty texts.
    texts->append(opened ? stream.readLine() : QString());
  }
  return opened;
}

bool writePrintInfo(const QString &path, const QStringList &texts) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    return false;
  }
  QTextStream stream(&file);
  for (int i = 0; i < kTextCount; ++i) {
    stream << (i > 0 ? "\n" : "") << texts.value(i);
  }
  stream.flush();
  return stream.status() == QTextStream::Ok && file.commit();
}

bool readQualityPageChoice(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.readAll().trimmed() == "1";
}

bool writeQualityPageChoice(const QString &path, bool withQualityPage) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(withQualityPage ? "1\n" : "0\n") == 2 &&
         file.commit();
}

QString printInfoFile() {
  return paths::settingsFile(kFileName);
}

QString qualityPageFile() {
  return paths::settingsFile(kQualityPageFileName);
}

} // namespace solvane::printinfo
