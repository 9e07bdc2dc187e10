#include "luxengine.h"

#include "tsfoundation.h"

#include "devlink/endian.h"
#include "devlink/meter_number.h"

#include <QDateTime>
#include <QDebug>

namespace {

// Command codes of the meter.
enum MeterCommand : DWORD {
  kSetIntegrationTime = 0,
  kReadIntegrationTime = 1,
  kSaveIntegrationTime = 2,
  kReadOriginalData = 3,
  kStopOriginalData = 4,
  kWriteWavelengthCoefficients = 5,
  kReadWavelengthCoefficients = 6,
  kWriteIntensityCoefficients = 7,
  kReadIntensityCoefficients = 8,
  kWriteIlluminanceCoefficient = 9,
  kReadIlluminanceCoefficient = 10,
  kStartTest = 11,
  kReadyFlag = 12,
  kReadTestResult = 13,
  kReadStoredRecord = 17,
};

constexpr DWORD kTimeout = 2000;
constexpr DWORD kSaveIntegrationTimeLoc = 2;

// Stored record layout (825 bytes).
constexpr std::size_t kRecordBytes = 825;
constexpr std::size_t kRecordIlluminance = 7;
constexpr std::size_t kRecordSamples = 15;
constexpr std::size_t kRecordRatio = 817;
constexpr std::uint16_t kNoRecordYear = 65535;

// Test result layout (808 bytes): a meter number, then the samples.
constexpr std::size_t kTestResultBytes = 808;
constexpr std::size_t kTestResultSamples = 6;

// Intensity coefficients: written as 70 blocks of 6 numbers, read as 4
// blocks of 105.
constexpr int kIntensityWriteBlocks = 70;
constexpr int kIntensityWriteNumbers = 6;
constexpr int kIntensityReadBlocks = 4;
constexpr int kIntensityReadNumbers = 105;

// Raw data: blocks 0 to 5 of 450 counts, block 6 of 300.
constexpr int kRawBlocks = 7;
constexpr int kRawCountsPerBlock = 450;
constexpr int kLastRawBlockCounts = 300;

void decodeSamples(const std::uint8_t* bytes, int count, double* out) {
  for (int i = 0; i < count; ++i) {
    out[i] = devlink::readU16le(bytes + 2 * i);
  }
}

void decodeSamples(const std::uint8_t* bytes, int count, int* out) {
  for (int i = 0; i < count; ++i) {
    out[i] = devlink::readU16le(bytes + 2 * i);
  }
}

// Encodes `count` values into consecutive 6-byte meter numbers; false when
// one cannot be represented (not finite, or its exponent overflows).
bool encodeNumbers(const double* values, int count, std::uint8_t* out) {
  for (int i = 0; i < count; ++i) {
    if (!devlink::encodeMeterNumber(values[i], out + devlink::kMeterNumberBytes * i)) {
      return false;
    }
  }
  return true;
}

void decodeNumbers(const std::uint8_t* bytes, int count, double* out) {
  for (int i = 0; i < count; ++i) {
    out[i] = devlink::decodeMeterNumber(bytes + devlink::kMeterNumberBytes * i);
  }
}

// Logs the success or failure text and turns the outcome into a status.
int report(bool ok, const char* success, const char* failure) {
  qDebug() << (ok ? success : failure);
  return ok ? 1 : -1;
}

} // namespace

LuxEngine::LuxEngine(QObject* parent) : QObject(parent), foundation(new TSFoundation(nullptr)) {}

LuxEngine::LuxEngine(QObject* parent, const QString& libraryName)
    : QObject(parent), foundation(new TSFoundation(nullptr, libraryName)) {}

LuxEngine::~LuxEngine() = default;

bool LuxEngine::isLibraryBound() const { return foundation->isBound(); }

bool LuxEngine::read(DWORD commandCode, DWORD loc, Bytes& reply) {
  return foundation->readCommand(commandCode, loc, static_cast<DWORD>(reply.size()), reply.data(),
                                 kTimeout, nullptr, devlink::kTries) > 0;
}

bool LuxEngine::write(DWORD commandCode, DWORD loc, Bytes& data) {
  return foundation->writeCommand(commandCode, loc, static_cast<DWORD>(data.size()), data.data(),
                                  kTimeout, nullptr, devlink::kTries) > 0;
}

bool LuxEngine::command(DWORD commandCode, DWORD loc) {
  return foundation->cmdCommand(commandCode, loc, 0, nullptr, kTimeout, nullptr,
                                devlink::kTries) > 0;
}

int LuxEngine::readStoredData(int dataOrdinal, QDateTime* time, double* illuminance,
                              double* intensity, double* ratio) {
  Bytes record(kRecordBytes);
  if (!read(kReadStoredRecord, static_cast<DWORD>(dataOrdinal), record)) {
    qDebug() << "读取存储数据失败!";
    return -1;
  }
  const std::uint8_t* r = record.data();
  if (devlink::readU16le(r) == kNoRecordYear) {
    qDebug() << "没有可以读取的数据!";
    return 0;
  }
  time->setDate(QDate(devlink::readU16le(r), r[2], r[3]));
  time->setTime(QTime(r[4], r[5], r[6], 0));
  *illuminance = devlink::readF64le(r + kRecordIlluminance);
  *ratio = devlink::readF64le(r + kRecordRatio);
  decodeSamples(r + kRecordSamples, kSpectrumSamples, intensity);
  qDebug() << "ratio:" << *ratio;
  qDebug() << "读取存储数据成功!";
  return 1;
}

int LuxEngine::readTestResult(int resultConteent, double* illuminacne, int* intensity) {
  Bytes result(kTestResultBytes);
  if (!read(kReadTestResult, static_cast<DWORD>(resultConteent), result)) {
    qDebug() << "读取测试结果失败!";
    return -1;
  }
  *illuminacne = devlink::decodeMeterNumber(result.data());
  decodeSamples(result.data() + kTestResultSamples, kSpectrumSamples, intensity);
  qDebug() << "读取测试结果成功!";
  return 1;
}

int LuxEngine::readOriginalData(int* data) {
  bool ok = true;
  for (int block = 0; block < kRawBlocks && ok; ++block) {
    const int counts = block == kRawBlocks - 1 ? kLastRawBlockCounts : kRawCountsPerBlock;
    Bytes reply(static_cast<std::size_t>(2 * counts));
    ok = read(kReadOriginalData, static_cast<DWORD>(block), reply);
    if (ok) {
      decodeSamples(reply.data(), counts, data + kRawCountsPerBlock * block);
    }
  }
  return report(ok, "获取原始强度成功!", "获取原始强度失败!");
}

int LuxEngine::stopToReadOriginalData() {
  return report(command(kStopOriginalData, 0), "结束获取原始数据成功!", "结束获取原始数据失败!");
}

int LuxEngine::startToTest(int mode) {
  return command(kStartTest, static_cast<DWORD>(mode)) ? 1 : -1;
}

int LuxEngine::isReadyForReadingReslut() {
  Bytes flag(1);
  return read(kReadyFlag, 0, flag) ? flag[0] : -1;
}

int LuxEngine::setIntegrationTime(int time) {
  // The field holds time x 10 in 16 bits: larger or negative times would
  // wrap into a different setting, so they are refused unsent.
  if (time < 0 || time > kMaxIntegrationTime) {
    qDebug() << "设置积分时间失败!";
    return -1;
  }
  Bytes data(2);
  devlink::writeU16le(data.data(), static_cast<std::uint16_t>(time * 10));
  if (!write(kSetIntegrationTime, 0, data)) {
    qDebug() << "设置积分时间失败!";
    return -1;
  }
  qDebug() << "成功设置积分时间:" << time;
  return 1;
}

int LuxEngine::readIntegrationTime() {
  Bytes data(2);
  if (!read(kReadIntegrationTime, 0, data)) {
    qDebug() << "读取积分时间失败!";
    return -1;
  }
  const int time = devlink::readU16le(data.data()) / 10;
  qDebug() << "成功读取积分时间：" << time;
  return time;
}

int LuxEngine::saveIntegrationTime() {
  return report(command(kSaveIntegrationTime, kSaveIntegrationTimeLoc), "保存积分时间成功!",
                "保存积分时间失败!");
}

int LuxEngine::saveIlluminanceCorrectCoefficient(double* coefficient) {
  return report(writeCoefficientBlocks(kWriteIlluminanceCoefficient, 1, 1, coefficient),
                "保存照度校准系数成功!", "保存照度校准系数失败!");
}

int LuxEngine::readIlluminanceCorrectCoefficient(double* coefficient) {
  return report(readCoefficientBlocks(kReadIlluminanceCoefficient, 1, 1, coefficient),
                "读取照度校准系数成功!", "读取照度校准系数失败!");
}

int LuxEngine::saveWavelengthCorrectCoefficient(double* coefficient) {
  return report(writeCoefficientBlocks(kWriteWavelengthCoefficients, 1, kWavelengthCoefficients,
                                       coefficient),
                "保存校正系数成功!", "保存校正系数失败!");
}

int LuxEngine::readWavelengthCorrectCoefficient(double* coefficient) {
  return report(readCoefficientBlocks(kReadWavelengthCoefficients, 1, kWavelengthCoefficients,
                                      coefficient),
                "读取波长校正系数成功!", "读取波长校正系数失败!");
}

int LuxEngine::saveIntensityCorrectCoefficient(double* coefficient) {
  return report(writeCoefficientBlocks(kWriteIntensityCoefficients, kIntensityWriteBlocks,
                                       kIntensityWriteNumbers, coefficient),
                "保存强度校准系数成功!", "保存强度校准系数失败！");
}

int LuxEngine::readIntensityCorrectCoefficient(double* coefficient) {
  return report(readCoefficientBlocks(kReadIntensityCoefficients, kIntensityReadBlocks,
                                      kIntensityReadNumbers, coefficient),
                "读取强度校准系数成功！", "读取强度校准系数失败!");
}

// Reads `blocks` exchanges of `numbersPerBlock` meter numbers; block b goes
// to loc b and fills coefficients from numbersPerBlock * b. A single block
// is read at loc 0. Stops at the first failed block.
bool LuxEngine::readCoefficientBlocks(DWORD commandCode, int blocks, int numbersPerBlock,
                                     double* coefficient) {
  for (int block = 0; block < blocks; ++block) {
    Bytes reply(static_cast<std::size_t>(devlink::kMeterNumberBytes * numbersPerBlock));
    if (!read(commandCode, static_cast<DWORD>(block), reply)) {
      return false;
    }
    decodeNumbers(reply.data(), numbersPerBlock, coefficient + numbersPerBlock * block);
  }
  return true;
}

// Writes the coefficients as `blocks` exchanges of `numbersPerBlock` meter
// numbers. Every value is checked before the first byte is sent, so a NaN
// or an unrepresentable value never reaches the meter's calibration.
bool LuxEngine::writeCoefficientBlocks(DWORD commandCode, int blocks, int numbersPerBlock,
                                      const double* coefficient) {
  const int total = blocks * numbersPerBlock;
  Bytes encoded(static_cast<std::size_t>(devlink::kMeterNumberBytes * total));
  if (!encodeNumbers(coefficient, total, encoded.data())) {
    return false;
  }
  const std::size_t blockBytes = static_cast<std::size_t>(devlink::kMeterNumberBytes * numbersPerBlock);
  for (int block = 0; block < blocks; ++block) {
    Bytes data(encoded.begin() + static_cast<long>(blockBytes * block),
               encoded.begin() + static_cast<long>(blockBytes * (block + 1)));
    if (!write(commandCode, static_cast<DWORD>(block), data)) {
      return false;
    }
  }
  return true;
}
