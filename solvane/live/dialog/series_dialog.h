#pragma once

// The "Series" dialog: a live series with a count and an interval, its Ev,
// CCT and Ra drawn against elapsed time as the readings arrive, and a Stop
// button that ends it after the reading in progress. The readings taken stay
// available when the dialog closes.

#include "solvane/live/live_series.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <memory>

class LuxEngine;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QwtPlot;
class QwtPlotCurve;

class SeriesDialog : public QDialog {
  Q_OBJECT

public:
  // Readings are labelled from `firstOrdinal` on and computed with the
  // observer (0: 2°, 1: 10°).
  SeriesDialog(LuxEngine &meter, int observer, int firstOrdinal, QWidget *parent = nullptr);
  ~SeriesDialog() override;

  // The records of every reading the dialog took, in order.
  QList<QStringList> records() const { return taken; }
  bool isRunning() const;

public slots:
  void startSeries();
  void stopSeries();
  // While a series runs, closing waits for the reading in progress.
  void reject() override;

private:
  struct Trend {
    QwtPlot *plot;
    QwtPlotCurve *curve;
    QVector<double> values;
  };

  void buildLayout();
  Trend makeTrend(const QString &axisTitle);
  void showReading(const solvane::live::LiveReading &reading);
  void redrawTrends();
  void scaleToShow(Trend &trend, double minimumSpan);
  void seriesFinished();
  void showProgress();
  void setRunning(bool running);

  LuxEngine &meter;
  int observer;
  int firstOrdinal;
  std::unique_ptr<solvane::live::LiveSeries> series;
  bool closeWhenFinished = false;
  QList<QStringList> taken;

  QSpinBox *countBox;
  QDoubleSpinBox *intervalBox;
  QPushButton *startButton;
  QPushButton *stopButton;
  QPushButton *closeButton;
  QLabel *statusLabel;
  QVector<double> elapsedSeconds;
  QList<Trend> trends; // Ev, CCT, Ra
  QTimer redrawTimer;
};
