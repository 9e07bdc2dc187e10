// The spectrometer window on the simulated spectrometer, offscreen: what it
// shows equals what specsdk's C calls give, and dark, reference,
// saturation, automatic integration, a failing device and saving behave as
// a user relies on.

#include "figures.h"
#include "language.h"
#include "mainwindow.h"

#include "tesselusb/sim_loader.h"

#include <specsdk.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <array>
#include <cmath>
#include <vector>

using specview::MainWindow;

namespace {

// The simulated instrument that specsdk loaded: opening it by its bare
// name hands back the same copy.
struct Simulator : simtest::SimControls {
  bool load(const QByteArray &json) const { return loadState(json.constData()) == 1; }
  bool load(const QJsonObject &state) const {
    return load(QJsonDocument(state).toJson(QJsonDocument::Compact));
  }
  int reads(std::uint32_t command) const {
    int count = 0;
    for (const TsimExchange &exchange : log()) {
      count += QByteArray(exchange.entry) == "CmdRead" && exchange.command == command;
    }
    return count;
  }
};

const Simulator &sim() {
  static const Simulator simulator;
  return simulator;
}

QJsonObject spectrometer(const QJsonObject &more = {}) {
  QJsonObject state{{"device", "spectrometer"}};
  for (auto it = more.begin(); it != more.end(); ++it) {
    state.insert(it.key(), it.value());
  }
  return state;
}

QJsonArray flat(int count, int value) {
  QJsonArray values;
  for (int i = 0; i < count; ++i) {
    values.append(value);
  }
  return values;
}

// A frame whose signal scales with the integration time: one peak pixel of
// 40500 counts over a dark level of 500 at time 100, the rest 1500.
QJsonObject exposedFrame(int peak = 40500) {
  QJsonArray pixels = flat(specview::kPixels, 1500);
  pixels[1000] = peak;
  return spectrometer({{"pixels", pixels},
                       {"dark", flat(specview::kDarkPixels, 500)},
                       {"pixels_integration_time", 100}});
}

// How long 10,000 draws may take: well under a second in a release build,
// half a minute or more under the sanitizers with other tests running.
constexpr int kDrawsTimeout = 180000; // ms

std::vector<float> cIntensity(int scans, int boxcar) {
  std::vector<float> values(specview::kPixels), wavelengths(specview::kPixels);
  if (GetIntensity(values.data(), wavelengths.data(), scans, 0, boxcar, 0, 0, 0) != 0) {
    qFatal("GetIntensity failed");
  }
  return values;
}

} // namespace

class TestWindow : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<MainWindow> window;

  void acquire() {
    QSignalSpy shown(window.get(), &MainWindow::frameShown);
    window->acquireOnce();
    QVERIFY(shown.wait(10000));
    QTRY_VERIFY(window->findChild<QPushButton *>("btn_connect")->isEnabled());
  }

  void setSpin(const QString &label, int value) {
    for (QSpinBox *box : window->findChildren<QSpinBox *>()) {
      if (box->property("settingName").toString() == label) {
        box->setValue(value);
        return;
      }
    }
    QFAIL(qPrintable("no spin box " + label));
  }

private slots:
  void init() {
    QVERIFY(sim().load(spectrometer()));
    window = std::make_unique<MainWindow>();
    window->connectDevice();
    QVERIFY2(window->isConnected(), qPrintable(window->message()));
  }

  void cleanup() { window.reset(); }

  void connectShowsTheDeviceOrSaysWhyNot() {
    QCOMPARE(window->deviceInfo().id, QString("SP2048-0000123"));
    QCOMPARE(window->deviceInfo().texts.value(0), QString("SP2048"));
    QCOMPARE(window->deviceInfo().fullScale(), 65535);
    QCOMPARE(window->windowTitle().contains("Spectrometer"), true);

    // A state the simulator refuses answers nothing: no spectrometer at all.
    QVERIFY(!sim().load(QByteArray(R"({"device": "spectrometer", "pixels": [1]})")));
    window->connectDevice();
    QVERIFY(!window->isConnected());
    auto *connect = window->findChild<QPushButton *>("btn_connect");
    QCOMPARE(connect->text(), QString("Retry"));
    QCOMPARE(window->connectMessage(), QString("No spectrometer is connected."));

    // The meter answers the device list but not as a spectrometer.
    QVERIFY(sim().load(QJsonObject{{"device", "meter"}}));
    connect->click();
    QVERIFY(!window->isConnected());
    QVERIFY(window->connectMessage().startsWith("The attached device is a light meter, not a "
                                                "spectrometer"));

    QVERIFY(sim().load(spectrometer()));
    connect->click();
    QVERIFY(window->isConnected());
    QCOMPARE(connect->text(), QString("Connect"));
  }

  void noUsbLibraryIsSaidClearly() {
    // specsdk alone in a folder finds no USB library beside it.
    QTemporaryDir alone;
    const QString probe = alone.filePath("probe");
    QVERIFY(QFile::copy(SPECVIEW_CONNECT_PROBE, probe));
    QVERIFY(QFile::copy(SPECSDK_LIBRARY_FILE, alone.filePath(SPECSDK_LIBRARY_SONAME)));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LD_LIBRARY_PATH");
    process.setProcessEnvironment(environment);
    process.start(probe, QStringList());
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
             QString("The USB access library is missing or incomplete, so no spectrometer can "
                     "be reached."));
  }

  void acquireOnceShowsEveryViewAsTheSdkGivesIt() {
    acquire();
    std::array<int, specview::kPixels> pixels{};
    std::array<int, specview::kDarkPixels> dark{};
    QCOMPARE(GetOrgIntesnsity(pixels.data(), dark.data()), 0);
    std::array<int, specview::kSpectrumPoints> nm{}, spectrum{};
    QCOMPARE(QSP_SpectrometerDataAcquire(nm.data(), spectrum.data()), 0);

    window->setView(specview::Processing::RawCounts);
    specview::Series raw = window->shownSeries();
    QCOMPARE(raw.values.size(), specview::kPixels + specview::kDarkPixels);
    QCOMPARE(raw.values[5], double(pixels[5]));
    QCOMPARE(raw.values[specview::kPixels + 3], double(dark[3]));

    window->setView(specview::Processing::CalibratedSpectrum);
    const specview::Series calibrated = window->shownSeries();
    QCOMPARE(calibrated.x.first(), 380.0);
    QCOMPARE(calibrated.x.last(), 779.0);
    for (int i = 0; i < specview::kSpectrumPoints; i += 37) {
      QCOMPARE(calibrated.values[i], spectrum[static_cast<std::size_t>(i)] / 10000.0);
    }

    // The figures: those of the SDK's colour exports over the same spectrum.
    std::vector<float> values(calibrated.values.begin(), calibrated.values.end());
    double X, Y, Z, x, y, u, v, cct;
    QSP_ColorGetXYZ(values.data(), specview::kSpectrumPoints, &X, &Y, &Z);
    GetCIE1931XY(X, Y, Z, &x, &y);
    GetCIE1960XY(X, Y, Z, &u, &v);
    QSP_ColorGetCCT(u, v, &cct);
    QTRY_COMPARE(window->figureText("x"), QString::number(x, 'f', 4));
    QCOMPARE(window->figureText("v"), QString::number(1.5 * v, 'f', 4));
    QCOMPARE(window->figureText("cct"), QString::number(cct, 'f', 0));
    // lightquality finds the same light within the SDK's 5 K grid and more.
    QVERIFY(std::abs(window->figureText("lqCct").toDouble() - cct) < 0.05 * cct);
    QVERIFY(window->figureText("lqRf") != "n/a");
    // The television figures of the same light, the TLCI on its own locus.
    const lightquality::TelevisionFigures tv = window->lastFrame().figures.quality.userGroups.television;
    QCOMPARE(window->figureText("lqTlci"), QString::number(tv.tlci.qa, 'f', 1));
    QCOMPARE(window->figureText("lqTlmfD65"), QString::number(tv.tlmfD65.qa, 'f', 1));
    QCOMPARE(window->figureText("reason").contains("further than d = 1"), tv.tlci.caution());
  }

  void figuresOfDarknessAreUndefinedWithTheReason() {
    QJsonObject darkness = exposedFrame();
    darkness["pixels"] = flat(specview::kPixels, 500); // every pixel at the dark level
    QVERIFY(sim().load(darkness));
    acquire();
    QTRY_COMPARE(window->figureText("cct"), QString("n/a"));
    QCOMPARE(window->figureText("x"), QString("n/a"));
    QCOMPARE(window->figureText("lqRf"), QString("n/a"));
    QCOMPARE(window->figureText("lqTlci"), QString("n/a"));
    QCOMPARE(window->figureText("reason"), QString("The spectrum holds no light."));
  }

  void scansAreAveragedByTheSdk() {
    setSpin("scans", 4);
    sim().clearLog();
    acquire();
    // Four frames for the average, one for the raw view, one for the spectrum.
    QCOMPARE(sim().reads(3), 6);
    const std::vector<float> expected = cIntensity(4, 1);
    const specview::Series shown = window->shownSeries();
    // 300 nm up to the last pixel's wavelength, about 995 nm on the demo device.
    QCOMPARE(shown.x.first(), 300.0);
    QVERIFY(shown.x.last() >= 990 && shown.x.last() < 1000);
    for (int i = 0; i < shown.values.size(); i += 50) {
      QCOMPARE(shown.values[i], double(expected[static_cast<std::size_t>(i)]));
    }
  }

  void uncertaintyComesFromTheScans() {
    auto *uncertainty = window->findChild<QCheckBox *>("check_showUncertainty");
    QVERIFY(!uncertainty->isChecked());
    setSpin("scans", 3);
    QVERIFY(!uncertainty->isEnabled());
    QCOMPARE(uncertainty->toolTip(),
             QString("uncertainty from repeated scans needs at least 4 scans, got 3"));
    setSpin("scans", 4);
    QVERIFY(uncertainty->isEnabled());
    uncertainty->setChecked(true);
    sim().clearLog();
    acquire();
    // Four frames for the average, one for the raw view, four calibrated scans.
    QCOMPARE(sim().reads(3), 9);
    QCOMPARE(window->lastFrame().frame.scanSpectra.size(), 4);
    QTRY_VERIFY_WITH_TIMEOUT(window->uncertaintyNote().startsWith("Noise from 4 scan"),
                             kDrawsTimeout);
    QVERIFY(window->uncertaintyNote().contains("10000 draws"));
    const QRegularExpression withUncertainty(R"(^\d+(\.\d+)? (± \d|\[))");
    QVERIFY2(window->figureText("lqCct").contains(withUncertainty),
             qPrintable(window->figureText("lqCct")));
    QVERIFY(window->figureText("lqRf").contains(withUncertainty));
    // The SDK's own figures are not drawn.
    QVERIFY(!window->figureText("cct").contains(withUncertainty));
    uncertainty->setChecked(false);
    QVERIFY(!window->figureText("lqCct").contains(withUncertainty));
    QCOMPARE(window->uncertaintyNote(), QString());
  }

  // Frames that keep coming faster than the draws do not restart them: the
  // uncertainty shows beside the figures of the frame it was drawn for,
  // and the newest frame is drawn next.
  void uncertaintyKeepsUpWithFramesThatKeepComing() {
    setSpin("scans", 4);
    window->findChild<QCheckBox *>("check_showUncertainty")->setChecked(true);
    QElapsedTimer timer;
    timer.start();
    while (!window->uncertaintyNote().startsWith("Noise from") &&
           timer.elapsed() < kDrawsTimeout) {
      acquire();
    }
    QVERIFY2(window->uncertaintyNote().startsWith("Noise from"),
             qPrintable(window->uncertaintyNote()));
    QTRY_VERIFY_WITH_TIMEOUT(!window->uncertaintyNote().contains("Figures of the frame of"),
                             kDrawsTimeout);
    QVERIFY(window->uncertaintyNote().startsWith("Noise from 4 scan"));
    window->findChild<QCheckBox *>("check_showUncertainty")->setChecked(false);
  }

  void lowPassFilterRunsOverTheProcessedIntensity() {
    acquire();
    const QVector<double> plain = window->shownSeries().values;
    window->storeDark();
    auto *filter = window->findChild<QGroupBox *>("lowPass");
    filter->setChecked(true);
    // A new processing: the dark no longer belongs to it.
    QVERIFY(!window->processing().hasDark());
    QVERIFY(window->message().contains("cleared"));
    acquire();
    const std::vector<float> in(plain.begin(), plain.end());
    std::vector<float> expected(in.size());
    const specview::LowPassSettings settings;
    QCOMPARE(LowPassIntensity(float(settings.sampleRate), float(settings.transition),
                              float(settings.passBand), settings.attenuation, in.data(),
                              expected.data(), int(in.size())),
             0);
    const QVector<double> filtered = window->shownSeries().values;
    QCOMPARE(filtered.size(), plain.size());
    for (int i = 0; i < filtered.size(); i += 20) {
      QCOMPARE(float(filtered[i]), expected[static_cast<std::size_t>(i)]);
    }
    QVERIFY(filtered != plain);
  }

  void darkIsSubtractedAndMarked() {
    QVERIFY(sim().load(exposedFrame(1500))); // no light: the detector's own offset
    acquire();
    const std::vector<float> darkFrame = cIntensity(1, 1);
    window->storeDark();
    QVERIFY(window->processing().hasDark());
    QVERIFY(sim().load(exposedFrame()));
    acquire();
    const std::vector<float> lightFrame = cIntensity(1, 1);
    const specview::Series shown = window->shownSeries();
    for (int i = 0; i < shown.values.size(); i += 25) {
      const auto k = static_cast<std::size_t>(i);
      QCOMPARE(float(shown.values[i]), float(double(lightFrame[k]) - double(darkFrame[k])));
    }
    window->clearDark();
    QVERIFY(!window->processing().hasDark());
    QCOMPARE(window->shownSeries().values[100], double(lightFrame[100]));
  }

  void referenceGivesTransmissionAndAbsorbance() {
    QVERIFY(sim().load(exposedFrame()));
    setSpin("time", 100);
    acquire();
    window->storeReference();
    setSpin("time", 50); // half the light above the dark level
    acquire();
    window->setProcessedMode(specview::Processing::Transmission);
    const specview::Series transmission = window->shownSeries();
    const int peak = static_cast<int>(std::max_element(window->lastFrame().frame.intensity.begin(),
                                                       window->lastFrame().frame.intensity.end()) -
                                      window->lastFrame().frame.intensity.begin());
    QVERIFY(std::abs(transmission.values[peak] - 50.0) < 1.0);
    window->setProcessedMode(specview::Processing::Absorbance);
    QVERIFY(std::abs(window->shownSeries().values[peak] - std::log10(2.0)) < 0.01);

    window->clearReference();
    window->setProcessedMode(specview::Processing::Transmission); // refused without a reference
    QVERIFY(window->message().contains("reference"));
    QCOMPARE(window->shownSeries().values, window->lastFrame().frame.intensity);
  }

  void saturatedFramesAreFlagged() {
    acquire();
    QTRY_VERIFY(window->saturationWarning().isEmpty());
    QVERIFY(sim().load(exposedFrame(65535)));
    acquire();
    QTRY_VERIFY(window->saturationWarning().contains("Saturated: 1 pixel"));
    // Its colour figures are marked, and a saved file says why.
    QCOMPARE(window->figureText("reason"),
             QString("The frame is saturated: its colour figures are not valid."));
    QTemporaryDir dir;
    const QString csv = dir.filePath("saturated.csv");
    QVERIFY2(window->saveCsv(csv), qPrintable(window->errorString()));
    QVector<QPair<QString, QString>> header;
    specview::Series read;
    QString error;
    QVERIFY2(specview::readCsv(csv, &header, &read, &error), qPrintable(error));
    QVERIFY(header.contains({"saturation", "saturated, 1 pixel(s) at full scale (65535 counts): "
                                           "the spectrum and its colour figures are not valid"}));
  }

  // Saving before the first frame says so at once: no file dialog opens.
  void saveWithNothingAcquiredSaysSo() {
    QVERIFY(!window->lastFrame().frame.isValid());
    bool dialogOpened = false;
    QTimer::singleShot(0, [&dialogOpened] {
      if (QWidget *modal = QApplication::activeModalWidget()) {
        dialogOpened = true;
        modal->close();
      }
    });
    window->findChild<QPushButton *>("btn_saveCsv")->click();
    QVERIFY(!dialogOpened);
    QCOMPARE(window->message(), QString("There is no spectrum to save yet."));
  }

  void autoIntegrationConverges() {
    QVERIFY(sim().load(exposedFrame(65535))); // saturated at the start
    QSignalSpy found(window.get(), &MainWindow::integrationTimeFound);
    window->autoIntegrate();
    QVERIFY(found.wait(20000));
    QCOMPARE(found.first().at(1).toBool(), true);
    const int time = found.first().at(0).toInt();
    const specview::Frame &last = window->lastFrame().frame;
    QCOMPARE(last.integrationTime, time);
    const double target = 0.8 * 65535;
    QVERIFY2(std::abs(last.peakCount() - target) <= 0.05 * target,
             qPrintable(QString::number(last.peakCount())));
    QCOMPARE(QSP_GetIntegrationTime(), time);
    // The message names the time in ms and goes when another time is set.
    QCOMPARE(window->statusBar()->currentMessage(),
             QString("Integration time %1 ms: peak at about 80 % of full scale").arg(time));
    QSpinBox *timeBox = nullptr;
    for (QSpinBox *box : window->findChildren<QSpinBox *>()) {
      if (box->property("settingName") == "time") {
        timeBox = box;
      }
    }
    QVERIFY(timeBox);
    QCOMPARE(timeBox->suffix(), QString(" ms"));
    timeBox->setValue(time + 1);
    QVERIFY(window->statusBar()->currentMessage().isEmpty());
  }

  void failingFrameReadStopsContinuousModeKeepingTheLastSpectrum() {
    QSignalSpy frames(window.get(), &MainWindow::frameShown);
    window->startContinuous();
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 20000);
    const specview::Series good = window->shownSeries(); // every demo frame is the same
    QVERIFY(sim().load(spectrometer({{"faults", QJsonArray{QJsonObject{{"command", 4}}}}})));
    QTRY_VERIFY_WITH_TIMEOUT(window->message().contains("stopped"), 10000);
    QTRY_VERIFY(window->findChild<QPushButton *>("btn_connect")->isEnabled());
    QVERIFY(window->lastFrame().frame.isValid());
    QCOMPARE(window->shownSeries().values, good.values);
    QVERIFY(window->message().contains("did not answer"));
  }

  void refusedIntegrationTimeIsReported() {
    acquire();
    const QDateTime good = window->lastFrame().frame.time;
    QVERIFY(sim().load(
        spectrometer({{"faults", QJsonArray{QJsonObject{{"command", 0}, {"loc", 1}}}}})));
    setSpin("time", 150);
    window->acquireOnce();
    QTRY_VERIFY(window->message().contains("Setting the integration time to 150 ms failed"));
    QCOMPARE(window->lastFrame().frame.time, good);
  }

  void savedFilesReadBack() {
    QTemporaryDir dir;
    QVERIFY(!window->saveCsv(dir.filePath("early.csv"))); // nothing acquired yet
    QCOMPARE(window->errorString(), QString("There is no spectrum to save yet."));
    window->setView(specview::Processing::CalibratedSpectrum);
    acquire();
    QString error;
    const QString csv = dir.filePath("lamp.csv");
    QVERIFY2(window->saveCsv(csv), qPrintable(window->errorString()));
    QVector<QPair<QString, QString>> header;
    specview::Series read;
    QVERIFY2(specview::readCsv(csv, &header, &read, &error), qPrintable(error));
    QCOMPARE(read.x, window->shownSeries().x);
    QCOMPARE(read.values, window->shownSeries().values);
    QStringList keys;
    for (const auto &[key, value] : header) {
      keys << key;
    }
    QCOMPARE(keys, (QStringList{"date-time", "device", "integration time", "scans", "boxcar",
                                "dark subtraction", "reference", "view"}));
    QCOMPARE(header[1].second, QString("SP2048-0000123"));

    const QString spdx = dir.filePath("lamp.spdx");
    QVERIFY2(window->saveSpdx(spdx), qPrintable(window->errorString()));
    QFile file(spdx);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int samples = 0;
    QString first;
    while (!xml.atEnd()) {
      if (xml.readNext() == QXmlStreamReader::StartElement &&
          xml.name() == QLatin1String("SpectralData")) {
        first = first.isEmpty() ? xml.attributes().value("wavelength").toString() : first;
        ++samples;
      }
    }
    QVERIFY(!xml.hasError());
    QCOMPARE(samples, specview::kSpectrumPoints);
    QCOMPARE(first, QString("380"));

    const QString png = dir.filePath("plot.png");
    QVERIFY2(window->savePlot(png), qPrintable(window->errorString()));
    QVERIFY(!QImage(png).isNull());

    // A folder that is not there: no file, and the reason.
    QVERIFY(!window->saveCsv(dir.filePath("missing/lamp.csv")));
    error = window->errorString();
    QVERIFY2(error.contains("missing/lamp.csv") && error.contains("No such file"),
             qPrintable(error));
    QVERIFY(!window->saveSpdx(dir.filePath("missing/lamp.spdx")));
    QVERIFY(!QFile::exists(dir.filePath("missing")));
  }

  // A language brings specview's texts and the figure table's: a green LED
  // far from the Planckian locus has no CCT, and the panel's reason says so
  // in Chinese, then, with English installed over Chinese, in English again.
  // Last, since translators stay installed.
  void languageBringsTheFigureTexts() {
    QVector<double> led(specview::kSpectrumPoints);
    for (int i = 0; i < led.size(); ++i) {
      const double offset = (380 + i - 530) / 10.0;
      led[i] = std::exp(-offset * offset / 2);
    }
    QCoreApplication &app = *QCoreApplication::instance();
    QVERIFY(specview::language::install(app, "cn"));
    QCOMPARE(app.translate("specview::FiguresPanel", "Light quality"), QString::fromUtf8("光品质"));
    const QString chinese = specview::computeFigures(led).reason;
    QCOMPARE(chinese, QString::fromUtf8("色品点距普朗克轨迹超过 0.05，CIE 15:2018 在此不定义相关色温"));
    QVERIFY(specview::language::install(app, "en"));
    const QString english = specview::computeFigures(led).reason;
    QVERIFY2(english.startsWith("the chromaticity lies more than 0.05"), qPrintable(english));
  }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
