#pragma once

// Whole files as bytes, for the Qt tests that check files exactly or plant
// files for the program to read, and the values of an exported SPDX file.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
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

// The texts of every SpectralData element of an SPDX file, in file order;
// empty when the file cannot be read or is not well-formed XML.
inline QStringList spdxSpectralValues(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  QXmlStreamReader xml(&file);
  QStringList values;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement &&
        xml.name() == QLatin1String("SpectralData")) {
      values << xml.readElementText();
    }
  }
  return xml.hasError() ? QStringList() : values;
}

} // namespace testfiles
