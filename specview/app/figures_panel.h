#pragma once

// The window's figures beside the plot, listed from the figure table:
// specsdk's colour figures in one box, the standard light-quality figures of
// the same spectrum in another, each with its label, unit or method, and
// grey with the reason on hover where it is not valid.

#include "figures.h"

#include <QHash>
#include <QWidget>

class QFormLayout;
class QLabel;

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

private:
  void addFigure(QFormLayout *form, const QString &key, const QString &label);

  QHash<QString, QLabel *> values;
  QLabel *reason;
};

} // namespace specview
