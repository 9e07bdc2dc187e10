// The print settings dialog in the working directory it keeps "PrintInfo"
// in: what it shows on a first run and with a file, what Print writes and
// reports, what Cancel and a file that cannot be written do, and its
// translated texts.

#include "messagebox.h"
#include "printinfo.h"
#include "printsettingdlg.h"
#include "test_files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

const char *const kEditNames[] = {"lineEdit_company", "lineEdit_address", "lineEdit_tel",
                                  "lineEdit_fax",     "lineEdit_email",   "lineEdit_name",
                                  "lineEdit_model",   "lineEdit_remark"};

QLineEdit *edit(const PrintSettingDlg &dialog, int index) {
  return dialog.findChild<QLineEdit *>(kEditNames[index]);
}

void click(const PrintSettingDlg &dialog, const char *button) {
  QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
}

} // namespace

class TestPrintSettingDlg : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString startDir;

private slots:
  void initTestCase() {
    startDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
  }
  void cleanupTestCase() { QDir::setCurrent(startDir); }
  void init() {
    QFile::remove("PrintInfo");
    QDir().rmdir("PrintInfo");
    QFile::remove("PrintQualityPage");
  }

  void declaresOnlyItsSignalAndPrintSlot() {
    const QMetaObject &meta = PrintSettingDlg::staticMetaObject;
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 2);
    QCOMPARE(meta.method(meta.methodOffset()).methodSignature(), QByteArray("isPdf(bool)"));
    QCOMPARE(meta.method(meta.methodOffset() + 1).methodSignature(),
             QByteArray("on_btn_print_clicked()"));
  }

  void firstRunShowsPlaceholdersAndPrintWritesEightEmptyLines() {
    PrintSettingDlg dialog;
    QCOMPARE(edit(dialog, 0)->placeholderText(), QString("Company name"));
    QCOMPARE(edit(dialog, 7)->placeholderText(), QString("Remark"));
    for (int i = 0; i < solvane::printinfo::kTextCount; ++i) {
      QVERIFY(edit(dialog, i)->text().isEmpty());
    }
    QSignalSpy pdf(&dialog, &PrintSettingDlg::isPdf);
    dialog.open();
    click(dialog, "btn_print");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(pdf.size(), 1);
    QCOMPARE(pdf.first().first().toBool(), true);
    QCOMPARE(testfiles::readBytes("PrintInfo"), QByteArray("\n\n\n\n\n\n\n"));
  }

  // The style sheet paints text black; an empty field's placeholder must
  // look lighter than any typed text, on screen and not only in the palette.
  void placeholdersAreLighterThanTypedText() {
    PrintSettingDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Neither has the focus, whose cursor is black.
    QLineEdit *empty = edit(dialog, 1);
    QLineEdit *typed = edit(dialog, 2);
    typed->setText(empty->placeholderText());
    QVERIFY(empty->palette().color(QPalette::PlaceholderText) !=
            empty->palette().color(QPalette::Text));
    const auto darkest = [](QLineEdit *lineEdit) {
      const QImage image = lineEdit->grab().toImage();
      int lightness = 255;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          lightness = qMin(lightness, qGray(image.pixel(x, y)));
        }
      }
      return lightness;
    };
    QCOMPARE(darkest(typed), 0);
    QVERIFY2(darkest(empty) >= 120, qPrintable(QString::number(darkest(empty))));
  }

  void storedTextsFillTheFieldsAndPrintRewritesThemUnchanged() {
    const QByteArray stored = "Acme\nRoad 1\nT\nF\nE\nLamp\nLX\nnote";
    testfiles::writeBytes("PrintInfo", stored);
    PrintSettingDlg dialog;
    QCOMPARE(edit(dialog, 0)->text(), QString("Acme"));
    QCOMPARE(edit(dialog, 7)->text(), QString("note"));
    dialog.open();
    click(dialog, "btn_print");
    QCOMPARE(testfiles::readBytes("PrintInfo"), stored);
  }

  void fewerLinesLeaveTheLaterFieldsEmpty() {
    testfiles::writeBytes("PrintInfo", "Acme\nRoad 1\n");
    PrintSettingDlg dialog;
    QCOMPARE(edit(dialog, 1)->text(), QString("Road 1"));
    QVERIFY(edit(dialog, 2)->text().isEmpty());
    QVERIFY(edit(dialog, 7)->text().isEmpty());
  }

  void comboEntriesChoosePdfOrPaper_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("isPdf");
    QTest::newRow("Print to PDF") << 0 << true;
    QTest::newRow("Print to Paper") << 1 << false;
  }

  void comboEntriesChoosePdfOrPaper() {
    QFETCH(int, entry);
    QFETCH(bool, isPdf);
    PrintSettingDlg dialog;
    auto *combo = dialog.findChild<QComboBox *>("comboBox");
    QCOMPARE(combo->currentIndex(), 0);
    combo->setCurrentIndex(entry);
    QSignalSpy pdf(&dialog, &PrintSettingDlg::isPdf);
    dialog.open();
    click(dialog, "btn_print");
    QCOMPARE(pdf.size(), 1);
    QCOMPARE(pdf.first().first().toBool(), isPdf);
  }

  // The choice survives the dialog in a file of its own; "PrintInfo" keeps
  // its eight lines.
  void qualityPageChoiceIsKeptApart() {
    {
      PrintSettingDlg dialog;
      auto *quality = dialog.findChild<QCheckBox *>("checkBox_qualityPage");
      QVERIFY(!quality->isChecked());
      quality->setChecked(true);
      dialog.open();
      click(dialog, "btn_print");
    }
    QCOMPARE(testfiles::readBytes("PrintQualityPage"), QByteArray("1\n"));
    QCOMPARE(testfiles::readBytes("PrintInfo"), QByteArray("\n\n\n\n\n\n\n"));
    PrintSettingDlg again;
    QVERIFY(again.findChild<QCheckBox *>("checkBox_qualityPage")->isChecked());
    again.findChild<QCheckBox *>("checkBox_qualityPage")->setChecked(false);
    again.open();
    click(again, "btn_print");
    QVERIFY(!solvane::printinfo::readReportPages("PrintQualityPage").quality);
    testfiles::writeBytes("PrintQualityPage", "yes");
    QVERIFY(!solvane::printinfo::readReportPages("PrintQualityPage").quality);
  }

  // The uncertainty page can be chosen only with the quality page; its
  // choice is kept while the quality page is off, and an older file shows
  // it off.
  void uncertaintyPageGoesWithTheQualityPage() {
    testfiles::writeBytes("PrintQualityPage", "1\n");
    {
      PrintSettingDlg dialog;
      auto *quality = dialog.findChild<QCheckBox *>("checkBox_qualityPage");
      auto *uncertainty = dialog.findChild<QCheckBox *>("checkBox_uncertaintyPage");
      QVERIFY(quality->isChecked());
      QVERIFY(uncertainty->isEnabled());
      QVERIFY(!uncertainty->isChecked());
      uncertainty->setChecked(true);
      quality->setChecked(false);
      QVERIFY(!uncertainty->isEnabled());
      dialog.open();
      click(dialog, "btn_print");
    }
    QCOMPARE(testfiles::readBytes("PrintQualityPage"), QByteArray("0\n1\n"));
    PrintSettingDlg again;
    auto *uncertainty = again.findChild<QCheckBox *>("checkBox_uncertaintyPage");
    QVERIFY(!uncertainty->isEnabled());
    QVERIFY(uncertainty->isChecked());
  }

  void cancelRejectsAndWritesNothing() {
    PrintSettingDlg dialog;
    edit(dialog, 0)->setText("typed");
    QSignalSpy pdf(&dialog, &PrintSettingDlg::isPdf);
    dialog.open();
    click(dialog, "btn_cancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(pdf.isEmpty());
    QVERIFY(!QFile::exists("PrintInfo"));
    QVERIFY(!QFile::exists("PrintQualityPage"));
  }

  void unwritableFileKeepsTheDialogOpenAndSaysWhy() {
    QVERIFY(QDir().mkdir("PrintInfo")); // a folder cannot be written as a file
    QStringList warnings;
    solvane::ui::setMessageAnswerer(
        [&](QMessageBox::Icon, const QString &title, const QString &text) {
          warnings << title + "|" + text;
          return QMessageBox::Ok;
        });
    PrintSettingDlg dialog;
    edit(dialog, 0)->setText("typed");
    QSignalSpy pdf(&dialog, &PrintSettingDlg::isPdf);
    dialog.open();
    click(dialog, "btn_print");
    solvane::ui::setMessageAnswerer({});
    QVERIFY(dialog.isVisible());
    QVERIFY(pdf.isEmpty());
    QCOMPARE(edit(dialog, 0)->text(), QString("typed"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].startsWith("Error|The print settings cannot be saved\n"
                                    "cannot write the print settings file: PrintInfo: "),
             qPrintable(warnings[0]));
    QVERIFY(QDir().rmdir("PrintInfo"));
  }

  void textsAreTranslated_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("uncertaintyPage");
    QTest::newRow("cn") << "cn" << QString::fromUtf8("打印") << QString::fromUtf8("取消")
                        << QString::fromUtf8("添加不确定度页");
    QTest::newRow("tw") << "tw" << QString::fromUtf8("列印") << QString::fromUtf8("取消")
                        << QString::fromUtf8("加入不確定度頁");
    QTest::newRow("en") << "en"
                        << "Print"
                        << "Cancel"
                        << "Add the uncertainty page";
  }

  void textsAreTranslated() {
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, cancel);
    QFETCH(QString, uncertaintyPage);
    QTranslator translator;
    QVERIFY(translator.load(language, QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&translator);
    PrintSettingDlg dialog;
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.findChild<QPushButton *>("btn_cancel")->text(), cancel);
    QCOMPARE(dialog.findChild<QCheckBox *>("checkBox_uncertaintyPage")->text(), uncertaintyPage);
    QVERIFY(!dialog.findChild<QComboBox *>("comboBox")->itemText(0).isEmpty());
    QCOMPARE(edit(dialog, 0)->placeholderText(), QString("Company name"));
  }
};

QTEST_MAIN(TestPrintSettingDlg)
#include "tst_printsettingdlg.moc"
