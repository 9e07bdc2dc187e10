#pragma once

// The main window's plot: one record's spectrum, filled with the colours of
// the spectrum, or its chromaticity point on the CIE 1931 or CIE 1976
// diagram; several records at once through RecordOverlay.

#include "record_overlay.h"

#include <QList>
#include <QStringList>

class QwtPlot;
class QwtPlotCurve;
class QwtPlotGrid;

class RecordPlot {
public:
  using Mode = RecordOverlay::Mode;

  explicit RecordPlot(QwtPlot *plot);
  RecordPlot(const RecordPlot &) = delete;
  RecordPlot &operator=(const RecordPlot &) = delete;
  ~RecordPlot();

  // The axes, grid and background of `mode`: 380 to 780 nm for spectra,
  // the diagram's picture behind its axes for chromaticities.
  void setMode(Mode mode);
  // The spectrum of 1 nm samples from 380 nm.
  void showSpectrum(const QList<float> &values);
  // The record's chromaticity, fields xField and xField + 1, as a red
  // cross; nothing for a record that lacks them. The names go to the debug
  // line ("x:", ", y:").
  void showChromaticity(const QStringList *record, int xField, const char *xName,
                        const char *yName);
  // The records together, in the mode set last, in place of the single one.
  void showOverlay(const QList<QStringList> &records);
  // Back to the single record; the spectrum's axis returns to counts.
  void clearOverlay();

private:
  void replaceGrid();
  void applyChromaticityAxes(double xTo, double yTo, const char *picture);

  QwtPlot *plot;
  QwtPlotCurve *curve;
  QwtPlotGrid *grid = nullptr;
  Mode mode = RecordOverlay::kSpectro;
  RecordOverlay overlay;
};
