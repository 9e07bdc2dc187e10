#pragma once

#include "printsettingdlg.h"
#include "spectrumfile/spectrum_file.h"
#include "uncertaintypage.h"

#include <QElapsedTimer>
#include <QList>
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <optional>

class LuxEngine;
class QPrinter;
class QTableWidget;
class RecordPlot;

namespace solvane::live {
class LiveSeries;
}

namespace Ui {
class MainWindow;
}

// The program's window: reads the records stored in the meter, lists them
// and shows the selected one in the test-item table, the intensity table and
// the plot (spectrum, or the chromaticity point on a CIE 1931 or CIE 1976
// diagram).
class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit MainWindow(QWidget *parent = nullptr);
  ~MainWindow() override;

private slots:
  void initializeWidgets();
  void on_btn_contact_clicked();
  void on_btn_about_clicked();
  void on_comboBox_ChangeLanguage(int index);
  void updatePlot(int index);
  void updatePlotSpectro(QList<float> data);
  void updatePlotCIE1931();
  void updatePlotCIE1976();
  void updateStoredItemTable(QTableWidget *table, QList<QStringList> data);
  void updateTestItemTable(QTableWidget *table, QStringList data);
  void updateIntensityTable(QTableWidget *table, QStringList data);
  void changeGraphToSpectro();
  void changeGraphToCIE1931();
  void changeGraphToCIE1976();
  void calculateItems(int dataOrdinal, double illuminance, double *intensity, int dataCount,
                      double ratio, int observer);
  void on_btn_readData_clicked();
  void on_tableWidget_storedData_cellClicked(int row, int column);
  void on_btn_export_clicked();
  void on_btn_open_clicked();
  void on_btn_print_clicked();
  void on_btn_quality_clicked();
  void print(QPrinter *printer);
  void on_comboBox_plot_currentIndexChanged(int index);
  void setPrintFormat(bool isPdf);
  void on_btn_help_clicked();
  void on_comboBox_observer_currentIndexChanged(int index);
  // Live measurement: one reading now, or a series in its own dialog; the
  // readings join the end of the record list.
  void on_btn_measure_clicked();
  void on_btn_series_clicked();
  // Two or more selected records: the Compare window against the first.
  void compareSelectedRecords();

private:
  // The record at the current index, or null when there is none.
  const QStringList *currentRecord() const;
  void showReadProgress(int recordsRead);
  // Read, Measure and Series: the buttons that start exchanges with the meter.
  void setMeterButtonsEnabled(bool enabled);
  void measurementFinished();
  // Appends live readings after the records shown and selects the first.
  void appendLiveRecords(const QList<QStringList> &taken);
  // Appends records after those shown and selects the first of them.
  void appendRecords(const QList<QStringList> &added);
  QStringList openFilters() const;
  void openSpectrum(const QString &fileName, spectrumfile::Format format);
  // Rows of the stored-data table that are selected, in the order chosen.
  QList<int> selectedRecordRows() const;
  // The selected records together on the plot while two or more are
  // selected; otherwise the single record as before.
  void showSelectionOverlay();
  void addCompareButton();
  // Keyboard: the shortcuts of the side-bar and Stored Data buttons.
  void setUpShortcuts();
  // The manual of the language shown, or the English one where it is missing.
  QString manualPath() const;
  // Draws the figures of the report's uncertainty page once, before the
  // preview opens, so that every repaint shows the same numbers. False when
  // the user cancelled the draws.
  bool prepareUncertaintyPage(const QStringList &record);

  Ui::MainWindow *ui;
  PrintSettingDlg printSettings; // one dialog for the run, so its texts stay between prints
  std::unique_ptr<RecordPlot> plot;
  std::unique_ptr<LuxEngine> meter; // the meter link for the life of the window
  QList<QStringList> records;
  int currentIndex = -1;
  bool printToPdf = false;
  // The uncertainty page of the print under way, if it has one.
  std::optional<solvane::report::ReportUncertainty> printedUncertainty;
  bool reading = false;
  QElapsedTimer progressClock; // time since the read count was last painted
  // Live readings: the one Measure is taking, and the label number of the next.
  std::unique_ptr<solvane::live::LiveSeries> measurement;
  int nextLiveOrdinal = 0;
};
