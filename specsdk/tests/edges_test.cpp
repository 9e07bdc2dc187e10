// The edges of specsdk's interface, gathered in tables:
//  - every export with null and out-of-range arguments, each call in a child
//    process, so that a crash fails its row and not the test program;
//  - every device exchange whose failure must not be reported as success,
//    made to fail with the simulator's `faults`.
// Each row says what the export must answer and which outputs must stay
// untouched.

#include "specsdk.h"

#include "sim_library.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nlohmann::json;
using simtest::sim;

constexpr const char *kDemo = R"({"device": "spectrometer"})";
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// What a row found wrong, one line per finding; empty when all held.
class Findings {
public:
  template <typename A, typename B>
  void equal(const A &actual, const B &expected, const char *what) {
    if (!(actual == expected)) {
      std::ostringstream line;
      line << what << ": got " << actual << ", expected " << expected << "\n";
      text_ += line.str();
    }
  }
  void check(bool holds, const char *what) {
    if (!holds) {
      text_ += std::string(what) + " does not hold\n";
    }
  }
  const std::string &text() const { return text_; }

private:
  std::string text_;
};

// Runs `row` in a forked child and returns what went wrong: its findings,
// or how it ended when it did not end normally (a crash gives its signal).
std::string inChild(const std::function<void(Findings &)> &row) {
  int fds[2];
  if (pipe(fds) != 0) {
    return "pipe failed";
  }
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) {
    return "fork failed";
  }
  if (pid == 0) {
    close(fds[0]);
    Findings findings;
    row(findings);
    const std::string &text = findings.text();
    const ssize_t written = write(fds[1], text.data(), text.size());
    _exit(written == static_cast<ssize_t>(text.size()) && text.empty() ? 0 : 1);
  }
  close(fds[1]);
  std::string text;
  char buffer[512];
  ssize_t n = 0;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFSIGNALED(status)) {
    return text + "ended by signal " + std::to_string(WTERMSIG(status)) + " (" +
           strsignal(WTERMSIG(status)) + ")";
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return text.empty() ? "exit status " + std::to_string(WEXITSTATUS(status)) : text;
  }
  return "";
}

void loadState(const json &state) {
  ASSERT_EQ(sim().loadState(state.dump().c_str()), 1) << sim().stateError();
  sim().clearLog();
}

// Exchanges with the device since the log was cleared, by entry point.
int exchangesWith(const char *entry, std::uint32_t command) {
  int found = 0;
  for (int i = 0; i < sim().logSize(); ++i) {
    TsimExchange e{};
    sim().logEntry(i, &e);
    found += std::strcmp(e.entry, entry) == 0 && e.command == command ? 1 : 0;
  }
  return found;
}

bool nothingExchanged() {
  return sim().logSize() == 0;
}

template <typename T> std::vector<T> filled(std::size_t n, T value) {
  return std::vector<T>(n, value);
}

template <typename T> bool all(const std::vector<T> &values, T value) {
  return std::all_of(values.begin(), values.end(), [value](T v) { return v == value; });
}

struct Row {
  const char *name;
  std::function<void(Findings &)> run;
};

// ---- Null and out-of-range arguments -------------------------------------

// Buffers of the right sizes, filled with values no export writes.
constexpr int kUntouchedInt = -7;
constexpr float kUntouchedFloat = -7.0f;
constexpr double kUntouchedDouble = -7.0;

// 400 values of an equal-energy spectrum at 1 nm.
std::vector<float> equalEnergy400() {
  return std::vector<float>(400, 1.0f);
}

std::vector<Row> argumentRows() {
  return {
      // Device family.
      {"QSP_SpectrometerOpen(-1)",
       [](Findings &f) { f.equal(QSP_SpectrometerOpen(-1), -1, "result"); }},
      {"QSP_SpectrometerOpen(INT_MAX)",
       [](Findings &f) { f.equal(QSP_SpectrometerOpen(INT_MAX), -1, "result"); }},
      {"QSP_SpectrometerClose() without an open device",
       [](Findings &f) { f.equal(QSP_SpectrometerClose(), 1, "result"); }},
      {"QSP_SetIntegrationTime(-1)",
       [](Findings &f) {
         f.equal(QSP_SetIntegrationTime(-1), -1, "result");
         f.check(nothingExchanged(), "nothing sent");
       }},
      {"QSP_SetIntegrationTime(6554)",
       [](Findings &f) {
         f.equal(QSP_SetIntegrationTime(6554), -1, "result");
         f.check(nothingExchanged(), "nothing sent");
       }},
      {"QSP_SetIntegrationTime(INT_MIN)",
       [](Findings &f) {
         f.equal(QSP_SetIntegrationTime(INT_MIN), -1, "result");
         f.check(nothingExchanged(), "nothing sent");
       }},
      {"QSP_SetIntegrationTime(INT_MAX)",
       [](Findings &f) {
         f.equal(QSP_SetIntegrationTime(INT_MAX), -1, "result");
         f.equal(QSP_GetIntegrationTime(), 100, "integration time kept");
       }},
      {"QSP_SetIntegrationTime(0) and (6553), the ends of the range",
       [](Findings &f) {
         f.equal(QSP_SetIntegrationTime(0), 0, "result at 0");
         f.equal(QSP_GetIntegrationTime(), 0, "time 0");
         f.equal(QSP_SetIntegrationTime(6553), 0, "result at 6553");
         f.equal(ReadIntegrationTime(), 6553, "time 6553");
       }},
      {"QSP_GetDeviceList() (no arguments)",
       [](Findings &f) { f.equal(QSP_GetDeviceList(), 1, "result"); }},
      {"GetDeviceId(NULL)",
       [](Findings &f) {
         f.equal(GetDeviceId(nullptr), -1, "result");
         f.check(nothingExchanged(), "nothing read");
       }},
      {"ReadSpectroInfo with every pointer NULL",
       [](Findings &f) {
         ReadSpectroInfo(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr);
         f.equal(exchangesWith("CmdRead", 14), 1, "information reads");
       }},
      {"ReadSpectroInfo with some pointers NULL",
       [](Findings &f) {
         unsigned int pixels = 0;
         int table[60] = {};
         ReadSpectroInfo(nullptr, nullptr, nullptr, nullptr, nullptr, &pixels, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, table);
         f.equal(pixels, 2048u, "pixel count");
         f.equal(table[59], 116, "last table value");
       }},
      {"ReadQD(NULL)",
       [](Findings &f) {
         ReadQD(nullptr);
         f.check(nothingExchanged(), "nothing read");
       }},
      {"QSP_SpectrometerDataAcquire(NULL, intensities)",
       [](Findings &f) {
         auto intensities = filled(400, kUntouchedInt);
         f.equal(QSP_SpectrometerDataAcquire(nullptr, intensities.data()), -1, "result");
         f.check(all(intensities, kUntouchedInt), "intensities untouched");
       }},
      {"QSP_SpectrometerDataAcquire(wavelengths, NULL)",
       [](Findings &f) {
         auto wavelengths = filled(400, kUntouchedInt);
         f.equal(QSP_SpectrometerDataAcquire(wavelengths.data(), nullptr), -1, "result");
         f.check(all(wavelengths, kUntouchedInt), "wavelengths untouched");
       }},

      // Spectrum-processing family.
      {"GetOrgIntesnsity(NULL, dark)",
       [](Findings &f) {
         auto dark = filled(16, kUntouchedInt);
         f.equal(GetOrgIntesnsity(nullptr, dark.data()), -1, "result");
         f.check(all(dark, kUntouchedInt), "dark untouched");
       }},
      {"GetOrgIntesnsity(pixels, NULL)",
       [](Findings &f) {
         auto pixels = filled(2048, kUntouchedInt);
         f.equal(GetOrgIntesnsity(pixels.data(), nullptr), -1, "result");
         f.check(all(pixels, kUntouchedInt), "pixels untouched");
       }},
      {"GetOrgIntesnsity2(NULL)",
       [](Findings &f) { f.equal(GetOrgIntesnsity2(nullptr), -1, "result"); }},
      {"GetIntensity(NULL, wavelength, ...)",
       [](Findings &f) {
         auto wavelength = filled(2048, kUntouchedFloat);
         f.equal(GetIntensity(nullptr, wavelength.data(), 1, 0, 1, 0, 0, 0), -1, "result");
         f.check(all(wavelength, kUntouchedFloat), "wavelength untouched");
         f.check(nothingExchanged(), "nothing read");
       }},
      {"GetIntensity(intensity, NULL, ...)",
       [](Findings &f) {
         auto intensity = filled(2048, kUntouchedFloat);
         f.equal(GetIntensity(intensity.data(), nullptr, 1, 0, 1, 0, 0, 0), -1, "result");
         f.check(all(intensity, kUntouchedFloat), "intensity untouched");
       }},
      {"GetIntensity with scans 0, -1 and INT_MIN",
       [](Findings &f) {
         auto intensity = filled(2048, kUntouchedFloat), wavelength = intensity;
         for (int scans : {0, -1, INT_MIN}) {
           f.equal(GetIntensity(intensity.data(), wavelength.data(), scans, 0, 1, 0, 0, 0), -1,
                   "result");
         }
         f.check(all(intensity, kUntouchedFloat) && all(wavelength, kUntouchedFloat),
                 "outputs untouched");
         f.check(nothingExchanged(), "nothing read");
       }},
      {"GetIntensity with width -1 and INT_MIN",
       [](Findings &f) {
         auto intensity = filled(2048, kUntouchedFloat), wavelength = intensity;
         f.equal(GetIntensity(intensity.data(), wavelength.data(), 1, 0, -1, 0, 0, 0), -1,
                 "result at -1");
         f.equal(GetIntensity(intensity.data(), wavelength.data(), 1, 0, INT_MIN, 0, 0, 0), -1,
                 "result at INT_MIN");
         f.check(all(intensity, kUntouchedFloat), "intensity untouched");
       }},
      {"GetIntensity with the widest and the most inverted cut band",
       [](Findings &f) {
         auto intensity = filled(2048, kUntouchedFloat), wavelength = intensity;
         // A band wider than the 2048 bins is clamped (everything removed);
         // a negative one removes nothing.
         f.equal(GetIntensity(intensity.data(), wavelength.data(), 1, 0, 1, INT_MIN, INT_MAX, 0), 0,
                 "result, widest band");
         f.equal(intensity[150], 0.0f, "450 nm after removing every bin");
         f.equal(GetIntensity(intensity.data(), wavelength.data(), 1, 0, 1, INT_MAX, INT_MIN, 0), 0,
                 "result, inverted band");
         f.check(intensity[150] > 1000.0f, "450 nm keeps its light with nothing removed");
       }},
      {"GetLumbda(NULL)",
       [](Findings &f) {
         f.equal(GetLumbda(nullptr), -1, "result");
         f.check(nothingExchanged(), "nothing read");
       }},
      {"GetAdjustIntensity(NULL)",
       [](Findings &f) {
         f.equal(GetAdjustIntensity(nullptr), 1, "result");
         f.check(nothingExchanged(), "nothing read");
       }},
      {"LowPassIntensity with NULL input or output",
       [](Findings &f) {
         auto buffer = filled(8, kUntouchedFloat);
         f.equal(LowPassIntensity(100, 10, 5, 50, nullptr, buffer.data(), 8), -1, "null in");
         f.equal(LowPassIntensity(100, 10, 5, 50, buffer.data(), nullptr, 8), -1, "null out");
         f.check(all(buffer, kUntouchedFloat), "buffer untouched");
         f.equal(LowPassIntensity(100, 10, 5, 50, nullptr, nullptr, 0), 0, "null with count 0");
         f.equal(LowPassIntensity(100, 10, 5, 50, nullptr, nullptr, -1), 0, "null with count -1");
       }},
      {"LowPassIntensity with an endless or not-a-number filter length",
       [](Findings &f) {
         auto in = filled(8, 1.0f), out = filled(8, kUntouchedFloat);
         f.equal(LowPassIntensity(100, 0, 5, 50, in.data(), out.data(), 8), -1, "df 0");
         f.equal(LowPassIntensity(1e30f, 1e-30f, 5, 50, in.data(), out.data(), 8), -1,
                 "over 1048576 taps");
         f.equal(LowPassIntensity(std::nanf(""), 10, 5, 50, in.data(), out.data(), 8), -1,
                 "fs NaN");
         f.check(all(out, kUntouchedFloat), "output untouched");
       }},
      {"LowPassIntensity with a negative transition width and attenuations INT_MIN, INT_MAX",
       [](Findings &f) {
         auto in = filled(8, 1.0f), out = filled(8, kUntouchedFloat);
         f.equal(LowPassIntensity(100, -10, 5, 50, in.data(), out.data(), 8), 0, "df -10");
         f.check(all(out, 0.0f), "no taps, zeros");
         f.equal(LowPassIntensity(100, 10, 5, INT_MIN, in.data(), out.data(), 8), 0, "INT_MIN");
         f.equal(LowPassIntensity(100, 10, 5, INT_MAX, in.data(), out.data(), 8), 0, "INT_MAX");
       }},
      {"CalceBoxcar with each pointer NULL",
       [](Findings &f) {
         float x[3] = {1, 2, 3}, y[3] = {1, 1, 1};
         auto outX = filled(3, kUntouchedFloat), outY = outX;
         f.check(!CalceBoxcar(1, 3, 1, 3, nullptr, y, outX.data(), outY.data()), "null x refused");
         f.check(!CalceBoxcar(1, 3, 1, 3, x, nullptr, outX.data(), outY.data()), "null y refused");
         f.check(!CalceBoxcar(1, 3, 1, 3, x, y, nullptr, outY.data()), "null outX refused");
         f.check(!CalceBoxcar(1, 3, 1, 3, x, y, outX.data(), nullptr), "null outY refused");
         f.check(all(outX, kUntouchedFloat) && all(outY, kUntouchedFloat), "outputs untouched");
       }},
      {"CalceBoxcar with end < start, width < 0 and a negative count",
       [](Findings &f) {
         float x[3] = {1, 2, 3}, y[3] = {1, 1, 1};
         auto outX = filled(3, kUntouchedFloat), outY = outX;
         f.check(!CalceBoxcar(3, 2, 1, 3, x, y, outX.data(), outY.data()), "end < start refused");
         f.check(!CalceBoxcar(INT_MAX, INT_MIN, 1, 3, x, y, outX.data(), outY.data()),
                 "INT_MAX..INT_MIN refused");
         f.check(!CalceBoxcar(1, 3, -1, 3, x, y, outX.data(), outY.data()), "width -1 refused");
         f.check(!CalceBoxcar(1, 3, INT_MIN, 3, x, y, outX.data(), outY.data()),
                 "width INT_MIN refused");
         f.check(all(outX, kUntouchedFloat) && all(outY, kUntouchedFloat), "outputs untouched");
         f.check(CalceBoxcar(1, 3, 1, -1, x, y, outX.data(), outY.data()), "count -1 accepted");
         f.check(CalceBoxcar(1, 3, 0, -1, x, y, outX.data(), outY.data()), "width 0, count -1");
         f.check(all(outX, kUntouchedFloat) && all(outY, kUntouchedFloat),
                 "no sample, nothing written");
       }},

      // Colour family.
      {"QSP_ColorGetXYZ with each pointer NULL",
       [](Findings &f) {
         const auto spectrum = equalEnergy400();
         double X = kUntouchedDouble, Y = kUntouchedDouble, Z = kUntouchedDouble;
         QSP_ColorGetXYZ(nullptr, 400, &X, &Y, &Z);
         QSP_ColorGetXYZ(spectrum.data(), 400, nullptr, &Y, &Z);
         QSP_ColorGetXYZ(spectrum.data(), 400, &X, nullptr, &Z);
         QSP_ColorGetXYZ(spectrum.data(), 400, &X, &Y, nullptr);
         f.check(X == kUntouchedDouble && Y == kUntouchedDouble && Z == kUntouchedDouble,
                 "nothing written");
       }},
      {"QSP_ColorGetXYZ with counts 0, -1, 82, INT_MAX, INT_MIN",
       [](Findings &f) {
         const auto spectrum = equalEnergy400();
         for (int count : {0, -1, 82, INT_MAX, INT_MIN}) {
           double X = kUntouchedDouble, Y = kUntouchedDouble, Z = kUntouchedDouble;
           QSP_ColorGetXYZ(spectrum.data(), count, &X, &Y, &Z);
           f.check(X == 0 && Y == 0 && Z == 0, "X = Y = Z = 0 for an unknown count");
         }
       }},
      {"GetCIE1931XY with each output NULL, and X = Y = Z = 0",
       [](Findings &f) {
         double x = kUntouchedDouble, y = kUntouchedDouble;
         GetCIE1931XY(1, 1, 1, nullptr, &y);
         GetCIE1931XY(1, 1, 1, &x, nullptr);
         f.check(x == kUntouchedDouble && y == kUntouchedDouble, "nothing written");
         GetCIE1931XY(0, 0, 0, &x, &y);
         f.check(std::isnan(x) && std::isnan(y), "not-a-number for a black point");
       }},
      {"GetCIE1960XY with each output NULL, and infinite input",
       [](Findings &f) {
         double u = kUntouchedDouble, v = kUntouchedDouble;
         GetCIE1960XY(1, 1, 1, nullptr, &v);
         GetCIE1960XY(1, 1, 1, &u, nullptr);
         f.check(u == kUntouchedDouble && v == kUntouchedDouble, "nothing written");
         GetCIE1960XY(kInf, 1, 1, &u, &v);
         f.check(u != kUntouchedDouble && v != kUntouchedDouble, "written");
       }},
      {"QSP_ColorGetCCT with a NULL output still returns the temperature",
       [](Findings &f) { f.equal(QSP_ColorGetCCT(0.19784, 0.31221, nullptr), 6505, "result"); }},
      {"QSP_ColorGetCCT with not-a-number, infinite and huge points",
       [](Findings &f) {
         double cct = kUntouchedDouble;
         f.equal(QSP_ColorGetCCT(kNaN, 0.3, &cct), 50000, "NaN u");
         f.equal(cct, 50000.0, "NaN u written");
         f.equal(QSP_ColorGetCCT(0.2, kNaN, &cct), 50000, "NaN v");
         for (double u : {kInf, -kInf, 1e308, -1e308}) {
           for (double v : {kInf, -kInf, 1e308, -1e308}) {
             const int kelvin = QSP_ColorGetCCT(u, v, &cct);
             f.check(kelvin >= 1995 && kelvin <= 50000 && kelvin % 5 == 0,
                     "a multiple of 5 K from 1995 to 50000");
             f.equal(cct, static_cast<double>(kelvin), "written as returned");
           }
         }
       }},
      {"QSP_ColorGetCRI with each pointer NULL",
       [](Findings &f) {
         const auto spectrum = equalEnergy400();
         double ra = kUntouchedDouble;
         QSP_ColorGetCRI(nullptr, &ra);
         QSP_ColorGetCRI(spectrum.data(), nullptr);
         f.equal(ra, kUntouchedDouble, "Ra untouched");
       }},
      {"QSP_ColorGetCRI of a black, a negative and a not-a-number spectrum",
       [](Findings &f) {
         double ra = kUntouchedDouble;
         for (float value : {0.0f, -1.0f, std::nanf("")}) {
           const std::vector<float> spectrum(400, value);
           ra = kUntouchedDouble;
           QSP_ColorGetCRI(spectrum.data(), &ra);
           f.check(ra != kUntouchedDouble, "Ra written");
         }
       }},
      {"QSP_ColorGetDominantWavelength with a NULL output, the white point and NaN",
       [](Findings &f) {
         double nm = kUntouchedDouble;
         QSP_ColorGetDominantWavelength(0.3, 0.6, nullptr);
         QSP_ColorGetDominantWavelength(0.3333, 0.3333, &nm);
         f.check(std::isnan(nm), "not-a-number at the white point");
         nm = kUntouchedDouble;
         QSP_ColorGetDominantWavelength(kNaN, kInf, &nm);
         f.check(nm != kUntouchedDouble, "written");
       }},
      {"QSP_ColorGetPurity with a NULL output, the white point and infinities",
       [](Findings &f) {
         double purity = kUntouchedDouble;
         QSP_ColorGetPurity(0.3, 0.6, nullptr);
         QSP_ColorGetPurity(0.3333, 0.3333, &purity);
         f.check(purity != kUntouchedDouble, "written at the white point");
         purity = kUntouchedDouble;
         QSP_ColorGetPurity(kInf, -kInf, &purity);
         f.check(purity != kUntouchedDouble, "written for infinities");
       }},
  };
}

TEST(SpecsdkArguments, EveryExportSurvivesNullAndOutOfRangeArguments) {
  for (const Row &row : argumentRows()) {
    loadState(json::parse(kDemo));
    EXPECT_EQ(inChild(row.run), "") << row.name;
  }
}

// ---- Failed device exchanges are never reported as success ----------------

struct FaultRow {
  const char *name;
  const char *faults; // the state's "faults" list
  std::function<void(Findings &)> run;
};

std::vector<FaultRow> faultRows() {
  std::vector<FaultRow> rows = {
      {"QSP_SetIntegrationTime, write refused", R"([{"command": 0, "loc": 1}])",
       [](Findings &f) {
         f.equal(QSP_SetIntegrationTime(150), -1, "result");
         f.equal(exchangesWith("CmdWrite", 0), 1, "the write was sent");
         f.equal(QSP_GetIntegrationTime(), 100, "the device keeps its old time");
       }},
      {"QSP_GetIntegrationTime, read fails", R"([{"command": 1}])",
       [](Findings &f) {
         f.equal(QSP_GetIntegrationTime(), 0, "result");
         f.equal(ReadIntegrationTime(), 0, "second name");
       }},
      {"GetDeviceId, identifier read fails", R"([{"command": 8}])",
       [](Findings &f) {
         std::vector<char> id(14, '#');
         f.equal(GetDeviceId(id.data()), -1, "result");
         f.check(all(id, '#'), "identifier untouched");
         f.equal(exchangesWith("CloseDevice", 0), 1, "device closed all the same");
       }},
      {"GetLumbda, coefficient read fails", R"([{"command": 10}])",
       [](Findings &f) {
         auto wavelength = filled(2048, kUntouchedFloat);
         f.equal(GetLumbda(wavelength.data()), -1, "result");
         f.check(all(wavelength, kUntouchedFloat), "wavelengths untouched");
       }},
      {"QSP_SpectrometerDataAcquire, wavelength-coefficient read fails", R"([{"command": 10}])",
       [](Findings &f) {
         auto wavelengths = filled(400, kUntouchedInt), intensities = wavelengths;
         f.equal(QSP_SpectrometerDataAcquire(wavelengths.data(), intensities.data()), -1, "result");
         f.check(all(wavelengths, kUntouchedInt) && all(intensities, kUntouchedInt),
                 "outputs untouched");
       }},
      {"QSP_SpectrometerDataAcquire, intensity-coefficient reads fail", R"([{"command": 12}])",
       [](Findings &f) {
         auto wavelengths = filled(400, kUntouchedInt), intensities = wavelengths;
         f.equal(QSP_SpectrometerDataAcquire(wavelengths.data(), intensities.data()), -1, "result");
         f.check(all(wavelengths, kUntouchedInt) && all(intensities, kUntouchedInt),
                 "outputs untouched");
       }},
      {"GetIntensity, wavelength-coefficient read fails", R"([{"command": 10}])",
       [](Findings &f) {
         auto intensity = filled(2048, kUntouchedFloat), wavelength = intensity;
         f.equal(GetIntensity(intensity.data(), wavelength.data(), 1, 0, 1, 0, 0, 0), -1, "result");
         f.check(all(intensity, kUntouchedFloat) && all(wavelength, kUntouchedFloat),
                 "outputs untouched");
       }},
      // The documented fallback of the correction table: GetAdjustIntensity
      // has no failure value and leaves the spectrum as it was.
      {"GetAdjustIntensity, correction table unreadable", R"([{"command": 12}])",
       [](Findings &f) {
         auto spectrum = filled(751, 2.0);
         f.equal(GetAdjustIntensity(spectrum.data()), 1, "result");
         f.check(all(spectrum, 2.0), "spectrum unchanged");
       }},
  };
  // Each part of the raw frame, for each export that reads frames.
  static const char *const kFrameFaults[] = {R"([{"command": 3}])", R"([{"command": 4}])",
                                             R"([{"command": 5}])", R"([{"command": 6}])",
                                             R"([{"command": 7}])"};
  for (const char *faults : kFrameFaults) {
    rows.push_back({"QSP_SpectrometerDataAcquire, frame read fails", faults, [](Findings &f) {
                      auto wavelengths = filled(400, kUntouchedInt), intensities = wavelengths;
                      f.equal(QSP_SpectrometerDataAcquire(wavelengths.data(), intensities.data()),
                              -1, "result");
                      f.check(all(wavelengths, kUntouchedInt) && all(intensities, kUntouchedInt),
                              "outputs untouched");
                    }});
    rows.push_back({"GetOrgIntesnsity, frame read fails", faults, [](Findings &f) {
                      auto pixels = filled(2048, kUntouchedInt), dark = filled(16, kUntouchedInt);
                      f.equal(GetOrgIntesnsity(pixels.data(), dark.data()), -1, "result");
                      f.check(all(dark, kUntouchedInt), "dark untouched");
                    }});
    rows.push_back({"GetOrgIntesnsity2, frame read fails", faults, [](Findings &f) {
                      auto pixels = filled(2048, kUntouchedInt);
                      f.equal(GetOrgIntesnsity2(pixels.data()), -1, "result");
                      f.check(all(pixels, kUntouchedInt), "pixels untouched");
                    }});
    rows.push_back({"GetIntensity, frame read fails", faults, [](Findings &f) {
                      auto intensity = filled(2048, kUntouchedFloat), wavelength = intensity;
                      f.equal(GetIntensity(intensity.data(), wavelength.data(), 2, 0, 1, 0, 0, 0),
                              -1, "result");
                      f.check(all(intensity, kUntouchedFloat) && all(wavelength, kUntouchedFloat),
                              "outputs untouched");
                    }});
  }
  return rows;
}

TEST(SpecsdkFaults, NoFailedDeviceExchangeIsReportedAsSuccess) {
  for (const FaultRow &row : faultRows()) {
    json state = json::parse(kDemo);
    state["faults"] = json::parse(row.faults);
    loadState(state);
    EXPECT_EQ(inChild(row.run), "") << row.name << " with faults " << row.faults;
  }
}

// ---- The demo spectrometer's colour ---------------------------------------

struct Colour {
  double cct, x, y;
};

// CCT, x and y as the SDK example computes them.
Colour colourOf(const std::vector<float> &spectrum) {
  double X = 0, Y = 0, Z = 0, u = 0, v = 0;
  Colour c{};
  QSP_ColorGetXYZ(spectrum.data(), static_cast<int>(spectrum.size()), &X, &Y, &Z);
  GetCIE1931XY(X, Y, Z, &c.x, &c.y);
  GetCIE1960XY(X, Y, Z, &u, &v);
  QSP_ColorGetCCT(u, v, &c.cct);
  return c;
}

// The cool-white LED of the demo (tesselusb/src/demo_state.cpp): a blue
// emitter at 450 nm, 20 nm wide, 1.67 times a phosphor band at 560 nm,
// 130 nm wide; 400 values at 1 nm from 380 nm.
std::vector<float> coolWhiteLed() {
  const auto band = [](double nm, double centre, double fwhm) {
    const double z = (nm - centre) / (fwhm / 2.3548200450309493);
    return std::exp(-0.5 * z * z);
  };
  std::vector<float> spectrum(400);
  for (int i = 0; i < 400; ++i) {
    const double nm = 380 + i;
    spectrum[static_cast<std::size_t>(i)] =
        static_cast<float>(1.67 * band(nm, 450, 20) + band(nm, 560, 130));
  }
  return spectrum;
}

void expectWithinOnePercent(const Colour &measured, const Colour &led, const char *how) {
  EXPECT_NEAR(measured.cct, led.cct, 0.01 * led.cct) << how;
  EXPECT_NEAR(measured.x, led.x, 0.01 * led.x) << how;
  EXPECT_NEAR(measured.y, led.y, 0.01 * led.y) << how;
}

TEST(DemoSpectrometer, ReportsTheColourOfTheLedItLooksAt) {
  // The LED's own colour, as docs/simulator.md gives it.
  const Colour led = colourOf(coolWhiteLed());
  EXPECT_EQ(led.cct, 6040);
  EXPECT_NEAR(led.x, 0.3199, 5e-5);
  EXPECT_NEAR(led.y, 0.3498, 5e-5);

  // What the SDK example does: acquire, scale back by 10000, colour.
  loadState(json::parse(kDemo));
  ASSERT_EQ(QSP_SpectrometerOpen(0), 0);
  ASSERT_EQ(QSP_SetIntegrationTime(100), 0);
  std::vector<int> wavelengths(400), counts(400);
  ASSERT_EQ(QSP_SpectrometerDataAcquire(wavelengths.data(), counts.data()), 0);
  std::vector<float> spectrum(400);
  std::transform(counts.begin(), counts.end(), spectrum.begin(),
                 [](int count) { return static_cast<float>(count) / 10000.0f; });
  expectWithinOnePercent(colourOf(spectrum), led, "QSP_SpectrometerDataAcquire");

  // The other road: GetIntensity's 300 to 1000 nm, corrected by the qd table.
  std::vector<float> intensity(2048), wavelength(2048);
  ASSERT_EQ(GetIntensity(intensity.data(), wavelength.data(), 1, 0, 1, 0, 0, 0), 0);
  std::vector<double> adjusted(intensity.begin(), intensity.begin() + 751);
  ASSERT_EQ(GetAdjustIntensity(adjusted.data()), 1);
  const std::vector<float> visible(adjusted.begin(), adjusted.begin() + 701);
  expectWithinOnePercent(colourOf(visible), led, "GetIntensity and GetAdjustIntensity");
}

} // namespace
