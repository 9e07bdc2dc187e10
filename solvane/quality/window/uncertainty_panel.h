#pragma once

// The uncertainty bar of the Light quality window: a "Show uncertainty"
// switch, the budget in use with a button to load another, and the progress
// of the draws. The draws run on a thread of their own, so the window never
// stops answering; a new run or the window's closing stops the one before.

#include "lightquality/uncertainty.h"
#include "lightquality/uncertainty_budget.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QThread;

namespace solvane::quality {

class UncertaintyPanel : public QWidget {
  Q_OBJECT

public:
  // Draws of the window's quick display.
  static constexpr int kDraws = 10000;

  UncertaintyPanel(const lightquality::Spectrum &spectrum, double illuminanceLux,
                   QWidget *parent = nullptr);
  ~UncertaintyPanel() override;

  bool shown() const;
  const lightquality::UncertaintyBudget &budget() const { return m_budget; }
  // Reads a budget file and, when the switch is on, draws again; a warning
  // box on failure, and the budget in use stays.
  bool loadBudget(const QString &path);

signals:
  // The switch turned on with new results, or off (`result` then empty).
  void resultsChanged(const lightquality::UncertaintyResult &result);

private slots:
  void on_check_showUncertainty_toggled(bool on);
  void on_btn_loadBudget_clicked();

private:
  void start();
  void stop();
  void finished(int run, const lightquality::UncertaintyResult &result);
  void showBudgetName();

  lightquality::Spectrum m_spectrum;
  double m_illuminance;
  lightquality::UncertaintyBudget m_budget;
  QCheckBox *m_switch;
  QLabel *m_budgetName;
  QProgressBar *m_progress;
  QThread *m_worker = nullptr;
  int m_run = 0; // the results of a run that was stopped are not shown
  std::shared_ptr<std::atomic<bool>> m_cancelled;
};

} // namespace solvane::quality
