// The main window on the offscreen platform against the simulated meter:
// reading, selection, the plot modes, the observer box, short records, the
// language setting and the information buttons.

#include "language.h"
#include "meter_state.h"
#include "window_test.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_symbol.h>

#include <memory>

namespace rec = solvane::records;

// Receives the URLs the window hands to the desktop.
class UrlRecorder : public QObject {
  Q_OBJECT
public:
  QList<QUrl> urls;
public slots:
  void open(const QUrl &url) { urls << url; }
};

class TestMainWindow : public WindowTest {
  Q_OBJECT

  QTableWidget *items() const { return child<QTableWidget>("tableWidget_itemData"); }
  QTableWidget *intensity() const { return child<QTableWidget>("tableWidget_intensityData"); }
  QwtPlot *plot() const { return child<QwtPlot>("qwtPlot"); }
  static QString text(QTableWidget *table, int row, int column) {
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
  }

  // The curve when it is on the plot, else null.
  QwtPlotCurve *curve() const {
    const QwtPlotItemList curves = plot()->itemList(QwtPlotItem::Rtti_PlotCurve);
    return curves.isEmpty() ? nullptr : static_cast<QwtPlotCurve *>(curves.first());
  }

  void read(const QJsonObject &state) {
    QVERIFY(sim.load(meterstate::text(state)));
    warnings.clear();
    notes.clear();
    child<QPushButton>("btn_readData")->click();
  }

  void clickStoredRow(int row) {
    QTableWidget *table = stored();
    const QRect cell = table->visualItemRect(table->item(row, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  }

  void compareViews(const QStringList &record) {
    QCOMPARE(label(), record[rec::kLabel]);
    for (int row = 0; row < rec::kTestItemCount; ++row) {
      QCOMPARE(text(items(), row, 2), record[rec::kFirstTestItem + row]);
    }
    for (int row = 0; row < rec::kSpectrumFields; ++row) {
      QCOMPARE(text(intensity(), row, 1), record[rec::kFirstIntensity + row]);
    }
  }

private slots:
  void initTestCase() { enterWorkDir(); }

  void init() {
    QFile::remove("language.ini");
    window = std::make_unique<MainWindow>();
    window->show();
  }

  void cleanup() { window.reset(); }

  void cleanupTestCase() { leaveWorkDir(); }

  void startsEmpty() {
    QCOMPARE(stored()->rowCount(), 0);
    QCOMPARE(stored()->columnCount(), 2);
    QCOMPARE(items()->rowCount(), 27);
    QCOMPARE(intensity()->rowCount(), 401);
    QCOMPARE(text(intensity(), 0, 0), QString("380 nm"));
    QCOMPARE(text(intensity(), 400, 0), QString("780 nm"));
    QCOMPARE(text(items(), 26, 1), QString("△uv"));
    QCOMPARE(label(), QString("No data selected"));
    QCOMPARE(window->windowTitle(), QString("Solvane 1.0.2"));
  }

  void aMeterWithoutRecords() {
    read(meterstate::withRecords(0));
    QVERIFY(warnings.isEmpty());
    QCOMPARE(notes, QStringList{"Read|Stored data read"});
    QCOMPARE(stored()->rowCount(), 0);
    QCOMPARE(label(), QString("No data selected"));
    QVERIFY(!curve() || curve()->dataSize() == 0);
  }

  void threeRecordsAreListedAndTheFirstShown() {
    const QJsonObject state = meterstate::withRecords(3);
    read(state);
    QVERIFY(warnings.isEmpty());
    QCOMPARE(notes, QStringList{"Read|Stored data read"});
    QCOMPARE(stored()->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
      QCOMPARE(text(stored(), row, 0), rec::recordLabel(row));
      QCOMPARE(text(stored(), row, 1), expectedRecord(state, row)[rec::kDateTime]);
      QCOMPARE(stored()->item(row, 0)->textAlignment(), int(Qt::AlignCenter));
    }
    QCOMPARE(text(stored(), 1, 1), QString("2019-05-21T14:03:10"));
    QVERIFY(stored()->selectionModel()->isRowSelected(0, {}));
    compareViews(expectedRecord(state, 0));
    QCOMPARE(text(items(), 0, 2), QString("1234.50"));
    QCOMPARE(items()->item(0, 2)->foreground().color(), QColor(71, 141, 228));
    QCOMPARE(child<QStatusBar>("")->currentMessage(), QString("3 record(s) read"));

    QwtPlotCurve *spectrum = curve();
    QVERIFY(spectrum);
    QCOMPARE(int(spectrum->dataSize()), 401);
    QCOMPARE(spectrum->sample(400).x(), 780.0);
    QCOMPARE(spectrum->sample(0).y(), expectedRecord(state, 0)[rec::kFirstIntensity].toDouble());
  }

  void selectingRows() {
    const QJsonObject state = meterstate::withRecords(3);
    read(state);
    clickStoredRow(2);
    compareViews(expectedRecord(state, 2));
    clickStoredRow(1);
    compareViews(expectedRecord(state, 1));
    QCOMPARE(curve()->sample(10).y(),
             expectedRecord(state, 1)[rec::kFirstIntensity + 10].toDouble());
  }

  void aFailureKeepsTheRecordsReadBefore() {
    const QJsonObject state = meterstate::withRecords(3);
    read(meterstate::failingAt(state, 2));
    QVERIFY(notes.isEmpty());
    QCOMPARE(warnings, QStringList{"Read|Reading stored data failed: cannot read stored record 2: "
                                   "the USB library returned 0 to CmdRead (command 17, loc 2)"});
    QCOMPARE(child<QStatusBar>("")->currentMessage(),
             QString("Reading stopped by a failure after 2 record(s)"));
    QCOMPARE(stored()->rowCount(), 2);
    QVERIFY(stored()->selectionModel()->isRowSelected(0, {}));
    compareViews(expectedRecord(state, 0));
  }

  // The Read box and the status bar speak the window's language; the
  // meter's reason follows in its own words.
  void readMessagesAreTranslated() {
    QTranslator chinese;
    QVERIFY(chinese.load(QCoreApplication::applicationDirPath() + "/cn.qm"));
    QCoreApplication::installTranslator(&chinese);
    read(meterstate::withRecords(1));
    QCOMPARE(notes, QStringList{QString::fromUtf8("读取|读取存储数据完成")});
    read(meterstate::failingAt(meterstate::withRecords(3), 1));
    QCoreApplication::removeTranslator(&chinese);
    QCOMPARE(warnings, QStringList{QString::fromUtf8("读取|读取存储数据失败：cannot read stored "
                                                     "record 1: the USB library returned 0 to "
                                                     "CmdRead (command 17, loc 1)")});
    QCOMPARE(child<QStatusBar>("")->currentMessage(),
             QString::fromUtf8("读取在 1 条记录后因故障停止"));
  }

  void aSecondReadCannotStartDuringARead() {
    QVERIFY(sim.load(meterstate::text(meterstate::withRecords(2))));
    auto *button = child<QPushButton>("btn_readData");
    bool enabledDuringRead = true;
    solvane::ui::setMessageAnswerer(
        [&](QMessageBox::Icon, const QString &, const QString &message) {
          warnings << message;
          enabledDuringRead = button->isEnabled();
          QMetaObject::invokeMethod(window.get(), "on_btn_readData_clicked"); // ignored
          return QMessageBox::Ok;
        });
    warnings.clear();
    button->click();
    recordWarnings();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(!enabledDuringRead);
    QVERIFY(button->isEnabled());
    QCOMPARE(stored()->rowCount(), 2);
  }

  void plotModes() {
    const QJsonObject state = meterstate::withRecords(3);
    read(state);
    clickStoredRow(1);
    const QStringList record = expectedRecord(state, 1);
    auto *mode = child<QComboBox>("comboBox_plot");

    mode->setCurrentIndex(1);
    QCOMPARE(plot()->canvas()->styleSheet(), QString("border-image: url(:/images/cie1931.png);"));
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), 0.9);
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::xBottom).upperBound(), 0.8);
    QCOMPARE(int(curve()->dataSize()), 1);
    QCOMPARE(float(curve()->sample(0).x()), record[rec::kX].toFloat());
    QCOMPARE(float(curve()->sample(0).y()), record[rec::kY].toFloat());
    QCOMPARE(curve()->symbol()->style(), QwtSymbol::XCross);

    mode->setCurrentIndex(2);
    QCOMPARE(plot()->canvas()->styleSheet(), QString("border-image: url(:/images/cie1976.png);"));
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::xBottom).upperBound(), 0.65);
    QCOMPARE(float(curve()->sample(0).x()), record[rec::kUPrime].toFloat());
    QCOMPARE(float(curve()->sample(0).y()), record[rec::kVPrime].toFloat());
    QCOMPARE(plot()->itemList(QwtPlotItem::Rtti_PlotGrid).size(), 1);

    mode->setCurrentIndex(0);
    QVERIFY(plot()->canvas()->styleSheet().isEmpty());
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), 70000.0);
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick),
             (QList<double>{380, 480, 580, 680, 780}));
    QCOMPARE(int(curve()->dataSize()), 401);
    QCOMPARE(curve()->symbol()->style(), QwtSymbol::NoSymbol);
  }

  void plotModesWithoutRecords() {
    auto *mode = child<QComboBox>("comboBox_plot");
    for (int index : {1, 2, 0, 2}) {
      mode->setCurrentIndex(index);
      QVERIFY(!curve() || curve()->dataSize() == 0);
    }
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), 0.6);
    QCOMPARE(text(intensity(), 0, 1), QString());
  }

  void theObserverAppliesToLaterReads() {
    const QJsonObject state = meterstate::withRecords(1);
    read(state);
    const QString uPrime2 = text(items(), 21, 2);
    child<QComboBox>("comboBox_observer")->setCurrentIndex(1);
    QCOMPARE(text(items(), 21, 2), uPrime2); // nothing recomputed
    read(state);
    compareViews(expectedRecord(state, 0, 1));
    QVERIFY(text(items(), 21, 2) != uPrime2);
    QCOMPARE(text(items(), 19, 2), expectedRecord(state, 0, 0)[rec::kX]); // x stays 2°
  }

  // The meter's CCT, Ra, R1–R15 and Δuv name their method beside the value
  // and say on hover why the Light quality window's differ; far from the
  // locus the values resting on the CCT are grey with that reason instead,
  // while Δuv, which says how far, is not.
  void theMeterMethodIsNamedBesideItsFigures() {
    const QJsonObject state = meterstate::withRecords(1);
    read(state);
    const auto row = [](int field) { return field - rec::kFirstTestItem; };
    for (int field : {int(rec::kCct), int(rec::kRa), rec::kR1 + 14, int(rec::kDuv)}) {
      QCOMPARE(text(items(), row(field), 3), QString("meter's method"));
      QVERIFY(items()->item(row(field), 3)->toolTip().contains("coarser grids"));
      QVERIFY(items()->item(row(field), 2)->toolTip().contains("coarser grids"));
    }
    QCOMPARE(text(items(), row(rec::kIlluminance), 3), QString("lx"));
    QCOMPARE(text(items(), row(rec::kX), 3), QString());

    QStringList far = expectedRecord(state, 0);
    far[rec::kDuv] = "0.1703";
    QVERIFY(QMetaObject::invokeMethod(window.get(), "updateTestItemTable",
                                      Q_ARG(QTableWidget *, items()), Q_ARG(QStringList, far)));
    const QTableWidgetItem *ra = items()->item(row(rec::kRa), 2);
    QVERIFY2(ra->toolTip().contains("0.05 from the Planckian locus"), qPrintable(ra->toolTip()));
    QVERIFY(ra->foreground().color() != QColor(71, 141, 228));
    const QTableWidgetItem *duv = items()->item(row(rec::kDuv), 2);
    QVERIFY(duv->toolTip().contains("coarser grids"));
    QCOMPARE(duv->foreground().color(), QColor(71, 141, 228));
    QCOMPARE(text(items(), row(rec::kRa), 3), QString("meter's method"));
  }

  void shortRecordsShowWhatTheyHold() {
    read(meterstate::withRecords(1));
    QStringList shortRecord = expectedRecord(meterstate::withRecords(1), 0).mid(0, 31);
    shortRecord[0] = "NO.077";
    QVERIFY(QMetaObject::invokeMethod(window.get(), "updateTestItemTable",
                                      Q_ARG(QTableWidget *, items()),
                                      Q_ARG(QStringList, shortRecord.mid(0, 10))));
    QCOMPARE(label(), QString("NO.077"));
    QCOMPARE(text(items(), 7, 2), shortRecord[9]);
    QCOMPARE(text(items(), 8, 2), QString());
    QVERIFY(QMetaObject::invokeMethod(window.get(), "updateIntensityTable",
                                      Q_ARG(QTableWidget *, intensity()),
                                      Q_ARG(QStringList, shortRecord)));
    QCOMPARE(text(intensity(), 1, 1), shortRecord[30]);
    QCOMPARE(text(intensity(), 2, 1), QString());
    QCOMPARE(int(curve()->dataSize()), 2);

    // A record too short for a chromaticity draws no cross.
    QVERIFY(QMetaObject::invokeMethod(window.get(), "updateStoredItemTable",
                                      Q_ARG(QTableWidget *, stored()),
                                      Q_ARG(QList<QStringList>, {shortRecord})));
    QCOMPARE(stored()->rowCount(), 1);
    QCOMPARE(text(stored(), 0, 0), QString("NO.077"));
  }

  void languageSetting() {
    const QString binDir = QCoreApplication::applicationDirPath();
    for (const char *qm : {"cn.qm", "tw.qm", "en.qm"}) {
      QFile::remove(qm);
      QVERIFY(QFile::copy(binDir + "/" + qm, qm));
    }
    struct Case {
      QByteArray file;
      int code;
      bool translated;
    };
    const Case cases[] = {{QByteArray(), 0, true},
                          {"[General]\nlanguage=2\n", 2, true},
                          {"[General]\nlanguage=3\n", 3, false},
                          {"[General]\nlanguage=text\n", 0, true}};
    for (const Case &c : cases) {
      QFile::remove("language.ini");
      if (!c.file.isEmpty()) {
        QFile file("language.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(c.file);
      }
      QCOMPARE(solvane::language::storedCode(), c.code);
      const solvane::language::Translations translations(solvane::language::storedCode());
      QCOMPARE(translations.loaded(), c.translated);
      MainWindow other;
      QCOMPARE(other.findChild<QComboBox *>("comboBox_language")->currentIndex(),
               c.code <= 2 ? c.code : -1);
    }

    QTranslator english;
    QVERIFY(english.load("en.qm"));
    QCOMPARE(english.translate("MainWindow", "Iluminance"), QString("Illuminance"));
    QTranslator chinese;
    QVERIFY(chinese.load("cn.qm"));
    QCOMPARE(chinese.translate("MainWindow", "Read"), QString("读取"));
    QCOMPARE(chinese.translate("AboutDialog", "About"), QString("关于"));

    QVERIFY(solvane::language::storeCode(1));
    QFile written("language.ini");
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("language=1"));
    QVERIFY(solvane::language::storeCode(7)); // writes nothing
    QCOMPARE(solvane::language::storedCode(), 1);
  }

  // A language is the program's file and the figure table's: Chinese names
  // the figures in Chinese, and English, installed over it, takes back both
  // the window's texts and the figures' names.
  void languageLoadsTheFigureTexts() {
    const auto tr = [](const char *context, const char *text) {
      return QCoreApplication::translate(context, text);
    };
    const solvane::language::Translations chinese(0);
    QVERIFY(chinese.loaded());
    QCOMPARE(tr("MainWindow", "Read"), QString::fromUtf8("读取"));
    QCOMPARE(tr("Figures", "Colour rendering index Ra"), QString::fromUtf8("显色指数 Ra"));
    const solvane::language::Translations english(2);
    QVERIFY(english.loaded());
    QCOMPARE(tr("MainWindow", "Iluminance"), QString("Illuminance"));
    QCOMPARE(tr("Figures", "Colour rendering index Ra"), QString("Colour rendering index Ra"));
    QVERIFY(!solvane::language::Translations(3).loaded());
  }

  // A choice that cannot be stored would restart in the old language: the
  // window says why and stays, showing the language still in use.
  void languageThatCannotBeStoredIsReported() {
    QVERIFY(QDir().mkdir("language.ini")); // a folder cannot be written as a file
    QString error;
    QVERIFY(!solvane::language::storeCode(2, &error));
    QVERIFY2(error.startsWith("cannot write the language setting: language.ini: "),
             qPrintable(error));

    auto *box = child<QComboBox>("comboBox_language");
    QCOMPARE(box->currentIndex(), 0);
    warnings.clear();
    box->setCurrentIndex(2);
    QVERIFY(QDir().rmdir("language.ini"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].startsWith("Error|The language cannot be changed\n" + error),
             qPrintable(warnings[0]));
    QCOMPARE(box->currentIndex(), 0);
    QVERIFY(window->isVisible());
  }

  void helpContactAndAbout() {
    warnings.clear();
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    QDesktopServices::setUrlHandler("https", &recorder, "open");
    child<QPushButton>("btn_help")->click();
    child<QPushButton>("btn_contact")->click();
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(recorder.urls.size(), 2);
    // A manual beside the program, wherever it was started from (which one
    // follows the language: tst_window_fit).
    const QFileInfo manual(recorder.urls[0].toLocalFile());
    QCOMPARE(manual.absolutePath(), QCoreApplication::applicationDirPath());
    QVERIFY(manual.fileName().startsWith("KestraOne manual"));
    QCOMPARE(recorder.urls[1].scheme(), QString("https"));
    QVERIFY(warnings.isEmpty());

    // Nothing that can open them (a handler without its slot fails like a
    // desktop without a viewer): the user is told instead of left waiting.
    warnings.clear();
    QDesktopServices::setUrlHandler("file", &recorder, "noSuchSlot");
    QDesktopServices::setUrlHandler("https", &recorder, "noSuchSlot");
    child<QPushButton>("btn_help")->click();
    child<QPushButton>("btn_contact")->click();
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(warnings.size(), 2);
    QCOMPARE(warnings[0],
             "Help|No PDF viewer could be started to open the manual " + manual.absoluteFilePath());
    QCOMPARE(warnings[1],
             "Contact|No web browser could be started to open " + recorder.urls[1].toString());

    QString title;
    QStringList lines;
    QTimer::singleShot(0, [&] {
      auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      title = dialog->windowTitle();
      for (const QLabel *l : dialog->findChildren<QLabel *>()) {
        lines << l->text();
      }
      dialog->accept();
    });
    child<QPushButton>("btn_about")->click();
    QCOMPARE(title, QString("About"));
    QVERIFY(lines.contains("Solvane Manager"));
    QVERIFY(lines.join("\n").contains("E-mail: "));
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
