// The figure table: each row reads the value its key names from a result,
// the keys a view looks up are unique, and a missing figure reads NaN with
// its group's reason.
#include "lightquality/figure_table.h"
#include "lightquality/reference.h"
#include "lightquality/tlci.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

using namespace lightquality;

TEST(FigureTable, RowsReadTheFiguresTheirKeysName) {
  const LightQuality q = lightQuality(planckianRadiator(2856), 500);
  const InstrumentFigures own{0.4476, 0.4074, 0.2560, 0.5243, 2850, 0.0003, 99.5, 583.0};
  const FigureSource source{q, &own};
  EXPECT_EQ(figureValue(figure(FigureGroup::kCct, "cct_K"), source), q.cct.kelvin);
  EXPECT_EQ(figureValue(figure(FigureGroup::kRendering, "ra"), source), q.rendering.ra);
  EXPECT_EQ(figureValue(figure(FigureGroup::kRendering, "r1_r14"), source, 8),
            q.rendering.special[8]);
  EXPECT_EQ(figureValue(figure(FigureGroup::kFidelity, "rg"), source), q.fidelity.rg);
  EXPECT_EQ(figureValue(figure(FigureGroup::kAlphaOpic, "edi_lx"), source, kMelanopic),
            q.alphaOpic.edi[kMelanopic]);
  EXPECT_EQ(figureValue(figure(FigureGroup::kPhoton, "r_fr"), source),
            q.userGroups.photon.redFarRed);
  EXPECT_EQ(figureValue(figure(FigureGroup::kTlci, "cct_k"), source),
            q.userGroups.television.tlci.cctKelvin);
  EXPECT_EQ(figureValue(figure(FigureGroup::kTlmf, "d65"), source),
            q.userGroups.television.tlmfD65.qa);
  EXPECT_EQ(figureValue(figure(FigureGroup::kInstrument, "ra"), source), 99.5);
  EXPECT_EQ(figureValue(figure(FigureGroup::kInstrument, "dominant_nm"), source), 583.0);
  // Without an instrument its rows have no value.
  EXPECT_TRUE(std::isnan(figureValue(figure(FigureGroup::kInstrument, "cct_K"), {q, nullptr})));
}

// JSON keys are unique within a group, every row's group is described,
// and array rows name as many elements as they hold.
TEST(FigureTable, KeysAreUniqueAndEveryGroupDescribed) {
  std::set<std::pair<FigureGroup, std::string>> keys;
  std::set<std::string> groupKeys;
  for (const FigureGroupInfo &info : figureGroups()) {
    EXPECT_TRUE(groupKeys.insert(info.key).second) << info.key;
  }
  const LightQuality q = lightQuality(planckianRadiator(4000), 100);
  for (const Figure &row : figureTable()) {
    EXPECT_TRUE(keys.insert({row.group, row.key}).second) << row.key;
    EXPECT_EQ(groupInfo(row.group).group, row.group);
    EXPECT_GE(row.count, 1);
    for (int i = 0; i < row.count; ++i) {
      figureValue(row, {q, nullptr}, i); // in range for every element
    }
  }
}

// Flat lists (the uncertainties, CSV columns) name each element by itself.
TEST(FigureTable, ElementsHaveNamesAndKeysOfTheirOwn) {
  const Figure &special = figure(FigureGroup::kRendering, "r1_r14");
  const Figure &edi = figure(FigureGroup::kAlphaOpic, "edi_lx");
  const Figure &hueBins = figure(FigureGroup::kFidelity, "rf_hue_bins");
  EXPECT_EQ(elementLabel(special, 8), "R9");
  EXPECT_EQ(elementLabel(edi, kMelanopic), "Melanopic EDI");
  EXPECT_EQ(elementLabel(hueBins, 2), "Rf,h3");
  EXPECT_EQ(elementLabel(figure(FigureGroup::kCct, "cct_K"), 0), "CCT");
  EXPECT_EQ(drawnKey(special, 13), "r14");
  EXPECT_EQ(drawnKey(edi, kSCone), "s_cone_edi_lx");
  EXPECT_EQ(drawnKey(figure(FigureGroup::kTlci, "qa"), 0), "tlci_qa");
  EXPECT_EQ(drawnKey(figure(FigureGroup::kCct, "duv"), 0), "duv");

  std::set<std::string> labels, drawn;
  for (const Figure &row : figureTable()) {
    for (int i = 0; i < row.count; ++i) {
      const std::string label = elementLabel(row, i) + " " + row.method;
      EXPECT_TRUE(labels.insert(label).second) << label;
      if (row.draws != FigureDraws::kNone) {
        EXPECT_TRUE(drawn.insert(drawnKey(row, i)).second) << drawnKey(row, i);
      }
    }
  }
}

TEST(FigureTable, MissingFiguresReadNotANumberWithTheirGroupsReason) {
  const LightQuality dark = lightQuality(Spectrum{}, 0);
  const FigureSource source{dark, nullptr};
  EXPECT_TRUE(std::isnan(figureValue(figure(FigureGroup::kFidelity, "rf"), source)));
  EXPECT_EQ(groupReason(source, FigureGroup::kFidelity), dark.fidelity.reason);
  EXPECT_FALSE(groupReason(source, FigureGroup::kSimilarity).empty());
  EXPECT_TRUE(groupReason(source, FigureGroup::kInstrument).empty());
  // The television figures lack their values for the light's own reason, so
  // the views can give it one line with the others.
  EXPECT_EQ(groupReason(source, FigureGroup::kTlci), dark.cct.reason);
  EXPECT_EQ(groupReason(source, FigureGroup::kTlmf), dark.cct.reason);
  EXPECT_EQ(figureText(std::nan(""), 2), "n/a");
  EXPECT_EQ(figureText(2856.04, 1), "2856.0");
  EXPECT_EQ(figureText(-0.00004, 4), "-0.0000");
}

// Far from the locus a CCT is kept but marked, with what rests on it; the
// instrument is judged by its own Δuv, or by the standard CCT without one.
TEST(FigureTable, CctsFarFromTheLocusAreMarkedNotHidden) {
  const LightQuality q = lightQuality(planckianRadiator(3000), 100);
  const InstrumentFigures farOwn{0.3, 0.3, 0.2, 0.5, 8009, 0.170, -39.7, 520};
  const FigureSource source{q, &farOwn};
  const Figure &ownRa = figure(FigureGroup::kInstrument, "ra");
  EXPECT_FALSE(cctDefined(source, FigureGroup::kInstrument));
  EXPECT_EQ(figureValue(ownRa, source), -39.7);
  EXPECT_EQ(figureCaveat(ownRa, source), kFarFromLocus);
  EXPECT_TRUE(figureCaveat(figure(FigureGroup::kInstrument, "duv"), source).empty());
  EXPECT_TRUE(cctDefined(source, FigureGroup::kCct));
  EXPECT_TRUE(figureCaveat(figure(FigureGroup::kCct, "cct_K"), source).empty());

  InstrumentFigures noDuv = farOwn;
  noDuv.duv = std::nan("");
  EXPECT_TRUE(cctDefined({q, &noDuv}, FigureGroup::kInstrument));

  Spectrum green{};
  for (int j = 0; j < kSpectrumValues; ++j) {
    const double offset = (kFirstNm + j - 530) / 10.0;
    green[j] = std::exp(-offset * offset / 2);
  }
  const LightQuality led = lightQuality(green, 100);
  const FigureSource ledSource{led, &noDuv};
  EXPECT_FALSE(cctDefined(ledSource, FigureGroup::kInstrument));
  EXPECT_EQ(figureCaveat(figure(FigureGroup::kCct, "cct_K"), ledSource), led.cct.reason);
  EXPECT_TRUE(std::isfinite(figureValue(figure(FigureGroup::kCct, "cct_K"), ledSource)));
}

// A reason that carries another after a prefix is translated as its
// pattern with the other reason, itself translated, put in.
TEST(FigureTable, PrefixedReasonsAreTranslatedPartByPart) {
  const auto marked = [](const char *text) { return "<" + std::string(text) + ">"; };
  const Spectrum dark{};
  const LuminaireMatching matching = luminaireMatchingFactor(planckianRadiator(3200), dark);
  EXPECT_EQ(translateReason(matching.reason, marked),
            "<the reference luminaire: <the spectrum holds no light (its luminance sum is not "
            "positive)>>");

  // Light the camera does not see at all: past its 760 nm.
  Spectrum farRed{};
  for (int nm = 765; nm <= kFirstNm + kSpectrumValues - 1; ++nm) {
    farRed[nm - kFirstNm] = 1;
  }
  const std::string camera = lightQuality(farRed, 10).userGroups.television.tlci.reason;
  EXPECT_EQ(translateReason(camera, marked), "<" + camera + ">");
  EXPECT_EQ(camera.rfind("the television camera does not see the light", 0), 0u) << camera;
}

} // namespace
