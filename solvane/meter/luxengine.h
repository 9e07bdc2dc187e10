#pragma once

#include "devlink/meter_protocol.h"
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
// After a failure errorString() says which operation failed and why.
class LuxEngine : public QObject {
  Q_OBJECT

public:
  // Sizes of the arrays the operations fill or send.
  static constexpr int kSpectrumSamples = devlink::meter::kSpectrumSamples;
  static constexpr int kRawCounts = devlink::meter::kRawCounts;
  static constexpr int kWavelengthCoefficients = devlink::meter::kWavelengthCoefficients;
  static constexpr int kIntensityCoefficients = devlink::meter::kIntensityCoefficients;
  static constexpr int kMaxIntegrationTime = devlink::meter::kMaxIntegrationTime;

  explicit LuxEngine(QObject *parent = nullptr);
  // Binds another library file instead of the platform's USB library.
  LuxEngine(QObject *parent, const QString &libraryName);
  ~LuxEngine() override;

  bool isLibraryBound() const;
  // Why the last failing operation failed, in one sentence: the operation
  // (with the record it asked for), the command and loc of the exchange, and
  // what the USB library returned or that it gave no answer in time. Before
  // any failure: why the library is not bound, or empty.
  QString errorString() const { return failure; }

public slots:
  int readStoredData(int dataOrdinal, QDateTime *time, double *illuminance, double *intensity,
                     double *ratio);
  int readTestResult(int resultConteent, double *illuminacne, int *intensity);
  int readOriginalData(int *data);
  int stopToReadOriginalData();
  int startToTest(int mode);
  int isReadyForReadingReslut();

  int setIntegrationTime(int time);
  int readIntegrationTime();
  int saveIntegrationTime();
  int saveIlluminanceCorrectCoefficient(double *coefficient);
  int readIlluminanceCorrectCoefficient(double *coefficient);
  int saveWavelengthCorrectCoefficient(double *coefficient);
  int readWavelengthCorrectCoefficient(double *coefficient);
  int saveIntensityCorrectCoefficient(double *coefficient);
  int readIntensityCorrectCoefficient(double *coefficient);

private:
  using Bytes = std::vector<std::uint8_t>;
  using Entry = long (TSFoundation::*)(DWORD, DWORD, DWORD, BYTE *, DWORD, char *, DWORD);

  // One command frame: buffer of exactly the command's byte count, made per
  // exchange. True when the meter answered with a result above 0; otherwise
  // the exchange's reason is kept for fail().
  bool exchange(Entry entry, const char *entryName, DWORD command, DWORD loc, Bytes *data);
  bool read(DWORD command, DWORD loc, Bytes &reply);
  bool write(DWORD command, DWORD loc, Bytes &data);
  bool command(DWORD command, DWORD loc);

  // Keeps "what: reason of the failed exchange" as errorString(), logs
  // `log` and returns -1.
  int fail(const QString &what, const char *log);
  // The status of an operation that either succeeded or failed as a whole.
  int finish(bool ok, const char *success, const QString &what, const char *failureLog);

  bool readCoefficientBlocks(DWORD command, int blocks, int numbersPerBlock, double *coefficient);
  bool writeCoefficientBlocks(DWORD command, int blocks, int numbersPerBlock,
                              const double *coefficient);

  std::unique_ptr<TSFoundation> foundation;
  QString exchangeFailure; // why the last failed exchange failed
  QString failure;
};
