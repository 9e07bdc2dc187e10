// The window with files it did not write, on small screens and from the
// keyboard: texts of any length are elided and never widen the window,
// windows fit the screen and open centred on the main window, the status bar
// tells what the list shows, Export adds ".csv", the shortcuts, Help's manual
// in the language shown, and Qt's own texts in Chinese.

#include "fitting.h"
#include "lightqualitydialog.h"
#include "meter_state.h"
#include "qttranslation.h"
#include "test_files.h"
#include "tsiostream.h"
#include "window_test.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

namespace rec = solvane::records;
using solvane::ui::ElidedLabel;
using solvane::ui::FullTextToolTips;

// Receives the URLs the window hands to the desktop.
class ManualRecorder : public QObject {
  Q_OBJECT
public:
  QList<QUrl> urls;
public slots:
  void open(const QUrl &url) { urls << url; }
};

namespace {

// Three stored records and test results for Measure.
QJsonObject threeRecordsAndALamp() {
  QJsonObject state = meterstate::withRecords(3);
  state.insert("test_results", QJsonArray{QJsonObject{{"illuminance", 500.0},
                                                      {"spectrum", meterstate::peak(600, 30000)}}});
  return state;
}

// Rejects the next modal dialog once it is open, after `opened` has been
// given its name (or "open" or "save" for a file dialog). A keyboard shortcut
// opens it only after its button's click animation.
void rejectWhenOpened(QString *opened) {
  constexpr int kPollMs = 10;
  auto *poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, opened] {
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog) {
      return;
    }
    poll->stop();
    poll->deleteLater();
    auto *files = qobject_cast<QFileDialog *>(dialog);
    *opened = !files                                           ? dialog->objectName()
              : files->acceptMode() == QFileDialog::AcceptSave ? "save"
                                                               : "open";
    dialog->reject();
  });
  poll->start(kPollMs);
}

bool inside(const QRect &outer, const QRect &inner) {
  return outer.contains(inner.topLeft()) && outer.contains(inner.bottomRight());
}

// True when `child` lies wholly in its window's client area.
bool visibleIn(const QWidget *window, const QWidget *child) {
  return inside(window->rect(), QRect(child->mapTo(window, QPoint()), child->size()));
}

} // namespace

class TestWindowFit : public WindowTest {
  Q_OBJECT

  QStatusBar *statusBar() const { return window->statusBar(); }
  QRect available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

  void read(const QJsonObject &state) {
    QVERIFY(sim.load(meterstate::text(state)));
    child<QPushButton>("btn_readData")->click();
  }

  bool cellElided(QTableWidget *table, int row, int column) const {
    auto *tips = qobject_cast<FullTextToolTips *>(table->itemDelegate());
    if (!tips) {
      return false;
    }
    const QModelIndex index = table->model()->index(row, column);
    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.rect = table->visualRect(index);
    option.widget = table;
    return tips->isElided(option, index);
  }

  void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.get(), Qt::Key(key), modifiers);
  }

private slots:
  void initTestCase() { enterWorkDir(); }

  void init() {
    QFile::remove("language.ini");
    warnings.clear();
    notes.clear();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }

  void cleanup() { window.reset(); }

  void cleanupTestCase() { leaveWorkDir(); }

  void textsOfAnyLengthNeverWidenTheWindow() {
    const QJsonObject state = meterstate::withRecords(2);
    read(state);
    QVERIFY(!cellElided(stored(), 0, 0));
    const QSize size = window->size();
    const int minimumWidth = window->minimumSizeHint().width();

    QStringList record = expectedRecord(state, 0);
    record[rec::kLabel] = QString(5000, 'L');
    record[rec::kDateTime] = QString(3000, 'D');
    record[rec::kIlluminance] = "12.5" + QString(2000, '0');
    TSIOStream file;
    file.setFileName(workDir.filePath("long.csv"));
    QVERIFY(file.writeSolvaneData(TSIOStream::dataFileHeader(), {record}));
    chooseFile(workDir.filePath("long.csv"));
    child<QPushButton>("btn_open")->click();

    QCOMPARE(window->size(), size);
    QVERIFY(window->minimumSizeHint().width() <= minimumWidth);
    auto *name = child<ElidedLabel>("label_dataName");
    QCOMPARE(name->text(), record[rec::kLabel]);
    QVERIFY(name->isElided());
    QCOMPARE(name->toolTip(), record[rec::kLabel]);
    QVERIFY(name->width() < window->width());
    QVERIFY(cellElided(stored(), 0, 0));
    QVERIFY(cellElided(stored(), 0, 1));
    QVERIFY(cellElided(child<QTableWidget>("tableWidget_itemData"), 0, 2));
    // Resting the mouse on a cut cell shows its whole text.
    const QPoint cell = stored()->visualRect(stored()->model()->index(0, 0)).center();
    QHelpEvent help(QEvent::ToolTip, cell, stored()->viewport()->mapToGlobal(cell));
    QCoreApplication::sendEvent(stored()->viewport(), &help);
    QCOMPARE(QToolTip::text(), record[rec::kLabel]);
    QToolTip::hideText();

    // The Light quality window of that record fits the screen too.
    child<QPushButton>("btn_quality")->click();
    auto *quality = window->findChild<solvane::quality::LightQualityDialog *>();
    QVERIFY(quality);
    QVERIFY(inside(available(), quality->frameGeometry()));
    QCOMPARE(quality->findChild<QLabel *>("label_record")->toolTip().size() > 5000, true);
    quality->close();

    // A good file afterwards shows its label whole, without tooltip.
    read(state);
    QCOMPARE(name->text(), QString("NO.000"));
    QVERIFY(!name->isElided());
    QVERIFY(name->toolTip().isEmpty());
    QCOMPARE(window->size(), size);
  }

  // The offscreen screen (800 × 600) is smaller than any laptop's.
  void windowsFitTheScreenWithTheirButtonsVisible() {
    read(threeRecordsAndALamp());
    child<QPushButton>("btn_quality")->click();
    auto *quality = window->findChild<solvane::quality::LightQualityDialog *>();
    QVERIFY(quality);
    QVERIFY(QTest::qWaitForWindowExposed(quality));
    QVERIFY(inside(available(), quality->frameGeometry()));
    QVERIFY(visibleIn(quality, quality->findChild<QPushButton *>("btn_close")));
    QVERIFY(visibleIn(quality, quality->findChild<QPushButton *>("btn_exportSpdx")));
    // The figures are taller than the room left: they scroll.
    QVERIFY(quality->findChild<QScrollArea *>("scrollArea_figures")->verticalScrollBar()->maximum() >
            0);
    quality->close();

    for (const char *button : {"btn_series", "btn_about"}) {
      QRect frame;
      bool buttonsVisible = false;
      answerNext<QDialog>([&](QDialog *dialog) {
        frame = dialog->frameGeometry();
        buttonsVisible = true;
        for (const QPushButton *b : dialog->findChildren<QPushButton *>()) {
          buttonsVisible = buttonsVisible && visibleIn(dialog, b);
        }
        dialog->reject();
      });
      child<QPushButton>(button)->click();
      QVERIFY2(inside(available(), frame), button);
      QVERIFY2(buttonsVisible, button);
    }
  }

  // At the narrowest the window allows, every button of the Stored Data bar
  // and its live row shows its whole text and touches no other.
  void storedDataButtonsNeverOverlap() {
    window->resize(window->minimumSizeHint());
    QTRY_COMPARE(window->size(), window->minimumSizeHint());
    QList<QRect> taken;
    for (const char *name :
         {"btn_readData", "btn_export", "btn_compare", "btn_measure", "btn_series"}) {
      auto *button = child<QPushButton>(name);
      const QRect area(button->mapTo(window.get(), QPoint()), button->size());
      QVERIFY2(button->width() >= button->sizeHint().width(), name);
      for (const QRect &other : taken) {
        QVERIFY2(!area.intersects(other.adjusted(-1, 0, 1, 0)), name); // not even touching
      }
      taken << area;
    }
  }

  void dialogsAreCappedToTheScreenAndCentredOnTheirWindow() {
    QWidget anchor;
    anchor.setGeometry(100, 80, 400, 300);
    anchor.show();
    QDialog small;
    small.resize(200, 120);
    solvane::ui::placeOnScreen(&small, &anchor);
    small.show();
    const QPoint offset = small.frameGeometry().center() - anchor.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 40, qPrintable(QString("%1, %2").arg(offset.x()).arg(offset.y())));

    QDialog huge;
    huge.resize(5000, 4000);
    solvane::ui::placeOnScreen(&huge, &anchor);
    huge.show();
    QVERIFY(inside(available(), huge.frameGeometry()));
  }

  void statusBarTellsWhatTheListShowsAndFileDialogsAddSuffixes() {
    QTranslator english;
    QVERIFY(english.load("en", QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&english);
    read(threeRecordsAndALamp());
    QCOMPARE(statusBar()->currentMessage(), QString("3 records read"));

    QVERIFY(QDir(workDir.path()).mkpath("sub"));
    selectRows({0, 2});
    chooseFile(workDir.filePath("sub/exp1"));
    child<QPushButton>("btn_export")->click();
    QVERIFY(QFile::exists(workDir.filePath("sub/exp1.csv")));
    QVERIFY(!QFile::exists(workDir.filePath("sub/exp1")));

    QString openedIn;
    answerNext<QFileDialog>([&](QFileDialog *dialog) {
      openedIn = dialog->directory().absolutePath();
      dialog->selectFile(workDir.filePath("sub/exp1.csv"));
      static_cast<QDialog *>(dialog)->accept();
    });
    child<QPushButton>("btn_open")->click();
    QCOMPARE(openedIn, QDir(workDir.filePath("sub")).absolutePath());
    QCOMPARE(statusBar()->currentMessage(), QString("2 records opened from exp1.csv"));

    // The spectrum export starts there too and adds its own suffix.
    child<QPushButton>("btn_quality")->click();
    auto *quality = window->findChild<solvane::quality::LightQualityDialog *>();
    QVERIFY(quality);
    answerNext<QFileDialog>([&](QFileDialog *dialog) {
      openedIn = dialog->directory().absolutePath();
      dialog->selectFile(workDir.filePath("sub/lamp"));
      static_cast<QDialog *>(dialog)->accept();
    });
    quality->findChild<QPushButton *>("btn_exportSpdx")->click();
    quality->close();
    QCOMPARE(openedIn, QDir(workDir.filePath("sub")).absolutePath());
    QVERIFY(QFile::exists(workDir.filePath("sub/lamp.spdx")));

    // A name with an extension of its own keeps it.
    chooseFile(workDir.filePath("sub/exp1.old"));
    child<QPushButton>("btn_export")->click();
    QVERIFY(QFile::exists(workDir.filePath("sub/exp1.old")));

    child<QPushButton>("btn_measure")->click();
    QTRY_VERIFY(child<QPushButton>("btn_measure")->isEnabled());
    QCOMPARE(statusBar()->currentMessage(), QString("Measure: LIVE.000 added"));
    QCoreApplication::removeTranslator(&english);
  }

  void shortcutsReachTheButtons() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(sim.load(meterstate::text(meterstate::withRecords(3))));
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("btn_readData"));
    // A shortcut clicks its button after a short animation.
    pressKey(Qt::Key_F5);
    QTRY_COMPARE(notes, QStringList{"Read|Stored data read"});
    QCOMPARE(stored()->rowCount(), 3);

    const struct {
      int key;
      const char *expected;
    } dialogs[] = {{Qt::Key_O, "open"}, {Qt::Key_E, "save"}, {Qt::Key_P, "PrintSettingDlg"}};
    for (const auto &d : dialogs) {
      // The offscreen platform does not hand activation back after a dialog.
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
      QString opened;
      rejectWhenOpened(&opened);
      pressKey(d.key, Qt::ControlModifier);
      QTRY_COMPARE(opened, QString(d.expected));
    }

    ManualRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    pressKey(Qt::Key_F1);
    QTRY_COMPARE(recorder.urls.size(), 1);
    QDesktopServices::unsetUrlHandler("file");

    for (const char *name :
         {"btn_open", "btn_print", "btn_quality", "btn_help", "btn_contact", "btn_about"}) {
      QVERIFY2(!child<QPushButton>(name)->accessibleName().isEmpty(), name);
    }
  }

  // The build renders the three manuals beside the program, where Help
  // looks whatever the working folder.
  void helpOpensTheManualOfTheLanguageShown() {
    testfiles::writeBytes("KestraOne manual.pdf", "%PDF"); // not this one
    ManualRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    auto *languages = child<QComboBox>("comboBox_language");
    for (int code : {0, 1, 2}) {
      const QSignalBlocker noRestart(languages);
      languages->setCurrentIndex(code);
      child<QPushButton>("btn_help")->click();
    }
    QDesktopServices::unsetUrlHandler("file");
    QFile::remove("KestraOne manual.pdf");
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QCOMPARE(recorder.urls.size(), 3);
    QCOMPARE(recorder.urls[0].toLocalFile(), programFolder.filePath("KestraOne manual cn.pdf"));
    QCOMPARE(recorder.urls[1].toLocalFile(), programFolder.filePath("KestraOne manual tw.pdf"));
    QCOMPARE(recorder.urls[2].toLocalFile(), programFolder.filePath("KestraOne manual.pdf"));
  }

  void qtTextsFollowChinese() {
    QTranslator simplified;
    QVERIFY(solvane::language::loadQtTranslation(simplified, 0));
    QCOMPARE(simplified.translate("QFileDialog", "Open"), QString("打开"));
    QCOMPARE(simplified.translate("QPlatformTheme", "Cancel"), QString("取消"));
    QTranslator traditional;
    QVERIFY(solvane::language::loadQtTranslation(traditional, 1));
    QCOMPARE(traditional.translate("QFileDialog", "Open"), QString("開啟"));
    QTranslator english;
    QVERIFY(!solvane::language::loadQtTranslation(english, 2));

    // A copy beside the program's own translations is preferred.
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/cn.qm", "qtbase_zh_TW.qm"));
    QTranslator beside;
    QVERIFY(solvane::language::loadQtTranslation(beside, 1));
    QFile::remove("qtbase_zh_TW.qm");
    QCOMPARE(beside.translate("MainWindow", "Read"), QString("读取"));
  }
};

QTEST_MAIN(TestWindowFit)
#include "tst_window_fit.moc"
