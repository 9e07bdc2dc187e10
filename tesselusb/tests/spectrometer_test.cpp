// The spectrometer command set and its special command, device list and
// instrument information.

#include "sim_library.h"

#include "devlink/endian.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>

namespace {

using nlohmann::json;
using simtest::Bytes;
using simtest::sim;

class SimSpectrometer : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(sim().loadState(R"({"device": "spectrometer"})"), 1) << sim().stateError();
    ASSERT_EQ(sim().open(), 1);
  }

  // Pixels 0..2047 then the 16 dark counts, from commands 3 to 7.
  std::vector<std::uint16_t> readFrame() {
    std::vector<std::uint16_t> counts;
    for (std::uint32_t command = 3; command <= 7; ++command) {
      Bytes reply;
      EXPECT_EQ(sim().read(command, 2, command == 7 ? 848 : 820, reply), 1);
      for (std::size_t i = 0; i < reply.size(); i += 2) {
        counts.push_back(simtest::u16At(reply, i));
      }
    }
    return counts;
  }

  std::vector<double> readTable(std::uint32_t count, int requests) {
    std::vector<double> values;
    for (int i = 0; i < requests; ++i) {
      Bytes reply;
      EXPECT_EQ(sim().read(12, 2, count, reply), 1);
      const auto part = simtest::decodeMeterNumbers(reply, 0, count / 6);
      values.insert(values.end(), part.begin(), part.end());
    }
    return values;
  }
};

TEST_F(SimSpectrometer, DemoFrameAndWavelengthsArePlausible) {
  const auto counts = readFrame();
  ASSERT_EQ(counts.size(), 2048u + 16u);
  for (std::size_t k = 2048; k < counts.size(); ++k) {
    EXPECT_GE(counts[k], 400);
    EXPECT_LE(counts[k], 600);
  }
  const auto peak = std::max_element(counts.begin(), counts.begin() + 2048);
  EXPECT_GT(*peak, 20000);

  Bytes reply;
  ASSERT_EQ(sim().read(10, 2, 30, reply), 1);
  const auto c = simtest::decodeMeterNumbers(reply, 0, 5);
  EXPECT_NEAR(c[0], 300, 10);
  EXPECT_NEAR(c[1], 0.35, 0.02);
  EXPECT_LT(c[2], 0);
  EXPECT_EQ(c[3], 0);
  EXPECT_EQ(c[4], 0);
  const double last = c[0] + c[1] * 2047 + c[2] * 2047 * 2047;
  EXPECT_NEAR(last, 1000, 30);
}

TEST_F(SimSpectrometer, FrameFollowsTheStateFile) {
  ASSERT_EQ(sim().loadStateFile(simtest::examplePath("spectrometer_red_led.json").c_str()), 1)
      << sim().stateError();
  ASSERT_EQ(sim().open(), 1);
  const json state = json::parse(sim().stateJson());
  auto expected = state["pixels"].get<std::vector<std::uint16_t>>();
  const auto dark = state["dark"].get<std::vector<std::uint16_t>>();
  expected.insert(expected.end(), dark.begin(), dark.end());
  EXPECT_EQ(readFrame(), expected);
  EXPECT_EQ(dark.front(), 540);
}

// With pixels_integration_time the signal above the dark level follows the
// time and stops at full scale; without it the frame ignores the time.
TEST_F(SimSpectrometer, FrameScalesWithTheIntegrationTimeWhenAsked) {
  const auto still = readFrame();
  EXPECT_EQ(sim().write(0, 1, {0xD0, 0x07}), 1); // 200
  EXPECT_EQ(readFrame(), still);

  json state = {{"device", "spectrometer"},
                {"pixels", std::vector<int>(2048, 1500)},
                {"dark", std::vector<int>(16, 500)},
                {"pixels_integration_time", 100}};
  state["pixels"][7] = 40500;
  ASSERT_EQ(sim().loadState(state.dump().c_str()), 1) << sim().stateError();
  ASSERT_EQ(sim().open(), 1);
  EXPECT_EQ(json::parse(sim().stateJson())["pixels_integration_time"], 100);
  const auto atReference = readFrame();
  EXPECT_EQ(atReference[0], 1500);
  EXPECT_EQ(atReference[7], 40500);
  EXPECT_EQ(sim().write(0, 1, {0xF4, 0x01}), 1); // 50: half the signal
  const auto half = readFrame();
  EXPECT_EQ(half[0], 1000);
  EXPECT_EQ(half[7], 20500);
  EXPECT_EQ(half[2048], 500); // dark counts stay
  EXPECT_EQ(sim().write(0, 1, {0xD0, 0x07}), 1); // 200: the peak saturates
  const auto doubled = readFrame();
  EXPECT_EQ(doubled[0], 2500);
  EXPECT_EQ(doubled[7], 65535);

  EXPECT_EQ(sim().loadState(R"({"device": "spectrometer", "pixels_integration_time": 0})"), 0);
}

TEST_F(SimSpectrometer, IntegrationTimeIsWrittenAtLocOneAndReadAtLocTwo) {
  EXPECT_EQ(sim().write(0, 1, {0xF4, 0x01}), 1);
  Bytes reply;
  ASSERT_EQ(sim().read(1, 2, 2, reply), 1);
  EXPECT_EQ(reply, (Bytes{0xF4, 0x01}));
}

TEST_F(SimSpectrometer, TablesComeInPartsThatWrapAndRestartOnOpen) {
  const auto intensity = readTable(600, 4);
  ASSERT_EQ(intensity.size(), 400u);
  // Both tables hold the detector response, 1 at its 620 nm peak: value k
  // at 380 + k nm here, at 300 + k nm in qd.
  for (double v : intensity) {
    EXPECT_GE(v, 0.15);
    EXPECT_LE(v, 1.0);
  }
  EXPECT_EQ(intensity[240], 1.0);
  EXPECT_NE(intensity[0], intensity[150]);
  EXPECT_EQ(readTable(600, 1), std::vector<double>(intensity.begin(), intensity.begin() + 100));

  const auto qd = readTable(750, 16);
  ASSERT_EQ(qd.size(), 2000u);
  for (double v : qd) {
    EXPECT_GE(v, 0.15);
    EXPECT_LE(v, 1.0);
  }
  EXPECT_EQ(qd[320], 1.0);
  readTable(750, 3);
  ASSERT_EQ(sim().open(), 1);
  EXPECT_EQ(readTable(750, 1), std::vector<double>(qd.begin(), qd.begin() + 125));
  // The two tables keep separate places.
  readTable(600, 2);
  EXPECT_EQ(readTable(750, 1), std::vector<double>(qd.begin() + 125, qd.begin() + 250));
}

TEST_F(SimSpectrometer, InstrumentInformationBlockAndOverride) {
  Bytes reply;
  ASSERT_EQ(sim().read(14, 2, 338, reply), 1);
  EXPECT_EQ(std::string(reinterpret_cast<const char *>(reply.data())), "SP2048");
  EXPECT_EQ(devlink::readU32le(reply.data() + 80), 2048u);
  EXPECT_EQ(simtest::u16At(reply, 88), 300);

  ASSERT_EQ(sim().loadState(R"({"device": "spectrometer", "info": {
      "texts": ["ABCDEFGHIJKLMNOP", "b", "c", "d", "e"], "uint32": [7, 4294967295],
      "uint16": [1, 2, 3, 4, 65535]}})"),
            1)
      << sim().stateError();
  ASSERT_EQ(sim().open(), 1);
  ASSERT_EQ(sim().read(14, 2, 338, reply), 1);
  // A 16-byte text runs into the next one; shorter ones are NUL-padded.
  EXPECT_EQ(std::string(reply.begin(), reply.begin() + 18), std::string("ABCDEFGHIJKLMNOPb\0", 18));
  EXPECT_EQ(devlink::readU32le(reply.data() + 84), 4294967295u);
  EXPECT_EQ(simtest::u16At(reply, 96), 65535);
  // The signed values keep their demo defaults and occupy the last 240 bytes.
  EXPECT_EQ(devlink::readI32le(reply.data() + 98), -120);
  EXPECT_EQ(devlink::readI32le(reply.data() + 334), 116);
}

TEST_F(SimSpectrometer, DeviceIdentifierAndDeviceList) {
  Bytes reply(128, 0);
  ASSERT_EQ(sim().cmdSpeic(8, reply.data(), 0, 0), 1);
  EXPECT_EQ(std::string(reply.begin(), reply.begin() + 14), "SP2048-0000123");

  ASSERT_EQ(sim().closeDevice(), 1);
  Bytes list(200, 0xEE);
  ASSERT_EQ(sim().getDeviceList(list.data(), 5), 1); // works without opening
  EXPECT_EQ(simtest::u16At(list, 0), 0x0483);
  EXPECT_EQ(simtest::u16At(list, 2), 0x085F);
  EXPECT_EQ(devlink::readU32le(list.data() + 4), 0u);
  EXPECT_STREQ(reinterpret_cast<const char *>(list.data() + 8), "SP2048-0000123");
  EXPECT_STREQ(reinterpret_cast<const char *>(list.data() + 24), "spectrometer");
  EXPECT_TRUE(std::all_of(list.begin() + 40, list.end(), [](std::uint8_t b) { return b == 0xEE; }));
  EXPECT_EQ(sim().getDeviceList(list.data(), 0), 0);
  EXPECT_EQ(sim().getDeviceList(nullptr, 5), 0);

  ASSERT_EQ(sim().loadState(R"({"device": "spectrometer", "faults": [{"command": 8}]})"), 1);
  ASSERT_EQ(sim().open(), 1);
  EXPECT_EQ(sim().cmdSpeic(8, reply.data(), 0, 0), 0);
}

} // namespace
