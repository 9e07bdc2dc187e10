#include "mainwindow.h"

#include "figures_panel.h"
#include "language.h"

#include "quoting/quoted_qstring.h"

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace specview {
namespace {

constexpr int kMaxScans = 1000;
constexpr int kMaxBoxcar = 50;
constexpr int kSidePanelWidth = 300;

QLabel *warningLabel() {
  auto *label = new QLabel;
  label->setWordWrap(true);
  label->setStyleSheet("QLabel { color: white; background: #b3261e; padding: 4px; "
                       "font-weight: bold; }");
  label->hide();
  return label;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {
  setWindowTitle(tr("specview - Spectrometer"));
  auto *central = new QWidget;
  auto *layout = new QHBoxLayout(central);

  auto *side = new QWidget;
  auto *sideLayout = new QVBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  sideLayout->addWidget(buildDeviceGroup());
  sideLayout->addWidget(buildAcquisitionGroup());
  sideLayout->addWidget(buildDarkReferenceGroup());
  sideLayout->addStretch();
  // Scrolls on short screens (1366 x 768 with larger fonts) instead of
  // making the window taller than the screen.
  auto *sideScroll = new QScrollArea;
  sideScroll->setWidget(side);
  sideScroll->setWidgetResizable(true);
  sideScroll->setFrameShape(QFrame::NoFrame);
  sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // As wide as its widest row needs, so that nothing is cut on the right.
  sideScroll->setFixedWidth(std::max(kSidePanelWidth, side->minimumSizeHint().width() +
                                                          sideScroll->verticalScrollBar()
                                                              ->sizeHint()
                                                              .width()));
  layout->addWidget(sideScroll);
  layout->addWidget(buildPlotArea(), 1);
  figures_ = new FiguresPanel;
  figures_->setScans(scans_->value());
  layout->addWidget(figures_);
  setCentralWidget(central);
  statusBar()->showMessage(tr("Not connected"));
  // The newest frame's time, integration time and peak stay in view beside
  // the passing messages.
  frameInfo_ = new QLabel;
  statusBar()->addPermanentWidget(frameInfo_);
  statusBar()->addPermanentWidget(buildLanguageBox());

  connect(figures_, &FiguresPanel::uncertaintyToggled, this, &MainWindow::uncertaintyToggled);
  connect(&uncertainty_, &ScanUncertainty::progressed, figures_, &FiguresPanel::showProgress);
  connect(&uncertainty_, &ScanUncertainty::finished, this, &MainWindow::uncertaintyFinished);
  connect(&uncertainty_, &ScanUncertainty::failed, this,
          [this](const QString &error) { stopUncertainty(error); });
  connect(&acquisition_, &Acquisition::frameAcquired, this, &MainWindow::frameAcquired);
  connect(&acquisition_, &Acquisition::failed, this, &MainWindow::acquisitionFailed);
  connect(&acquisition_, &Acquisition::busyChanged, this, &MainWindow::busyChanged);
  connect(&acquisition_, &Acquisition::integrationTimeFound, this, [this](int time, bool ok) {
    integrationTime_->setValue(time);
    emit integrationTimeFound(time, ok);
    autoMessage_ = ok ? tr("Integration time %1: peak at about 80 % of full scale")
                            .arg(millisecondsText(time))
                      : tr("Integration time %1: 80 % of full scale not reached "
                           "within the limits")
                            .arg(millisecondsText(time));
    statusBar()->showMessage(autoMessage_);
  });
  // The automatic time's message holds only while that time is set.
  connect(integrationTime_, qOverload<int>(&QSpinBox::valueChanged), this, [this] {
    if (!autoMessage_.isEmpty() && statusBar()->currentMessage() == autoMessage_) {
      statusBar()->clearMessage();
    }
  });

  const QScreen *screen = QGuiApplication::primaryScreen();
  const double hz = screen != nullptr && screen->refreshRate() > 0 ? screen->refreshRate() : 60;
  repaint_.setInterval(static_cast<int>(std::ceil(1000.0 / hz)));
  repaint_.setSingleShot(true);
  connect(&repaint_, &QTimer::timeout, this, [this] {
    refreshPlot();
    refreshFigures();
    refreshMarks();
  });
  busyChanged(false);
}

MainWindow::~MainWindow() = default;

QWidget *MainWindow::buildLanguageBox() {
  auto *box = new QComboBox;
  box->addItems({QStringLiteral("简体中文"), QStringLiteral("繁體中文"), QStringLiteral("English")});
  box->setCurrentIndex(language::kCodes.indexOf(language::current()));
  connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
    statusBar()->showMessage(language::store(language::kCodes.value(index))
                                 ? tr("The language changes at the next start.")
                                 : tr("The language could not be stored in the settings."));
  });
  return box;
}

QWidget *MainWindow::buildDeviceGroup() {
  auto *group = new QGroupBox(tr("Device"));
  auto *form = new QFormLayout(group);
  deviceBox_ = new QComboBox;
  connectButton_ = new QPushButton(tr("Connect"));
  connectButton_->setObjectName("btn_connect");
  connect(connectButton_, &QPushButton::clicked, this, &MainWindow::connectDevice);
  auto *row = new QHBoxLayout;
  row->addWidget(deviceBox_, 1);
  row->addWidget(connectButton_);
  form->addRow(tr("Device"), row);
  deviceMessage_ = warningLabel();
  form->addRow(deviceMessage_);
  deviceId_ = new QLabel(QStringLiteral("-"));
  deviceId_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(tr("Identifier"), deviceId_);
  deviceDetails_ = new QLabel;
  deviceDetails_->setWordWrap(true);
  deviceDetails_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(deviceDetails_);
  return group;
}

QWidget *MainWindow::buildAcquisitionGroup() {
  auto *group = new QGroupBox(tr("Acquisition"));
  auto *form = new QFormLayout(group);
  integrationTime_ = new QSpinBox;
  integrationTime_->setRange(1, kMaxIntegrationTime);
  integrationTime_->setSuffix(QStringLiteral(" ms"));
  integrationTime_->setValue(100);
  integrationTime_->setProperty("settingName", "time");
  autoButton_ = new QPushButton(tr("Auto"));
  autoButton_->setToolTip(tr("Find the time that puts the peak at about 80 % of full scale"));
  connect(autoButton_, &QPushButton::clicked, this, &MainWindow::autoIntegrate);
  auto *timeRow = new QHBoxLayout;
  timeRow->addWidget(integrationTime_, 1);
  timeRow->addWidget(autoButton_);
  form->addRow(tr("Integration time"), timeRow);
  scans_ = new QSpinBox;
  scans_->setRange(1, kMaxScans);
  scans_->setProperty("settingName", "scans");
  form->addRow(tr("Scans to average"), scans_);
  boxcar_ = new QSpinBox;
  boxcar_->setRange(0, kMaxBoxcar);
  boxcar_->setValue(1);
  boxcar_->setProperty("settingName", "boxcar");
  boxcar_->setToolTip(tr("0: the counts at the pixel wavelengths, not resampled to 1 nm"));
  form->addRow(tr("Boxcar width (nm)"), boxcar_);

  lowPass_ = new QGroupBox(tr("Low-pass filter"));
  lowPass_->setObjectName("lowPass");
  lowPass_->setCheckable(true);
  lowPass_->setChecked(false);
  auto *lowPassForm = new QFormLayout(lowPass_);
  const LowPassSettings defaults;
  passBand_ = new QDoubleSpinBox;
  passBand_->setDecimals(3);
  passBand_->setRange(0.001, 0.5);
  passBand_->setSingleStep(0.005);
  passBand_->setValue(defaults.passBand);
  lowPassForm->addRow(tr("Pass band (1/nm)"), passBand_);
  transition_ = new QDoubleSpinBox;
  transition_->setDecimals(3);
  transition_->setRange(0.005, 0.5);
  transition_->setSingleStep(0.005);
  transition_->setValue(defaults.transition);
  lowPassForm->addRow(tr("Transition (1/nm)"), transition_);
  attenuation_ = new QSpinBox;
  attenuation_->setRange(1, 120);
  attenuation_->setValue(defaults.attenuation);
  lowPassForm->addRow(tr("Attenuation (dB)"), attenuation_);
  form->addRow(lowPass_);

  singleButton_ = new QPushButton(tr("Single"));
  connect(singleButton_, &QPushButton::clicked, this, &MainWindow::acquireOnce);
  startButton_ = new QPushButton(tr("Start"));
  connect(startButton_, &QPushButton::clicked, this,
          [this] { continuous_ ? stopContinuous() : startContinuous(); });
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(singleButton_);
  buttons->addWidget(startButton_);
  form->addRow(buttons);

  connect(integrationTime_, qOverload<int>(&QSpinBox::valueChanged), this,
          &MainWindow::pushSettings);
  // The uncertainty switch follows the scans before the settings do, which
  // read it.
  connect(scans_, qOverload<int>(&QSpinBox::valueChanged), this, [this](int scans) {
    figures_->setScans(scans);
    pushSettings();
  });
  // The filter's parameters change the processing only while it is on.
  const auto filterChanged = [this] { lowPass_->isChecked() ? processingChanged() : pushSettings(); };
  connect(attenuation_, qOverload<int>(&QSpinBox::valueChanged), this, filterChanged);
  for (QDoubleSpinBox *box : {passBand_, transition_}) {
    connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, filterChanged);
  }
  connect(boxcar_, qOverload<int>(&QSpinBox::valueChanged), this, &MainWindow::processingChanged);
  connect(lowPass_, &QGroupBox::toggled, this, &MainWindow::processingChanged);
  return group;
}

QWidget *MainWindow::buildDarkReferenceGroup() {
  auto *group = new QGroupBox(tr("Dark and reference"));
  auto *grid = new QFormLayout(group);
  darkButton_ = new QPushButton(tr("Store dark"));
  connect(darkButton_, &QPushButton::clicked, this, &MainWindow::storeDark);
  auto *clearDarkButton = new QPushButton(tr("Clear"));
  connect(clearDarkButton, &QPushButton::clicked, this, &MainWindow::clearDark);
  auto *darkRow = new QHBoxLayout;
  darkRow->addWidget(darkButton_, 1);
  darkRow->addWidget(clearDarkButton);
  grid->addRow(darkRow);
  darkState_ = new QLabel;
  grid->addRow(darkState_);
  referenceButton_ = new QPushButton(tr("Store reference"));
  connect(referenceButton_, &QPushButton::clicked, this, &MainWindow::storeReference);
  auto *clearReferenceButton = new QPushButton(tr("Clear"));
  connect(clearReferenceButton, &QPushButton::clicked, this, &MainWindow::clearReference);
  auto *referenceRow = new QHBoxLayout;
  referenceRow->addWidget(referenceButton_, 1);
  referenceRow->addWidget(clearReferenceButton);
  grid->addRow(referenceRow);
  referenceState_ = new QLabel;
  grid->addRow(referenceState_);
  return group;
}

// The save buttons stand above the plot, in view on any screen.
QWidget *MainWindow::buildSaveButtons() {
  auto *group = new QWidget;
  auto *row = new QHBoxLayout(group);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(tr("Save")));
  auto *csv = new QPushButton(tr("CSV..."));
  csv->setObjectName("btn_saveCsv");
  connect(csv, &QPushButton::clicked, this, [this] {
    saveWithDialog(tr("Save the shown spectrum"), tr("CSV file (*.csv)"), "csv",
                   &MainWindow::saveCsv);
  });
  auto *spdx = new QPushButton(tr("SPDX..."));
  connect(spdx, &QPushButton::clicked, this, [this] {
    saveWithDialog(tr("Save the 380-779 nm spectrum"), tr("SPDX file (*.spdx *.xml)"), "spdx",
                   &MainWindow::saveSpdx);
  });
  auto *png = new QPushButton(tr("Plot PNG..."));
  connect(png, &QPushButton::clicked, this, [this] {
    saveWithDialog(tr("Save the plot"), tr("PNG image (*.png)"), "png", &MainWindow::savePlot);
  });
  row->addWidget(csv);
  row->addWidget(spdx);
  row->addWidget(png);
  return group;
}

QWidget *MainWindow::buildPlotArea() {
  auto *area = new QWidget;
  auto *layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  auto *bar = new QHBoxLayout;
  viewBox_ = new QComboBox;
  viewBox_->addItems({tr("Raw counts"), tr("Processed intensity"), tr("Spectrum 380-779 nm")});
  viewBox_->setCurrentIndex(processing_.view());
  connect(viewBox_, qOverload<int>(&QComboBox::currentIndexChanged), this, &MainWindow::setView);
  modeBox_ = new QComboBox;
  modeBox_->addItems({tr("Intensity"), tr("Transmission (%)"), tr("Absorbance")});
  connect(modeBox_, qOverload<int>(&QComboBox::currentIndexChanged), this,
          &MainWindow::setProcessedMode);
  bar->addWidget(new QLabel(tr("View")));
  bar->addWidget(viewBox_);
  bar->addWidget(modeBox_);
  darkMark_ = new QLabel(tr("Dark subtracted"));
  darkMark_->setStyleSheet("QLabel { color: white; background: #1a5fb4; padding: 2px 6px; }");
  darkMark_->hide();
  bar->addWidget(darkMark_);
  bar->addStretch();
  bar->addWidget(buildSaveButtons());
  layout->addLayout(bar);
  saturation_ = warningLabel();
  layout->addWidget(saturation_);
  message_ = warningLabel();
  layout->addWidget(message_);

  plot_ = new QwtPlot;
  plot_->setCanvasBackground(Qt::white);
  plot_->setMinimumSize(420, 300);
  auto *grid = new QwtPlotGrid;
  grid->setMajorPen(QColor(220, 220, 220), 0, Qt::DotLine);
  grid->attach(plot_);
  curve_ = new QwtPlotCurve;
  curve_->setPen(QColor(26, 95, 180), 1.5);
  curve_->setRenderHint(QwtPlotItem::RenderAntialiased);
  curve_->attach(plot_);
  layout->addWidget(plot_, 1);
  return area;
}

AcquisitionSettings MainWindow::settingsFromControls() const {
  AcquisitionSettings settings;
  settings.integrationTime = integrationTime_->value();
  settings.scans = scans_->value();
  settings.boxcar = boxcar_->value();
  settings.lowPass.enabled = lowPass_->isChecked();
  settings.lowPass.passBand = passBand_->value();
  settings.lowPass.transition = transition_->value();
  settings.lowPass.attenuation = attenuation_->value();
  settings.keepScans = figures_->uncertaintyWanted();
  return settings;
}

void MainWindow::pushSettings() {
  acquisition_.setSettings(settingsFromControls());
}

// Dark and reference belong to one processing: a new boxcar or filter
// makes them meaningless.
void MainWindow::processingChanged() {
  pushSettings();
  if (processing_.processingChanged()) {
    modeBox_->setCurrentIndex(Processing::Intensity);
    showMessage(tr("The processing changed: the dark and the reference were cleared."));
  }
  refreshMarks();
}

void MainWindow::connectDevice() {
  if (acquisition_.isBusy()) {
    return;
  }
  const int count = specview::deviceCount();
  const int chosen = std::max(deviceBox_->currentIndex(), 0);
  deviceBox_->clear();
  for (int i = 0; i < count; ++i) {
    deviceBox_->addItem(tr("Spectrometer %1").arg(i));
  }
  deviceBox_->setCurrentIndex(std::min(chosen, std::max(count - 1, 0)));
  QString error;
  connected_ = specview::connectDevice(std::max(deviceBox_->currentIndex(), 0), &info_, &error);
  if (connected_) {
    deviceMessage_->hide();
    connectButton_->setText(tr("Connect"));
    integrationTime_->setRange(info_.shortestIntegrationTime(), kMaxIntegrationTime);
    pushSettings();
    statusBar()->showMessage(tr("Connected to %1").arg(quoting::quotedText(info_.id)));
  } else {
    deviceMessage_->setText(error);
    deviceMessage_->show();
    connectButton_->setText(tr("Retry"));
    statusBar()->showMessage(tr("Not connected"));
  }
  showDeviceInfo();
  busyChanged(false);
}

void MainWindow::showDeviceInfo() {
  if (!connected_) {
    deviceId_->setText(QStringLiteral("-"));
    deviceDetails_->clear();
    return;
  }
  deviceId_->setText(quoting::quotedText(info_.id));
  const QStringList texts = info_.texts;
  deviceDetails_->setText(
      tr("Model %1, serial %2\nFirmware %3\nDetector %4, %5 pixels, %6 bits\n"
         "Range %7-%8 nm, %9 dark pixels\nCalibrated %10, shortest time %11")
          .arg(texts.value(0), texts.value(1), texts.value(2), texts.value(3))
          .arg(info_.pixelCount)
          .arg(info_.adcBits)
          .arg(info_.firstNm)
          .arg(info_.lastNm)
          .arg(info_.darkPixels)
          .arg(texts.value(4))
          .arg(millisecondsText(info_.minIntegrationTime)));
}

void MainWindow::acquireOnce() {
  if (!connected_) {
    return;
  }
  message_->hide();
  pushSettings();
  acquisition_.acquireOnce();
}

void MainWindow::startContinuous() {
  if (!connected_ || acquisition_.isBusy()) {
    return;
  }
  message_->hide();
  pushSettings();
  continuous_ = true;
  acquisition_.start();
}

void MainWindow::stopContinuous() {
  acquisition_.stop();
}

void MainWindow::autoIntegrate() {
  if (!connected_) {
    return;
  }
  message_->hide();
  pushSettings();
  acquisition_.autoIntegrate(info_.fullScale(),
                             {info_.shortestIntegrationTime(), kMaxIntegrationTime});
}

void MainWindow::busyChanged(bool busy) {
  if (!busy) {
    continuous_ = false;
  }
  startButton_->setText(continuous_ ? tr("Stop") : tr("Start"));
  startButton_->setEnabled(connected_ && (continuous_ || !busy));
  singleButton_->setEnabled(connected_ && !busy);
  autoButton_->setEnabled(connected_ && !busy);
  connectButton_->setEnabled(!busy);
  deviceBox_->setEnabled(!busy);
  darkButton_->setEnabled(last_.frame.isValid());
  referenceButton_->setEnabled(last_.frame.isValid());
}

void MainWindow::frameAcquired(const AcquiredFrame &frame) {
  last_ = frame;
  if (!figures_->uncertaintyWanted()) {
    stopUncertainty();
  } else if (drawing_) {
    frameWaiting_ = true; // drawn when the run ends; its figures show then
  } else {
    // A frame that finds no run going shows its own figures at once, and
    // its uncertainty when drawn.
    shownFrame_ = {};
    figures_->clearUncertainty();
    startUncertainty();
  }
  if (!repaint_.isActive()) {
    repaint_.start();
  }
  darkButton_->setEnabled(true);
  referenceButton_->setEnabled(true);
  emit frameShown();
}

void MainWindow::acquisitionFailed(const QString &error) {
  const bool wasRunning = continuous_;
  showMessage(wasRunning ? tr("Continuous acquisition stopped: %1 The last good spectrum stays "
                              "on screen.")
                               .arg(error)
                         : error);
  statusBar()->showMessage(tr("Acquisition failed"));
}

void MainWindow::showMessage(const QString &text) {
  message_->setText(text);
  message_->setVisible(!text.isEmpty());
}

QString MainWindow::connectMessage() const {
  return connected_ ? QString() : deviceMessage_->text();
}

QString MainWindow::message() const {
  return message_->isHidden() ? QString() : message_->text();
}

void MainWindow::storeDark() {
  if (processing_.storeDark(last_.frame)) {
    refreshPlot();
    refreshMarks();
  }
}

void MainWindow::clearDark() {
  processing_.clearDark();
  refreshPlot();
  refreshMarks();
}

void MainWindow::storeReference() {
  if (processing_.storeReference(last_.frame)) {
    refreshMarks();
    refreshPlot();
  }
}

void MainWindow::clearReference() {
  processing_.clearReference();
  modeBox_->setCurrentIndex(processing_.mode());
  refreshMarks();
  refreshPlot();
}

void MainWindow::setView(int view) {
  processing_.setView(static_cast<Processing::View>(view));
  if (viewBox_->currentIndex() != view) {
    viewBox_->setCurrentIndex(view);
  }
  refreshMarks();
  refreshPlot();
}

void MainWindow::setProcessedMode(int mode) {
  if (!processing_.setMode(static_cast<Processing::Mode>(mode))) {
    showMessage(tr("Store a reference first: transmission and absorbance are measured against it."));
    modeBox_->setCurrentIndex(processing_.mode());
    return;
  }
  if (modeBox_->currentIndex() != mode) {
    modeBox_->setCurrentIndex(mode);
  }
  refreshPlot();
}

Series MainWindow::shownSeries() const {
  return processing_.shownSeries(last_.frame);
}

void MainWindow::refreshPlot() {
  const Series series = shownSeries();
  curve_->setSamples(series.x, series.values);
  QString xTitle = tr("Wavelength (nm)");
  QString yTitle = tr("Intensity (counts)");
  const Processing::View view = processing_.view();
  if (view == Processing::RawCounts) {
    xTitle = tr("Pixel (2048-2063: dark pixels)");
    yTitle = tr("Counts");
  } else if (view == Processing::ProcessedIntensity &&
             processing_.mode() == Processing::Transmission) {
    yTitle = tr("Transmission (%)");
  } else if (view == Processing::ProcessedIntensity &&
             processing_.mode() == Processing::Absorbance) {
    yTitle = tr("Absorbance");
  } else if (view == Processing::CalibratedSpectrum) {
    yTitle = tr("Spectral intensity (relative)");
  }
  plot_->setAxisTitle(QwtPlot::xBottom, xTitle);
  plot_->setAxisTitle(QwtPlot::yLeft, yTitle);
  if (view == Processing::RawCounts && connected_) {
    plot_->setAxisScale(QwtPlot::yLeft, 0, info_.fullScale() * 1.05);
  } else {
    plot_->setAxisAutoScale(QwtPlot::yLeft);
  }
  if (series.x.isEmpty()) {
    plot_->setAxisAutoScale(QwtPlot::xBottom);
  } else {
    plot_->setAxisScale(QwtPlot::xBottom, series.x.first(), series.x.last());
  }
  plot_->replot();
}

// An uncertainty stands only beside the figures of the frame it was drawn
// for: while a newer frame waits for its draws, the panel keeps the older
// frame's figures and says so.
void MainWindow::refreshFigures() {
  const bool older = shownFrame_.frame.isValid() && drawing_;
  const AcquiredFrame &shown = shownFrame_.frame.isValid() ? shownFrame_ : last_;
  figures_->show(shown.figures, saturatedCount(shown.frame) > 0);
  figures_->setOlderFrame(older ? shownFrame_.frame.time.toString("hh:mm:ss.zzz") : QString());
}

QString MainWindow::figureText(const QString &key) const {
  return figures_->text(key);
}

QString MainWindow::uncertaintyNote() const {
  return figures_->uncertaintyNote();
}

// The scans are read only while the uncertainty is wanted: switching it on
// takes effect with the next frame.
void MainWindow::uncertaintyToggled(bool on) {
  pushSettings();
  if (on) {
    startUncertainty();
  } else {
    stopUncertainty();
  }
}

// The newest frame's scans are drawn; the figures shown keep the last
// result until this run ends.
void MainWindow::startUncertainty() {
  const Frame &frame = last_.frame;
  if (frame.scanSpectra.size() < lightquality::kMinimumRepeatedScans) {
    stopUncertainty(tr("The uncertainty follows with the next frame, from its scans."));
    return;
  }
  drawnFrame_ = last_;
  drawing_ = true;
  frameWaiting_ = false;
  figures_->showProgress(0, ScanUncertainty::kDraws);
  uncertainty_.start(frame.scanSpectra);
}

void MainWindow::stopUncertainty(const QString &note) {
  uncertainty_.stop();
  drawing_ = frameWaiting_ = false;
  const bool olderShown = shownFrame_.frame.isValid();
  drawnFrame_ = shownFrame_ = {};
  figures_->clearUncertainty(note);
  if (olderShown) {
    refreshFigures(); // back to the newest frame's figures
  }
}

void MainWindow::uncertaintyFinished(const lightquality::UncertaintyResult &result, int scans) {
  drawing_ = false;
  shownFrame_ = drawnFrame_;
  figures_->showUncertainty(result, scans);
  if (frameWaiting_) {
    startUncertainty();
  }
  refreshFigures();
}

int MainWindow::saturatedCount() const {
  return saturatedCount(last_.frame);
}

int MainWindow::saturatedCount(const Frame &frame) const {
  return frame.isValid() ? saturatedPixels(frame.pixels, info_.fullScale()) : 0;
}

void MainWindow::refreshMarks() {
  const Frame &frame = last_.frame;
  const int saturated = saturatedCount();
  saturation_->setText(saturated > 0 ? tr("Saturated: %n pixel(s) at full scale (%1 counts). "
                                          "Shorten the integration time.",
                                          nullptr, saturated)
                                           .arg(info_.fullScale())
                                     : QString());
  saturation_->setVisible(saturated > 0);
  darkMark_->setVisible(processing_.darkShown());
  // Counts follow the integration time: the labels say which time each was taken at.
  darkState_->setText(
      processing_.hasDark()
          ? tr("Dark of integration time %1, subtracted")
                .arg(millisecondsText(processing_.darkTime()))
          : tr("No dark"));
  referenceState_->setText(
      processing_.hasReference()
          ? tr("Reference of integration time %1")
                .arg(millisecondsText(processing_.referenceTime()))
          : tr("No reference"));
  modeBox_->setEnabled(processing_.view() == Processing::ProcessedIntensity);
  if (frame.isValid()) {
    frameInfo_->setText(tr("%1  integration time %2, peak %3 counts")
                            .arg(frame.time.toString("HH:mm:ss.zzz"))
                            .arg(millisecondsText(frame.integrationTime))
                            .arg(frame.peakCount()));
  }
}

QString MainWindow::saturationWarning() const {
  return saturation_->isHidden() ? QString() : saturation_->text();
}

SaveContext MainWindow::saveContext() const {
  SaveContext context;
  context.time = last_.frame.time;
  context.deviceId = info_.id;
  context.integrationTime = last_.frame.integrationTime;
  const AcquisitionSettings settings = settingsFromControls();
  context.scans = settings.scans;
  context.boxcar = settings.boxcar;
  context.darkSubtracted = processing_.darkShown();
  context.referenceStored = processing_.hasReference();
  context.view = viewBox_->currentText();
  if (processing_.view() == Processing::ProcessedIntensity) {
    context.view += " / " + modeBox_->currentText();
  }
  context.xColumn = processing_.view() == Processing::RawCounts ? "pixel" : "wavelength";
  context.valueColumn = "value";
  context.saturatedPixels = saturatedCount();
  context.fullScale = info_.fullScale();
  return context;
}

bool MainWindow::saveCsv(const QString &path) {
  if (!last_.frame.isValid()) {
    errorString_ = tr("There is no spectrum to save yet.");
    return false;
  }
  return specview::saveCsv(path, saveContext(), shownSeries(), &errorString_);
}

bool MainWindow::saveSpdx(const QString &path) {
  if (!last_.frame.isValid()) {
    errorString_ = tr("There is no spectrum to save yet.");
    return false;
  }
  const Frame &frame = last_.frame;
  return specview::saveSpdx(path, saveContext(), calibratedSpectrum(frame), &errorString_);
}

bool MainWindow::savePlot(const QString &path) {
  const QImage image = plot_->grab().toImage();
  QSaveFile file(path);
  QImageWriter writer(&file, "png");
  if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit()) {
    errorString_ = tr("cannot write the PNG image: %1: %2")
                       .arg(path, file.error() != QFileDevice::NoError ? file.errorString()
                                                                       : writer.errorString());
    return false;
  }
  return true;
}

void MainWindow::saveWithDialog(const QString &title, const QString &filter,
                                const QString &suffix,
                                bool (MainWindow::*save)(const QString &)) {
  // Said before the dialog, so that nobody picks a file for nothing.
  if (!last_.frame.isValid()) {
    showMessage(tr("There is no spectrum to save yet."));
    return;
  }
  QFileDialog dialog(this, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return;
  }
  const QString path = dialog.selectedFiles().constFirst();
  if ((this->*save)(path)) {
    statusBar()->showMessage(tr("Saved %1").arg(quoting::quotedText(path)));
  } else {
    showMessage(errorString_);
  }
}

void MainWindow::closeEvent(QCloseEvent *event) {
  acquisition_.stop();
  QMainWindow::closeEvent(event);
}

} // namespace specview
