#pragma once

// The Light quality window of one measurement record: the standard figures
// (CIE 2017 / TM-30 Rf and Rg with the colour vector graphic and the hue-bin
// shifts, CIE 13.3 Ra and R1–R14, CIE 15 CCT and Duv, CIE S 026 α-opic
// quantities) beside the record's own Ra, CCT and Δuv, the figures of the
// other user groups on a tab each (cinema, horticulture, outdoor lighting),
// and the export of its spectrum as an SPDX file or as spectral irradiance
// (CSV).

#include "solvane/quality/record_quality.h"

#include <QDialog>

namespace solvane::ui {
class ElidedLabel;
}

class QGroupBox;
class QLabel;
class QTableWidget;
class QTabWidget;

namespace solvane::quality {

class LightQualityDialog : public QDialog {
  Q_OBJECT

public:
  LightQualityDialog(const RecordQuality &quality, QWidget *parent = nullptr);

  // Writes the record's spectrum to `path`; a warning box on failure.
  bool exportSpectrum(const QString &path);

  // Shows the TLMF of the record against the two-column spectrum file
  // `path`; a warning box when it cannot be read.
  bool matchWithSpectrumFile(const QString &path);

private slots:
  void on_btn_exportSpdx_clicked();
  void on_btn_exportIrradiance_clicked();

private:
  QWidget *createHeader();
  QGroupBox *createFiguresBox();
  QGroupBox *createOwnFiguresBox();
  QTableWidget *createSpecialIndexTable();
  QTableWidget *createAlphaOpicTable();
  QWidget *createShiftBars();
  QLabel *createReasons();
  // The user-group tabs (lightqualitydialog_groups.cpp).
  void addUserGroupTabs(QTabWidget *tabs);
  QWidget *createCinemaPage();
  QWidget *createHorticulturePage();
  QWidget *createOutdoorPage();
  QWidget *createSimilarityBox();
  QWidget *createExposureBox();
  QWidget *createMiredBox();
  // The TLCI and TLMF box (lightqualitydialog_television.cpp).
  QWidget *createTelevisionBox();

  RecordQuality m_quality;
  // The TLMF against a spectrum file and the file's name, once one is chosen.
  QLabel *m_tlmfFile = nullptr;
  solvane::ui::ElidedLabel *m_tlmfFileName = nullptr;
};

} // namespace solvane::quality
