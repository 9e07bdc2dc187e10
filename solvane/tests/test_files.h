#pragma once

// Whole files as bytes, for the Qt tests that check files exactly or plant
// files for the program to read.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

namespace testfiles {

// Empty when the file cannot be read.
inline QByteArray readBytes(const QString &path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

inline void writeBytes(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

} // namespace testfiles
