// Prints, as Markdown, the colorimetry tables of the README: the record
// routine's CCT of Planck radiators and of D65, the chromaticity of A and
// D65, Ra of the CIE fluorescent illuminants against the published values,
// and every quantity of one example record.
//
//   solvane_colour_report [path/to/data/cie/reference_values.csv]

#include "reference_spectra.h"
#include "solvane/colour/items.h"
#include "solvane/colour/locus.h"
#include "solvane/colour/tristimulus.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using solvane_reference::illuminant1nm;

std::array<double, solvane::kColourItems> itemsOf(const std::vector<double> &spectrum,
                                                  int observer = solvane::kObserver2deg) {
  std::array<double, solvane::kColourItems> items{};
  solvane::buildLocusTable();
  solvane::computeColourItems(spectrum.data(), 401, items.data(), observer, 1.0);
  return items;
}

void printPlanckTable() {
  std::printf("| T (K) | CCT (K) | CCT − T (K) | Δuv |\n|---:|---:|---:|---:|\n");
  for (double t : {2000., 2500., 2856., 3000., 3500., 4000., 4500., 5000., 5500., 6000., 6500.,
                   7000., 8000., 10000., 12000., 15000., 20000.}) {
    const auto items = itemsOf(solvane_reference::planck1nm(t));
    std::printf("| %.0f | %.0f | %+.0f | %+.1e |\n", t, items[solvane::kItemCct],
                items[solvane::kItemCct] - t, items[solvane::kItemDuv]);
  }
}

void printIlluminants(const std::map<std::string, double> &published) {
  std::printf("| Illuminant | x | y | published x, y | CCT (K) | published CCT | Δuv |\n"
              "|---|---:|---:|---|---:|---:|---:|\n");
  const struct {
    const char *name;
    const cie::Table *table;
  } illuminants[] = {{"A", &cie::illuminantA}, {"D65", &cie::illuminantD65}};
  for (const auto &il : illuminants) {
    const auto items = itemsOf(illuminant1nm(*il.table));
    const std::string key = il.name;
    std::printf("| %s | %.5f | %.5f | %.5f, %.5f | %.0f | %.0f | %+.5f |\n", il.name,
                items[solvane::kItemX], items[solvane::kItemY], published.at(key + "/x"),
                published.at(key + "/y"), items[solvane::kItemCct], published.at(key + "/CCT_K"),
                items[solvane::kItemDuv]);
  }
}

void printFluorescentTable(const std::map<std::string, double> &published) {
  std::printf("| Lamp | CCT (K) | Δuv | Ra | published Ra | difference | R9 |\n"
              "|---|---:|---:|---:|---:|---:|---:|\n");
  for (int f = 0; f < 12; ++f) {
    const auto items = itemsOf(illuminant1nm(cie::illuminantsF1toF12, f));
    const std::string name = "F" + std::to_string(f + 1);
    const double ra = items[solvane::kItemRa];
    const double reference = published.at(name + "/Ra");
    std::printf("| %s | %.0f | %+.4f | %.2f | %.0f | %+.2f | %.1f |\n", name.c_str(),
                items[solvane::kItemCct], items[solvane::kItemDuv], ra, reference, ra - reference,
                items[solvane::kItemR1 + 8]);
  }
}

void printExample() {
  const std::vector<double> spectrum = illuminant1nm(cie::illuminantsF1toF12, 10); // F11
  const auto items = itemsOf(spectrum);
  const auto items10 = itemsOf(spectrum, solvane::kObserver10deg);
  static const char *const names[solvane::kItemR1] = {
      "x", "y", "u′", "v′", "CCT (K)", "Δuv", "X", "Y", "Z", "dominant wavelength (nm)", "Ra"};
  std::printf("| Slot | Quantity | 2° observer | 10° observer chosen |\n|---:|---|---:|---:|\n");
  for (int slot = 0; slot < solvane::kColourItems; ++slot) {
    const std::string name =
        slot < solvane::kItemR1 ? names[slot] : "R" + std::to_string(slot - solvane::kItemR1 + 1);
    std::printf("| %d | %s | %.6g | %.6g |\n", slot, name.c_str(), items[slot], items10[slot]);
  }
}

} // namespace

int main(int argc, char **argv) {
  const std::string path = argc > 1 ? argv[1] : "data/cie/reference_values.csv";
  const auto published = solvane_reference::referenceValues(path);
  if (published.empty()) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 1;
  }
  std::printf("## Planck radiators, 401 values at 1 nm\n\n");
  printPlanckTable();
  std::printf("\n## CIE illuminants A and D65, 1 nm tables from 380 to 780 nm\n\n");
  printIlluminants(published);
  std::printf("\n## CIE fluorescent illuminants, 5 nm tables interpolated to 1 nm\n\n");
  printFluorescentTable(published);
  std::printf("\n## Example record: CIE F11 at 1 nm, ratio 1\n\n");
  printExample();
  return 0;
}
