#pragma once

// The spectrometer window: connect, acquire (once or continuously), the
// three views, dark and reference, the colour figures, and saving.

#include "acquisition.h"
#include "export.h"
#include "processing.h"
#include "scan_uncertainty.h"

#include <QMainWindow>
#include <QTimer>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QwtPlot;
class QwtPlotCurve;

namespace specview {

class FiguresPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit MainWindow(QWidget *parent = nullptr);
  ~MainWindow() override;

  // What the plot shows now (x and values of the current view).
  Series shownSeries() const;
  const AcquiredFrame &lastFrame() const { return last_; }
  const DeviceInfo &deviceInfo() const { return info_; }
  bool isConnected() const { return connected_; }
  const Processing &processing() const { return processing_; }
  QString saturationWarning() const;
  // Pixels of the last frame at full scale.
  int saturatedCount() const;
  int saturatedCount(const Frame &frame) const;
  QString message() const;
  // Why the last connect failed; empty when connected.
  QString connectMessage() const;
  // The figure shown for `key` ("x", "cct", "lqRf", ...) as displayed, or
  // why figures are undefined ("reason").
  QString figureText(const QString &key) const;
  // The line under "Show uncertainty": the noise's source and the draws.
  QString uncertaintyNote() const;

  // Each writes atomically; false leaves the earlier file, and
  // errorString() says why.
  bool saveCsv(const QString &path);
  bool saveSpdx(const QString &path);
  bool savePlot(const QString &path);
  QString errorString() const { return errorString_; }

public slots:
  void connectDevice();
  void acquireOnce();
  void startContinuous();
  void stopContinuous();
  void autoIntegrate();
  void storeDark();
  void clearDark();
  void storeReference();
  void clearReference();
  // Processing::View and Processing::Mode values, as the boxes give them.
  void setView(int view);
  void setProcessedMode(int mode);

signals:
  // A frame arrived and will be shown with the next repaint.
  void frameShown();
  void integrationTimeFound(int time, bool converged);

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  QWidget *buildLanguageBox();
  QWidget *buildDeviceGroup();
  QWidget *buildAcquisitionGroup();
  QWidget *buildDarkReferenceGroup();
  QWidget *buildSaveButtons();
  QWidget *buildPlotArea();

  AcquisitionSettings settingsFromControls() const;
  void pushSettings();
  void processingChanged();
  void showDeviceInfo();
  void frameAcquired(const AcquiredFrame &frame);
  void acquisitionFailed(const QString &error);
  void busyChanged(bool busy);
  void refreshPlot();
  void refreshFigures();
  void uncertaintyToggled(bool on);
  void startUncertainty();
  void stopUncertainty(const QString &note = {});
  void uncertaintyFinished(const lightquality::UncertaintyResult &result, int scans);
  void refreshMarks();
  void showMessage(const QString &text);
  SaveContext saveContext() const;
  void saveWithDialog(const QString &title, const QString &filter, const QString &suffix,
                      bool (MainWindow::*save)(const QString &));

  Acquisition acquisition_;
  ScanUncertainty uncertainty_;
  DeviceInfo info_;
  bool connected_ = false;
  bool continuous_ = false;
  AcquiredFrame last_;
  // While the uncertainty is shown: the frame whose scans are drawn, and
  // the frame whose figures stand with the uncertainty (invalid before the
  // first result). Frames that come during a run wait, and the newest is
  // drawn next, so continuous acquisition still gets its uncertainty.
  AcquiredFrame drawnFrame_;
  AcquiredFrame shownFrame_;
  bool drawing_ = false;
  bool frameWaiting_ = false;
  Processing processing_;
  QString autoMessage_; // the automatic integration time's status message
  // Repaints at most at the screen's rate, with the newest frame.
  QTimer repaint_;

  QComboBox *deviceBox_;
  QPushButton *connectButton_;
  QLabel *deviceMessage_;
  QLabel *deviceId_;
  QLabel *deviceDetails_;
  QSpinBox *integrationTime_;
  QSpinBox *scans_;
  QSpinBox *boxcar_;
  QGroupBox *lowPass_;
  QDoubleSpinBox *passBand_;
  QDoubleSpinBox *transition_;
  QSpinBox *attenuation_;
  QPushButton *singleButton_;
  QPushButton *startButton_;
  QPushButton *autoButton_;
  QPushButton *darkButton_;
  QPushButton *referenceButton_;
  QLabel *darkState_;
  QLabel *referenceState_;
  QComboBox *viewBox_;
  QComboBox *modeBox_;
  QLabel *saturation_;
  QLabel *darkMark_;
  QLabel *message_;
  QwtPlot *plot_;
  QwtPlotCurve *curve_;
  FiguresPanel *figures_;
  QLabel *frameInfo_;
  QString errorString_;
};

} // namespace specview
