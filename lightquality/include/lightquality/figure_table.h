#pragma once

// Every figure the programs show, one row each: its JSON key, its name, its
// unit and decimals, the group it belongs to and how it is read from a
// result. The Light quality window, the report page, solvane-cli and
// specview all list figures from these rows, so a new figure is one row
// here plus its computation. A row reads its value from a FigureSource, so
// whatever computes a LightQuality (for a measured spectrum or a perturbed
// copy of it) gets every figure through the same rows.
//
// Names, units' words and group names are English source texts; the Qt
// programs translate them in the context "Figures".

#include "lightquality/metrics.h"

#include <functional>
#include <string>
#include <vector>

namespace lightquality {

// The figures an instrument computed itself, by its own method and grids
// (a meter record's fields, the spectrometer SDK's colour functions); NaN
// where it gave none.
struct InstrumentFigures {
  double x, y;           // CIE 1931
  double uPrime, vPrime; // CIE 1976
  double cct;            // K
  double duv;
  double ra;
  double dominant; // nm
};

// What the rows read.
struct FigureSource {
  const LightQuality &quality;
  const InstrumentFigures *instrument; // null when the light has none
};

// Figures that are missing for one reason together. Each group is one JSON
// object in solvane-cli metrics and one line of reasons in the views.
enum class FigureGroup {
  kInstrument, // the instrument's own figures, by its own method
  kCct,        // CIE 15:2018 CCT and Duv
  kRendering,  // CIE 13.3 Ra and R1–R14
  kFidelity,   // CIE 2017 / TM-30-18
  kAlphaOpic,  // CIE S 026
  kSimilarity, // SSI
  kTlci,       // TLCI-2012
  kTlmf,       // TLMF-2013 against CIE A and D65
  kPhoton,     // horticulture
  kScotopic,   // outdoor lighting
  kExposure,   // cinema and photography
};

// The tab of the Light quality window that shows a group.
enum class FigureTab { kColour, kCinema, kHorticulture, kOutdoor };

struct FigureGroupInfo {
  FigureGroup group;
  const char *key;   // JSON object of the group: "cie13_3"
  const char *label; // "Ra"; names the group in the reasons
  FigureTab tab;
};

// Whether a row's figure gets an uncertainty, each draw of the record's
// spectrum evaluated by the row's own `read`, and what the draws need.
enum class FigureDraws {
  kNone,     // no uncertainty: the instrument's own figures and the detail arrays
  kRelative, // a ratio of the spectrum, which the absolute scale does not move
  kAbsolute, // needs the record's absolute scale, its illuminance
};

struct Figure {
  FigureGroup group;
  const char *key;                // JSON key within the group's object
  const char *symbol;             // short name in listings: "Rf"
  const char *label;              // name in windows: "Fidelity index Rf"
  const char *method;             // the standard or method that defines it; "" when plain
  const char *unit;               // "" for none
  int decimals;                   // shown in windows, the report and the Compare table
  int listingDecimals;            // solvane-cli's text listing, which keeps more for scripts
  int count;                      // 1, or the elements of an array figure (R1–R14)
  const char *const *elementKeys; // JSON keys of the elements (an object); null: an array
  double (*read)(const FigureSource &source, int element); // NaN where undefined
  bool restsOnCct = false; // a CCT, or an index built on it: not valid where no CCT is defined
  FigureDraws draws = FigureDraws::kRelative;
  // The key of the row's uncertainties where it is not `key`: one flat
  // name per element, "%" standing for the element's key or its number
  // from 1 ("r%" gives r1 … r14).
  const char *drawnKey = nullptr;
  const char *const *elementNames = nullptr; // names in listings; null: numbered
};

// Every figure, grouped, in the order the views list them.
const std::vector<Figure> &figureTable();

// The row of `key` in `group`; the table's rows are fixed, so a key that
// is not there is a programming error and aborts.
const Figure &figure(FigureGroup group, const char *key);

const std::vector<FigureGroupInfo> &figureGroups();
const FigureGroupInfo &groupInfo(FigureGroup group);

// Why the group's figures are missing; empty when they have values. The
// SSI reason is that of the first reference that has none.
std::string groupReason(const FigureSource &source, FigureGroup group);

// Whether the group's CCT is defined: the standard one as cctCie15 finds
// it; the instrument's only within kMaximumAbsDuv of the locus by its own
// Δuv, the same bound, or as the standard one where it gives no Δuv.
bool cctDefined(const FigureSource &source, FigureGroup group);

// Why the row's value, though a number, is not valid: the group's CCT is
// not defined and the row rests on it. Empty when the value stands.
std::string figureCaveat(const Figure &row, const FigureSource &source);

// The element's name in listings: "S-cone E", "R9", "Rf,h3" (a trailing
// "j" in the symbol is the index), or the symbol of a single figure.
std::string elementLabel(const Figure &row, int element);

// The element's key among the figures with an uncertainty.
std::string drawnKey(const Figure &row, int element);

// Element `element` of the row (0 for a single figure).
inline double figureValue(const Figure &row, const FigureSource &source, int element = 0) {
  return row.read(source, element);
}

// A reason in another language. `translate` turns a fixed source text into
// it; reasons built from parts ("no correlated colour temperature: " and
// the CCT's own reason, "hue bin 3 holds no sample...") are translated as
// their pattern with the part put in.
std::string translateReason(const std::string &reason,
                            const std::function<std::string(const char *)> &translate);

// Texts the views set around the table's names and reasons, translated
// like them: "%1: n/a, %2" (the names of a group, why its figures are
// missing), "%1: not valid, %2" (names with their method, why their numbers
// do not stand), and why the meter's method and the CIE methods give
// different Ra, CCT and R1–R15.
extern const char kMissingFiguresLine[];
extern const char kInvalidFiguresLine[];
extern const char kMethodsNote[];

// The value with `decimals` decimals, or "n/a" where it is not a number.
std::string figureText(double value, int decimals);

} // namespace lightquality
