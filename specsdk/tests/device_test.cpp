// The device exports and the device side of the processing exports,
// through specsdk.h against the simulated spectrometer: the frames they
// send, what they make of the replies, and their failure values when the
// device is missing. Null and out-of-range arguments and failed exchanges
// are in the tables of edges_test.cpp.

#include "specsdk.h"
#include "usb_binding.h"

#include "sim_library.h"

#include "devlink/usb_library.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

using nlohmann::json;
using simtest::sim;

constexpr const char *kDemo = R"({"device": "spectrometer"})";

class Spectrometer : public ::testing::Test {
protected:
  void SetUp() override { load(json::parse(kDemo)); }

  static void load(const json &state) {
    ASSERT_EQ(sim().loadState(state.dump().c_str()), 1) << sim().stateError();
    sim().clearLog();
  }

  static json state() { return json::parse(sim().stateJson()); }

  static std::vector<TsimExchange> exchanges(const std::string &entry, std::uint32_t command) {
    std::vector<TsimExchange> found;
    for (const TsimExchange &e : sim().log()) {
      if (entry == e.entry && e.command == command) {
        found.push_back(e);
      }
    }
    return found;
  }
};

TEST_F(Spectrometer, IntegrationTimeTravelsAsTenthsWithItsLocAndTimeOut) {
  ASSERT_EQ(QSP_SetIntegrationTime(100), 0);
  const TsimExchange write = sim().lastExchange();
  EXPECT_STREQ(write.entry, "CmdWrite");
  EXPECT_EQ(write.command, 0u);
  EXPECT_EQ(write.loc, 1u);
  EXPECT_EQ(write.timeout, 5u);
  EXPECT_EQ(write.tries, 3u);
  ASSERT_EQ(write.dataSize, 2u);
  EXPECT_EQ(write.data[0], 0xE8);
  EXPECT_EQ(write.data[1], 0x03);

  EXPECT_EQ(QSP_GetIntegrationTime(), 100);
  const TsimExchange read = sim().lastExchange();
  EXPECT_EQ(read.command, 1u);
  EXPECT_EQ(read.loc, 2u);
  EXPECT_EQ(read.timeout, 10u);

  ASSERT_EQ(QSP_SetIntegrationTime(6553), 0);
  EXPECT_EQ(ReadIntegrationTime(), 6553);
  // 25.5 on the device: the tenths are dropped.
  load(json::parse(R"({"device": "spectrometer", "integration_time": 25.5})"));
  EXPECT_EQ(QSP_GetIntegrationTime(), 25);
}

TEST_F(Spectrometer, OpenCloseListAndIdentifier) {
  EXPECT_EQ(QSP_SpectrometerOpen(0), 0);
  EXPECT_EQ(QSP_SpectrometerOpen(1), -1); // the simulator has device 0 only
  EXPECT_EQ(sim().lastExchange().loc, 1u);
  EXPECT_EQ(QSP_SpectrometerClose(), 1);
  EXPECT_EQ(QSP_GetDeviceList(), 1);
  EXPECT_EQ(sim().lastExchange().count, 5u);

  char id[20];
  std::fill(std::begin(id), std::end(id), '#');
  ASSERT_EQ(GetDeviceId(id), 1);
  EXPECT_EQ(std::string(id, 14), "SP2048-0000123");
  EXPECT_EQ(id[14], '#');
  EXPECT_STREQ(sim().lastExchange().entry, "CloseDevice");
}

TEST_F(Spectrometer, InstrumentInformationFieldByField) {
  char texts[5][17] = {};
  unsigned int pixels = 0, serial = 0;
  int shorts[5] = {};
  int table[60] = {};
  ReadSpectroInfo(texts[0], texts[1], texts[2], texts[3], texts[4], &pixels, &serial, &shorts[0],
                  &shorts[1], &shorts[2], &shorts[3], &shorts[4], table);
  EXPECT_STREQ(texts[0], "SP2048");
  EXPECT_STREQ(texts[4], "2019-03-12");
  EXPECT_EQ(pixels, 2048u);
  EXPECT_EQ(serial, 123u);
  EXPECT_EQ(std::vector<int>(shorts, shorts + 5), (std::vector<int>{300, 1000, 16, 16, 1}));
  EXPECT_EQ(table[0], -120);
  EXPECT_EQ(table[59], 116);
  const TsimExchange read = sim().lastExchange();
  EXPECT_EQ(read.command, 14u);
  EXPECT_EQ(read.count, 338u);
  EXPECT_EQ(read.timeout, 100u);

  // A failed read leaves every output alone; null outputs are skipped.
  load(json::parse(R"({"device": "spectrometer", "faults": [{"command": 14}]})"));
  pixels = 7;
  ReadSpectroInfo(nullptr, nullptr, nullptr, nullptr, nullptr, &pixels, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(pixels, 7u);
}

TEST_F(Spectrometer, QdTableAndAdjustedSpectrum) {
  const auto qd = state()["qd"].get<std::vector<double>>();
  std::vector<float> table(2000, -1.0f);
  ReadQD(table.data());
  for (std::size_t i = 0; i < table.size(); ++i) {
    ASSERT_FLOAT_EQ(table[i], static_cast<float>(qd[i])) << i;
  }
  const auto parts = exchanges("CmdRead", 12);
  ASSERT_EQ(parts.size(), 16u);
  EXPECT_EQ(parts[0].count, 750u);

  std::vector<double> spectrum(752, 2.0);
  EXPECT_EQ(GetAdjustIntensity(spectrum.data()), 1);
  EXPECT_DOUBLE_EQ(spectrum[0], 2.0 / table[0]);
  EXPECT_DOUBLE_EQ(spectrum[750], 2.0 / table[750]);
  EXPECT_EQ(spectrum[751], 2.0);
}

TEST_F(Spectrometer, UnreadableCorrectionTableLeavesTheSpectrumUnchanged) {
  load(json::parse(R"({"device": "spectrometer", "faults": [{"command": 12}]})"));
  std::vector<float> table(2000, -1.0f);
  ReadQD(table.data());
  EXPECT_EQ(table, std::vector<float>(2000, -1.0f));
  std::vector<double> spectrum(751, 2.0);
  EXPECT_EQ(GetAdjustIntensity(spectrum.data()), 1);
  EXPECT_EQ(spectrum, std::vector<double>(751, 2.0));
}

TEST_F(Spectrometer, RawFramesComeOutUnchangedFromFiveReads) {
  const json s = state();
  std::vector<int> pixels(2048), dark(16);
  ASSERT_EQ(GetOrgIntesnsity(pixels.data(), dark.data()), 0);
  EXPECT_EQ(pixels, s["pixels"].get<std::vector<int>>());
  EXPECT_EQ(dark, s["dark"].get<std::vector<int>>());
  for (std::uint32_t command = 3; command <= 7; ++command) {
    const auto reads = exchanges("CmdRead", command);
    ASSERT_EQ(reads.size(), 1u) << command;
    EXPECT_EQ(reads[0].loc, 2u);
    EXPECT_EQ(reads[0].count, command == 7 ? 848u : 820u);
    EXPECT_EQ(reads[0].timeout, 1000u);
    EXPECT_EQ(reads[0].tries, 3u);
  }

  std::vector<int> filtered(2048, -1);
  ASSERT_EQ(GetOrgIntesnsity2(filtered.data()), 0);
  EXPECT_TRUE(std::all_of(filtered.begin(), filtered.end(), [](int v) { return v >= 0; }));
  const auto peak = std::max_element(pixels.begin(), pixels.end()) - pixels.begin();
  EXPECT_NEAR(filtered[static_cast<std::size_t>(peak)],
              pixels[static_cast<std::size_t>(peak)] - 500,
              0.05 * pixels[static_cast<std::size_t>(peak)]);
}

TEST_F(Spectrometer, WavelengthsFollowTheDevicePolynomial) {
  std::vector<float> wavelength(2048);
  ASSERT_EQ(GetLumbda(wavelength.data()), 0);
  EXPECT_EQ(wavelength[0], 300.0f);
  const long double last = 300.0L + 0.35L * 2047 + static_cast<long double>(-5e-6f) * 2047 * 2047;
  EXPECT_FLOAT_EQ(wavelength[2047], static_cast<float>(last));
  EXPECT_EQ(sim().lastExchange().count, 30u);
}

TEST_F(Spectrometer, AcquisitionWritesFourHundredWavelengthsAndAPlausibleSpectrum) {
  std::vector<int> wavelengths(401, -1), intensities(401, -1);
  ASSERT_EQ(QSP_SpectrometerDataAcquire(wavelengths.data(), intensities.data()), 0);
  for (int i = 0; i < 400; ++i) {
    EXPECT_EQ(wavelengths[static_cast<std::size_t>(i)], 380 + i);
  }
  EXPECT_EQ(wavelengths[400], -1);
  EXPECT_EQ(intensities[400], -1);
  // The demo looks at a cool-white LED with its blue peak near 450 nm.
  const auto peak = std::max_element(intensities.begin(), intensities.begin() + 400);
  EXPECT_NEAR(380 + (peak - intensities.begin()), 450, 5);
  EXPECT_EQ(exchanges("CmdRead", 12).size(), 4u);
  EXPECT_EQ(exchanges("CmdRead", 12)[0].count, 600u);
}

// Pixels of 2 over dark counts summing to 31: the integer dark level 1
// leaves 1 everywhere (the mean 1.9375 would leave 0.0625), and with unit
// coefficients the spectrum is 1, reported as 10000.
TEST_F(Spectrometer, AcquisitionSubtractsTheIntegerDarkLevel) {
  json s = json::parse(kDemo);
  s["pixels"] = std::vector<int>(2048, 2);
  std::vector<int> dark(16, 2);
  dark[0] = 1;
  s["dark"] = dark;
  s["intensity_coefficients"] = std::vector<double>(400, 1.0);
  load(s);
  std::vector<int> wavelengths(400), intensities(400);
  ASSERT_EQ(QSP_SpectrometerDataAcquire(wavelengths.data(), intensities.data()), 0);
  for (int v : intensities) {
    ASSERT_NEAR(v, 10000, 2);
  }

  // Pixels below the dark level become 0, not negative.
  s["pixels"] = std::vector<int>(2048, 0);
  load(s);
  ASSERT_EQ(QSP_SpectrometerDataAcquire(wavelengths.data(), intensities.data()), 0);
  EXPECT_EQ(intensities, std::vector<int>(400, 0));
}

// A frame holding a cosine at frequency bin 223 or 224 over a constant,
// read back through GetIntensity with width 0 (the filtered counts pass).
class IntensityBand : public Spectrometer {
protected:
  std::vector<float> filteredTone(int bin, int cutLow, int cutHigh) {
    json s = json::parse(kDemo);
    std::vector<int> pixels(2048);
    for (int i = 0; i < 2048; ++i) {
      pixels[static_cast<std::size_t>(i)] = static_cast<int>(
          std::lround(10000.0 + 1000.0 * std::cos(2.0 * 3.14159265358979 * bin * i / 2048)));
    }
    s["pixels"] = pixels;
    load(s);
    std::vector<float> intensity(2048), wavelength(2048);
    EXPECT_EQ(GetIntensity(intensity.data(), wavelength.data(), 1, 0, 0, cutLow, cutHigh, 1), 0);
    return intensity;
  }

  static double swing(const std::vector<float> &values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return *high - *low;
  }
};

TEST_F(IntensityBand, EqualCutsRemoveNothingAndADifferenceOf1600RemovesBins224To1823) {
  EXPECT_NEAR(swing(filteredTone(1000, 50, 50)), 2000.0, 5.0);
  // A real tone at bin k lies in bins k and 2048 - k (see the filter tests).
  EXPECT_NEAR(swing(filteredTone(223, 100, 1700)), 2000.0, 5.0);
  EXPECT_NEAR(swing(filteredTone(224, 100, 1700)), 1000.0, 5.0);
  EXPECT_LT(swing(filteredTone(225, 100, 1700)), 5.0);
  // A band wider than the transform removes everything.
  EXPECT_LT(swing(filteredTone(0, 0, 100000)), 1e-3);
}

TEST_F(Spectrometer, IntensityAveragesScansAndResamplesFrom300Nm) {
  std::vector<float> intensity(2048, -1.0f), wavelength(2048, -1.0f);
  ASSERT_EQ(GetIntensity(intensity.data(), wavelength.data(), 3, 0, 1, 0, 0, 0), 0);
  EXPECT_EQ(exchanges("CmdRead", 3).size(), 3u);
  EXPECT_EQ(exchanges("OpenDevice", 0).size(), 4u); // each scan, then the polynomial
  for (int j = 0; j < 2048; ++j) {
    ASSERT_EQ(wavelength[static_cast<std::size_t>(j)], 300.0f + j);
  }
  const auto peak = std::max_element(intensity.begin(), intensity.begin() + 701);
  EXPECT_NEAR(300 + (peak - intensity.begin()), 450, 5);
  EXPECT_GT(*peak, 30000.0f);
}

// Every export's answer when OpenDevice fails (an invalid simulator state
// makes every entry point fail).
void expectDeviceNotAvailable(int closeResult, int listResult) {
  std::vector<int> ints(2048, -7), dark(16, -7);
  std::vector<float> floats(2048, -7.0f), more(2048, -7.0f);
  std::vector<double> spectrum(751, 2.0);
  char id[14] = {'#'};
  unsigned int value = 7;

  EXPECT_EQ(QSP_SpectrometerOpen(0), -1);
  EXPECT_EQ(QSP_SpectrometerClose(), closeResult);
  EXPECT_EQ(QSP_SetIntegrationTime(100), -1);
  EXPECT_EQ(QSP_GetIntegrationTime(), 0);
  EXPECT_EQ(ReadIntegrationTime(), 0);
  EXPECT_EQ(QSP_GetDeviceList(), listResult);
  EXPECT_EQ(GetDeviceId(id), -1);
  EXPECT_EQ(id[0], '#');
  ReadSpectroInfo(nullptr, nullptr, nullptr, nullptr, nullptr, &value, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(value, 7u);
  ReadQD(floats.data());
  EXPECT_EQ(floats[0], -7.0f);
  EXPECT_EQ(QSP_SpectrometerDataAcquire(ints.data(), dark.data()), -1);
  EXPECT_EQ(GetOrgIntesnsity(ints.data(), dark.data()), -1);
  EXPECT_EQ(GetOrgIntesnsity2(ints.data()), -1);
  EXPECT_EQ(GetIntensity(floats.data(), more.data(), 1, 0, 1, 0, 0, 0), -1);
  EXPECT_EQ(GetLumbda(floats.data()), -1);
  EXPECT_EQ(GetAdjustIntensity(spectrum.data()), 1);
  EXPECT_EQ(ints[0], -7);
  EXPECT_EQ(dark[0], -7);
  EXPECT_EQ(floats[0], -7.0f);
  EXPECT_EQ(more[0], -7.0f);
  EXPECT_EQ(spectrum[0], 2.0);
}

TEST_F(Spectrometer, AbsentDeviceGivesEveryFailureValue) {
  ASSERT_EQ(sim().loadState("not a state"), 0);
  expectDeviceNotAvailable(0, 0); // the USB library's own answers
}

// Rebinding the SDK to other builds of the simulated library.
class Binding : public Spectrometer {
protected:
  void TearDown() override { ASSERT_TRUE(specsdk::bindUsbLibrary(devlink::kUsbLibraryName)); }
};

TEST_F(Binding, LibraryWithoutGetDeviceListStillBinds) {
  ASSERT_TRUE(specsdk::bindUsbLibrary("libTesselUSB_noDeviceList.so")) << specsdk::bindingError();
  EXPECT_EQ(QSP_GetDeviceList(), -1);
}

TEST_F(Binding, FailedBindingMakesTheDeviceUnavailableWithOneLineOnStderr) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(specsdk::bindAtLoad("libTesselUSB_noSpeic.so"));
  const std::string message = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
  EXPECT_NE(message.find("CmdSpeic"), std::string::npos) << message;
  expectDeviceNotAvailable(-1, -1);

  EXPECT_FALSE(specsdk::bindUsbLibrary("libNoSuchLibrary.so"));
  EXPECT_NE(specsdk::bindingError().find("libNoSuchLibrary.so"), std::string::npos);
}

} // namespace
