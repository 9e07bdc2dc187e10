#include "solvane/records/measurement_record.h"

#include "luxengine.h"
#include "solvane/colour/items.h"
#include "solvane/colour/locus.h"

#include <array>
#include <vector>

namespace solvane::records {
namespace {

// Record field of each slot computeColourItems fills, with its decimals.
struct SlotField {
  int field;
  int decimals;
};

constexpr std::array<SlotField, kColourItems> kSlotFields = {{
    {kX, 4},
    {kY, 4},
    {kUPrime, 4},
    {kVPrime, 4},
    {kCct, 2},
    {kDuv, 4},
    {kTristimulusX, 2},
    {kTristimulusY, 2},
    {kTristimulusZ, 2},
    {kDominantWavelength, 2},
    {kRa, 2},
    {kR1, 2},
    {kR1 + 1, 2},
    {kR1 + 2, 2},
    {kR1 + 3, 2},
    {kR1 + 4, 2},
    {kR1 + 5, 2},
    {kR1 + 6, 2},
    {kR1 + 7, 2},
    {kR1 + 8, 2},
    {kR1 + 9, 2},
    {kR1 + 10, 2},
    {kR1 + 11, 2},
    {kR1 + 12, 2},
    {kR1 + 13, 2},
    {kR1 + 14, 2},
}};

QString fixed(double value, int decimals) {
  return QString::number(value, 'f', decimals);
}

} // namespace

QString recordLabel(int ordinal) {
  return QStringLiteral("NO.%1").arg(ordinal, 3, 10, QLatin1Char('0'));
}

QStringList calculateItems(int ordinal, double illuminance, const double *intensity, int count,
                           double ratio, int observer) {
  buildLocusTable();
  std::array<double, kColourItems> items{};
  computeColourItems(intensity, count, items.data(), observer, ratio);

  // Fields 3..28 in record order; field 1 (the date-time) is not part of it.
  std::array<QString, kDuv - kCct + 1> colour;
  for (int slot = 0; slot < kColourItems; ++slot) {
    const SlotField &target = kSlotFields[static_cast<std::size_t>(slot)];
    colour[static_cast<std::size_t>(target.field - kCct)] = fixed(items[slot], target.decimals);
  }

  QStringList record;
  record.reserve(kFieldCount);
  record << recordLabel(ordinal) << fixed(illuminance, 2);
  for (const QString &text : colour) {
    record << text;
  }
  for (int i = 0; i < count; ++i) {
    record << QString::number(intensity[i], 'g', 6);
  }
  return record;
}

QStringList buildMeasurementRecord(int ordinal, const QDateTime &time, double illuminance,
                                   const double *intensity, int count, double ratio, int observer) {
  QStringList record = calculateItems(ordinal, illuminance, intensity, count, ratio, observer);
  record.insert(kDateTime, time.toString(Qt::ISODate));
  return record;
}

QString fieldOrEmpty(const QStringList &record, int index) {
  return index >= 0 && index < record.size() ? record.at(index) : QString();
}

QStringList testItemTexts(const QStringList &record) {
  QStringList texts;
  for (int row = 0; row < kTestItemCount; ++row) {
    texts << fieldOrEmpty(record, kFirstTestItem + row);
  }
  return texts;
}

QStringList intensityTexts(const QStringList &record) {
  const int first =
      record.size() >= kFieldCount ? record.size() - kSpectrumFields : int{kFirstIntensity};
  QStringList texts;
  for (int row = 0; row < kSpectrumFields; ++row) {
    texts << fieldOrEmpty(record, first + row);
  }
  return texts;
}

float fieldValue(const QString &text) {
  return text.toFloat(); // 0 for text that is not a number
}

ReadOutcome readStoredRecords(LuxEngine &meter, int observer, const RecordSink &onRecord) {
  ReadOutcome outcome;
  std::vector<double> intensity(kSpectrumFields);
  for (int ordinal = 0;; ++ordinal) {
    QDateTime time;
    double illuminance = 0;
    double ratio = 0;
    const int status = meter.readStoredData(ordinal, &time, &illuminance, intensity.data(), &ratio);
    if (status == 0) {
      return outcome;
    }
    if (status != 1) {
      outcome.status = -1;
      outcome.error = meter.errorString();
      return outcome;
    }
    outcome.records << buildMeasurementRecord(ordinal, time, illuminance, intensity.data(),
                                              kSpectrumFields, ratio, observer);
    if (onRecord) {
      onRecord(outcome.records.constLast(), outcome.records.size());
    }
  }
}

} // namespace solvane::records
