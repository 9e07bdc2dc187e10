#pragma once

// The window's figures beside the plot, listed from the figure table:
// specsdk's colour figures in one box, the standard light-quality figures of
// the same spectrum in another, each with its label, unit or method, and
// grey with the reason on hover where it is not valid. Below them a
// "Show uncertainty" switch: with it the light-quality figures carry their
// ± (or 95 % interval) from the spread of the frame's scans.

#include "figures.h"

#include "lightquality/uncertainty.h"

#include <QHash>
#include <QWidget>

class QCheckBox;
class QFormLayout;
class QLabel;
class QProgressBar;

namespace specview {

class FiguresPanel : public QWidget {
  Q_OBJECT

public:
  explicit FiguresPanel(QWidget *parent = nullptr);

  // The figures of the frame shown; a saturated frame's colour is not the
  // light's, so every figure is marked not valid.
  void show(const Figures &figures, bool saturated);
  // The figure shown for `key` ("x", "cct", "lqRf", ...) as displayed, or
  // why figures are undefined ("reason").
  QString text(const QString &key) const;

  // The switch is on and the scans allow it.
  bool uncertaintyWanted() const;
  // The switch works from kMinimumRepeatedScans scans on; below, it is
  // disabled and its tooltip says why.
  void setScans(int scans);
  // The uncertainty of the figures shown, from `scans` scans.
  void showUncertainty(const lightquality::UncertaintyResult &result, int scans);
  // The time of the frame whose figures and uncertainty are shown while a
  // newer one waits for its draws; empty when they are the newest frame's.
  void setOlderFrame(const QString &time);
  // No uncertainty beside the figures; `note` says why, if anything.
  void clearUncertainty(const QString &note = {});
  void showProgress(int done, int most);
  // The line under the switch: the noise's source and the draws, or why
  // there is no uncertainty.
  QString uncertaintyNote() const;

signals:
  void uncertaintyToggled(bool on);

private:
  void addFigure(QFormLayout *form, const QString &key, const QString &label);
  QWidget *buildUncertaintyRow();
  void render();

  QHash<QString, QLabel *> values;
  QLabel *reason;
  QCheckBox *uncertaintySwitch_;
  QProgressBar *progress_;
  QLabel *uncertaintyNote_;
  Figures figures_;
  bool saturated_ = false;
  lightquality::UncertaintyResult uncertainty_; // no figures: none shown
  int uncertaintyScans_ = 0;
  QString olderFrame_;
};

} // namespace specview
