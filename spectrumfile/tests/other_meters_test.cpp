// The two real exports of other meters: read whole, and our figures from
// their spectra set beside the figures each meter computed itself. The
// tolerances hold the differences data/other_meters/README.md explains:
// the meters' rounding, their CCT searches, and methods of their own for
// Rf and some special indices.
#include "spectrumfile/spectrum_file.h"

#include "lightquality/metrics.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace spectrumfile;

ImportedSpectrum readExport(const std::string &name) {
  std::ifstream file(std::string(SUITE_DATA_DIR) + "/other_meters/" + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  ImportedSpectrum spectrum;
  std::string error;
  EXPECT_TRUE(readSpectrum(text.str(), Format::kDetect, &spectrum, &error)) << error;
  return spectrum;
}

struct Beside {
  const char *meterFigure; // its name in the file
  double ours;
  double tolerance;
};

void expectBeside(const ImportedSpectrum &s, const std::vector<Beside> &figures) {
  for (const Beside &f : figures) {
    EXPECT_NEAR(f.ours, s.figure(f.meterFigure), f.tolerance) << f.meterFigure;
  }
}

double chromaticityX(const lightquality::Spectrum &s) {
  const colorimetry::Tristimulus t = lightquality::tristimulus(s, cie::cmf1931_2deg);
  return t.X / (t.X + t.Y + t.Z);
}

double chromaticityY(const lightquality::Spectrum &s) {
  const colorimetry::Tristimulus t = lightquality::tristimulus(s, cie::cmf1931_2deg);
  return t.Y / (t.X + t.Y + t.Z);
}

TEST(OtherMeters, UprtekExportAgainstTheMetersFigures) {
  const ImportedSpectrum s = readExport("uprtek_export_5198K.txt");
  EXPECT_EQ(s.format, Format::kUprtek);
  EXPECT_EQ(s.description, "CV600 19J00789");
  EXPECT_EQ(s.time, "2021/01/04_23:14:46");
  EXPECT_FALSE(s.absolute);
  EXPECT_DOUBLE_EQ(s.illuminanceLux, 695.154907);
  EXPECT_DOUBLE_EQ(s.values.front(), 0.030267);
  EXPECT_EQ(s.figures.size(), 36u); // every key line but the model, serial, time and memo
  const lightquality::LightQuality q = lightquality::lightQuality(s.values, s.illuminanceLux);
  const auto &r = q.rendering.special;
  expectBeside(s, {{"CCT", q.cct.kelvin, 2},
                   {"Duv", q.cct.duv, 2e-5},
                   {"x", chromaticityX(s.values), 2e-5},
                   {"y", chromaticityY(s.values), 2e-5},
                   {"CRI", q.rendering.ra, 0.01},
                   {"R1", r[0], 0.2},  {"R2", r[1], 0.2},  {"R3", r[2], 0.45},
                   {"R4", r[3], 0.2},  {"R5", r[4], 0.2},  {"R6", r[5], 0.2},
                   {"R7", r[6], 0.2},  {"R8", r[7], 0.3},  {"R9", r[8], 0.25},
                   {"R10", r[9], 0.2}, {"R11", r[10], 0.2}, {"R12", r[11], 0.1},
                   {"R13", r[12], 0.1}, {"R14", r[13], 1.5},
                   {"Rf", q.fidelity.rf, 2.3},
                   {"Rg", q.fidelity.rg, 0.5}});
}

TEST(OtherMeters, SekonicExportAgainstTheMetersFigures) {
  const ImportedSpectrum s = readExport("sekonic_export_3262K.csv");
  EXPECT_EQ(s.format, Format::kSekonic);
  EXPECT_EQ(s.description, "RANDOM_001_02°_3262K");
  EXPECT_TRUE(s.absolute);
  EXPECT_DOUBLE_EQ(s.illuminanceLux, 30.1);
  EXPECT_DOUBLE_EQ(s.values[121], 0.000207037185); // 501 nm: from the 1 nm block
  // Absolute values: their illuminance is the meter's, within its rounding.
  EXPECT_NEAR(lightquality::illuminanceOfIrradiance(s.values), 30.1, 0.05);
  const lightquality::LightQuality q = lightquality::lightQuality(s.values, s.illuminanceLux);
  const auto &r = q.rendering.special;
  // The meter rounds to 4 digits (x, y, Duv), whole kelvins, tenths (R) and
  // whole numbers (Rf, Rg, SSI).
  expectBeside(s, {{"Tcp [K]", q.cct.kelvin, 1.5},
                   {"⊿uv", q.cct.duv, 1e-4},
                   {"CIE1931 x", chromaticityX(s.values), 1e-4},
                   {"CIE1931 y", chromaticityY(s.values), 1e-4},
                   {"CRI Ra", q.rendering.ra, 0.06},
                   {"CRI R1", r[0], 0.05},   {"CRI R2", r[1], 0.05},  {"CRI R3", r[2], 0.05},
                   {"CRI R4", r[3], 0.05},   {"CRI R5", r[4], 0.05},  {"CRI R6", r[5], 0.05},
                   {"CRI R7", r[6], 0.07},   {"CRI R8", r[7], 0.05},  {"CRI R9", r[8], 0.05},
                   {"CRI R10", r[9], 0.05},  {"CRI R11", r[10], 0.05}, {"CRI R12", r[11], 0.2},
                   {"CRI R13", r[12], 0.05}, {"CRI R14", r[13], 0.05},
                   {"TM-30 Rf", q.fidelity.rf, 0.5},
                   {"TM-30 Rg", q.fidelity.rg, 0.5},
                   {"SSIt", q.userGroups.ssiPlanck3200.value, 1},
                   {"SSId", q.userGroups.ssiDaylight5600.value, 1},
                   {"PPFD [umolm⁻²s⁻¹]", q.userGroups.photon.ppfd, 0.05}});
}

} // namespace
