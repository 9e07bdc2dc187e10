// The measurement data file reader: any bytes open as a header and a list of
// records, no field holds a separator or a line ending, and once written
// what was read reads back unchanged. (The first write may change text that
// the file's encoding could not represent, such as a lone UTF-16 surrogate
// after a byte-order mark; from then on the lists stay as they are.)

#include "fuzz_check.h"
#include "tsiostream.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

struct Contents {
  QStringList header;
  QList<QStringList> records;

  bool operator==(const Contents &other) const {
    return header == other.header && records == other.records;
  }
};

Contents readBack(const QString &path) {
  TSIOStream stream;
  stream.setFileName(path);
  Contents contents;
  FUZZ_CHECK(stream.readSolvaneData(&contents.header, &contents.records));
  return contents;
}

Contents writtenAndReadBack(const Contents &contents, const QString &path) {
  TSIOStream writer;
  writer.setFileName(path);
  FUZZ_CHECK(writer.writeSolvaneData(contents.header, contents.records));
  return readBack(path);
}

bool holdsNoBreak(const QStringList &fields) {
  for (const QString &field : fields) {
    if (field.contains(',') || field.contains('\n')) {
      return false;
    }
  }
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static QTemporaryDir folder(QDir::tempPath() + "/fuzz_data_file-XXXXXX");
  FUZZ_CHECK(folder.isValid());
  const QString input = folder.filePath("input.csv");
  const QString again = folder.filePath("again.csv");
  {
    QFile file(input);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) ==
               static_cast<qint64>(size));
  }
  const Contents first = readBack(input);
  FUZZ_CHECK(holdsNoBreak(first.header));
  for (const QStringList &record : first.records) {
    FUZZ_CHECK(holdsNoBreak(record));
  }

  const Contents second = writtenAndReadBack(first, again);
  FUZZ_CHECK(writtenAndReadBack(second, again) == second);
  return 0;
}
