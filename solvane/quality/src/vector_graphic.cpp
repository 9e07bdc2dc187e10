#include "solvane/quality/vector_graphic.h"

#include <cmath>

namespace solvane::quality {

VectorGraphic vectorGraphic(const lightquality::ColourFidelity &fidelity) {
  VectorGraphic graphic;
  if (!std::isfinite(fidelity.rg)) {
    return graphic;
  }
  for (int bin = 0; bin < lightquality::kHueBins; ++bin) {
    const auto &ref = fidelity.binReference[static_cast<std::size_t>(bin)];
    const auto &test = fidelity.binTest[static_cast<std::size_t>(bin)];
    const double radius = std::hypot(ref.a, ref.b);
    const QPointF onCircle(ref.a / radius, ref.b / radius);
    graphic.reference << onCircle;
    graphic.test << onCircle + QPointF(test.a - ref.a, test.b - ref.b) / radius;
  }
  return graphic;
}

} // namespace solvane::quality
