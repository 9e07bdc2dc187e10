// The television lighting figures on the Cinema tab of the Light quality
// window: the TLCI with its reference and the caution beyond d = 1, and the
// TLMF against CIE A, D65 or a spectrum file the user picks.

#include "dialog_widgets.h"
#include "filechooser.h"
#include "fitting.h"
#include "lightqualitydialog.h"
#include "messagebox.h"

#include "lightquality/tlci.h"
#include "quoting/quoted_qstring.h"
#include "solvane/quality/spectrum_record.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>

namespace solvane::quality {

using namespace dialogwidgets;

namespace {

using lightquality::FigureGroup;

// The reference the index chose, in words.
QString referenceText(const lightquality::TelevisionLightingConsistency &t) {
  if (!t.reason.empty()) {
    return figureText(t.qa, 0); // "n/a"
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

QLabel *cautionLabel() {
  auto *caution = new QLabel(LightQualityDialog::tr(
      "Caution: the light lies further than d = 1 from its reference; its TLCI is less "
      "reliable."));
  caution->setObjectName("label_tlciCaution");
  caution->setWordWrap(true);
  caution->setStyleSheet("color: rgb(200,40,40);");
  return caution;
}

} // namespace

QWidget *LightQualityDialog::createTelevisionBox() {
  const lightquality::FigureSource source = m_quality.figures();
  const lightquality::TelevisionLightingConsistency &tlci =
      m_quality.metrics.userGroups.television.tlci;
  auto *box = new QGroupBox(tr("Television lighting (TLCI-2012, TLMF-2013, 0 to 100)"));
  auto *grid = new QGridLayout(box);
  const auto row = [&](FigureGroup group, const char *key, const char *objectName) {
    addFigureRow(grid, lightquality::figure(group, key), source, objectName);
  };
  row(FigureGroup::kTlci, "qa", "value_tlci");
  row(FigureGroup::kTlci, "delta_e", "value_tlciDeltaE");
  row(FigureGroup::kTlci, "cct_k", "value_tlciCct");
  addRow(grid, tr("Reference"), valueLabel(referenceText(tlci), "value_tlciReference"));
  row(FigureGroup::kTlci, "d", "value_tlciDistance");
  if (tlci.caution()) {
    grid->addWidget(cautionLabel(), grid->rowCount(), 0, 1, 3);
  }
  row(FigureGroup::kTlmf, "cie_a", "value_tlmfA");
  row(FigureGroup::kTlmf, "d65", "value_tlmfD65");

  auto *choose = new QPushButton(tr("TLMF against a spectrum file..."));
  choose->setObjectName("btn_tlmfFile");
  m_tlmfFile = valueLabel(QString(), "value_tlmfFile");
  m_tlmfFileName = new solvane::ui::ElidedLabel; // a long name never widens the window
  m_tlmfFileName->setObjectName("label_tlmfFile");
  const int fileRow = grid->rowCount();
  grid->addWidget(choose, fileRow, 0);
  grid->addWidget(m_tlmfFile, fileRow, 1);
  grid->addWidget(m_tlmfFileName, fileRow, 2);
  connect(choose, &QPushButton::clicked, this, [this] {
    const QString path = solvane::ui::chooseFile(
        this, QFileDialog::AcceptOpen, tr("Reference luminaire"), QString(),
        tr("Spectrum, wavelength and value a line (*.txt *.csv *.tsv);;All files (*)"), QString());
    if (!path.isEmpty()) {
      matchWithSpectrumFile(path);
    }
  });
  addSourceNote(grid, tr("EBU Tech 3355: a standard television camera films 18 coloured "
                         "patches under the light and under a reference of its CCT (TLCI), "
                         "or 24 patches under the light and under a reference luminaire it "
                         "is balanced on (TLMF); 100 is no visible difference."));
  return box;
}

bool LightQualityDialog::matchWithSpectrumFile(const QString &path) {
  spectrumfile::ImportedSpectrum reference;
  QString error;
  if (!readSpectrumFile(path, spectrumfile::Format::kDetect, &reference, &error)) {
    solvane::ui::warning(this, tr("Error"), error);
    return false;
  }
  const lightquality::LuminaireMatching match =
      lightquality::luminaireMatchingFactor(m_quality.input.spectrum, reference.values);
  const lightquality::Figure &row = lightquality::figure(FigureGroup::kTlmf, "d65");
  m_tlmfFile->setText(figureText(match.qa, row.decimals));
  m_tlmfFile->setToolTip(reasonText(match.reason, translatedFigureText)); // why it is n/a
  m_tlmfFileName->setText(quoting::quotedText(QFileInfo(path).fileName()));
  return true;
}

} // namespace solvane::quality
