#pragma once

// The colour figures of a 380–779 nm spectrum: those of specsdk's colour
// exports, and the standard light-quality figures of `lightquality`.

#include "lightquality/figure_table.h"

#include <QString>
#include <QVector>

#include <string>

namespace specview {

struct Figures {
  // specsdk's: CCT on the SDK's 5 K grid, no Duv, the dominant wavelength
  // NaN for purple colours.
  lightquality::InstrumentFigures sdk;
  lightquality::LightQuality quality;
  QString reason; // why figures are NaN; empty when all are numbers

  // What the figure table's rows read.
  lightquality::FigureSource source() const { return {quality, &sdk}; }
};

// The light-quality metrics' 380 to 780 nm of `spectrum`, 400 values from
// 380 to 779 nm at 1 nm: 780 nm repeats 779 nm.
lightquality::Spectrum figureSpectrum(const QVector<double> &spectrum);

// `spectrum`: 400 values, 380 to 779 nm at 1 nm.
Figures computeFigures(const QVector<double> &spectrum);

// A reason of the light-quality library in the program's language.
QString translatedReason(const std::string &reason);

} // namespace specview
