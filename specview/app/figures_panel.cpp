#include "figures_panel.h"

#include "lightquality/figure_table.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
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
};

// A table text in the window's language.
QString figureTr(const char *text) {
  return QCoreApplication::translate("Figures", text);
}

// A reason of the library in the window's language.
QString reasonTr(const std::string &reason) {
  return QString::fromStdString(lightquality::translateReason(
      reason, [](const char *text) { return figureTr(text).toStdString(); }));
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
  setFixedWidth(240);
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
}

void FiguresPanel::addFigure(QFormLayout *form, const QString &key, const QString &label) {
  auto *value = new QLabel(QStringLiteral("-"));
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(label, value);
  values.insert(key, value);
}

void FiguresPanel::show(const Figures &figures, bool saturated) {
  const lightquality::FigureSource source = figures.source();
  const QString saturation =
      saturated ? tr("The frame is saturated: its colour figures are not valid.") : QString();
  const auto showPanel = [this, &source, &saturation](const auto &panel) {
    for (const PanelFigure &shown : panel) {
      const lightquality::Figure &row = lightquality::figure(shown.group, shown.row);
      QLabel *label = values.value(shown.key);
      label->setText(QString::fromStdString(
          lightquality::figureText(lightquality::figureValue(row, source), row.decimals)));
      const std::string caveat = lightquality::figureCaveat(row, source);
      const QString why = !saturation.isEmpty() ? saturation : reasonTr(caveat);
      label->setStyleSheet(why.isEmpty() ? QString() : QStringLiteral("color: rgb(140,140,140);"));
      label->setToolTip(why);
    }
  };
  showPanel(kSdkFigures);
  showPanel(kQualityFigures);
  reason->setText(saturation.isEmpty() ? figures.reason : saturation);
}

QString FiguresPanel::text(const QString &key) const {
  const QLabel *label = values.value(key);
  return label != nullptr ? label->text() : QString();
}

} // namespace specview
