// Every source of data/cie/extended/verification_values_record.csv, given as
// a meter record holds it (401 values at 1 nm), against the tolerances the
// metrics promise: Ra, Rf and Rg within 0.01, CCT within 0.5 K, Duv within
// 1e-5, melanopic quantities within 1e-4 relative. The D65 α-opic
// efficacies are checked against their published four-decimal values. The
// user-group figures of data/cie/extended/verification_user_groups.csv: SSI
// exactly (a whole number), S/P and the photon quantities at 1000 lx within
// 1e-6 relative. TLCI (Qa, ΔEa, CCT, reference, d) and TLMF against A and
// D65 of data/cie/extended/tlci/verification_tlci.csv within 0.001.
#include "lightquality/metrics.h"
#include "lightquality/reference.h"
#include "lightquality/tlci.h"

#include "verification_data.h"

#include "cie/tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace lightquality;
using namespace lightquality::testing;

// verification_user_groups.csv takes illuminant A from its 5 nm table,
// interpolated linearly to 1 nm like the F illuminants.
Spectrum userGroupSourceSpectrum(const std::string &name) {
  if (name != "A") {
    return sourceSpectrum(name);
  }
  Spectrum s{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const int below = kFirstNm + j - j % 5;
    const double t = (j % 5) / 5.0;
    const double a = cie::illuminantA.at(below, 0);
    s[j] = t == 0 ? a : a + t * (cie::illuminantA.at(below + 5, 0) - a);
  }
  return s;
}

double value(const Row &row, const std::string &column) {
  return std::stod(row.at(column));
}

TEST(Verification, EverySourceWithinTolerance) {
  const std::vector<Row> rows = verificationRows("cie/extended/verification_values_record.csv");
  ASSERT_EQ(rows.size(), 16u);
  for (const Row &row : rows) {
    const std::string source = row.at("source");
    SCOPED_TRACE(source);
    const LightQuality q = lightQuality(sourceSpectrum(source), 1000);

    EXPECT_NEAR(q.cct.kelvin, value(row, "CCT_Ohno2013_K"), 0.5);
    EXPECT_NEAR(q.cct.duv, value(row, "Duv_Ohno2013"), 1e-5);
    EXPECT_NEAR(q.rendering.ra, value(row, "CIE13_3_Ra"), 0.01);
    EXPECT_NEAR(q.fidelity.rf, value(row, "CIE2017_Rf"), 0.01);
    EXPECT_NEAR(q.fidelity.rg, value(row, "TM30_18_Rg"), 0.01);

    const double mel = value(row, "K_mel_v_mW_per_lm");
    EXPECT_NEAR(q.alphaOpic.efficacy[kMelanopic] / mel, 1, 1e-4);
    const double irradiance = value(row, "mel_irradiance_at_1000lx_mW_m2");
    EXPECT_NEAR(q.alphaOpic.irradiance[kMelanopic] / irradiance, 1, 1e-4);
    const double edi = value(row, "mel_EDI_at_1000lx_lx");
    EXPECT_NEAR(q.alphaOpic.edi[kMelanopic] / edi, 1, 1e-4);
  }
}

TEST(Verification, UserGroupFiguresOfEverySource) {
  const std::vector<Row> rows = verificationRows("cie/extended/verification_user_groups.csv");
  ASSERT_EQ(rows.size(), 7u);
  for (const Row &row : rows) {
    const std::string source = row.at("source");
    SCOPED_TRACE(source);
    const UserGroupFigures f = lightQuality(userGroupSourceSpectrum(source), 1000).userGroups;
    EXPECT_EQ(f.ssiPlanck3200.value, value(row, "ssi_planck_3200K"));
    EXPECT_EQ(f.ssiDaylight5600.value, value(row, "ssi_daylight_5600K"));
    EXPECT_NEAR(f.scotopic.value / value(row, "s_p_ratio"), 1, 1e-6);
    EXPECT_NEAR(f.photon.ppfd / value(row, "ppfd_umol_m2_s_at_1000lx"), 1, 1e-6);
    EXPECT_NEAR(f.photon.pfdFarRed / value(row, "pfd_fr_umol_m2_s_at_1000lx"), 1, 1e-6);
    EXPECT_NEAR(f.photon.redFarRed / value(row, "r_fr"), 1, 1e-6);
    EXPECT_TRUE(f.ssiPlanck3200.reason.empty() && f.photon.reason.empty() &&
                f.scotopic.reason.empty());
  }
}

TEST(Verification, D65EfficaciesMatchPublishedValues) {
  // CIE S 026:2018, mW/lm, four decimals.
  const AlphaOpicValues published{0.8173, 1.4558, 1.6289, 1.4497, 1.3262};
  for (int c = 0; c < kAlphaOpicChannels; ++c) {
    EXPECT_NEAR(d65Efficacies()[c], published[c], 0.00005) << "channel " << c;
  }
  const AlphaOpic d65 = alphaOpic(tableColumn(cie::illuminantD65, 0), 250);
  for (int c = 0; c < kAlphaOpicChannels; ++c) {
    EXPECT_NEAR(d65.der[c], 1, 1e-12);
    EXPECT_NEAR(d65.edi[c], 250, 1e-9);
  }
}


TEST(Verification, TelevisionFiguresOfEverySource) {
  const std::vector<Row> rows = verificationRows("cie/extended/tlci/verification_tlci.csv");
  ASSERT_EQ(rows.size(), 16u);
  for (const Row &row : rows) {
    const std::string source = row.at("source");
    SCOPED_TRACE(source);
    const Spectrum s = sourceSpectrum(source);
    const TelevisionFigures figures = televisionFigures(s);
    const TelevisionLightingConsistency &tlci = figures.tlci;
    EXPECT_TRUE(tlci.reason.empty()) << tlci.reason;
    EXPECT_NEAR(tlci.qa, value(row, "TLCI_Qa"), 0.001);
    EXPECT_NEAR(tlci.deltaE, value(row, "TLCI_dEa"), 1e-4);
    // Qa moves by up to 0.014 per kelvin.
    EXPECT_NEAR(tlci.cctKelvin, value(row, "TLCI_CCT_K"), 0.01);
    EXPECT_EQ(tlciReferenceName(tlci.reference), row.at("TLCI_reference"));
    EXPECT_NEAR(tlci.distance, value(row, "TLCI_d"), 1e-4);
    EXPECT_EQ(tlci.caution(), value(row, "TLCI_d") > 1);
    EXPECT_NEAR(figures.tlmfIlluminantA.qa, value(row, "TLMF_Qa_vs_A"), 0.001);
    EXPECT_NEAR(figures.tlmfD65.qa, value(row, "TLMF_Qa_vs_D65"), 0.001);
    EXPECT_NEAR(luminaireMatchingFactor(s, illuminantD65Spectrum()).qa, figures.tlmfD65.qa, 1e-12);
  }
}

} // namespace

