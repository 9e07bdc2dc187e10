// The uncertainty budget reader: any text either gives a budget whose
// printed form reads back as the same budget, with every value in its
// range, or is refused with one line that holds no control character.

#include "fuzz_check.h"
#include "lightquality/uncertainty_budget.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool inRange(const lightquality::UncertaintyBudget &b) {
  const bool responsivity = std::all_of(b.responsivity.begin(), b.responsivity.end(),
                                        [](const lightquality::ResponsivityPoint &p) {
                                          return p.uRel >= 0 && p.uRel <= 0.2;
                                        });
  return !b.responsivity.empty() && responsivity && b.scaleURel >= 0 && b.scaleURel <= 0.2 &&
         b.correlationNm >= 1 && b.correlationNm <= 1000 && b.shiftNm >= 0 && b.shiftNm <= 5 &&
         b.noiseURel >= 0 && b.noiseURel <= 0.5 && b.noiseFloorRelPeak >= 0 &&
         b.noiseFloorRelPeak <= 0.5 && b.noiseFloorCounts >= 0 && b.noiseFloorCounts <= 65535;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  lightquality::UncertaintyBudget budget;
  std::string error;
  if (!lightquality::parseUncertaintyBudget(text, "fuzz.json", &budget, &error)) {
    FUZZ_CHECK(error.rfind("budget: ", 0) == 0 && isOneCleanLine(error));
    return 0;
  }
  FUZZ_CHECK(inRange(budget));
  const std::string written = lightquality::uncertaintyBudgetJson(budget);
  lightquality::UncertaintyBudget reread;
  FUZZ_CHECK(lightquality::parseUncertaintyBudget(written, "written", &reread, &error));
  FUZZ_CHECK(lightquality::uncertaintyBudgetJson(reread) == written);
  return 0;
}
