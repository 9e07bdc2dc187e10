// The window's Export, Open and Print against the simulated meter: the file
// two selected rows give and what opening it shows, opening files that
// fail, are empty or hold short records, and the print command from the
// settings dialog to the preview's printer and the painted page, with the
// uncertainty page drawn before the preview.

#include "meter_state.h"
#include "pdf_tools.h"
#include "test_files.h"
#include "testreport.h"
#include "window_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QFileInfo>
#include <QDir>
#include <QStandardPaths>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

namespace rec = solvane::records;

namespace {

QList<QStringList> csvRecords(const QString &path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly | QIODevice::Text);
  QList<QStringList> lines;
  for (const QString &line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
    lines << line.split(',');
  }
  return lines.mid(1);
}

} // namespace

class TestWindowFiles : public WindowTest {
  Q_OBJECT

  const QJsonObject fourRecords = meterstate::withRecords(4);

  void click(const char *button) { child<QPushButton>(button)->click(); }

  void readFourRecords() {
    QVERIFY(sim.load(meterstate::text(fourRecords)));
    click("btn_readData");
    QCOMPARE(stored()->rowCount(), 4);
    warnings.clear();
    notes.clear();
  }

  QString path(const QString &name) const { return workDir.filePath(name); }

private slots:
  void initTestCase() { enterWorkDir(); }

  void init() {
    QFile::remove("PrintInfo");
    QFile::remove("PrintQualityPage");
    warnings.clear();
    window = std::make_unique<MainWindow>();
    window->show();
  }

  void cleanup() { window.reset(); }

  void cleanupTestCase() { leaveWorkDir(); }

  void exportedRowsOpenAgainInTheirOrder() {
    readFourRecords();
    selectRows({2, 0});
    const QString file = path("two.csv");
    chooseFile(file);
    click("btn_export");
    QVERIFY(warnings.isEmpty());
    QCOMPARE(notes, QStringList{"Successful|Succeeded in exporting data"});
    const QList<QStringList> exported = csvRecords(file);
    QCOMPARE(exported.size(), 2);
    QCOMPARE(exported[0], expectedRecord(fourRecords, 2));
    QCOMPARE(exported[1], expectedRecord(fourRecords, 0));

    chooseFile(file);
    click("btn_open");
    QCOMPARE(stored()->rowCount(), 2);
    QCOMPARE(stored()->item(0, 0)->text(), QString("NO.002"));
    QCOMPARE(stored()->item(1, 1)->text(), exported[1][rec::kDateTime]);
    QCOMPARE(label(), QString("NO.002"));
    // The reopened records are the exported ones, field by field: export
    // them again and compare the files.
    selectRows({0, 1});
    chooseFile(path("again.csv"));
    click("btn_export");
    QCOMPARE(csvRecords(path("again.csv")), exported);
  }

  // The box keeps its text; the reason follows on a second line.
  void failedExportSaysWhy() {
    readFourRecords();
    selectRows({1});
    const QString file = path("no-such-folder/out.csv");
    chooseFile(file);
    click("btn_export");
    QCOMPARE(warnings, QStringList{"Failure|Fail to export data\ncannot write the data file: " +
                                   file + ": No such file or directory"});
  }

  void exportNeedsASelectedRow() {
    readFourRecords();
    selectRows({});
    click("btn_export");
    QCOMPARE(warnings, QStringList{"Error|No item is selected"});
  }

  void messagesAreTranslated() {
    QTranslator chinese;
    QVERIFY(chinese.load("cn", QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&chinese);
    click("btn_export");
    click("btn_print");
    QCoreApplication::removeTranslator(&chinese);
    QCOMPARE(warnings, (QStringList{QString::fromUtf8("错误|没有选中任何数据"),
                                    QString::fromUtf8("错误|没有选中的记录")}));
  }

  void cancelledDialogsChangeNothing() {
    readFourRecords();
    selectRows({1});
    answerNext<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    click("btn_export");
    answerNext<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    click("btn_open");
    QVERIFY(warnings.isEmpty());
    QCOMPARE(stored()->rowCount(), 4);
  }

  void failedOpenKeepsTheShownRecords() {
    readFourRecords();
    const QString file = path("vanishing.csv");
    testfiles::writeBytes(file, "Data\nNO.009\n");
    // The file goes between the dialog and the read.
    answerNext<QFileDialog>([file](QFileDialog *dialog) {
      dialog->selectFile(file);
      static_cast<QDialog *>(dialog)->accept();
      QFile::remove(file);
    });
    click("btn_open");
    QCOMPARE(warnings, QStringList{"Error|Fail to open the file\ncannot read the data file: " +
                                   file + ": No such file or directory"});
    QCOMPARE(stored()->rowCount(), 4);
    QCOMPARE(label(), QString("NO.000"));
  }

  void headerOnlyFileEmptiesTheListAndPrintRefuses() {
    readFourRecords();
    testfiles::writeBytes(path("header.csv"), "Data,Date\r\n");
    chooseFile(path("header.csv"));
    click("btn_open");
    QVERIFY(warnings.isEmpty());
    QCOMPARE(stored()->rowCount(), 0);
    click("btn_print");
    QCOMPARE(warnings, QStringList{"Error|No record is selected"});
  }

  void shortRecordsOpenButDoNotPrint() {
    testfiles::writeBytes(path("short.csv"),
                          "Data,Date,Ev\nNO.000,2019-05-21T14:03:09,12.00\nNO.001\n");
    chooseFile(path("short.csv"));
    click("btn_open");
    QCOMPARE(stored()->rowCount(), 2);
    QCOMPARE(label(), QString("NO.000"));
    click("btn_print"); // the settings dialog must not open
    QCOMPARE(warnings, QStringList{"Error|The selected record is incomplete: the report needs "
                                   "all 430 fields"});
  }

  void printGoesThroughSettingsToThePreview_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("outputFile");
    QTest::newRow("Print to PDF")
        << 0
        << QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
               .filePath("Report.pdf");
    QTest::newRow("Print to Paper") << 1 << "";
  }

  void printGoesThroughSettingsToThePreview() {
    QFETCH(int, entry);
    QFETCH(QString, outputFile);
    readFourRecords();
    QString previewFile;
    bool a4 = false;
    answerNext<QDialog>([&](QDialog *settings) {
      settings->findChild<QComboBox *>("comboBox")->setCurrentIndex(entry);
      settings->findChild<QLineEdit *>("lineEdit_company")->setText("Acme Optics");
      settings->findChild<QPushButton *>("btn_print")->click();
      answerNext<QPrintPreviewDialog>([&](QPrintPreviewDialog *preview) {
        previewFile = preview->printer()->outputFileName();
        a4 = preview->printer()->pageLayout().pageSize().id() == QPageSize::A4;
        preview->reject();
      });
    });
    click("btn_print");
    QCOMPARE(previewFile, outputFile);
    if (entry == 0) {
      QVERIFY(a4);
    }
    QFile printInfo("PrintInfo");
    QVERIFY(printInfo.open(QIODevice::ReadOnly));
    QVERIFY(printInfo.readAll().startsWith("Acme Optics\n"));
  }

  // Both extra pages chosen in the settings; `whileDrawing` runs on the
  // progress dialog of the draws, while they run.
  void printWithTheUncertaintyPage(QObject *scope,
                                   std::function<void(QProgressDialog *)> whileDrawing) {
    answerNext<QDialog>([scope, whileDrawing](QDialog *settings) {
      settings->findChild<QCheckBox *>("checkBox_qualityPage")->setChecked(true);
      settings->findChild<QCheckBox *>("checkBox_uncertaintyPage")->setChecked(true);
      settings->findChild<QPushButton *>("btn_print")->click();
      answerWhenOpen<QProgressDialog>(scope, whileDrawing);
    });
    click("btn_print");
  }

  // The draws run once, before the preview, and every paint of the preview
  // prints the same page, which names the default budget and why; a paint
  // after the print has no such page.
  void uncertaintyPageIsDrawnBeforeThePreview() {
    readFourRecords();
    QObject scope;
    const QString pdf = path("uncertainty.pdf");
    bool drawn = false;
    answerWhenOpen<QPrintPreviewDialog>(&scope, [&](QPrintPreviewDialog *preview) {
      QPrinter *printer = preview->printer();
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(pdf);
      QVERIFY(QMetaObject::invokeMethod(window.get(), "print", Q_ARG(QPrinter *, printer)));
      preview->reject();
    });
    printWithTheUncertaintyPage(&scope, [&](QProgressDialog *) { drawn = true; });
    QVERIFY(drawn);
    QVERIFY(warnings.isEmpty());
    const QString page = pdftools::text(pdf, 3, 3);
    for (const char *expected :
         {"Light Quality: Uncertainty", "NO.000", "Budget default, 10000 draws (fixed)",
          "a budget loaded in the Light quality window applies to that window only", "CCT"}) {
      QVERIFY2(page.contains(expected), qPrintable(page));
    }

    const QString later = path("later.pdf");
    QPrinter printer(QPrinter::ScreenResolution);
    solvane::report::setUpPdfPrinter(&printer, later);
    QVERIFY(QMetaObject::invokeMethod(window.get(), "print", Q_ARG(QPrinter *, &printer)));
    QVERIFY(pdftools::text(later, 2, 2).contains("Light Quality"));
    QVERIFY(!pdftools::text(later).contains("Uncertainty"));
  }

  // Cancel stops the draws and the print: no preview, no report without
  // the page that was asked for.
  void cancelledDrawsPrintNothing() {
    readFourRecords();
    QObject scope;
    bool previewOpened = false;
    answerWhenOpen<QPrintPreviewDialog>(&scope, [&](QPrintPreviewDialog *preview) {
      previewOpened = true;
      preview->reject();
    });
    printWithTheUncertaintyPage(&scope, [](QProgressDialog *progress) {
      progress->findChild<QPushButton *>()->click();
    });
    QCOMPARE(window->statusBar()->currentMessage(), QString("Printing cancelled"));
    QVERIFY(!previewOpened);
  }

  void pageIsPaintedWithoutPrintInfo() {
    readFourRecords();
    const QString pdf = path("page.pdf");
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(QMetaObject::invokeMethod(window.get(), "print", Q_ARG(QPrinter *, &printer)));
    const QString page = pdftools::text(pdf);
    QVERIFY(page.contains("Test Report"));
    QVERIFY(page.contains("Sample Information"));
    QVERIFY(page.contains(expectedRecord(fourRecords, 0)[rec::kIlluminance]));
    QVERIFY(page.contains(expectedRecord(fourRecords, 0)[rec::kDuv]));
  }
};

QTEST_MAIN(TestWindowFiles)
#include "tst_window_files.moc"
