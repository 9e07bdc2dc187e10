#include "luxengine.h"

#include "tsfoundation.h"

#include "devlink/endian.h"
#include "devlink/meter_number.h"
#include "devlink/meter_protocol.h"
#include "devlink/meter_records.h"

#include <QDateTime>
#include <QDebug>

#include <algorithm>

namespace {

namespace protocol = devlink::meter;

constexpr DWORD kTimeout = 2000;

template <typename T> void copySamples(const devlink::meter::Samples &samples, T *out) {
  std::copy(samples.begin(), samples.end(), out);
}

// Logs the success or failure text and turns the outcome into a status.
int report(bool ok, const char *success, const char *failure) {
  qDebug() << (ok ? success : failure);
  return ok ? 1 : -1;
}

} // namespace

LuxEngine::LuxEngine(QObject *parent) : QObject(parent), foundation(new TSFoundation(nullptr)) {}

LuxEngine::LuxEngine(QObject *parent, const QString &libraryName)
    : QObject(parent), foundation(new TSFoundation(nullptr, libraryName)) {}

LuxEngine::~LuxEngine() = default;

bool LuxEngine::isLibraryBound() const {
  return foundation->isBound();
}

QString LuxEngine::libraryErrorString() const {
  return foundation->errorString();
}

bool LuxEngine::read(DWORD commandCode, DWORD loc, Bytes &reply) {
  return foundation->readCommand(commandCode, loc, static_cast<DWORD>(reply.size()), reply.data(),
                                 kTimeout, nullptr, devlink::kTries) > 0;
}

bool LuxEngine::write(DWORD commandCode, DWORD loc, Bytes &data) {
  return foundation->writeCommand(commandCode, loc, static_cast<DWORD>(data.size()), data.data(),
                                  kTimeout, nullptr, devlink::kTries) > 0;
}

bool LuxEngine::command(DWORD commandCode, DWORD loc) {
  return foundation->cmdCommand(commandCode, loc, 0, nullptr, kTimeout, nullptr, devlink::kTries) >
         0;
}

int LuxEngine::readStoredData(int dataOrdinal, QDateTime *time, double *illuminance,
                              double *intensity, double *ratio) {
  Bytes record(protocol::kRecordBytes);
  if (!read(protocol::kReadStoredRecord, static_cast<DWORD>(dataOrdinal), record)) {
    qDebug() << "读取存储数据失败!";
    return -1;
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
    qDebug() << "读取测试结果失败!";
    return -1;
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
  return report(ok, "获取原始强度成功!", "获取原始强度失败!");
}

int LuxEngine::stopToReadOriginalData() {
  return report(command(protocol::kStopRawData, 0), "结束获取原始数据成功!",
                "结束获取原始数据失败!");
}

int LuxEngine::startToTest(int mode) {
  return command(protocol::kStartTest, static_cast<DWORD>(mode)) ? 1 : -1;
}

int LuxEngine::isReadyForReadingReslut() {
  Bytes flag(1);
  return read(protocol::kReadReadyFlag, 0, flag) ? flag[0] : -1;
}

int LuxEngine::setIntegrationTime(int time) {
  // The field holds time x 10 in 16 bits: larger or negative times would
  // wrap into a different setting, so they are refused unsent.
  if (time < 0 || time > kMaxIntegrationTime ||
      !writeIntegrationTimeField(time * protocol::kIntegrationTimeScale)) {
    qDebug() << "设置积分时间失败!";
    return -1;
  }
  qDebug() << "成功设置积分时间:" << time;
  return 1;
}

int LuxEngine::setIntegrationTimeTenths(int tenths) {
  if (tenths < 0 || tenths > kMaxIntegrationTimeTenths || !writeIntegrationTimeField(tenths)) {
    qDebug() << "设置积分时间失败!";
    return -1;
  }
  qDebug() << "成功设置积分时间:" << tenths / 10.0;
  return 1;
}

bool LuxEngine::writeIntegrationTimeField(int tenths) {
  Bytes data(protocol::kIntegrationTimeBytes);
  devlink::writeU16le(data.data(), static_cast<std::uint16_t>(tenths));
  return write(protocol::kSetIntegrationTime, 0, data);
}

int LuxEngine::readIntegrationTime() {
  const int tenths = readIntegrationTimeTenths();
  return tenths < 0 ? -1 : tenths / protocol::kIntegrationTimeScale;
}

int LuxEngine::readIntegrationTimeTenths() {
  Bytes data(protocol::kIntegrationTimeBytes);
  if (!read(protocol::kReadIntegrationTime, 0, data)) {
    qDebug() << "读取积分时间失败!";
    return -1;
  }
  const int tenths = devlink::readU16le(data.data());
  qDebug() << "成功读取积分时间：" << tenths / protocol::kIntegrationTimeScale;
  return tenths;
}

int LuxEngine::saveIntegrationTime() {
  return report(command(protocol::kSaveIntegrationTime, protocol::kSaveIntegrationTimeLoc),
                "保存积分时间成功!", "保存积分时间失败!");
}

int LuxEngine::saveIlluminanceCorrectCoefficient(double *coefficient) {
  return report(writeCoefficientBlocks(protocol::kWriteIlluminanceCoefficient, 1, 1, coefficient),
                "保存照度校准系数成功!", "保存照度校准系数失败!");
}

int LuxEngine::readIlluminanceCorrectCoefficient(double *coefficient) {
  return report(readCoefficientBlocks(protocol::kReadIlluminanceCoefficient, 1, 1, coefficient),
                "读取照度校准系数成功!", "读取照度校准系数失败!");
}

int LuxEngine::saveWavelengthCorrectCoefficient(double *coefficient) {
  return report(writeCoefficientBlocks(protocol::kWriteWavelengthCoefficients, 1,
                                       kWavelengthCoefficients, coefficient),
                "保存校正系数成功!", "保存校正系数失败!");
}

int LuxEngine::readWavelengthCorrectCoefficient(double *coefficient) {
  return report(readCoefficientBlocks(protocol::kReadWavelengthCoefficients, 1,
                                      kWavelengthCoefficients, coefficient),
                "读取波长校正系数成功!", "读取波长校正系数失败!");
}

int LuxEngine::saveIntensityCorrectCoefficient(double *coefficient) {
  return report(writeCoefficientBlocks(protocol::kWriteIntensityBlock,
                                       protocol::kIntensityWriteBlocks,
                                       protocol::kIntensityWriteBlockNumbers, coefficient),
                "保存强度校准系数成功!", "保存强度校准系数失败！");
}

int LuxEngine::readIntensityCorrectCoefficient(double *coefficient) {
  return report(readCoefficientBlocks(protocol::kReadIntensityBlock, protocol::kIntensityReadBlocks,
                                      protocol::kIntensityReadBlockNumbers, coefficient),
                "读取强度校准系数成功！", "读取强度校准系数失败!");
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
