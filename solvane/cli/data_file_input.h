#pragma once

// The records of a data file named on solvane-cli's command line.

#include "tsiostream.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>

// Every record of the data file `csv`; false after one line on stderr, the
// reader's sentence with the file and the system's reason, when the file
// cannot be read.
inline bool readDataFileRecords(const QString &csv, QList<QStringList> *records) {
  TSIOStream stream;
  stream.setFileName(csv);
  QStringList header;
  if (stream.readSolvaneData(&header, records)) {
    return true;
  }
  std::fprintf(stderr, "solvane-cli: %s\n", qPrintable(stream.errorString()));
  return false;
}
