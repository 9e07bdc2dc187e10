#pragma once

// Several records on the window's plot at once: their spectra normalised to
// their peaks (the plot's footer says so), or their chromaticity points,
// each in its own colour, with a legend of their labels below the plot. The
// window shows it while two or more rows of the stored-data table are
// selected.

#include <QList>
#include <QStringList>

class QwtPlot;
class QwtPlotCurve;

class RecordOverlay {
public:
  enum Mode { kSpectro = 0, kCie1931 = 1, kCie1976 = 2 };

  RecordOverlay() = default;
  RecordOverlay(const RecordOverlay &) = delete;
  RecordOverlay &operator=(const RecordOverlay &) = delete;
  ~RecordOverlay();

  // Replaces what the overlay showed with `records` in `mode`. In spectrum
  // mode the left axis becomes the relative scale 0 to 1.05.
  void show(QwtPlot *plot, Mode mode, const QList<QStringList> &records);
  // Takes the overlay off the plot; true when it was showing.
  bool clear();
  bool isShown() const { return !m_curves.isEmpty(); }

private:
  QList<QwtPlotCurve *> m_curves;
  QwtPlot *m_plot = nullptr; // the plot that holds the legend while shown
};
