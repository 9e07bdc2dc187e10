#pragma once

// The two charts of the Light quality window: the TM-30 colour vector
// graphic and the local chroma and hue shifts of the 16 hue bins as bars.

#include "solvane/quality/vector_graphic.h"

#include <QWidget>

#include <array>

namespace solvane::quality {

class VectorGraphicView : public QWidget {
public:
  explicit VectorGraphicView(const VectorGraphic &graphic, QWidget *parent = nullptr);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  VectorGraphic m_graphic;
};

// One bar per hue bin around zero, between -limit and +limit; a bar of a
// NaN value is left out.
class ShiftBarsView : public QWidget {
public:
  ShiftBarsView(const QString &title, const std::array<double, lightquality::kHueBins> &values,
                double limit, QWidget *parent = nullptr);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QString m_title;
  std::array<double, lightquality::kHueBins> m_values;
  double m_limit;
};

} // namespace solvane::quality
