#include "tsiostream.h"

#include "file_error.h"
#include "file_target.h"

#include <QDebug>
#include <QFile>
#include <QTextStream>

#include <memory>

namespace {

constexpr QChar kSeparator = QLatin1Char(',');
constexpr QChar kByteOrderMark(0xFEFF);
constexpr int kFirstWavelength = 380;
constexpr int kLastWavelength = 780;

// Text mode: '\n' becomes the platform's line ending on the way out, and a
// CR before LF is dropped on the way in.
constexpr QIODevice::OpenMode kWriteMode = QIODevice::WriteOnly | QIODevice::Text;
constexpr QIODevice::OpenMode kReadMode = QIODevice::ReadOnly | QIODevice::Text;

void writeLine(QTextStream &stream, const QStringList &fields) {
  stream << fields.join(kSeparator) << '\n';
}

} // namespace

TSIOStream::TSIOStream(QObject *parent) : QObject(parent) {}

bool TSIOStream::fail(const char *what, const QString &systemReason) {
  m_errorString = solvane::errors::fileError(QLatin1String(what), m_fileName, systemReason);
  return false;
}

QStringList TSIOStream::dataFileHeader() {
  QStringList header{"Data", "Date", "Ev", "Tcp", "Ra"};
  for (int i = 1; i <= 15; ++i) {
    header << QString("R%1").arg(i);
  }
  header << QString::fromUtf8("λd") << "CIE-1931 x"
         << "CIE-1931 y"
         << "CIE-1976 u"
         << "CIE-1976 v"
         << "X"
         << "Y"
         << "Z" << QString::fromUtf8("△uv");
  for (int nm = kFirstWavelength; nm <= kLastWavelength; ++nm) {
    header << QString("%1 nm").arg(nm, 0, 10);
  }
  return header;
}

bool TSIOStream::writeSolvaneData(const QStringList &header, const QList<QStringList> &data) {
  const std::unique_ptr<QFileDevice> target = solvane::files::openTarget(m_fileName);
  QFileDevice &file = *target;
  if (!file.open(kWriteMode)) {
    qDebug() << "打开文件失败!   错误原因:" << file.errorString();
    return fail("cannot write the data file", file.errorString());
  }
  QTextStream stream(&file);
  writeLine(stream, header);
  for (const QStringList &record : data) {
    writeLine(stream, record);
  }
  stream.flush();
  // A saved file is renamed over the target only now; after a failed write
  // its temporary file is discarded instead.
  if (stream.status() != QTextStream::Ok || !solvane::files::finishTarget(file)) {
    qDebug() << "写入文件失败!   错误原因:" << file.errorString();
    return fail("cannot write the data file", file.errorString());
  }
  return true;
}

bool TSIOStream::readSolvaneData(QStringList *header, QList<QStringList> *data) {
  QFile file(m_fileName);
  if (!file.open(kReadMode)) {
    qDebug() << "打开文件失败!  错误原因:" << file.errorString();
    return fail("cannot read the data file", file.errorString());
  }
  QTextStream stream(&file);
  QString line;
  stream.readLineInto(&line);
  // Byte-order marks belong to the encoding, not to the first column's name.
  // The stream takes one; a file marked twice would keep the next, and every
  // write and read would then drop one more.
  while (line.startsWith(kByteOrderMark)) {
    line.remove(0, 1);
  }
  *header << line.split(kSeparator);
  // An empty line still gives a record: one empty field.
  while (!stream.atEnd()) {
    stream.readLineInto(&line);
    data->append(line.split(kSeparator));
  }
  if (file.error() != QFileDevice::NoError) {
    qDebug() << "读取文件失败!  错误原因:" << file.errorString();
    return fail("cannot read the data file", file.errorString());
  }
  return true;
}
