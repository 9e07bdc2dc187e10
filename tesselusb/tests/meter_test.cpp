// The demo meter and the meter command set, checked through the loaded library.

#include "sim_library.h"

#include "cie/tables.h"
#include "colorimetry/tristimulus.h"
#include "devlink/endian.h"
#include "devlink/meter_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using simtest::Bytes;
using simtest::sim;

constexpr std::uint32_t kRecordBytes = 825;

std::uint16_t peakSample(const Bytes &reply, std::size_t firstOffset) {
  std::uint16_t peak = 0;
  for (std::size_t i = 0; i < 401; ++i) {
    peak = std::max(peak, simtest::u16At(reply, firstOffset + 2 * i));
  }
  return peak;
}

// The plain 2° Y sum of a stored record's counts.
double plainY(const Bytes &reply) {
  const devlink::meter::StoredRecord record = devlink::meter::decodeStoredRecord(reply.data());
  const std::vector<double> counts(record.samples.begin(), record.samples.end());
  return colorimetry::plainSums(counts.data(), 401, 1, cie::cmf1931_2deg).Y;
}

class SimMeter : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(sim().loadState("{}"), 1) << sim().stateError();
    sim().clearLog();
  }
};

TEST_F(SimMeter, DemoHoldsEightDistinctRecordsThenTheEndMarker) {
  std::set<Bytes> dateTimes;
  for (std::uint32_t ordinal = 0; ordinal < 8; ++ordinal) {
    Bytes record;
    ASSERT_EQ(sim().read(17, ordinal, kRecordBytes, record), 1);
    EXPECT_EQ(simtest::u16At(record, 0), 2019);
    dateTimes.insert(Bytes(record.begin(), record.begin() + 7));
    const double illuminance = devlink::readF64le(record.data() + 7);
    EXPECT_TRUE(illuminance > 100 && illuminance < 3000) << illuminance;
    // A calibrated meter's ratio: the record's reported Y is its illuminance.
    const double reportedY = devlink::readF64le(record.data() + 817) *
                             devlink::meter::kTristimulusScale * plainY(record);
    EXPECT_NEAR(reportedY, illuminance, illuminance * 1e-12);
    EXPECT_GE(peakSample(record, 15), 20000);
  }
  EXPECT_EQ(dateTimes.size(), 8u);
  for (std::uint32_t ordinal : {8u, 1000000u}) {
    Bytes record;
    ASSERT_EQ(sim().read(17, ordinal, kRecordBytes, record), 1);
    EXPECT_EQ(simtest::u16At(record, 0), 0xFFFF);
  }
}

TEST_F(SimMeter, StoredRecordLayoutFollowsTheStateFile) {
  ASSERT_EQ(sim().loadStateFile(simtest::examplePath("meter_three_records.json").c_str()), 1)
      << sim().stateError();
  Bytes record;
  ASSERT_EQ(sim().read(17, 2, kRecordBytes, record), 1);
  // 2020-02-29T23:59:58
  EXPECT_EQ(Bytes(record.begin(), record.begin() + 7), (Bytes{0xE4, 0x07, 2, 29, 23, 59, 58}));
  EXPECT_EQ(devlink::readF64le(record.data() + 7), 1480.5);
  EXPECT_EQ(devlink::readF64le(record.data() + 817), 1.0125);
  EXPECT_EQ(simtest::u16At(record, 15 + 2 * 170), 30000); // 550 nm peak
  ASSERT_EQ(sim().read(17, 1, kRecordBytes, record), 1);
  EXPECT_EQ(simtest::u16At(record, 815), 40000); // last sample, 780 nm
  ASSERT_EQ(sim().read(17, 3, kRecordBytes, record), 1);
  EXPECT_EQ(simtest::u16At(record, 0), 0xFFFF);
}

TEST_F(SimMeter, IntegrationTimeIsWrittenSavedAndReadBack) {
  Bytes reply;
  ASSERT_EQ(sim().read(1, 0, 2, reply), 1);
  EXPECT_EQ(reply, (Bytes{0xE8, 0x03})); // demo 100, on the wire 1000
  ASSERT_EQ(sim().write(0, 0, {0x0F, 0x27}), 1);
  ASSERT_EQ(sim().cmd(2, 2), 1);
  ASSERT_EQ(sim().read(1, 0, 2, reply), 1);
  EXPECT_EQ(reply, (Bytes{0x0F, 0x27}));
  EXPECT_NE(sim().stateJson().find("\"integration_time\":999.9"), std::string::npos);
}

TEST_F(SimMeter, CoefficientWritesChangeWhatIsReadBack) {
  Bytes reply;
  ASSERT_EQ(sim().write(9, 0, simtest::meterNumbers({1.5})), 1);
  ASSERT_EQ(sim().read(10, 0, 6, reply), 1);
  EXPECT_EQ(reply, (Bytes{0x00, 0x00, 0x00, 0x40, 0x01, 0x00}));

  const std::vector<double> wavelength = {340.5, 0.152, -1.5e-7, 0, 0, 2.5e-12};
  ASSERT_EQ(sim().write(5, 0, simtest::meterNumbers(wavelength)), 1);
  ASSERT_EQ(sim().read(6, 0, 36, reply), 1);
  EXPECT_EQ(reply, simtest::meterNumbers(wavelength));

  // Written in 70 blocks of 6, read in 4 blocks of 105.
  for (std::uint32_t block = 0; block < 70; ++block) {
    std::vector<double> values;
    for (std::size_t i = 0; i < 6; ++i) {
      values.push_back(1.0 + (6 * block + i) / 1000.0);
    }
    ASSERT_EQ(sim().write(7, block, simtest::meterNumbers(values)), 1);
  }
  for (std::uint32_t block = 0; block < 4; ++block) {
    ASSERT_EQ(sim().read(8, block, 630, reply), 1);
    const auto values = simtest::decodeMeterNumbers(reply, 0, 105);
    for (std::size_t i = 0; i < 105; ++i) {
      EXPECT_NEAR(values[i], 1.0 + (105 * block + i) / 1000.0, 1e-6);
    }
  }
}

TEST_F(SimMeter, RefusesANumberItCouldNotStoreAgain) {
  // Digit 99, exponent 127: about 9.9e128, beyond the exponent field once re-encoded.
  EXPECT_EQ(sim().write(9, 0, {0, 0, 0, 0, 99, 127}), 0);
  Bytes reply;
  ASSERT_EQ(sim().read(10, 0, 6, reply), 1);
  EXPECT_EQ(reply, simtest::meterNumbers({1.0237}));
}

// The ready flag's answers to `polls` polls.
std::vector<int> pollReadyFlag(int polls) {
  std::vector<int> flags;
  Bytes reply;
  for (int i = 0; i < polls; ++i) {
    EXPECT_EQ(sim().read(12, 0, 1, reply), 1);
    flags.push_back(reply[0]);
  }
  return flags;
}

struct ServedResult {
  double illuminance;
  std::uint16_t firstSample;
  std::uint16_t lastSample;
};

ServedResult readServedResult() {
  Bytes reply;
  EXPECT_EQ(sim().read(13, 0, 808, reply), 1);
  return {simtest::decodeMeterNumbers(reply, 0, 1)[0], simtest::u16At(reply, 6),
          simtest::u16At(reply, 6 + 2 * 400)};
}

TEST_F(SimMeter, DemoTestsWatchAHalogenLampWarmUp) {
  EXPECT_EQ(pollReadyFlag(1), std::vector<int>{0}); // nothing started yet
  std::vector<ServedResult> series;
  for (int test = 0; test < 12; ++test) {
    ASSERT_EQ(sim().cmd(11, 7), 1);
    EXPECT_EQ(pollReadyFlag(2), (std::vector<int>{1, 1}));
    series.push_back(readServedResult());
  }
  // Rising steeply, then settling; past the tenth reading the last repeats.
  EXPECT_LT(series[0].illuminance, 0.5 * series[9].illuminance);
  for (std::size_t i = 1; i < series.size(); ++i) {
    EXPECT_GE(series[i].illuminance, series[i - 1].illuminance) << i;
  }
  EXPECT_LT(series[9].illuminance - series[8].illuminance,
            0.1 * (series[1].illuminance - series[0].illuminance));
  EXPECT_NEAR(series[9].illuminance, 820, 20);
  EXPECT_EQ(series[11].illuminance, series[9].illuminance);
  // A filament: red end brightest, the blue end gaining as it heats.
  EXPECT_NEAR(series[9].lastSample, 52000, 1000);
  EXPECT_LT(series[0].firstSample * 1.0 / series[0].lastSample,
            series[9].firstSample * 1.0 / series[9].lastSample);
}

TEST_F(SimMeter, ScriptedResultsAreServedInTurnAfterTheirPolls) {
  std::string ramp;
  for (int i = 0; i < 401; ++i) {
    ramp += (i ? "," : "") + std::to_string(i);
  }
  const std::string state = R"({"ready_after_polls": 2, "test_results": [)"
                            R"({"illuminance": 10.5, "spectrum": [)" +
                            ramp + R"(]}, {"illuminance": 20.25, "spectrum": [)" + ramp + "]}]}";
  ASSERT_EQ(sim().loadState(state.c_str()), 1) << sim().stateError();
  for (double expected : {10.5, 20.25, 20.25}) {
    ASSERT_EQ(sim().cmd(11, 0), 1);
    EXPECT_EQ(pollReadyFlag(4), (std::vector<int>{0, 0, 1, 1}));
    const ServedResult served = readServedResult();
    EXPECT_NEAR(served.illuminance, expected, 1e-6);
    EXPECT_EQ(served.lastSample, 400);
  }
  // The state text names the series, and reading it back serves the same.
  const std::string text = sim().stateJson();
  EXPECT_NE(text.find(R"("ready_after_polls":2)"), std::string::npos);
  ASSERT_EQ(sim().loadState(text.c_str()), 1);
  ASSERT_EQ(sim().cmd(11, 0), 1);
  ASSERT_EQ(sim().cmd(11, 0), 1);
  EXPECT_EQ(pollReadyFlag(3), (std::vector<int>{0, 0, 1}));
  EXPECT_NEAR(readServedResult().illuminance, 20.25, 1e-6);
}

TEST_F(SimMeter, BadSeriesKeysMakeTheStateInvalid) {
  const std::pair<const char *, const char *> cases[] = {
      {R"({"test_results": []})", "test_results is empty"},
      {R"({"test_results": [{"illuminance": 5}]})", "test_results[0].spectrum is missing"},
      {R"({"test_result": {"illuminance": 5}, "test_results": [{"illuminance": 5}]})",
       "test_results and test_result both given"},
      {R"({"ready_after_polls": -1})", "ready_after_polls is -1"},
  };
  for (const auto &[text, problem] : cases) {
    EXPECT_EQ(sim().loadState(text), 0) << text;
    EXPECT_NE(sim().stateError().find(problem), std::string::npos) << sim().stateError();
  }
}

TEST_F(SimMeter, RawData) {
  Bytes reply;
  std::vector<std::uint16_t> raw;
  for (std::uint32_t block = 0; block <= 6; ++block) {
    ASSERT_EQ(sim().read(3, block, block == 6 ? 600 : 900, reply), 1);
    for (std::size_t i = 0; i < reply.size(); i += 2) {
      raw.push_back(simtest::u16At(reply, i));
    }
  }
  ASSERT_EQ(raw.size(), 3000u);
  EXPECT_GT(*std::min_element(raw.begin(), raw.end()), 400); // dark offset
  EXPECT_GT(*std::max_element(raw.begin(), raw.end()), 20000);
  EXPECT_EQ(sim().cmd(4, 0), 1);
}

TEST_F(SimMeter, FaultsFailTheirCommandOrOnlyOneLoc) {
  ASSERT_EQ(sim().loadState(R"({"faults": [{"command": 17, "loc": 3}, {"command": 10}]})"), 1);
  Bytes reply;
  EXPECT_EQ(sim().read(17, 2, kRecordBytes, reply), 1);
  EXPECT_EQ(sim().read(17, 3, kRecordBytes, reply), 0);
  EXPECT_EQ(reply, Bytes(kRecordBytes, simtest::kFill));
  EXPECT_EQ(sim().read(17, 4, kRecordBytes, reply), 1);
  EXPECT_EQ(sim().read(10, 0, 6, reply), 0);
  EXPECT_EQ(sim().write(9, 0, simtest::meterNumbers({2.0})), 1);
}

TEST_F(SimMeter, LogKeepsTheExactFrames) {
  Bytes record, tooShort;
  ASSERT_EQ(sim().write(0, 0, {0xE8, 0x03}), 1);
  ASSERT_EQ(sim().read(17, 5, kRecordBytes, record), 1);
  ASSERT_EQ(sim().read(17, 5, 824, tooShort), 0);
  ASSERT_EQ(sim().logSize(), 3);
  TsimExchange log[3] = {};
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(sim().logEntry(i, &log[i]), 1);
  }
  EXPECT_EQ(sim().logEntry(3, &log[0]), 0);

  EXPECT_STREQ(log[0].entry, "CmdWrite");
  EXPECT_EQ(std::vector<std::uint32_t>({log[0].command, log[0].loc, log[0].count, log[0].timeout,
                                        log[0].tries, log[0].dataSize}),
            std::vector<std::uint32_t>({0, 0, 2, 2000, 3, 2}));
  EXPECT_EQ(Bytes(log[0].data, log[0].data + 2), (Bytes{0xE8, 0x03}));
  EXPECT_STREQ(log[1].entry, "CmdRead");
  EXPECT_EQ(log[1].loc, 5u);
  EXPECT_EQ(log[1].result, 1);
  EXPECT_EQ(Bytes(log[1].data, log[1].data + log[1].dataSize), record);
  EXPECT_EQ(log[2].result, 0);
  EXPECT_EQ(log[2].dataSize, 0u);
  sim().clearLog();
  EXPECT_EQ(sim().logSize(), 0);
}

} // namespace
