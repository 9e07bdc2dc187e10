#pragma once

// A data file written while a series runs: the header at once, then each
// record as it arrives, every line flushed to the operating system, so an
// interrupted program leaves a valid file that lacks at most the reading in
// progress. Lines are those the data file's writer makes (fields joined by
// commas, text-mode line endings, the default codec), so the file opens
// like any exported one.

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace solvane::live {

class SeriesFile {
public:
  explicit SeriesFile(const QString &path);

  // Creates or truncates the file and writes the header line. False (with
  // errorString()) when the file cannot be created or written.
  bool open();
  // Appends one record line. False (with errorString()) when it could not
  // be written.
  bool append(const QStringList &record);
  // Why the last failing call failed: "cannot write the data file: FILE:
  // system reason".
  QString errorString() const { return failure; }

private:
  bool writeLine(const QStringList &fields);
  bool fail();

  QFile file;
  QTextStream stream;
  QString failure;
};

} // namespace solvane::live
