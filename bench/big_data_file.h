#pragma once

// A data file as a day-long series leaves it, for the benchmarks: records
// of a lamp warming up. 1,000 spectra of a drifting shape are computed as
// the meter's records are; each record of the file takes one of them with
// its own label, a date one second after the one before, its own
// illuminance and intensities that differ from record to record by a
// little noise.

#include "tsiostream.h"

#include "solvane/records/measurement_record.h"

#include <QDateTime>
#include <QFile>

#include <cmath>
#include <vector>

namespace bigdata {

namespace rec = solvane::records;

class RecordMaker {
public:
  RecordMaker() {
    std::vector<double> spectrum(rec::kSpectrumFields);
    for (int k = 0; k < kDistinctSpectra; ++k) {
      const double warmth = static_cast<double>(k) / kDistinctSpectra;
      for (size_t i = 0; i < spectrum.size(); ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(spectrum.size());
        spectrum[i] = std::round(1500 + (9000 + 9000 * warmth) * x * x +
                                 4000 * std::exp(-std::pow((x - 0.18) / 0.04, 2)));
      }
      templates.append(rec::buildMeasurementRecord(0, QDateTime(), 1000, spectrum.data(),
                                                   static_cast<int>(spectrum.size()), 1.0, 0));
    }
  }

  QStringList record(int ordinal) const {
    QStringList record = templates[ordinal % kDistinctSpectra];
    record[rec::kLabel] = rec::recordLabel(ordinal);
    record[rec::kDateTime] = start.addSecs(ordinal).toString(Qt::ISODate);
    record[rec::kIlluminance] = QString::number(1000 + 0.01 * ordinal, 'f', 2);
    for (int i = rec::kFirstIntensity; i < rec::kFieldCount; ++i) {
      const unsigned mix = static_cast<unsigned>(ordinal) * 7919u + static_cast<unsigned>(i) * 104729u;
      const int noise = static_cast<int>(mix % 41) - 20;
      record[i] = QString::number(record[i].toInt() + noise);
    }
    return record;
  }

private:
  static constexpr int kDistinctSpectra = 1000;
  const QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(0, 0, 0));
  QList<QStringList> templates;
};

inline const RecordMaker &recordMaker() {
  static const RecordMaker maker;
  return maker;
}

// Writes `count` records line by line, so that no record list inflates the
// process's memory before what follows is measured.
inline bool writeDataFile(const QString &path, int count) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return false;
  }
  QByteArray lines;
  solvane::datafile::appendDataFileLine(TSIOStream::dataFileHeader(), &lines);
  for (int i = 0; i < count; ++i) {
    solvane::datafile::appendDataFileLine(recordMaker().record(i), &lines);
    if (lines.size() > (1 << 20) || i + 1 == count) {
      file.write(lines);
      lines.clear();
    }
  }
  return file.flush();
}

} // namespace bigdata
