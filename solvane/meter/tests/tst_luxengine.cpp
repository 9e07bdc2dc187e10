// LuxEngine against the simulated meter: every operation's frames as the
// meter received them, the decoding of its replies, and the failure paths.

#include "luxengine.h"
#include "simulator.h"

#include "devlink/meter_number.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

namespace {

QJsonArray ramp(int count, int start, int step) {
  QJsonArray values;
  for (int i = 0; i < count; ++i) {
    values.append((start + step * i) % 65536);
  }
  return values;
}

QJsonObject record(const char *time, double illuminance, double ratio, int firstSample) {
  return {{"time", time},
          {"illuminance", illuminance},
          {"ratio", ratio},
          {"spectrum", ramp(401, firstSample, 163)}};
}

QJsonArray numbers(int count, double start, double step) {
  QJsonArray values;
  for (int i = 0; i < count; ++i) {
    values.append(start + step * i);
  }
  return values;
}

// Three records, a test result, raw counts and calibration values that
// differ per element, so misplaced blocks show.
QJsonObject meterState() {
  return {{"device", "meter"},
          {"records", QJsonArray{record("2015-06-30T23:59:58", 1234.5, 1.0, 0),
                                 record("2019-05-21T14:03:09", 87.25, 0.96, 500),
                                 record("2020-01-02T03:04:05", 2000.0, 1.125, 65000)}},
          {"integration_time", 100},
          {"illuminance_coefficient", 1.0},
          {"wavelength_coefficients", numbers(6, 380.25, -0.125)},
          {"intensity_coefficients", numbers(420, 0.5, 0.0015)},
          {"test_result", QJsonObject{{"illuminance", 512.0}, {"spectrum", ramp(401, 7, 11)}}},
          {"raw_counts", ramp(3000, 3, 17)}};
}

QByteArray stateText(const QJsonObject &state) {
  return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

QByteArray withFault(int command, int loc = -1) {
  QJsonObject state = meterState();
  QJsonObject fault{{"command", command}};
  if (loc >= 0) {
    fault.insert("loc", loc);
  }
  state.insert("faults", QJsonArray{fault});
  return stateText(state);
}

} // namespace

class TestLuxEngine : public QObject {
  Q_OBJECT

private:
  Simulator sim;
  LuxEngine *engine = nullptr;

  void expectFrame(const TsimExchange &e, const char *entry, DWORD command, DWORD loc,
                   DWORD count) {
    QCOMPARE(QString(e.entry), QString(entry));
    QCOMPARE(e.command, command);
    QCOMPARE(e.loc, loc);
    QCOMPARE(e.count, count);
    QCOMPARE(e.timeout, DWORD(2000));
    QCOMPARE(e.tries, DWORD(3));
  }

private slots:
  void initTestCase() {
    engine = new LuxEngine(this);
    QVERIFY(engine->isLibraryBound());
    QVERIFY(sim.ready());
  }

  void init() {
    QVERIFY(sim.load(stateText(meterState())));
    sim.clearLog();
  }

  void storedRecordsAreDecodedFromTheirFrames() {
    QDateTime time;
    double illuminance = 0, ratio = 0;
    std::vector<double> intensity(401, -1);
    QTest::ignoreMessage(QtDebugMsg, "ratio: 1");
    QTest::ignoreMessage(QtDebugMsg, "读取存储数据成功!");
    QCOMPARE(engine->readStoredData(0, &time, &illuminance, intensity.data(), &ratio), 1);
    QCOMPARE(time, QDateTime(QDate(2015, 6, 30), QTime(23, 59, 58, 0)));
    QCOMPARE(time.time().msec(), 0);
    QCOMPARE(illuminance, 1234.5);
    QCOMPARE(ratio, 1.0);
    QCOMPARE(intensity[1], 163.0);
    QCOMPARE(intensity[400], double((163 * 400) % 65536));

    QCOMPARE(engine->readStoredData(2, &time, &illuminance, intensity.data(), &ratio), 1);
    QCOMPARE(time, QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    QCOMPARE(ratio, 1.125);
    QCOMPARE(intensity[0], 65000.0);
    QCOMPARE(intensity[1], double((65000 + 163) % 65536));

    const auto log = sim.log();
    QCOMPARE(log.size(), std::size_t(2));
    expectFrame(log[0], "CmdRead", 17, 0, 825);
    expectFrame(log[1], "CmdRead", 17, 2, 825);
    // Sample i is the little-endian pair at offset 15 + 2i; the date fields
    // of 2015-06-30 23:59:58 are DF 07 06 1E 17 3B 3A.
    const QByteArray reply = bytesOf(log[0]);
    QCOMPARE(reply.left(7), QByteArray::fromHex("DF07061E173B3A"));
    for (int i = 0; i < 401; ++i) {
      const int sample = quint8(reply[16 + 2 * i]) * 256 + quint8(reply[15 + 2 * i]);
      QCOMPARE(sample, (163 * i) % 65536);
      QCOMPARE(intensity[std::size_t(i)], double((65000 + 163 * i) % 65536));
    }
  }

  void noRecordAndFailureLeaveOutputsUntouched() {
    QDateTime time(QDate(2001, 2, 3), QTime(4, 5, 6));
    const QDateTime before = time;
    double illuminance = -7, ratio = -8;
    std::vector<double> intensity(401, -9);

    QTest::ignoreMessage(QtDebugMsg, "没有可以读取的数据!");
    QCOMPARE(engine->readStoredData(3, &time, &illuminance, intensity.data(), &ratio), 0);
    QVERIFY(sim.load(withFault(17, 1)));
    QTest::ignoreMessage(QtDebugMsg, "读取存储数据失败!");
    QCOMPARE(engine->readStoredData(1, &time, &illuminance, intensity.data(), &ratio), -1);
    QCOMPARE(engine->errorString(), QString("cannot read stored record 1: the USB library "
                                            "returned 0 to CmdRead (command 17, loc 1)"));

    QCOMPARE(time, before);
    QCOMPARE(illuminance, -7.0);
    QCOMPARE(ratio, -8.0);
    QVERIFY(std::all_of(intensity.begin(), intensity.end(), [](double v) { return v == -9; }));
  }

  void testResultAndTestControl() {
    QCOMPARE(engine->startToTest(5), 1);
    QCOMPARE(engine->isReadyForReadingReslut(), 1);
    double illuminance = 0;
    std::vector<int> intensity(401, -1);
    QTest::ignoreMessage(QtDebugMsg, "读取测试结果成功!");
    QCOMPARE(engine->readTestResult(3, &illuminance, intensity.data()), 1);
    // 5.12e2 keeps its fraction in units of 2^-31, truncated.
    QVERIFY(std::fabs(illuminance - 512.0) < 1e-7);
    QCOMPARE(intensity[0], 7);
    QCOMPARE(intensity[400], 7 + 11 * 400);

    const auto log = sim.log();
    QCOMPARE(log.size(), std::size_t(3));
    expectFrame(log[0], "CmdCmd", 11, 5, 0);
    expectFrame(log[1], "CmdRead", 12, 0, 1);
    expectFrame(log[2], "CmdRead", 13, 3, 808);

    for (int command : {11, 12, 13}) {
      QVERIFY(sim.load(withFault(command)));
      if (command == 13) {
        QTest::ignoreMessage(QtDebugMsg, "读取测试结果失败!");
      }
      QCOMPARE(command == 11   ? engine->startToTest(0)
               : command == 12 ? engine->isReadyForReadingReslut()
                               : engine->readTestResult(0, &illuminance, intensity.data()),
               -1);
    }
  }

  void rawDataComesInSevenBlocks() {
    std::vector<int> data(3001, -1);
    QTest::ignoreMessage(QtDebugMsg, "获取原始强度成功!");
    QCOMPARE(engine->readOriginalData(data.data()), 1);
    for (int i = 0; i < 3000; ++i) {
      QCOMPARE(data[std::size_t(i)], (3 + 17 * i) % 65536);
    }
    QCOMPARE(data[3000], -1);
    const auto log = sim.log();
    QCOMPARE(log.size(), std::size_t(7));
    for (int block = 0; block < 7; ++block) {
      expectFrame(log[std::size_t(block)], "CmdRead", 3, DWORD(block), block == 6 ? 600 : 900);
    }

    QVERIFY(sim.load(withFault(3, 6)));
    std::fill(data.begin(), data.end(), -1);
    QTest::ignoreMessage(QtDebugMsg, "获取原始强度失败!");
    QCOMPARE(engine->readOriginalData(data.data()), -1);
    QCOMPARE(data[2699], (3 + 17 * 2699) % 65536);
    QCOMPARE(data[2700], -1);

    QTest::ignoreMessage(QtDebugMsg, "结束获取原始数据成功!");
    QCOMPARE(engine->stopToReadOriginalData(), 1);
    QVERIFY(sim.load(withFault(4)));
    QTest::ignoreMessage(QtDebugMsg, "结束获取原始数据失败!");
    QCOMPARE(engine->stopToReadOriginalData(), -1);
  }

  void integrationTime() {
    QTest::ignoreMessage(QtDebugMsg, "成功设置积分时间: 100");
    QCOMPARE(engine->setIntegrationTime(100), 1);
    QTest::ignoreMessage(QtDebugMsg, "成功读取积分时间： 100");
    QCOMPARE(engine->readIntegrationTime(), 100);
    QTest::ignoreMessage(QtDebugMsg, "保存积分时间成功!");
    QCOMPARE(engine->saveIntegrationTime(), 1);
    auto log = sim.log();
    QCOMPARE(log.size(), std::size_t(3));
    expectFrame(log[0], "CmdWrite", 0, 0, 2);
    QCOMPARE(bytesOf(log[0]), QByteArray::fromHex("E803"));
    expectFrame(log[1], "CmdRead", 1, 0, 2);
    QCOMPARE(bytesOf(log[1]), QByteArray::fromHex("E803"));
    expectFrame(log[2], "CmdCmd", 2, 2, 0);

    // The meter counts tenths; a reading of 9999 tenths is 999.
    std::uint8_t tenths[2] = {0x0F, 0x27};
    QVERIFY(sim.cmdWrite(0, 0, 2, tenths, 2000, nullptr, 3) > 0);
    QCOMPARE(engine->readIntegrationTime(), 999);
    QCOMPARE(engine->setIntegrationTime(6553), 1);
    QCOMPARE(engine->readIntegrationTime(), 6553);

    // Times that do not fit the 16-bit field are refused before sending.
    sim.clearLog();
    QTest::ignoreMessage(QtDebugMsg, "设置积分时间失败!");
    QCOMPARE(engine->setIntegrationTime(6554), -1);
    QCOMPARE(engine->setIntegrationTime(-1), -1);
    QCOMPARE(engine->errorString(),
             QString("cannot set the integration time: -1 is outside 0 to 6553"));
    QCOMPARE(sim.logSize(), 0);

    for (int command : {0, 1, 2}) {
      QVERIFY(sim.load(withFault(command)));
      QCOMPARE(command == 0   ? engine->setIntegrationTime(10)
               : command == 1 ? engine->readIntegrationTime()
                              : engine->saveIntegrationTime(),
               -1);
    }
  }

  void illuminanceAndWavelengthCoefficients() {
    double illuminance = 1.5;
    QTest::ignoreMessage(QtDebugMsg, "保存照度校准系数成功!");
    QCOMPARE(engine->saveIlluminanceCorrectCoefficient(&illuminance), 1);
    double readBack = 0;
    QTest::ignoreMessage(QtDebugMsg, "读取照度校准系数成功!");
    QCOMPARE(engine->readIlluminanceCorrectCoefficient(&readBack), 1);
    QCOMPARE(readBack, 1.5);

    double wavelength[6] = {380.123456789, -0.5, 1e-7, 2.25e12, -3.0, 0.0};
    QTest::ignoreMessage(QtDebugMsg, "保存校正系数成功!");
    QCOMPARE(engine->saveWavelengthCorrectCoefficient(wavelength), 1);
    double wavelengthBack[7] = {0, 0, 0, 0, 0, 0, 42};
    QTest::ignoreMessage(QtDebugMsg, "读取波长校正系数成功!");
    QCOMPARE(engine->readWavelengthCorrectCoefficient(wavelengthBack), 1);
    for (int i = 0; i < 6; ++i) {
      QVERIFY(std::fabs(wavelengthBack[i] - wavelength[i]) <= std::fabs(wavelength[i]) * 6e-7);
    }
    QCOMPARE(wavelengthBack[6], 42.0);

    const auto log = sim.log();
    QCOMPARE(log.size(), std::size_t(4));
    expectFrame(log[0], "CmdWrite", 9, 0, 6);
    QCOMPARE(bytesOf(log[0]), QByteArray::fromHex("000000400100"));
    expectFrame(log[1], "CmdRead", 10, 0, 6);
    expectFrame(log[2], "CmdWrite", 5, 0, 36);
    expectFrame(log[3], "CmdRead", 6, 0, 36);

    QVERIFY(sim.load(withFault(10)));
    QTest::ignoreMessage(QtDebugMsg, "读取照度校准系数失败!");
    QCOMPARE(engine->readIlluminanceCorrectCoefficient(&readBack), -1);
    QVERIFY(sim.load(withFault(5)));
    QTest::ignoreMessage(QtDebugMsg, "保存校正系数失败!");
    QCOMPARE(engine->saveWavelengthCorrectCoefficient(wavelength), -1);
  }

  void unrepresentableCoefficientsAreNeverSent() {
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(), 1e200};
    for (double value : bad) {
      double one = value;
      QTest::ignoreMessage(QtDebugMsg, "保存照度校准系数失败!");
      QCOMPARE(engine->saveIlluminanceCorrectCoefficient(&one), -1);
      double six[6] = {1, 2, 3, 4, 5, value};
      QCOMPARE(engine->saveWavelengthCorrectCoefficient(six), -1);
      std::vector<double> all(420, 1.0);
      all[419] = value;
      QTest::ignoreMessage(QtDebugMsg, "保存强度校准系数失败！");
      QCOMPARE(engine->saveIntensityCorrectCoefficient(all.data()), -1);
    }
    QCOMPARE(sim.logSize(), 0);
    QVERIFY(engine->errorString().startsWith("cannot save the intensity coefficients: a value is "
                                             "not finite"));
    QVERIFY(sim.state().contains("0.5"));
  }

  void intensityCoefficientsTravelInBlocks() {
    std::vector<double> coefficients(420);
    for (int i = 0; i < 420; ++i) {
      coefficients[std::size_t(i)] = 0.25 + i * 0.001;
    }
    QTest::ignoreMessage(QtDebugMsg, "保存强度校准系数成功!");
    QCOMPARE(engine->saveIntensityCorrectCoefficient(coefficients.data()), 1);
    auto log = sim.log();
    QCOMPARE(log.size(), std::size_t(70));
    for (int block = 0; block < 70; ++block) {
      expectFrame(log[std::size_t(block)], "CmdWrite", 7, DWORD(block), 36);
    }
    std::uint8_t last[36];
    for (int k = 0; k < 6; ++k) {
      QVERIFY(devlink::encodeMeterNumber(coefficients[std::size_t(414 + k)], last + 6 * k));
    }
    QCOMPARE(bytesOf(log[69]), QByteArray(reinterpret_cast<const char *>(last), 36));

    sim.clearLog();
    std::vector<double> readBack(421, -1);
    QTest::ignoreMessage(QtDebugMsg, "读取强度校准系数成功！");
    QCOMPARE(engine->readIntensityCorrectCoefficient(readBack.data()), 1);
    log = sim.log();
    QCOMPARE(log.size(), std::size_t(4));
    for (int block = 0; block < 4; ++block) {
      expectFrame(log[std::size_t(block)], "CmdRead", 8, DWORD(block), 630);
    }
    for (int i = 0; i < 420; ++i) {
      QVERIFY(std::fabs(readBack[std::size_t(i)] - coefficients[std::size_t(i)]) < 1e-6);
    }
    QCOMPARE(readBack[420], -1.0);

    QVERIFY(sim.load(withFault(8, 2)));
    std::fill(readBack.begin(), readBack.end(), -1);
    QTest::ignoreMessage(QtDebugMsg, "读取强度校准系数失败!");
    QCOMPARE(engine->readIntensityCorrectCoefficient(readBack.data()), -1);
    QVERIFY(readBack[209] != -1.0);
    QCOMPARE(readBack[210], -1.0);
    QVERIFY(sim.load(withFault(7, 30)));
    QCOMPARE(engine->saveIntensityCorrectCoefficient(coefficients.data()), -1);
  }

  // Without a library every operation fails unsent, and says that it is missing.
  void anUnboundLibraryNamesItself() {
    QTest::ignoreMessage(QtDebugMsg, "\"Failed to load Dll(libNoSuchUsb.so)!\"");
    LuxEngine unbound(nullptr, "libNoSuchUsb.so");
    QVERIFY(unbound.errorString().startsWith("cannot load the USB library: libNoSuchUsb.so"));
    QTest::ignoreMessage(QtDebugMsg, "读取积分时间失败!");
    QCOMPARE(unbound.readIntegrationTime(), -1);
    QVERIFY2(unbound.errorString().startsWith(
                 "cannot read the integration time: cannot load the USB library: libNoSuchUsb.so"),
             qPrintable(unbound.errorString()));
  }

  void slotsAreReachableByName() {
    int time = 0;
    QVERIFY(QMetaObject::invokeMethod(engine, "readIntegrationTime", Qt::DirectConnection,
                                      Q_RETURN_ARG(int, time)));
    QCOMPARE(time, 100);
    int status = 0;
    QVERIFY(QMetaObject::invokeMethod(engine, "setIntegrationTime", Qt::DirectConnection,
                                      Q_RETURN_ARG(int, status), Q_ARG(int, 250)));
    QCOMPARE(status, 1);
    QCOMPARE(engine->readIntegrationTime(), 250);
  }
};

QTEST_GUILESS_MAIN(TestLuxEngine)
#include "tst_luxengine.moc"
