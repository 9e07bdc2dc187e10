#pragma once

// What is known of a meter's errors, as standard uncertainties (k = 1): its
// absolute scale, its relative spectral responsivity (a smooth error with a
// correlation length), its wavelength scale and its noise. The default
// describes a typical hand-held meter; a user's file overrides it field by
// field.

#include <string>
#include <vector>

namespace lightquality {

// One point of the responsivity's relative uncertainty; between points it
// is interpolated linearly, outside them held at the end value.
struct ResponsivityPoint {
  double nm;
  double uRel;
};

struct UncertaintyBudget {
  std::string name; // "default", or the file's name
  double scaleURel = 0;
  std::vector<ResponsivityPoint> responsivity;
  double correlationNm = 1;
  double shiftNm = 0;
  // Noise per 1 nm sample: relative to the sample, relative to the
  // spectrum's peak, and an absolute floor in record units.
  double noiseURel = 0;
  double noiseFloorRelPeak = 0;
  double noiseFloorCounts = 0;
  // Above 0: the noise comes from this many repeated scans instead of the
  // three noise fields.
  int repeatedScans = 0;
};

// The built-in budget (data/uncertainty/uncertainty_budget_default.json).
const UncertaintyBudget &defaultUncertaintyBudget();

// Reads a budget file whose fields override the default's. False, with one
// line saying what is wrong (`error` may be null), for an unreadable file,
// text that is not one JSON object, an unknown field or a value out of its
// range; `budget` is then left alone.
bool readUncertaintyBudget(const std::string &path, UncertaintyBudget *budget, std::string *error);

// The same for the file's text; `path` names it in the messages and the
// budget.
bool parseUncertaintyBudget(const std::string &text, const std::string &path,
                            UncertaintyBudget *budget, std::string *error);

// Every field of the budget as one JSON object, in the file's order, as a
// budget file would hold it.
std::string uncertaintyBudgetJson(const UncertaintyBudget &budget);

} // namespace lightquality
