#pragma once

#include "devlink/usb_library.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QDateTime;
class TSFoundation;

// The meter's command layer: each operation is one exchange, or a fixed
// series of exchanges, with the meter through TSFoundation. It builds the
// command's data bytes, decodes the reply, writes one debug line and returns
// a status: 1 success, -1 failure (readStoredData: 0 when no record exists).
class LuxEngine : public QObject {
  Q_OBJECT

public:
  // Stored records and test results carry 401 samples, 380 to 780 nm.
  static constexpr int kSpectrumSamples = 401;
  static constexpr int kRawCounts = 3000;
  static constexpr int kWavelengthCoefficients = 6;
  static constexpr int kIntensityCoefficients = 420;
  // The integration time travels in tenths in an unsigned 16-bit field.
  static constexpr int kMaxIntegrationTime = 6553;

  explicit LuxEngine(QObject* parent = nullptr);
  // Binds another library file instead of the platform's USB library.
  LuxEngine(QObject* parent, const QString& libraryName);
  ~LuxEngine() override;

  bool isLibraryBound() const;

public slots:
  int readStoredData(int dataOrdinal, QDateTime* time, double* illuminance, double* intensity,
                     double* ratio);
  int readTestResult(int resultConteent, double* illuminacne, int* intensity);
  int readOriginalData(int* data);
  int stopToReadOriginalData();
  int startToTest(int mode);
  int isReadyForReadingReslut();

  int setIntegrationTime(int time);
  int readIntegrationTime();
  int saveIntegrationTime();
  int saveIlluminanceCorrectCoefficient(double* coefficient);
  int readIlluminanceCorrectCoefficient(double* coefficient);
  int saveWavelengthCorrectCoefficient(double* coefficient);
  int readWavelengthCorrectCoefficient(double* coefficient);
  int saveIntensityCorrectCoefficient(double* coefficient);
  int readIntensityCorrectCoefficient(double* coefficient);

private:
  using Bytes = std::vector<std::uint8_t>;

  // One command frame: buffer of exactly the command's byte count, made per
  // exchange. True when the meter answered with a result above 0.
  bool read(DWORD command, DWORD loc, Bytes& reply);
  bool write(DWORD command, DWORD loc, Bytes& data);
  bool command(DWORD command, DWORD loc);

  bool readCoefficientBlocks(DWORD command, int blocks, int numbersPerBlock, double* coefficient);
  bool writeCoefficientBlocks(DWORD command, int blocks, int numbersPerBlock,
                              const double* coefficient);

  std::unique_ptr<TSFoundation> foundation;
};
