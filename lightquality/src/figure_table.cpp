#include "lightquality/figure_table.h"

#include "figure_mark.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace lightquality {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const char *const kChannelKeys[kAlphaOpicChannels] = {"s_cone", "m_cone", "l_cone", "rhodopic",
                                                      "melanopic"};
const char *const kChannelNames[kAlphaOpicChannels] = {
    FIGURE("S-cone"), FIGURE("M-cone"), FIGURE("L-cone"), FIGURE("Rhodopic"), FIGURE("Melanopic")};

template <std::size_t N> double at(const std::array<double, N> &values, int element) {
  return values[static_cast<std::size_t>(element)];
}

template <double InstrumentFigures::*field> double readInstrument(const FigureSource &s, int) {
  return s.instrument ? s.instrument->*field : kNaN;
}

const LightQuality &q(const FigureSource &s) {
  return s.quality;
}

const TelevisionFigures &television(const FigureSource &s) {
  return s.quality.userGroups.television;
}

// One scalar row; `decimals` for the windows, `listing` for solvane-cli.
Figure scalar(FigureGroup group, const char *key, const char *symbol, const char *label,
              const char *method, const char *unit, int decimals, int listing,
              double (*read)(const FigureSource &, int)) {
  return {group, key, symbol, label, method, unit, decimals, listing, 1, nullptr, read};
}

Figure array(FigureGroup group, const char *key, const char *symbol, const char *label,
             const char *method, const char *unit, int decimals, int count,
             const char *const *elementKeys, double (*read)(const FigureSource &, int)) {
  return {group, key, symbol, label, method, unit, decimals, decimals, count, elementKeys, read};
}

// A row that shows nothing valid where the CCT of its group is undefined.
Figure onCct(Figure row) {
  row.restsOnCct = true;
  return row;
}

// A row without an uncertainty.
Figure undrawn(Figure row) {
  row.draws = FigureDraws::kNone;
  return row;
}

// A row whose figure needs the record's absolute scale.
Figure absolute(Figure row) {
  row.draws = FigureDraws::kAbsolute;
  return row;
}

// A row whose uncertainties are keyed `key` (see Figure::drawnKey).
Figure drawnAs(const char *key, Figure row) {
  row.drawnKey = key;
  return row;
}

// An array row whose elements are the α-opic channels.
Figure perChannel(Figure row) {
  row.elementNames = kChannelNames;
  return row;
}

std::vector<Figure> makeTable() {
  using G = FigureGroup;
  const char *const own = FIGURE("meter's method");
  const char *const cie15 = "CIE 15:2018";
  const char *const cie13 = "CIE 13.3";
  const char *const tm30 = "TM-30-18";
  const char *const s026 = "CIE S 026";
  const int bins = kHueBins;
  return {
      undrawn(scalar(G::kInstrument, "x", "x", FIGURE("Chromaticity x"), own, "", 4, 4,
                     readInstrument<&InstrumentFigures::x>)),
      undrawn(scalar(G::kInstrument, "y", "y", FIGURE("Chromaticity y"), own, "", 4, 4,
                     readInstrument<&InstrumentFigures::y>)),
      undrawn(scalar(G::kInstrument, "u_prime", "u′", FIGURE("Chromaticity u′"), own, "", 4, 4,
                     readInstrument<&InstrumentFigures::uPrime>)),
      undrawn(scalar(G::kInstrument, "v_prime", "v′", FIGURE("Chromaticity v′"), own, "", 4, 4,
                     readInstrument<&InstrumentFigures::vPrime>)),
      undrawn(onCct(scalar(G::kInstrument, "cct_K", "CCT", FIGURE("CCT"), own, "K", 0, 0,
                           readInstrument<&InstrumentFigures::cct>))),
      undrawn(scalar(G::kInstrument, "duv", "Δuv", FIGURE("Δuv"), own, "", 4, 5,
                     readInstrument<&InstrumentFigures::duv>)),
      undrawn(onCct(scalar(G::kInstrument, "ra", "Ra", FIGURE("Ra"), own, "", 2, 2,
                           readInstrument<&InstrumentFigures::ra>))),
      undrawn(scalar(G::kInstrument, "dominant_nm", "λd", FIGURE("Dominant wavelength"), own, "nm",
                     1, 1, readInstrument<&InstrumentFigures::dominant>)),

      onCct(scalar(G::kCct, "cct_K", "CCT", FIGURE("CCT"), cie15, "K", 0, 1,
                   [](const FigureSource &s, int) { return q(s).cct.kelvin; })),
      scalar(G::kCct, "duv", "Duv", FIGURE("Duv"), cie15, "", 4, 5,
             [](const FigureSource &s, int) { return q(s).cct.duv; }),

      scalar(G::kRendering, "ra", "Ra", FIGURE("Colour rendering index Ra"), cie13, "", 1, 2,
             [](const FigureSource &s, int) { return q(s).rendering.ra; }),
      drawnAs("r%", array(G::kRendering, "r1_r14", "R", FIGURE("Special colour rendering index"),
                          cie13, "", 1, kCieTestColourSamples, nullptr,
                          [](const FigureSource &s, int i) {
                            return at(q(s).rendering.special, i);
                          })),

      scalar(G::kFidelity, "rf", "Rf", FIGURE("Fidelity index Rf"), "CIE 2017, TM-30-18", "", 1, 2,
             [](const FigureSource &s, int) { return q(s).fidelity.rf; }),
      scalar(G::kFidelity, "rg", "Rg", FIGURE("Gamut index Rg"), tm30, "", 1, 2,
             [](const FigureSource &s, int) { return q(s).fidelity.rg; }),
      undrawn(array(G::kFidelity, "rf_hue_bins", "Rf,hj", FIGURE("Local fidelity Rf,hj"), tm30, "",
                    1, bins, nullptr,
                    [](const FigureSource &s, int i) { return at(q(s).fidelity.binFidelity, i); })),
      undrawn(array(G::kFidelity, "rcs_hue_bins_percent", "Rcs,hj",
                    FIGURE("Local chroma shift Rcs,hj"), tm30, "%", 1, bins, nullptr,
                    [](const FigureSource &s, int i) {
                      return at(q(s).fidelity.binChromaShift, i);
                    })),
      undrawn(array(G::kFidelity, "rhs_hue_bins", "Rhs,hj", FIGURE("Local hue shift Rhs,hj"), tm30,
                    "", 3, bins, nullptr,
                    [](const FigureSource &s, int i) { return at(q(s).fidelity.binHueShift, i); })),
      undrawn(array(G::kFidelity, "rf_ces", "Rf,CES", FIGURE("Sample fidelity Rf,CES"), tm30, "", 1,
                    kEvaluationSamples, nullptr, [](const FigureSource &s, int i) {
                      return at(q(s).fidelity.sampleFidelity, i);
                    })),

      drawnAs("%_e_mW_m2",
              absolute(perChannel(array(
                  G::kAlphaOpic, "irradiance_mW_m2", "E", FIGURE("Irradiance"), s026, "mW/m²", 3,
                  kAlphaOpicChannels, kChannelKeys,
                  [](const FigureSource &s, int i) { return at(q(s).alphaOpic.irradiance, i); })))),
      drawnAs("%_edi_lx",
              absolute(perChannel(array(
                  G::kAlphaOpic, "edi_lx", "EDI", FIGURE("EDI"), s026, "lx", 2, kAlphaOpicChannels,
                  kChannelKeys,
                  [](const FigureSource &s, int i) { return at(q(s).alphaOpic.edi, i); })))),
      undrawn(perChannel(array(
          G::kAlphaOpic, "der", "DER", FIGURE("DER"), s026, "", 4, kAlphaOpicChannels, kChannelKeys,
          [](const FigureSource &s, int i) { return at(q(s).alphaOpic.der, i); }))),

      drawnAs("ssi_planck_3200K",
              scalar(G::kSimilarity, "planck_3200K", "SSI Planck 3200 K",
                     FIGURE("against Planck 3200 K"), "", "", 0, 0, [](const FigureSource &s, int) {
                       return q(s).userGroups.ssiPlanck3200.value;
                     })),
      drawnAs("ssi_daylight_5600K",
              scalar(G::kSimilarity, "daylight_5600K", "SSI daylight 5600 K",
                     FIGURE("against CIE daylight 5600 K"), "", "", 0, 0,
                     [](const FigureSource &s, int) {
                       return q(s).userGroups.ssiDaylight5600.value;
                     })),

      drawnAs("tlci_qa", scalar(G::kTlci, "qa", "TLCI", FIGURE("TLCI (Qa)"), "", "", 1, 2,
                                [](const FigureSource &s, int) { return television(s).tlci.qa; })),
      drawnAs("tlci_delta_e",
              scalar(G::kTlci, "delta_e", "TLCI ΔEa", FIGURE("Colour difference ΔEa"), "", "", 2, 3,
                     [](const FigureSource &s, int) { return television(s).tlci.deltaE; })),
      drawnAs("tlci_cct_k",
              scalar(G::kTlci, "cct_k", "TLCI CCT", FIGURE("CCT (c₂ = 1.435e-2 m·K)"), "", "K", 0,
                     1, [](const FigureSource &s, int) { return television(s).tlci.cctKelvin; })),
      drawnAs("tlci_d",
              scalar(G::kTlci, "d", "TLCI d", FIGURE("Distance d from the reference"), "", "", 2, 3,
                     [](const FigureSource &s, int) { return television(s).tlci.distance; })),

      drawnAs("tlmf_cie_a",
              scalar(G::kTlmf, "cie_a", "TLMF CIE A", FIGURE("TLMF against CIE A"), "", "", 1, 2,
                     [](const FigureSource &s, int) {
                       return television(s).tlmfIlluminantA.qa;
                     })),
      drawnAs("tlmf_d65",
              scalar(G::kTlmf, "d65", "TLMF D65", FIGURE("TLMF against CIE D65"), "", "", 1, 2,
                     [](const FigureSource &s, int) { return television(s).tlmfD65.qa; })),

      absolute(scalar(G::kPhoton, "ppfd_umol_m2_s", "PPFD", FIGURE("PPFD (400–700 nm)"), "",
                      "µmol·m⁻²·s⁻¹", 2, 3,
                      [](const FigureSource &s, int) { return q(s).userGroups.photon.ppfd; })),
      absolute(scalar(G::kPhoton, "pfd_fr_umol_m2_s", "PFD-FR", FIGURE("PFD-FR (700–750 nm)"), "",
                      "µmol·m⁻²·s⁻¹", 2, 3,
                      [](const FigureSource &s, int) { return q(s).userGroups.photon.pfdFarRed; })),
      scalar(G::kPhoton, "r_fr", "R:FR", FIGURE("R:FR (655–665 nm / 725–735 nm)"), "", "", 3, 3,
             [](const FigureSource &s, int) { return q(s).userGroups.photon.redFarRed; }),

      scalar(G::kScotopic, "s_p_ratio", "S/P", FIGURE("S/P ratio"), "", "", 3, 3,
             [](const FigureSource &s, int) { return q(s).userGroups.scotopic.value; }),

      absolute(scalar(G::kExposure, "ev100", "EV100", FIGURE("EV at ISO 100"), "", "", 2, 2,
                      [](const FigureSource &s, int) { return q(s).userGroups.exposure.ev100; })),
  };
}

} // namespace

const std::vector<Figure> &figureTable() {
  static const std::vector<Figure> table = makeTable();
  return table;
}

const Figure &figure(FigureGroup group, const char *key) {
  for (const Figure &row : figureTable()) {
    if (row.group == group && std::strcmp(row.key, key) == 0) {
      return row;
    }
  }
  std::fprintf(stderr, "no figure '%s' in the figure table\n", key);
  std::abort();
}

const std::vector<FigureGroupInfo> &figureGroups() {
  using G = FigureGroup;
  using T = FigureTab;
  static const std::vector<FigureGroupInfo> groups = {
      {G::kInstrument, "record_own", FIGURE("The record's own figures"), T::kColour},
      {G::kCct, "cie15_cct", FIGURE("CCT and Duv"), T::kColour},
      {G::kRendering, "cie13_3", FIGURE("Ra"), T::kColour},
      {G::kFidelity, "tm30_18", FIGURE("Rf and Rg"), T::kColour},
      {G::kAlphaOpic, "cie_s026", FIGURE("α-opic quantities"), T::kColour},
      {G::kSimilarity, "ssi", FIGURE("SSI"), T::kCinema},
      {G::kTlci, "tlci", FIGURE("TLCI"), T::kCinema},
      {G::kTlmf, "tlmf", FIGURE("TLMF"), T::kCinema},
      {G::kPhoton, "photon", FIGURE("Photon quantities"), T::kHorticulture},
      {G::kScotopic, "scotopic", FIGURE("S/P ratio"), T::kOutdoor},
      {G::kExposure, "exposure", FIGURE("Exposure"), T::kCinema},
  };
  return groups;
}

const FigureGroupInfo &groupInfo(FigureGroup group) {
  for (const FigureGroupInfo &info : figureGroups()) {
    if (info.group == group) {
      return info;
    }
  }
  std::abort(); // every group has its entry above
}

std::string groupReason(const FigureSource &source, FigureGroup group) {
  const LightQuality &m = source.quality;
  switch (group) {
  case FigureGroup::kInstrument:
    return {};
  case FigureGroup::kCct:
    return m.cct.reason;
  case FigureGroup::kRendering:
    return m.rendering.reason;
  case FigureGroup::kFidelity:
    return m.fidelity.reason;
  case FigureGroup::kAlphaOpic:
    return m.alphaOpic.reason;
  case FigureGroup::kSimilarity:
    return m.userGroups.ssiPlanck3200.reason.empty() ? m.userGroups.ssiDaylight5600.reason
                                                     : m.userGroups.ssiPlanck3200.reason;
  case FigureGroup::kTlci:
    return m.userGroups.television.tlci.reason;
  case FigureGroup::kTlmf:
    // Both references are filmed without fault: the light's own reason.
    return m.userGroups.television.tlmfIlluminantA.reason;
  case FigureGroup::kPhoton:
    return m.userGroups.photon.reason;
  case FigureGroup::kScotopic:
    return m.userGroups.scotopic.reason;
  case FigureGroup::kExposure:
    return m.userGroups.exposure.reason;
  }
  return {};
}

namespace {

// An instrument that gives no Δuv is judged by the standard CCT of the
// same spectrum.
bool instrumentJudgesItself(const FigureSource &source) {
  return source.instrument && std::isfinite(source.instrument->duv);
}

} // namespace

bool cctDefined(const FigureSource &source, FigureGroup group) {
  if (group == FigureGroup::kInstrument && instrumentJudgesItself(source)) {
    return std::fabs(source.instrument->duv) <= kMaximumAbsDuv;
  }
  return source.quality.cct.defined();
}

std::string figureCaveat(const Figure &row, const FigureSource &source) {
  if (!row.restsOnCct || cctDefined(source, row.group)) {
    return {};
  }
  return row.group == FigureGroup::kInstrument && instrumentJudgesItself(source)
             ? kFarFromLocus
             : source.quality.cct.reason;
}

namespace {

// The patterns of the reasons built from parts, named outside the calls of
// `translate`: lupdate reads a call of that name as Qt's own and would miss
// the mark inside it. A prefixed reason carries another reason after its
// prefix: of the CCT it rests on, or of the light it is compared with.
struct PrefixedReason {
  const char *prefix;
  const char *pattern;
};
const PrefixedReason kPrefixedReasons[] = {
    {"no correlated colour temperature: ", FIGURE("no correlated colour temperature: %1")},
    {"the reference luminaire: ", FIGURE("the reference luminaire: %1")},
};
const char *const kEmptyHueBinPattern = FIGURE("hue bin %1 holds no sample; Rg is undefined");

// `pattern` with its "%1" replaced by `part`.
std::string filledIn(std::string pattern, const std::string &part) {
  if (const std::size_t at = pattern.find("%1"); at != std::string::npos) {
    pattern.replace(at, 2, part);
  }
  return pattern;
}

} // namespace

std::string translateReason(const std::string &reason,
                            const std::function<std::string(const char *)> &translate) {
  for (const PrefixedReason &prefixed : kPrefixedReasons) {
    const std::size_t length = std::strlen(prefixed.prefix);
    if (reason.compare(0, length, prefixed.prefix) == 0) {
      return filledIn(translate(prefixed.pattern),
                      translateReason(reason.substr(length), translate));
    }
  }
  static const std::string hueBin = "hue bin ";
  if (const std::size_t end = reason.find(' ', hueBin.size());
      reason.rfind(hueBin, 0) == 0 && end != std::string::npos) {
    return filledIn(translate(kEmptyHueBinPattern),
                    reason.substr(hueBin.size(), end - hueBin.size()));
  }
  return translate(reason.c_str());
}

namespace {

// `pattern` with every "%" replaced by `part`.
std::string withPart(std::string pattern, const std::string &part) {
  for (std::size_t at = pattern.find('%'); at != std::string::npos;
       at = pattern.find('%', at + part.size())) {
    pattern.replace(at, 1, part);
  }
  return pattern;
}

} // namespace

std::string elementLabel(const Figure &row, int element) {
  if (row.count == 1) {
    return row.symbol;
  }
  if (row.elementNames) {
    return std::string(row.elementNames[element]) + ' ' + row.symbol;
  }
  std::string symbol = row.symbol;
  if (symbol.back() == 'j') {
    symbol.pop_back();
  }
  return symbol + std::to_string(element + 1);
}

std::string drawnKey(const Figure &row, int element) {
  if (!row.drawnKey) {
    return row.key;
  }
  return withPart(row.drawnKey, row.elementKeys ? std::string(row.elementKeys[element])
                                                : std::to_string(element + 1));
}

const char kMissingFiguresLine[] = FIGURE("%1: n/a, %2");
const char kInvalidFiguresLine[] = FIGURE("%1: not valid, %2");
const char kMethodsNote[] = FIGURE(
    "The meter's method builds its references and samples on its own, coarser grids, so its Ra, "
    "CCT and R1–R15 differ from those of CIE 13.3 and CIE 15:2018 (daylight record NO.001: Ra "
    "94.2 there, 100 in CIE 13.3).");

std::string figureText(double value, int decimals) {
  if (!std::isfinite(value)) {
    return "n/a";
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

} // namespace lightquality
