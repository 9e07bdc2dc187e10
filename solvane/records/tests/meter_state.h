#pragma once

// Simulated-meter state files for tests: records with known values, written
// as the JSON the simulated USB library reads through TESSELUSB_STATE.

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace meterstate {

inline QJsonArray flat(int count, int value) {
  QJsonArray values;
  for (int i = 0; i < count; ++i) {
    values.append(value);
  }
  return values;
}

// A smooth peak, so that every colour quantity is defined.
inline QJsonArray peak(int centreNm, int height) {
  QJsonArray values;
  for (int i = 0; i < 401; ++i) {
    const double d = (380 + i - centreNm) / 60.0;
    values.append(static_cast<int>(height / (1 + d * d)) + 200);
  }
  return values;
}

inline QJsonObject record(const QString &time, double illuminance, const QJsonArray &spectrum,
                          double ratio = 1.0) {
  return {{"time", time}, {"illuminance", illuminance}, {"ratio", ratio}, {"spectrum", spectrum}};
}

// `count` records, one second apart from 2019-05-21T14:03:09 on.
inline QJsonObject withRecords(int count) {
  QJsonArray records;
  const QDateTime first(QDate(2019, 5, 21), QTime(14, 3, 9));
  for (int i = 0; i < count; ++i) {
    records.append(record(first.addSecs(i).toString(Qt::ISODate), 1234.5 + i,
                          peak(450 + (i * 37) % 250, 40000)));
  }
  return {{"device", "meter"}, {"records", records}};
}

// Every read of stored record `ordinal` fails.
inline QJsonObject failingAt(QJsonObject state, int ordinal) {
  state.insert("faults", QJsonArray{QJsonObject{{"command", 17}, {"loc", ordinal}}});
  return state;
}

inline QByteArray text(const QJsonObject &state) {
  return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

inline bool write(const QString &path, const QJsonObject &state) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text(state)) > 0;
}

} // namespace meterstate
