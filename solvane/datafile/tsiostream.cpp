#include "tsiostream.h"

#include "data_file_text.h"
#include "file_error.h"
#include "file_target.h"

#include <QDebug>
#include <QFile>

#include <memory>
#include <utility>

namespace {

constexpr int kFirstWavelength = 380;
constexpr int kLastWavelength = 780;

// Text mode: '\n' becomes the platform's line ending on the way out.
constexpr QIODevice::OpenMode kWriteMode = QIODevice::WriteOnly | QIODevice::Text;
// Lines are gathered into blocks of about this size before each write.
constexpr int kWriteChunkBytes = 1 << 20;

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
  QByteArray lines;
  bool written = true;
  auto writeOut = [&] {
    written = written && file.write(lines) == lines.size();
    lines.clear();
  };
  solvane::datafile::appendDataFileLine(header, &lines);
  for (const QStringList &record : data) {
    solvane::datafile::appendDataFileLine(record, &lines);
    if (lines.size() >= kWriteChunkBytes) {
      writeOut();
    }
  }
  writeOut();
  // A saved file is renamed over the target only now; after a failed write
  // its temporary file is discarded instead.
  if (!written || !solvane::files::finishTarget(file)) {
    qDebug() << "写入文件失败!   错误原因:" << file.errorString();
    return fail("cannot write the data file", file.errorString());
  }
  return true;
}

bool TSIOStream::readSolvaneData(QStringList *header, QList<QStringList> *data) {
  return readSolvaneData(header, [data](QStringList &record) {
    data->append(std::move(record));
    return true;
  });
}

bool TSIOStream::readSolvaneData(QStringList *header,
                                 const solvane::datafile::RecordVisitor &visit) {
  QFile file(m_fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    qDebug() << "打开文件失败!  错误原因:" << file.errorString();
    return fail("cannot read the data file", file.errorString());
  }
  QString error;
  if (!solvane::datafile::readDataFileText(file, header, visit, &error)) {
    qDebug() << "读取文件失败!  错误原因:" << error;
    return fail("cannot read the data file", file.errorString());
  }
  return true;
}
