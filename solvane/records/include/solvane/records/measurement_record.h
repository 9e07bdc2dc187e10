#pragma once

// A measurement record: 430 text fields built from one record stored in the
// meter. The window, solvane-cli, the data file and the report address the
// fields by the indexes below.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class LuxEngine;

namespace solvane::records {

inline constexpr int kFieldCount = 430;
inline constexpr int kSpectrumFields = 401;
inline constexpr int kFirstWavelength = 380; // nm of the first intensity field

enum Field {
  kLabel = 0,               // "NO.000"
  kDateTime = 1,            // ISO date-time
  kIlluminance = 2,         // Ev, lx
  kCct = 3,                 // Tcp, K
  kRa = 4,                  //
  kR1 = 5,                  // R1..R15 in fields 5..19
  kDominantWavelength = 20, // nm
  kX = 21,                  // CIE 1931 x, y
  kY = 22,
  kUPrime = 23, // CIE 1976 u′, v′
  kVPrime = 24,
  kTristimulusX = 25, // X, Y, Z
  kTristimulusY = 26,
  kTristimulusZ = 27,
  kDuv = 28,
  kFirstIntensity = 29, // 401 intensities, 380..780 nm
};

// The test items are fields 2..28, one per row of the window's item table.
inline constexpr int kFirstTestItem = kIlluminance;
inline constexpr int kTestItemCount = kDuv - kIlluminance + 1;

// "NO.%1": the ordinal with at least three digits, zero-padded.
QString recordLabel(int ordinal);

// Every field but the date-time (429 fields): label, illuminance, the 26
// colour values and `count` intensities. The colour values come from the
// locus table and computeColourItems with the given observer (0: 2°, 1: 10°).
QStringList calculateItems(int ordinal, double illuminance, const double *intensity, int count,
                           double ratio, int observer);

// The full record: calculateItems with the date-time inserted as field 1.
QStringList buildMeasurementRecord(int ordinal, const QDateTime &time, double illuminance,
                                   const double *intensity, int count, double ratio, int observer);

// Field `index`, or an empty text when the record is shorter.
QString fieldOrEmpty(const QStringList &record, int index);

// The 27 test-item texts (fields 2..28); missing fields are empty.
QStringList testItemTexts(const QStringList &record);

// The 401 intensity texts: the last 401 fields of a full record; of a
// shorter one, whatever it holds from field 29 on, the rest empty.
QStringList intensityTexts(const QStringList &record);

// Text to number as the views convert it: text that is not a number gives 0.
float fieldValue(const QString &text);

// Called after each record is built, with the records read so far.
using RecordSink = std::function<void(const QStringList &record, int recordsRead)>;

struct ReadOutcome {
  QList<QStringList> records;
  int status = 0; // 0: the meter had no further record; -1: an exchange failed
  QString error;  // after a failure, why (LuxEngine::errorString())
};

// Reads ordinals 0, 1, 2, ... until the meter reports no further record or
// an exchange fails; the records read before a failure are kept.
ReadOutcome readStoredRecords(LuxEngine &meter, int observer, const RecordSink &onRecord = {});

} // namespace solvane::records
