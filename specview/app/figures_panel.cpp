#include "figures_panel.h"

#include "scan_uncertainty.h"

#include "lightquality/figure_table.h"
#include "lightquality/uncertainty_display.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace specview {
namespace {

// The panel's figures: the window's key of each (its tests read them by
// it) and its row of the figure table. The SDK's come first, in their own
// box, then the standard figures of the same spectrum.
struct PanelFigure {
  const char *key;
  lightquality::FigureGroup group;
  const char *row;
  bool namesMethod = false; // the SDK shows the same quantity by its own method
};
constexpr PanelFigure kSdkFigures[] = {
    {"x", lightquality::FigureGroup::kInstrument, "x"},
    {"y", lightquality::FigureGroup::kInstrument, "y"},
    {"u", lightquality::FigureGroup::kInstrument, "u_prime"},
    {"v", lightquality::FigureGroup::kInstrument, "v_prime"},
    {"cct", lightquality::FigureGroup::kInstrument, "cct_K"},
    {"ra", lightquality::FigureGroup::kInstrument, "ra"},
    {"dominant", lightquality::FigureGroup::kInstrument, "dominant_nm"},
};
constexpr PanelFigure kQualityFigures[] = {
    {"lqRf", lightquality::FigureGroup::kFidelity, "rf"},
    {"lqRg", lightquality::FigureGroup::kFidelity, "rg"},
    {"lqRa", lightquality::FigureGroup::kRendering, "ra", true},
    {"lqCct", lightquality::FigureGroup::kCct, "cct_K", true},
    {"lqDuv", lightquality::FigureGroup::kCct, "duv"},
    {"lqTlci", lightquality::FigureGroup::kTlci, "qa"},
    {"lqTlciD", lightquality::FigureGroup::kTlci, "d"},
    {"lqTlmfA", lightquality::FigureGroup::kTlmf, "cie_a"},
    {"lqTlmfD65", lightquality::FigureGroup::kTlmf, "d65"},
};

// A table text in the window's language.
QString figureTr(const char *text) {
  return QCoreApplication::translate("Figures", text);
}

// "CCT (K)", "Ra (CIE 13.3)": the row's symbol with its unit or, where the
// SDK shows the same quantity, its method.
QString panelLabel(const PanelFigure &figure) {
  const lightquality::Figure &row = lightquality::figure(figure.group, figure.row);
  const char *detail = figure.namesMethod ? row.method : row.unit;
  const QString symbol = QString::fromUtf8(row.symbol);
  return *detail ? QString("%1 (%2)").arg(symbol, figureTr(detail)) : symbol;
}

} // namespace

FiguresPanel::FiguresPanel(QWidget *parent) : QWidget(parent) {
  setFixedWidth(300); // room for a Duv of five decimals and its ± beside "CCT (CIE 15:2018)"
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto *sdk = new QGroupBox(tr("Colour (specsdk)"));
  auto *sdkForm = new QFormLayout(sdk);
  for (const PanelFigure &f : kSdkFigures) {
    addFigure(sdkForm, f.key, panelLabel(f));
  }
  layout->addWidget(sdk);
  auto *quality = new QGroupBox(tr("Light quality"));
  auto *qualityForm = new QFormLayout(quality);
  for (const PanelFigure &f : kQualityFigures) {
    addFigure(qualityForm, f.key, panelLabel(f));
  }
  layout->addWidget(quality);
  layout->addWidget(buildUncertaintyRow());
  auto *methods = new QLabel(tr("The two Ra differ: specsdk takes its references at the CCT on "
                                "its 5 K grid, CIE 13.3 at the exact CCT."));
  methods->setWordWrap(true);
  methods->setStyleSheet("color: rgb(110,110,110);");
  layout->addWidget(methods);
  reason = new QLabel;
  reason->setWordWrap(true);
  values.insert("reason", reason);
  layout->addWidget(reason);
  layout->addStretch();
  setScans(1);
}

QWidget *FiguresPanel::buildUncertaintyRow() {
  auto *row = new QWidget;
  auto *layout = new QVBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  uncertaintySwitch_ = new QCheckBox(tr("Show uncertainty"));
  uncertaintySwitch_->setObjectName("check_showUncertainty");
  connect(uncertaintySwitch_, &QCheckBox::toggled, this, &FiguresPanel::uncertaintyToggled);
  layout->addWidget(uncertaintySwitch_);
  progress_ = new QProgressBar;
  progress_->setObjectName("progress_draws");
  progress_->setFormat(tr("%v of %m draws"));
  progress_->hide();
  layout->addWidget(progress_);
  uncertaintyNote_ = new QLabel;
  uncertaintyNote_->setObjectName("label_uncertainty");
  uncertaintyNote_->setWordWrap(true);
  uncertaintyNote_->setStyleSheet("color: rgb(110,110,110);");
  uncertaintyNote_->hide();
  layout->addWidget(uncertaintyNote_);
  return row;
}

bool FiguresPanel::uncertaintyWanted() const {
  return uncertaintySwitch_->isEnabled() && uncertaintySwitch_->isChecked();
}

void FiguresPanel::setScans(int scans) {
  const QString refusal = scansRefusal(scans);
  uncertaintySwitch_->setEnabled(refusal.isEmpty());
  uncertaintySwitch_->setToolTip(
      refusal.isEmpty() ? tr("Each light-quality figure with its 95 % interval, from %1 Monte "
                             "Carlo draws: the noise from the spread of the scans, the other "
                             "errors from the default budget")
                              .arg(ScanUncertainty::kDraws)
                        : refusal);
}

void FiguresPanel::showUncertainty(const lightquality::UncertaintyResult &result, int scans) {
  uncertainty_ = result;
  uncertaintyScans_ = scans;
  progress_->hide();
  uncertaintyNote_->show();
  render();
}

void FiguresPanel::setOlderFrame(const QString &time) {
  if (time != olderFrame_) {
    olderFrame_ = time;
    render();
  }
}

void FiguresPanel::clearUncertainty(const QString &note) {
  uncertainty_ = {};
  olderFrame_.clear();
  progress_->hide();
  uncertaintyNote_->setText(note);
  uncertaintyNote_->setVisible(!note.isEmpty());
  render();
}

void FiguresPanel::showProgress(int done, int most) {
  progress_->setRange(0, most);
  progress_->setValue(done);
  progress_->show();
}

QString FiguresPanel::uncertaintyNote() const {
  return uncertaintyNote_->isHidden() ? QString() : uncertaintyNote_->text();
}

void FiguresPanel::addFigure(QFormLayout *form, const QString &key, const QString &label) {
  auto *value = new QLabel(QStringLiteral("-"));
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(label, value);
  values.insert(key, value);
}

void FiguresPanel::show(const Figures &figures, bool saturated) {
  figures_ = figures;
  saturated_ = saturated;
  render();
}

void FiguresPanel::render() {
  const Figures &figures = figures_;
  const lightquality::FigureSource source = figures.source();
  const QString saturation =
      saturated_ ? tr("The frame is saturated: its colour figures are not valid.") : QString();
  // A figure with its uncertainty; the draws where it is undefined are
  // counted on a line of their own.
  bool expanded = false; // some figure shows ± 2u
  const auto figureText = [this, &expanded](const lightquality::Figure &row, double value) {
    const int f = lightquality::uncertainFigureOf(row, 0);
    if (uncertainty_.figures.empty() || f < 0) {
      return QString::fromStdString(lightquality::figureText(value, row.decimals));
    }
    const lightquality::UncertaintyDisplay shown = lightquality::uncertaintyDisplay(
        uncertainty_.figures[static_cast<std::size_t>(f)], uncertainty_.draws, row.decimals);
    expanded = expanded || shown.expanded;
    return QString::fromStdString(shown.text).replace(" (", "\n(");
  };
  const auto showPanel = [this, &source, &saturation, &figureText](const auto &panel) {
    for (const PanelFigure &shown : panel) {
      const lightquality::Figure &row = lightquality::figure(shown.group, shown.row);
      QLabel *label = values.value(shown.key);
      label->setText(figureText(row, lightquality::figureValue(row, source)));
      const std::string caveat = lightquality::figureCaveat(row, source);
      const QString why = !saturation.isEmpty() ? saturation : translatedReason(caveat);
      label->setStyleSheet(why.isEmpty() ? QString() : QStringLiteral("color: rgb(140,140,140);"));
      label->setToolTip(why);
    }
  };
  showPanel(kSdkFigures);
  showPanel(kQualityFigures);
  if (!uncertainty_.figures.empty()) {
    uncertaintyNote_->setText(
        tr("Noise from %n scan(s), the other errors from the default budget; %1 draws", nullptr,
           uncertaintyScans_)
            .arg(uncertainty_.draws) +
        (expanded ? tr("; ± is k = 2") : QString()) +
        (olderFrame_.isEmpty()
             ? QString()
             : "\n" + tr("Figures of the frame of %1; the newest frame is drawn next.")
                           .arg(olderFrame_)));
  }
  QStringList notes{saturation.isEmpty() ? figures.reason : saturation};
  // A TLCI far from its reference keeps its number, marked, with the caution.
  if (saturation.isEmpty() && figures.quality.userGroups.television.tlci.caution()) {
    const QString caution = tr("Caution: the light lies further than d = 1 from its TLCI "
                               "reference; its TLCI is less reliable.");
    for (const char *key : {"lqTlci", "lqTlciD"}) {
      values.value(key)->setStyleSheet(QStringLiteral("color: rgb(200,40,40);"));
      values.value(key)->setToolTip(caution);
    }
    notes << caution;
  }
  notes.removeAll(QString());
  reason->setText(notes.join('\n'));
}

QString FiguresPanel::text(const QString &key) const {
  const QLabel *label = values.value(key);
  return label != nullptr ? label->text() : QString();
}

} // namespace specview
