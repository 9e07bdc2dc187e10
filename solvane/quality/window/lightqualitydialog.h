#pragma once

// The Light quality window of one measurement record: the standard figures
// (CIE 2017 / TM-30 Rf and Rg with the colour vector graphic and the hue-bin
// shifts, CIE 13.3 Ra and R1–R14, CIE 15 CCT and Duv, CIE S 026 α-opic
// quantities) beside the record's own Ra, CCT and Δuv, the figures of the
// other user groups on a tab each (cinema, horticulture, outdoor lighting),
// and the export of its spectrum as an SPDX file or as spectral irradiance
// (CSV).

#include "solvane/quality/record_quality.h"

#include "lightquality/figure_table.h"
#include "lightquality/uncertainty.h"

#include <QDialog>

#include <functional>
#include <vector>

class QGridLayout;

namespace solvane::ui {
class ElidedLabel;
}

class QGroupBox;
class QLabel;
class QTableWidget;
class QTabWidget;

namespace solvane::quality {

class UncertaintyPanel;

class LightQualityDialog : public QDialog {
  Q_OBJECT

public:
  LightQualityDialog(const RecordQuality &quality, QWidget *parent = nullptr);

  // Writes the record's spectrum to `path`; a warning box on failure.
  bool exportSpectrum(const QString &path);

  // Shows the TLMF of the record against the two-column spectrum file
  // `path`; a warning box when it cannot be read.
  bool matchWithSpectrumFile(const QString &path);
  UncertaintyPanel *uncertaintyPanel() const { return m_uncertainty; }

private slots:
  void on_btn_exportSpdx_clicked();
  void on_btn_exportIrradiance_clicked();
  // Each marked figure with its uncertainty, or as plain as before when
  // `result` holds none.
  void showUncertainty(const lightquality::UncertaintyResult &result);

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

  // A figure shown somewhere in the window that gets its uncertainty
  // beside it: its row among lightquality::uncertainFigures(), its text
  // without, its decimals, and how to set a new text.
  struct UncertaintyMark {
    std::size_t figure;
    QString plain;
    int decimals;
    std::function<void(const QString &)> show;
  };
  // Marks element `element` of a table row, when it has an uncertainty.
  void addMark(const lightquality::Figure &row, int element,
               std::function<void(const QString &)> show, const QString &plain);
  void markLabel(QLabel *label, const lightquality::Figure &row);
  void markCell(QTableWidget *table, int tableRow, int column, const lightquality::Figure &row,
                int element);
  // addFigureRow() with the figure marked.
  void addMarkedFigureRow(QGridLayout *grid, const lightquality::Figure &row,
                          const lightquality::FigureSource &source, const QString &objectName);

  RecordQuality m_quality;
  // The TLMF against a spectrum file and the file's name, once one is chosen.
  QLabel *m_tlmfFile = nullptr;
  solvane::ui::ElidedLabel *m_tlmfFileName = nullptr;
  UncertaintyPanel *m_uncertainty;
  std::vector<UncertaintyMark> m_marks;
};

} // namespace solvane::quality
