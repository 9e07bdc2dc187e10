#pragma once

// The measurement data file: comma-separated text, a header line of 430
// column names, then one line per measurement record with its fields in
// record order. No field is quoted; every line ends with a line ending.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "data_file_text.h"

class TSIOStream : public QObject {
  Q_OBJECT

public:
  explicit TSIOStream(QObject *parent = nullptr);

  void setFileName(const QString &fileName) { m_fileName = fileName; }
  QString fileName() const { return m_fileName; }

  // Writes the header line and one line per record. The file is replaced
  // only when every line was written: a failure leaves an existing file as
  // it was. False, with errorString(), when the file cannot be created or
  // written.
  bool writeSolvaneData(const QStringList &header, const QList<QStringList> &data);

  // Appends the header line's fields to `header` and one field list per
  // further line to `data`; neither list is cleared first, so callers that
  // must keep what they show on failure pass fresh lists. Lines end in LF or
  // CR LF alike. False, with errorString(), when the file cannot be opened
  // or read.
  bool readSolvaneData(QStringList *header, QList<QStringList> *data);

  // The same, handing each record to `visit` as it is read instead of
  // keeping it, so a caller that needs one record or a running result holds
  // one line at a time. Reading stops when `visit` returns false.
  bool readSolvaneData(QStringList *header, const solvane::datafile::RecordVisitor &visit);

  // Why the last failing read or write failed: "cannot write the data file:
  // FILE: system reason" (or "read"). Empty before any failure.
  QString errorString() const { return m_errorString; }

  // The 430 column names: "Data", "Date", the 27 test items and the
  // wavelengths "380 nm" to "780 nm".
  static QStringList dataFileHeader();

private:
  bool fail(const char *what, const QString &systemReason);

  QString m_fileName;
  QString m_errorString;
};
