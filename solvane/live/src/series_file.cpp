#include "solvane/live/series_file.h"

#include "tsiostream.h"

namespace solvane::live {

SeriesFile::SeriesFile(const QString &path) : file(path) {}

bool SeriesFile::open() {
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    return false;
  }
  stream.setDevice(&file);
  return writeLine(TSIOStream::dataFileHeader());
}

bool SeriesFile::append(const QStringList &record) {
  return file.isOpen() && writeLine(record);
}

bool SeriesFile::writeLine(const QStringList &fields) {
  stream << fields.join(QLatin1Char(',')) << '\n';
  stream.flush();
  return stream.status() == QTextStream::Ok && file.flush();
}

} // namespace solvane::live
