#include "uncertainty_panel.h"

#include "filechooser.h"
#include "messagebox.h"
#include "work_thread.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

namespace solvane::quality {

UncertaintyPanel::UncertaintyPanel(const lightquality::Spectrum &spectrum, double illuminanceLux,
                                   QWidget *parent)
    : QWidget(parent), m_spectrum(spectrum), m_illuminance(illuminanceLux),
      m_budget(lightquality::defaultUncertaintyBudget()) {
  m_switch = new QCheckBox(tr("Show uncertainty"));
  m_switch->setObjectName("check_showUncertainty");
  m_switch->setToolTip(tr("Each figure with its 95 % interval, from %n Monte Carlo draws of the "
                          "meter's error budget",
                          nullptr, kDraws));
  m_budgetName = new QLabel;
  m_budgetName->setObjectName("label_budget");
  auto *load = new QPushButton(tr("Load budget..."));
  load->setObjectName("btn_loadBudget");
  m_progress = new QProgressBar;
  m_progress->setObjectName("progress_draws");
  m_progress->setRange(0, kDraws);
  m_progress->setFormat(tr("%v of %m draws"));
  m_progress->setVisible(false);

  auto *row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(m_switch);
  row->addWidget(m_progress, 1);
  row->addStretch(0);
  row->addWidget(m_budgetName);
  row->addWidget(load);
  showBudgetName();
  QMetaObject::connectSlotsByName(this);
}

UncertaintyPanel::~UncertaintyPanel() {
  stop();
}

bool UncertaintyPanel::shown() const {
  return m_switch->isChecked();
}

void UncertaintyPanel::showBudgetName() {
  const QString name = m_budget.name == lightquality::defaultUncertaintyBudget().name
                           ? tr("default")
                           : QString::fromStdString(m_budget.name);
  m_budgetName->setText(tr("Budget: %1").arg(name));
}

bool UncertaintyPanel::loadBudget(const QString &path) {
  std::string error;
  lightquality::UncertaintyBudget read;
  if (!lightquality::readUncertaintyBudget(path.toStdString(), &read, &error)) {
    solvane::ui::warning(this, tr("Error"), QString::fromStdString(error));
    return false;
  }
  m_budget = read;
  showBudgetName();
  if (shown()) {
    start();
  }
  return true;
}

void UncertaintyPanel::on_btn_loadBudget_clicked() {
  const QString path = solvane::ui::chooseFile(this, QFileDialog::AcceptOpen, tr("Load budget"),
                                               QString(), tr("Uncertainty budget (*.json)"),
                                               QStringLiteral("json"));
  if (!path.isEmpty()) {
    loadBudget(path);
  }
}

void UncertaintyPanel::on_check_showUncertainty_toggled(bool on) {
  showBudgetName();
  if (on) {
    start();
  } else {
    stop();
    emit resultsChanged({});
  }
}

// The draws on a worker thread; its progress and result come back to this
// widget's thread through queued calls, which Qt drops once the widget is
// gone. The flag outlives both, so a stopped run ends at its next batch.
void UncertaintyPanel::start() {
  stop();
  auto cancelled = std::make_shared<std::atomic<bool>>(false);
  m_cancelled = cancelled;
  lightquality::UncertaintySettings settings;
  settings.adaptive = false;
  settings.draws = kDraws;
  settings.seed = lightquality::randomSeed();
  m_progress->setValue(0);
  m_progress->setVisible(true);
  const int run = ++m_run;
  m_worker = new WorkThread([this, run, cancelled, settings, spectrum = m_spectrum,
                             lux = m_illuminance, budget = m_budget] {
    lightquality::UncertaintyResult result;
    const bool done = lightquality::propagateUncertainty(
        spectrum, lux, budget, settings, &result, [this, cancelled](int drawn, int) {
          QMetaObject::invokeMethod(m_progress, "setValue", Qt::QueuedConnection,
                                    Q_ARG(int, drawn));
          return !*cancelled;
        });
    if (done && !*cancelled) {
      QMetaObject::invokeMethod(
          this, [this, run, result] { finished(run, result); }, Qt::QueuedConnection);
    }
  });
  m_worker->start();
}

void UncertaintyPanel::stop() {
  if (!m_worker) {
    return;
  }
  *m_cancelled = true;
  m_worker->wait();
  delete m_worker;
  m_worker = nullptr;
  m_progress->setVisible(false);
}

void UncertaintyPanel::finished(int run, const lightquality::UncertaintyResult &result) {
  if (run != m_run || !shown()) {
    return;
  }
  m_progress->setVisible(false);
  m_budgetName->setText(m_budgetName->text() + tr(", %n draws; ± is k = 2", nullptr, result.draws));
  emit resultsChanged(result);
}

} // namespace solvane::quality
