#include "record_overlay.h"

#include "solvane/records/measurement_record.h"

#include <QBrush>
#include <QCoreApplication>
#include <QPen>
#include <QVector>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_legend.h>
#include <qwt_symbol.h>

#include <algorithm>
#include <iterator>

namespace rec = solvane::records;

namespace {

// Colours that stay apart on white and on the diagrams' colour fills.
const QColor kColours[] = {QColor(31, 119, 180),  QColor(214, 39, 40),  QColor(44, 160, 44),
                           QColor(148, 103, 189), QColor(255, 127, 14), QColor(23, 190, 207),
                           QColor(140, 86, 75),   QColor(0, 0, 0)};

QColor colourOf(int index) {
  return kColours[index % static_cast<int>(std::size(kColours))];
}

// The record's intensities divided by their largest value; empty when the
// record holds no positive value.
QVector<QPointF> normalisedSpectrum(const QStringList &record) {
  const QStringList texts = rec::intensityTexts(record);
  QVector<QPointF> points;
  double peak = 0;
  for (int i = 0; i < texts.size(); ++i) {
    if (!texts[i].isEmpty()) {
      points.append(QPointF(rec::kFirstWavelength + i, rec::fieldValue(texts[i])));
      peak = std::max(peak, points.last().y());
    }
  }
  if (!(peak > 0)) {
    return {};
  }
  for (QPointF &p : points) {
    p.setY(p.y() / peak);
  }
  return points;
}

// The chromaticity of the mode (fields x, y or u′, v′); empty when the
// record is too short to hold them.
QVector<QPointF> chromaticityPoint(const QStringList &record, RecordOverlay::Mode mode) {
  const int field = mode == RecordOverlay::kCie1931 ? rec::kX : rec::kUPrime;
  if (record.size() <= field + 1) {
    return {};
  }
  return {QPointF(rec::fieldValue(record[field]), rec::fieldValue(record[field + 1]))};
}

} // namespace

RecordOverlay::~RecordOverlay() {
  clear();
}

void RecordOverlay::show(QwtPlot *plot, Mode mode, const QList<QStringList> &records) {
  clear();
  for (int i = 0; i < records.size(); ++i) {
    auto *curve = new QwtPlotCurve(rec::fieldOrEmpty(records[i], rec::kLabel));
    const QColor colour = colourOf(i);
    if (mode == kSpectro) {
      curve->setSamples(normalisedSpectrum(records[i]));
      curve->setPen(colour, 2.0);
    } else {
      curve->setSamples(chromaticityPoint(records[i], mode));
      curve->setStyle(QwtPlotCurve::NoCurve);
      curve->setSymbol(
          new QwtSymbol(QwtSymbol::Ellipse, QBrush(colour), QPen(Qt::black, 1), QSize(10, 10)));
      curve->setLegendAttribute(QwtPlotCurve::LegendShowSymbol);
    }
    curve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    curve->attach(plot);
    m_curves << curve;
  }
  // Below the plot, where it takes room from the diagram instead of hiding
  // part of it.
  m_plot = plot;
  plot->insertLegend(new QwtLegend, QwtPlot::BottomLegend);
  if (mode == kSpectro) {
    plot->setAxisScale(QwtPlot::yLeft, 0, 1.05);
    plot->setFooter(QCoreApplication::translate(
        "RecordOverlay", "Spectra normalised: each divided by its own peak"));
  }
  plot->replot();
}

bool RecordOverlay::clear() {
  const bool wasShown = isShown();
  for (QwtPlotCurve *curve : m_curves) {
    curve->detach();
    delete curve;
  }
  m_curves.clear();
  if (m_plot) {
    m_plot->insertLegend(nullptr);
    m_plot->setFooter(QString());
    m_plot = nullptr;
  }
  return wasShown;
}
