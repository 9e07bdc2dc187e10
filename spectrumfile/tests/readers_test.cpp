// The readers on small files written here: every separator and decimal
// sign of two-column text, SPDX as other programs write it, the resampling
// of coarser steps, and the one-line refusals of files that are not spectra.
#include "spectrumfile/spectrum_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace spectrumfile;

ImportedSpectrum read(const std::string &text, Format format = Format::kDetect) {
  ImportedSpectrum spectrum;
  std::string error;
  EXPECT_TRUE(readSpectrum(text, format, &spectrum, &error)) << error;
  return spectrum;
}

std::string refusal(const std::string &text, Format format = Format::kDetect) {
  ImportedSpectrum spectrum;
  std::string error;
  EXPECT_FALSE(readSpectrum(text, format, &spectrum, &error)) << text;
  EXPECT_EQ(error.find('\n'), std::string::npos);
  return error;
}

double at(const ImportedSpectrum &s, int nm) {
  return s.values[static_cast<std::size_t>(nm - lightquality::kFirstNm)];
}

TEST(TwoColumnText, EverySeparatorAndDecimalSign) {
  for (const std::string text :
       {"380,0.5\n381,0.25\n", "380;0,5\r\n381;0,25\r\n", "380\t0,5\n381\t0.25\n",
        "  380   0,5\n381 0.25  \n", "\xEF\xBB\xBFnm,value\n380, 0.5\n381, 0.25,\n\n",
        "wavelength;irradiance\n380;+0,5\n381;2.5e-1\n",
        "# lamp 3\nnm\tvalue\n# at 2 m\n380\t0.5\n381\t0.25\n"}) {
    const ImportedSpectrum s = read(text);
    EXPECT_EQ(s.format, Format::kTwoColumn);
    EXPECT_DOUBLE_EQ(at(s, 380), 0.5) << text;
    EXPECT_DOUBLE_EQ(at(s, 381), 0.25) << text;
    EXPECT_DOUBLE_EQ(at(s, 382), 0.0) << text; // beyond the file: no light
    EXPECT_FALSE(s.absolute);
    EXPECT_TRUE(std::isnan(s.illuminanceLux));
  }
  EXPECT_TRUE(read("Wavelength (nm),Ee (W/m2/nm)\n380,1\n780,1\n").absolute);
  EXPECT_TRUE(read("nm\tW·m⁻²·nm⁻¹\n380\t1\n780\t1\n").absolute);
}

TEST(TwoColumnText, CoarseStepsAreInterpolatedLinearly) {
  // 5 nm from 360 to 800, value = wavelength: every 1 nm value is its
  // wavelength again, and the grid's ends fall inside the file's range.
  std::string text;
  for (int nm = 360; nm <= 800; nm += 5) {
    text += std::to_string(nm) + "," + std::to_string(nm) + "\n";
  }
  const ImportedSpectrum five = read(text);
  for (int nm = 380; nm <= 780; ++nm) {
    EXPECT_NEAR(at(five, nm), nm, 1e-9);
  }
  // Uneven steps that start inside the grid: 0 below, a straight line between.
  const ImportedSpectrum uneven = read("400.5 1\n410 20\n700 20\n");
  EXPECT_EQ(at(uneven, 400), 0.0);
  EXPECT_NEAR(at(uneven, 401), 1 + 0.5 / 9.5 * 19, 1e-12);
  EXPECT_EQ(at(uneven, 500), 20.0);
  EXPECT_EQ(at(uneven, 701), 0.0);
}

TEST(Readers, FilesThatAreNoSpectrumGetOneLineSayingWhere) {
  EXPECT_EQ(refusal(""), "the file is empty: expected a spectrum");
  EXPECT_EQ(refusal(" \r\n\n"), "the file is empty: expected a spectrum");
  EXPECT_EQ(refusal("nm,value\n380,1\n381,x\n"),
            "line 3: expected two numbers, a wavelength in nm and a value, separated by a comma, "
            "semicolon, tab or blanks, found '381,x'");
  EXPECT_EQ(refusal("380,1\n390,1\n385,1\n"),
            "line 3: expected a wavelength above the one before it (390 nm)");
  EXPECT_NE(refusal("nm,value\n550,1\n").find("at least two samples"), std::string::npos);
  EXPECT_NE(refusal("0.38,1\n0.78,1\n").find("reaching into 380 to 780"), std::string::npos);
  // The data file of stored records is not a two-column spectrum.
  EXPECT_NE(refusal("Data,Date,Ev\nNO.000,2024-01-01,100\n").find("line 2: expected two numbers"),
            std::string::npos);
  // A control character in the input is shown harmless, on the one line.
  const std::string shown = refusal("a\n380,1\n\x01" + std::string(300, 'z') + "\n");
  EXPECT_NE(shown.find("'\\x01zzz"), std::string::npos) << shown;
  EXPECT_NE(shown.find("(301 bytes)'"), std::string::npos) << shown;
  // A format chosen by the user is held to.
  EXPECT_EQ(refusal("380,1\n781,1\n", Format::kUprtek),
            "line 1: expected 'Model Name' and a tab, the first line of a UPRtek text export");
  EXPECT_EQ(refusal("380,1\n781,1\n", Format::kSpdx),
            "line 1: expected the root element IESTM2714 of an IES TM-27-14 (SPDX) document");
  EXPECT_NE(refusal("Model Name\tX\nLUX\t5\n380nm\t1\n381nm\t1\nCCT\t3000\n").find("line 5"),
            std::string::npos);
  EXPECT_NE(refusal("Date Saved,1\nTitle,t\n\nSpectral Data 380[nm],---\n").find("line 4"),
            std::string::npos);
}

TEST(Spdx, ElementsWithOrWithoutPrefixCommentsAndEntities) {
  const std::string document = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- written by hand -->
<t:IESTM2714 xmlns:t="iestm2714" version="1.0">
  <t:Header><t:Description>Lamp &amp; filter</t:Description><t:ReportDate>2024-05-01</t:ReportDate></t:Header>
  <t:SpectralDistribution>
    <t:SpectralQuantity>irradiance</t:SpectralQuantity>
    <t:SpectralData wavelength="380">0.5</t:SpectralData>
    <t:SpectralData wavelength='780' >1.5</t:SpectralData>
  </t:SpectralDistribution>
</t:IESTM2714>
)";
  const ImportedSpectrum s = read(document);
  EXPECT_EQ(s.format, Format::kSpdx);
  EXPECT_TRUE(s.absolute);
  EXPECT_EQ(s.description, "Lamp & filter");
  EXPECT_EQ(s.time, "2024-05-01");
  EXPECT_DOUBLE_EQ(at(s, 380), 0.5);
  EXPECT_DOUBLE_EQ(at(s, 580), 1.0);
  EXPECT_DOUBLE_EQ(at(s, 780), 1.5);

  std::string relative = document;
  relative.replace(relative.find(">irradiance<"), 12, ">relative<");
  EXPECT_FALSE(read(relative).absolute);
  std::string noWavelength = document;
  noWavelength.replace(noWavelength.find("wavelength='780'"), 16, "nm='780'");
  EXPECT_EQ(refusal(noWavelength),
            "line 8: expected a SpectralData element with a wavelength=\"nm\" attribute");
  EXPECT_NE(refusal("<html><body>no spectrum</body></html>").find("IESTM2714"), std::string::npos);
  EXPECT_NE(refusal("<IESTM2714></IESTM2714>").find("in SpectralData elements, found 0"),
            std::string::npos);
}

} // namespace
