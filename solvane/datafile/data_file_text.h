#pragma once

// The bytes of the measurement data file, read and written in one pass
// without a text stream in between. Reading gives exactly the lists a
// QTextStream over the file in text mode would give (the locale's encoding
// decoded, every CR dropped, lines split at LF and fields at commas), at a
// fraction of its time and memory: a 100,000-record file holds 43 million
// fields, of which nearly all are a few distinct numbers, and equal field
// texts share one QString.

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>

namespace solvane::datafile {

// Receives each record in file order; returns false to stop reading.
using RecordVisitor = std::function<bool(QStringList &record)>;

// Reads the header line's fields into `header` (appended) and hands every
// further line to `visit`. False, with `error` set, when the device fails
// part-way.
bool readDataFileText(QIODevice &device, QStringList *header, const RecordVisitor &visit,
                      QString *error);

// Appends one line: the fields joined by commas and a line feed, encoded
// as the locale's encoding (the device's text mode turns the line feed
// into the platform's line ending).
void appendDataFileLine(const QStringList &fields, QByteArray *out);

} // namespace solvane::datafile
