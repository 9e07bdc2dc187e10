// The television lighting figures on the Cinema tab of the Light quality
// window: the TLCI with its reference and the caution beyond d = 1, and the
// TLMF against a reference luminaire the user picks.

#include "dialog_widgets.h"
#include "lightqualitydialog.h"

#include "lightquality/tlci.h"
#include "lightquality/usergroups.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>

namespace solvane::quality {

using namespace dialogwidgets;

namespace {

// The words of the index's own report.
QString referenceText(const lightquality::TelevisionLightingConsistency &t) {
  if (std::isnan(t.qa)) {
    return QStringLiteral("n/a");
  }
  switch (t.reference) {
  case lightquality::TlciReference::kPlanck:
    return LightQualityDialog::tr("Planckian radiator");
  case lightquality::TlciReference::kBlend:
    return LightQualityDialog::tr("blend of Planck 3400 K and daylight 5000 K");
  case lightquality::TlciReference::kDaylight:
    break;
  }
  return LightQualityDialog::tr("CIE daylight");
}

} // namespace

QWidget *LightQualityDialog::createTelevisionBox() {
  const lightquality::TelevisionFigures &tv = m_quality.metrics.userGroups.television;
  const lightquality::TelevisionLightingConsistency &tlci = tv.tlci;
  auto *box = new QGroupBox(tr("Television lighting (TLCI-2012, TLMF-2013, 0 to 100)"));
  auto *grid = new QGridLayout(box);
  addRow(grid, tr("TLCI (Qa)"), valueLabel(figure(tlci.qa, 1), "value_tlci"));
  addRow(grid, tr("ΔEa"), valueLabel(figure(tlci.deltaE, 2), "value_tlciDeltaE"));
  addRow(grid, tr("CCT (c₂ = 1.435e-2 m·K)"), valueLabel(figure(tlci.cctKelvin, 0), "value_tlciCct"),
         QStringLiteral("K"));
  addRow(grid, tr("Reference"), valueLabel(referenceText(tlci), "value_tlciReference"));
  addRow(grid, tr("Distance d"), valueLabel(figure(tlci.distance, 2), "value_tlciDistance"));
  if (tlci.caution()) {
    auto *caution = new QLabel(tr("Caution: the light lies further than d = 1 from its "
                                  "reference; its TLCI is less reliable."));
    caution->setObjectName("label_tlciCaution");
    caution->setWordWrap(true);
    caution->setStyleSheet("color: rgb(200,40,40);");
    grid->addWidget(caution, grid->rowCount(), 0, 1, 3);
  }

  auto *reference = new QComboBox;
  reference->setObjectName("comboBox_tlmfReference");
  reference->addItems({tr("TLMF against CIE A"), tr("TLMF against CIE D65")});
  auto *tlmf = valueLabel(QString(), "value_tlmf");
  const int row = grid->rowCount();
  grid->addWidget(reference, row, 0);
  grid->addWidget(tlmf, row, 1);
  const auto update = [reference, tlmf, tv] {
    const bool d65 = reference->currentIndex() == 1;
    tlmf->setText(figure(d65 ? tv.tlmfD65.qa : tv.tlmfIlluminantA.qa, 1));
  };
  connect(reference, qOverload<int>(&QComboBox::currentIndexChanged), this, update);
  update();
  addSourceNote(grid, tr("EBU Tech 3355: a standard television camera films 18 coloured "
                         "patches under the light and under a reference of its CCT (TLCI), "
                         "or 24 patches under the light and under a reference luminaire it "
                         "is balanced on (TLMF); 100 is no visible difference."));
  return box;
}

} // namespace solvane::quality
