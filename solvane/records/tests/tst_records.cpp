// Measurement records: field layout and formats, the short-record views and
// the read-all loop against the simulated meter.

#include "solvane/records/measurement_record.h"

#include "luxengine.h"
#include "meter_state.h"
#include "simulator.h"
#include "solvane/colour/items.h"

#include <QtTest>

#include <vector>

using namespace solvane::records;

class TestRecords : public QObject {
  Q_OBJECT

  Simulator sim;

  std::vector<double> spectrum(double value) const { return std::vector<double>(401, value); }

private slots:
  void initTestCase() { QVERIFY(sim.ready()); }

  void fieldsAndFormats() {
    std::vector<double> intensity = spectrum(20000);
    intensity[0] = 65535;
    intensity[1] = 0.5;
    intensity[2] = 123456789;
    const QDateTime time(QDate(2019, 5, 21), QTime(14, 3, 9));
    const QStringList record = buildMeasurementRecord(2, time, 1234.5, intensity.data(), 401, 1, 0);

    QCOMPARE(record.size(), kFieldCount);
    QCOMPARE(record[kLabel], QString("NO.002"));
    QCOMPARE(record[kDateTime], QString("2019-05-21T14:03:09"));
    QCOMPARE(record[kIlluminance], QString("1234.50"));
    QCOMPARE(record[kFirstIntensity], QString("65535"));
    QCOMPARE(record[kFirstIntensity + 1], QString("0.5"));
    QCOMPARE(record[kFirstIntensity + 2], QString("1.23457e+08"));
    QCOMPARE(record.last(), QString("20000"));

    double items[solvane::kColourItems];
    solvane::computeColourItems(intensity.data(), 401, items, 0, 1);
    QCOMPARE(record[kX], QString::number(items[solvane::kItemX], 'f', 4));
    QCOMPARE(record[kVPrime], QString::number(items[solvane::kItemVPrime], 'f', 4));
    QCOMPARE(record[kDuv], QString::number(items[solvane::kItemDuv], 'f', 4));
    QCOMPARE(record[kCct], QString::number(items[solvane::kItemCct], 'f', 2));
    QCOMPARE(record[kTristimulusZ], QString::number(items[solvane::kItemTristimulusZ], 'f', 2));
    QCOMPARE(record[kDominantWavelength],
             QString::number(items[solvane::kItemDominantWavelength], 'f', 2));
    QCOMPARE(record[kRa], QString::number(items[solvane::kItemRa], 'f', 2));
    QCOMPARE(record[kR1 + 14], QString::number(items[solvane::kItemR1 + 14], 'f', 2));
    QCOMPARE(record[kX].section('.', 1).size(), 4);

    QCOMPARE(QString::number(0.31271, 'f', 4), QString("0.3127")); // the format the x field uses
    QCOMPARE(recordLabel(0), QString("NO.000"));
    QCOMPARE(recordLabel(1000), QString("NO.1000"));
    QCOMPARE(calculateItems(7, 1, intensity.data(), 401, 1, 0).size(), kFieldCount - 1);
  }

  void observerChangesOnlyUPrimeVPrime() {
    std::vector<double> intensity = spectrum(1000);
    for (std::size_t i = 0; i < intensity.size(); ++i) {
      intensity[i] += 100.0 * static_cast<double>(i); // a warm, sloping spectrum
    }
    const QStringList two = calculateItems(0, 1, intensity.data(), 401, 1, 0);
    const QStringList ten = calculateItems(0, 1, intensity.data(), 401, 1, 1);
    for (int field = 0; field < two.size(); ++field) {
      const bool fromObserver = field == kUPrime - 1 || field == kVPrime - 1;
      QCOMPARE(two[field] != ten[field], fromObserver);
    }
  }

  void shortRecordsShowWhatTheyHold() {
    QStringList full;
    for (int i = 0; i < kFieldCount; ++i) {
      full << QString::number(i);
    }
    QCOMPARE(testItemTexts(full).first(), QString("2"));
    QCOMPARE(testItemTexts(full).last(), QString("28"));
    QCOMPARE(intensityTexts(full).first(), QString("29"));
    QCOMPARE(intensityTexts(full).last(), QString("429"));

    const QStringList shortRecord = full.mid(0, 40);
    QCOMPARE(testItemTexts(shortRecord).size(), kTestItemCount);
    QCOMPARE(testItemTexts(shortRecord).last(), QString("28"));
    const QStringList intensities = intensityTexts(shortRecord);
    QCOMPARE(intensities.size(), kSpectrumFields);
    QCOMPARE(intensities[10], QString("39"));
    QVERIFY(intensities[11].isEmpty() && intensities.last().isEmpty());

    const QStringList labelOnly{"NO.009"};
    QVERIFY(testItemTexts(labelOnly).join("").isEmpty());
    QVERIFY(intensityTexts(labelOnly).join("").isEmpty());
    QCOMPARE(fieldOrEmpty(labelOnly, -1), QString());
    QCOMPARE(fieldValue("abc"), 0.0f);
    QCOMPARE(fieldValue("0.3127"), 0.3127f);
  }

  void readsEveryStoredRecord() {
    QVERIFY(sim.load(meterstate::text(meterstate::withRecords(3))));
    LuxEngine meter;
    QList<int> progress;
    const ReadOutcome outcome =
        readStoredRecords(meter, 0, [&](const QStringList &record, int read) {
          QCOMPARE(record[kLabel], recordLabel(read - 1));
          progress << read;
        });
    QCOMPARE(outcome.status, 0);
    QCOMPARE(progress, (QList<int>{1, 2, 3}));
    QCOMPARE(outcome.records.size(), 3);
    QCOMPARE(outcome.records[1].size(), kFieldCount);
    QCOMPARE(outcome.records[1][kDateTime], QString("2019-05-21T14:03:10"));
    QCOMPARE(outcome.records[2][kIlluminance], QString("1236.50"));
  }

  void aFailureKeepsTheEarlierRecords() {
    QVERIFY(sim.load(meterstate::text(meterstate::failingAt(meterstate::withRecords(3), 2))));
    LuxEngine meter;
    const ReadOutcome outcome = readStoredRecords(meter, 1);
    QCOMPARE(outcome.status, -1);
    QCOMPARE(outcome.records.size(), 2);
    QVERIFY(outcome.error.startsWith("cannot read stored record 2: "));

    QVERIFY(sim.load(meterstate::text(meterstate::withRecords(0))));
    const ReadOutcome none = readStoredRecords(meter, 0);
    QCOMPARE(none.status, 0);
    QVERIFY(none.records.isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
