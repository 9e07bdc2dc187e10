#include "series_dialog.h"

#include "solvane/live/trend_points.h"
#include "solvane/records/measurement_record.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_draw.h>
#include <qwt_symbol.h>

namespace live = solvane::live;
namespace records = solvane::records;

namespace {

constexpr int kDefaultCount = 10;
constexpr int kMaxCount = 100000;
constexpr double kDefaultIntervalSeconds = 1;
constexpr double kMaxIntervalSeconds = 86400;

// What each trend plot follows, in plot order, and the smallest range its
// axis shows: a steady lamp's last-digit jitter should look flat, not fill
// the plot.
struct TrendField {
  int field;
  double minimumSpan;
};
constexpr TrendField kTrendFields[] = {
    {records::kIlluminance, 10}, {records::kCct, 100}, {records::kRa, 10}};

// Width kept for the value axes, so the three time axes line up.
constexpr double kValueAxisExtent = 60;

const QColor kTrendColour(71, 141, 228);

// Readings arriving closer together than this are drawn in one go.
constexpr int kRedrawIntervalMs = 100;
// A day-long series is drawn through at most this many points a trend,
// about two per pixel of a full-screen plot.
constexpr int kMostDrawnPoints = 4000;

} // namespace

SeriesDialog::SeriesDialog(LuxEngine &meterEngine, int observerIndex, int firstLiveOrdinal,
                           QWidget *parent)
    : QDialog(parent), meter(meterEngine), observer(observerIndex), firstOrdinal(firstLiveOrdinal) {
  setWindowTitle(tr("Series"));
  buildLayout();
  setRunning(false);
  redrawTimer.setSingleShot(true);
  redrawTimer.setInterval(kRedrawIntervalMs);
  connect(&redrawTimer, &QTimer::timeout, this, &SeriesDialog::redrawTrends);
}

SeriesDialog::~SeriesDialog() = default;

void SeriesDialog::buildLayout() {
  countBox = new QSpinBox;
  countBox->setObjectName("spinBox_count");
  countBox->setRange(0, kMaxCount);
  countBox->setValue(kDefaultCount);
  countBox->setSpecialValueText(tr("until stopped"));
  intervalBox = new QDoubleSpinBox;
  intervalBox->setObjectName("doubleSpinBox_interval");
  intervalBox->setRange(0, kMaxIntervalSeconds);
  intervalBox->setDecimals(1);
  intervalBox->setValue(kDefaultIntervalSeconds);
  intervalBox->setSuffix(tr(" s"));

  auto *settings = new QFormLayout;
  settings->addRow(tr("Readings"), countBox);
  settings->addRow(tr("Interval"), intervalBox);

  startButton = new QPushButton(tr("Start"));
  startButton->setObjectName("btn_start");
  stopButton = new QPushButton(tr("Stop"));
  stopButton->setObjectName("btn_stop");
  closeButton = new QPushButton(tr("Close"));
  closeButton->setObjectName("btn_close");
  connect(startButton, &QPushButton::clicked, this, &SeriesDialog::startSeries);
  connect(stopButton, &QPushButton::clicked, this, &SeriesDialog::stopSeries);
  connect(closeButton, &QPushButton::clicked, this, &SeriesDialog::reject);

  auto *buttons = new QHBoxLayout;
  buttons->addLayout(settings);
  buttons->addStretch();
  buttons->addWidget(startButton);
  buttons->addWidget(stopButton);
  buttons->addWidget(closeButton);

  statusLabel = new QLabel;
  statusLabel->setObjectName("label_status");

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  trends = {makeTrend(tr("Ev (lx)")), makeTrend(tr("CCT (K)")), makeTrend(tr("Ra"))};
  for (const Trend &trend : trends) {
    layout->addWidget(trend.plot, 1);
  }
  trends.last().plot->setAxisTitle(QwtPlot::xBottom, tr("Elapsed time (s)"));
  layout->addWidget(statusLabel);
  resize(640, 620);
}

SeriesDialog::Trend SeriesDialog::makeTrend(const QString &axisTitle) {
  auto *plot = new QwtPlot;
  plot->setCanvasBackground(Qt::white);
  plot->setAxisTitle(QwtPlot::yLeft, axisTitle);
  plot->setMinimumHeight(140);
  plot->axisScaleDraw(QwtPlot::yLeft)->setMinimumExtent(kValueAxisExtent);
  auto *grid = new QwtPlotGrid;
  grid->setMajorPen(QColor(200, 200, 200), 0, Qt::DotLine);
  grid->attach(plot);
  auto *curve = new QwtPlotCurve(axisTitle);
  curve->setPen(kTrendColour, 2);
  curve->setSymbol(
      new QwtSymbol(QwtSymbol::Ellipse, QBrush(kTrendColour), QPen(kTrendColour), QSize(6, 6)));
  curve->setRenderHint(QwtPlotItem::RenderAntialiased);
  curve->attach(plot);
  return {plot, curve, {}};
}

bool SeriesDialog::isRunning() const {
  return series && series->isRunning();
}

void SeriesDialog::startSeries() {
  if (isRunning()) {
    return;
  }
  live::SeriesSettings settings;
  settings.count = countBox->value();
  settings.intervalMs = static_cast<int>(intervalBox->value() * 1000);
  settings.observer = observer;
  // A second series in the same dialog continues the numbering.
  settings.firstOrdinal = firstOrdinal + taken.size();
  series = std::make_unique<live::LiveSeries>(meter, settings);
  connect(series.get(), &live::LiveSeries::readingTaken, this, &SeriesDialog::showReading);
  connect(series.get(), &live::LiveSeries::finished, this, &SeriesDialog::seriesFinished);
  elapsedSeconds.clear();
  for (Trend &trend : trends) {
    trend.values.clear();
    trend.curve->setSamples(elapsedSeconds, trend.values);
    trend.plot->replot();
  }
  setRunning(true);
  showProgress();
  series->start();
}

void SeriesDialog::stopSeries() {
  if (isRunning()) {
    statusLabel->setText(tr("Stopping after the reading in progress"));
    series->stop();
  }
}

void SeriesDialog::reject() {
  if (isRunning()) {
    closeWhenFinished = true;
    stopSeries();
    return;
  }
  QDialog::reject();
}

void SeriesDialog::showReading(const live::LiveReading &reading) {
  taken << reading.record;
  elapsedSeconds << reading.elapsedMs / 1000.0;
  for (int i = 0; i < trends.size(); ++i) {
    trends[i].values << records::fieldOrEmpty(reading.record, kTrendFields[i].field).toDouble();
  }
  // Readings that come faster than the eye follows are drawn together.
  if (!redrawTimer.isActive()) {
    redrawTimer.start();
  }
}

void SeriesDialog::redrawTrends() {
  redrawTimer.stop();
  for (int i = 0; i < trends.size(); ++i) {
    Trend &trend = trends[i];
    trend.curve->setSamples(live::pointsToDraw(elapsedSeconds, trend.values, kMostDrawnPoints));
    if (!trend.values.isEmpty()) {
      scaleToShow(trend, kTrendFields[i].minimumSpan);
    }
    trend.plot->replot();
  }
  showProgress();
}

// The values' range, widened downwards to the minimum span (the top of the
// range is where a warming lamp heads, and Ra cannot exceed 100), with a
// margin so that no point sits on the frame.
void SeriesDialog::scaleToShow(Trend &trend, double minimumSpan) {
  constexpr double kMarginOfSpan = 0.05;
  const auto [low, high] = std::minmax_element(trend.values.cbegin(), trend.values.cend());
  const double bottom = std::min(*low, *high - minimumSpan);
  const double margin = (*high - bottom) * kMarginOfSpan;
  trend.plot->setAxisScale(QwtPlot::yLeft, bottom - margin, *high + margin);
}

void SeriesDialog::showProgress() {
  const int readings = series->readings().size();
  const int count = series->settings().count;
  statusLabel->setText(count > 0 ? tr("Reading %1 of %2 taken").arg(readings).arg(count)
                                 : tr("Reading %1 taken").arg(readings));
}

void SeriesDialog::seriesFinished() {
  redrawTrends();
  setRunning(false);
  if (series->failure() != live::Failure::None) {
    statusLabel->setText(series->errorString());
  } else {
    statusLabel->setText(tr("%n reading(s) taken", nullptr, series->readings().size()));
  }
  if (closeWhenFinished) {
    QDialog::reject();
  }
}

void SeriesDialog::setRunning(bool running) {
  countBox->setEnabled(!running);
  intervalBox->setEnabled(!running);
  startButton->setEnabled(!running);
  stopButton->setEnabled(running);
}
