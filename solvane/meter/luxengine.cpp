#include "luxengine.h"

#include "tsfoundation.h"

#include "devlink/endian.h"
#include "devlink/meter_number.h"
#include "devlink/meter_protocol.h"
#include "devlink/meter_records.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>

#include <algorithm>

namespace {

namespace protocol = devlink::meter;

constexpr DWORD kTimeout = 2000;

template <typename T> void copySamples(const devlink::meter::Samples &samples, T *out) {
  std::copy(samples.begin(), samples.end(), out);
}

// The library reports a failure, not its kind: one that came only after the
// time-out had passed is taken as no answer, an earlier one as a refusal.
QString exchangeReason(const char *entryName, DWORD commandCode, DWORD loc, long result,
                       qint64 elapsedMs) {
  const QString frame = QString("%1 (command %2, loc %3)").arg(entryName).arg(commandCode).arg(loc);
  if (elapsedMs >= kTimeout) {
    return QString("the meter gave no answer to %1 within %2 s").arg(frame).arg(kTimeout / 1000.0);
  }
  return QString("the USB library returned %1 to %2").arg(result).arg(frame);
}

} // namespace

LuxEngine::LuxEngine(QObject *parent) : QObject(parent), foundation(new TSFoundation(nullptr)) {
  failure = foundation->errorString();
}

LuxEngine::LuxEngine(QObject *parent, const QString &libraryName)
    : QObject(parent), foundation(new TSFoundation(nullptr, libraryName)) {
  failure = foundation->errorString();
}

LuxEngine::~LuxEngine() = default;

bool LuxEngine::isLibraryBound() const {
  return foundation->isBound();
}

bool LuxEngine::exchange(Entry entry, const char *entryName, DWORD commandCode, DWORD loc,
                         Bytes *data) {
  if (!foundation->isBound()) {
    exchangeFailure = foundation->errorString();
    return false;
  }
  QElapsedTimer clock;
  clock.start();
  const long result =
      (foundation.get()->*entry)(commandCode, loc, data ? static_cast<DWORD>(data->size()) : 0,
                                 data ? data->data() : nullptr, kTimeout, nullptr, devlink::kTries);
  if (result > 0) {
    return true;
  }
  exchangeFailure = exchangeReason(entryName, commandCode, loc, result, clock.elapsed());
  return false;
}

bool LuxEngine::read(DWORD commandCode, DWORD loc, Bytes &reply) {
  return exchange(&TSFoundation::readCommand, "CmdRead", commandCode, loc, &reply);
}

bool LuxEngine::write(DWORD commandCode, DWORD loc, Bytes &data) {
  return exchange(&TSFoundation::writeCommand, "CmdWrite", commandCode, loc, &data);
}

bool LuxEngine::command(DWORD commandCode, DWORD loc) {
  return exchange(&TSFoundation::cmdCommand, "CmdCmd", commandCode, loc, nullptr);
}

int LuxEngine::fail(const QString &what, const char *log) {
  failure = what + QStringLiteral(": ") + exchangeFailure;
  if (log) {
    qDebug() << log;
  }
  return -1;
}

int LuxEngine::finish(bool ok, const char *success, const QString &what, const char *failureLog) {
  if (!ok) {
    return fail(what, failureLog);
  }
  qDebug() << success;
  return 1;
}

int LuxEngine::readStoredData(int dataOrdinal, QDateTime *time, double *illuminance,
                              double *intensity, double *ratio) {
  Bytes record(protocol::kRecordBytes);
  if (!read(protocol::kReadStoredRecord, static_cast<DWORD>(dataOrdinal), record)) {
    return fail(QString("cannot read stored record %1").arg(dataOrdinal), "读取存储数据失败!");
  }
  if (!devlink::meter::recordExists(record.data())) {
    qDebug() << "没有可以读取的数据!";
    return 0;
  }
  const devlink::meter::StoredRecord stored = devlink::meter::decodeStoredRecord(record.data());
  const devlink::meter::RecordTime &t = stored.time;
  time->setDate(QDate(t.year, t.month, t.day));
  time->setTime(QTime(t.hour, t.minute, t.second, 0));
  *illuminance = stored.illuminance;
  *ratio = stored.ratio;
  copySamples(stored.samples, intensity);
  qDebug() << "ratio:" << *ratio;
  qDebug() << "读取存储数据成功!";
  return 1;
}

int LuxEngine::readTestResult(int resultConteent, double *illuminacne, int *intensity) {
  Bytes result(protocol::kTestResultBytes);
  if (!read(protocol::kReadTestResult, static_cast<DWORD>(resultConteent), result)) {
    return fail("cannot read the test result", "读取测试结果失败!");
  }
  const devlink::meter::TestResult decoded = devlink::meter::decodeTestResult(result.data());
  *illuminacne = decoded.illuminance;
  copySamples(decoded.samples, intensity);
  qDebug() << "读取测试结果成功!";
  return 1;
}

int LuxEngine::readOriginalData(int *data) {
  bool ok = true;
  for (int block = 0; block < protocol::kRawBlocks && ok; ++block) {
    const int counts = protocol::rawCountsInBlock(block);
    Bytes reply(static_cast<std::size_t>(2 * counts));
    ok = read(protocol::kReadRawBlock, static_cast<DWORD>(block), reply);
    if (ok) {
      std::uint16_t blockCounts[protocol::kRawBlockCounts];
      devlink::meter::decodeRawBlock(reply.data(), block, blockCounts);
      std::copy(blockCounts, blockCounts + counts, data + protocol::kRawBlockCounts * block);
    }
  }
  return finish(ok, "获取原始强度成功!", "cannot read the raw counts", "获取原始强度失败!");
}

int LuxEngine::stopToReadOriginalData() {
  return finish(command(protocol::kStopRawData, 0), "结束获取原始数据成功!",
                "cannot stop the raw acquisition", "结束获取原始数据失败!");
}

int LuxEngine::startToTest(int mode) {
  if (!command(protocol::kStartTest, static_cast<DWORD>(mode))) {
    return fail("cannot start a test", nullptr);
  }
  return 1;
}

int LuxEngine::isReadyForReadingReslut() {
  Bytes flag(1);
  if (!read(protocol::kReadReadyFlag, 0, flag)) {
    return fail("cannot ask the meter whether its result is ready", nullptr);
  }
  return flag[0];
}

int LuxEngine::setIntegrationTime(int time) {
  // The field holds time x 10 in 16 bits: larger or negative times would
  // wrap into a different setting, so they are refused unsent.
  const char *const what = "cannot set the integration time";
  if (time < 0 || time > kMaxIntegrationTime) {
    exchangeFailure = QString("%1 is outside 0 to %2").arg(time).arg(kMaxIntegrationTime);
    return fail(what, "设置积分时间失败!");
  }
  Bytes data(protocol::kIntegrationTimeBytes);
  devlink::writeU16le(data.data(),
                      static_cast<std::uint16_t>(time * protocol::kIntegrationTimeScale));
  if (!write(protocol::kSetIntegrationTime, 0, data)) {
    return fail(what, "设置积分时间失败!");
  }
  qDebug() << "成功设置积分时间:" << time;
  return 1;
}

int LuxEngine::readIntegrationTime() {
  Bytes data(protocol::kIntegrationTimeBytes);
  if (!read(protocol::kReadIntegrationTime, 0, data)) {
    return fail("cannot read the integration time", "读取积分时间失败!");
  }
  const int time = devlink::readU16le(data.data()) / protocol::kIntegrationTimeScale;
  qDebug() << "成功读取积分时间：" << time;
  return time;
}

int LuxEngine::saveIntegrationTime() {
  return finish(command(protocol::kSaveIntegrationTime, protocol::kSaveIntegrationTimeLoc),
                "保存积分时间成功!", "cannot save the integration time", "保存积分时间失败!");
}

int LuxEngine::saveIlluminanceCorrectCoefficient(double *coefficient) {
  return finish(writeCoefficientBlocks(protocol::kWriteIlluminanceCoefficient, 1, 1, coefficient),
                "保存照度校准系数成功!", "cannot save the illuminance coefficient",
                "保存照度校准系数失败!");
}

int LuxEngine::readIlluminanceCorrectCoefficient(double *coefficient) {
  return finish(readCoefficientBlocks(protocol::kReadIlluminanceCoefficient, 1, 1, coefficient),
                "读取照度校准系数成功!", "cannot read the illuminance coefficient",
                "读取照度校准系数失败!");
}

int LuxEngine::saveWavelengthCorrectCoefficient(double *coefficient) {
  return finish(writeCoefficientBlocks(protocol::kWriteWavelengthCoefficients, 1,
                                       kWavelengthCoefficients, coefficient),
                "保存校正系数成功!", "cannot save the wavelength coefficients",
                "保存校正系数失败!");
}

int LuxEngine::readWavelengthCorrectCoefficient(double *coefficient) {
  return finish(readCoefficientBlocks(protocol::kReadWavelengthCoefficients, 1,
                                      kWavelengthCoefficients, coefficient),
                "读取波长校正系数成功!", "cannot read the wavelength coefficients",
                "读取波长校正系数失败!");
}

int LuxEngine::saveIntensityCorrectCoefficient(double *coefficient) {
  return finish(
      writeCoefficientBlocks(protocol::kWriteIntensityBlock, protocol::kIntensityWriteBlocks,
                             protocol::kIntensityWriteBlockNumbers, coefficient),
      "保存强度校准系数成功!", "cannot save the intensity coefficients", "保存强度校准系数失败！");
}

int LuxEngine::readIntensityCorrectCoefficient(double *coefficient) {
  return finish(readCoefficientBlocks(protocol::kReadIntensityBlock, protocol::kIntensityReadBlocks,
                                      protocol::kIntensityReadBlockNumbers, coefficient),
                "读取强度校准系数成功！", "cannot read the intensity coefficients",
                "读取强度校准系数失败!");
}

// Reads `blocks` exchanges of `numbersPerBlock` meter numbers; block b goes
// to loc b and fills coefficients from numbersPerBlock * b. A single block
// is read at loc 0. Stops at the first failed block.
bool LuxEngine::readCoefficientBlocks(DWORD commandCode, int blocks, int numbersPerBlock,
                                      double *coefficient) {
  for (int block = 0; block < blocks; ++block) {
    Bytes reply(static_cast<std::size_t>(devlink::kMeterNumberBytes * numbersPerBlock));
    if (!read(commandCode, static_cast<DWORD>(block), reply)) {
      return false;
    }
    devlink::decodeMeterNumbers(reply.data(), static_cast<std::size_t>(numbersPerBlock),
                                coefficient + numbersPerBlock * block);
  }
  return true;
}

// Writes the coefficients as `blocks` exchanges of `numbersPerBlock` meter
// numbers. Every value is checked before the first byte is sent, so a NaN
// or an unrepresentable value never reaches the meter's calibration.
bool LuxEngine::writeCoefficientBlocks(DWORD commandCode, int blocks, int numbersPerBlock,
                                       const double *coefficient) {
  const int total = blocks * numbersPerBlock;
  Bytes encoded(static_cast<std::size_t>(devlink::kMeterNumberBytes * total));
  if (!devlink::encodeMeterNumbers(coefficient, static_cast<std::size_t>(total), encoded.data())) {
    exchangeFailure = QStringLiteral("a value is not finite or beyond the meter's number range; "
                                     "nothing was sent");
    return false;
  }
  const std::size_t blockBytes =
      static_cast<std::size_t>(devlink::kMeterNumberBytes * numbersPerBlock);
  for (int block = 0; block < blocks; ++block) {
    Bytes data(encoded.begin() + static_cast<long>(blockBytes * block),
               encoded.begin() + static_cast<long>(blockBytes * (block + 1)));
    if (!write(commandCode, static_cast<DWORD>(block), data)) {
      return false;
    }
  }
  return true;
}
