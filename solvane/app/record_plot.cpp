#include "record_plot.h"

#include "solvane/records/measurement_record.h"

#include <QDebug>
#include <QLinearGradient>
#include <QPen>
#include <QVector>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_div.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

namespace rec = solvane::records;

namespace {

constexpr double kSpectroTop = 70000; // top of the spectrum plot's left axis

QPen gridPen() {
  return QPen(QColor(120, 120, 120), 0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin);
}

// Violet to red from left to right, whatever the plot's size.
QLinearGradient spectrumColours() {
  QLinearGradient gradient(0, 1, 1, 1);
  gradient.setCoordinateMode(QGradient::StretchToDeviceMode);
  gradient.setColorAt(0.0, QColor(255, 0, 255));
  gradient.setColorAt(0.17, Qt::blue);
  gradient.setColorAt(0.4, Qt::green);
  gradient.setColorAt(0.62, Qt::yellow);
  gradient.setColorAt(1.0, Qt::red);
  return gradient;
}

} // namespace

RecordPlot::RecordPlot(QwtPlot *target) : plot(target), curve(new QwtPlotCurve(QString())) {}

RecordPlot::~RecordPlot() {
  curve->detach();
  delete curve;
}

void RecordPlot::setMode(Mode shown) {
  mode = shown;
  switch (mode) {
  case RecordOverlay::kSpectro: {
    plot->setAxisScale(QwtPlot::yLeft, 0, kSpectroTop);
    plot->setCanvas(new QwtPlotCanvas);
    QwtLinearScaleEngine engine(10);
    QwtScaleDiv division = engine.divideScale(380, 780, 0, 4, 0);
    division.setTicks(QwtScaleDiv::MajorTick, {380, 480, 580, 680, 780});
    division.setTicks(QwtScaleDiv::MediumTick, {400, 420, 440, 460, 500, 520, 540, 560, 600, 620,
                                                640, 660, 700, 720, 740, 760});
    plot->setAxisScaleDiv(QwtPlot::xBottom, division);
    replaceGrid();
    plot->replot();
    break;
  }
  case RecordOverlay::kCie1931:
    applyChromaticityAxes(0.8, 0.9, "cie1931.png");
    break;
  case RecordOverlay::kCie1976:
    applyChromaticityAxes(0.65, 0.6, "cie1976.png");
    break;
  }
}

void RecordPlot::showSpectrum(const QList<float> &values) {
  QVector<QPointF> samples;
  samples.reserve(values.size());
  for (int i = 0; i < values.size(); ++i) {
    samples.append(QPointF(rec::kFirstWavelength + i, values[i]));
  }
  curve->setSamples(samples);
  curve->setPen(QColor(86, 177, 254, 0), 3.0, Qt::SolidLine);
  curve->setSymbol(new QwtSymbol(QwtSymbol::NoSymbol));
  curve->setBrush(spectrumColours());
  curve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
  curve->attach(plot);
  plot->replot();
}

void RecordPlot::showChromaticity(const QStringList *record, int xField, const char *xName,
                                  const char *yName) {
  curve->detach();
  if (!record || record->size() <= xField + 1) {
    plot->replot(); // nothing to mark
    return;
  }
  const float x = rec::fieldValue(record->at(xField));
  const float y = rec::fieldValue(record->at(xField + 1));
  qDebug() << xName << x << yName << y;
  curve->setSymbol(
      new QwtSymbol(QwtSymbol::XCross, QBrush(), QPen(Qt::red, 0, Qt::SolidLine), QSize(12, 12)));
  curve->setSamples(QVector<QPointF>{QPointF(x, y)});
  curve->attach(plot);
  plot->replot();
}

void RecordPlot::showOverlay(const QList<QStringList> &records) {
  curve->detach(); // the single record's fill or cross gives way to the overlay
  overlay.show(plot, mode, records);
}

void RecordPlot::clearOverlay() {
  if (overlay.clear() && mode == RecordOverlay::kSpectro) {
    plot->setAxisScale(QwtPlot::yLeft, 0, kSpectroTop);
    plot->replot();
  }
}

// Gives the plot a fresh dotted grey grid in place of the previous one.
void RecordPlot::replaceGrid() {
  if (grid) {
    grid->detach();
    delete grid;
  }
  grid = new QwtPlotGrid;
  grid->setPen(gridPen());
  grid->attach(plot);
}

void RecordPlot::applyChromaticityAxes(double xTo, double yTo, const char *picture) {
  plot->setAxisScale(QwtPlot::yLeft, 0, yTo, 0.2);
  plot->setAxisScale(QwtPlot::xBottom, 0, xTo, 0.2);
  plot->canvas()->setStyleSheet(QString("border-image: url(:/images/%1);").arg(picture));
  replaceGrid();
  plot->replot();
}
