#pragma once

// The TM-30 colour vector graphic in its normalised form: the reference bin
// averages lie on the unit circle, and each test bin average keeps its
// shift from its reference relative to that reference's distance from the
// origin. The window and the report draw it from the same points.

#include "lightquality/fidelity.h"

#include <QPointF>
#include <QVector>

namespace solvane::quality {

struct VectorGraphic {
  QVector<QPointF> reference; // 16 points on the unit circle, in hue-bin order
  QVector<QPointF> test;      // 16 test points; an arrow runs from each reference to its test point
};

// Empty when the fidelity has no bin values (its Rg is NaN).
VectorGraphic vectorGraphic(const lightquality::ColourFidelity &fidelity);

} // namespace solvane::quality
