#include "solvane/live/series_file.h"

#include "file_error.h"
#include "tsiostream.h"

namespace solvane::live {

SeriesFile::SeriesFile(const QString &path) : file(path) {}

bool SeriesFile::open() {
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    return fail();
  }
  stream.setDevice(&file);
  return writeLine(TSIOStream::dataFileHeader());
}

bool SeriesFile::append(const QStringList &record) {
  return file.isOpen() ? writeLine(record) : fail();
}

bool SeriesFile::writeLine(const QStringList &fields) {
  stream << fields.join(QLatin1Char(',')) << '\n';
  stream.flush();
  return (stream.status() == QTextStream::Ok && file.flush()) || fail();
}

bool SeriesFile::fail() {
  failure = errors::fileError(QStringLiteral("cannot write the data file"), file);
  return false;
}

} // namespace solvane::live
