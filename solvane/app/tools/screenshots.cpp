// Pictures of the window for the documentation: reads the meter's stored
// records, selects one and saves the window in each plot mode and the
// Light quality window of that record (its first and its cinema tab); then
// the whole screen with the window filling it and the Light quality window
// centred on it (screen-WIDTHxHEIGHT-LANGUAGE.png, in device pixels), and the
// window at its minimum size (window-LANGUAGE-minimum.png); last, at the
// window's first size, three records selected: their overlay in the spectrum
// and CIE 1931 modes (overlay-LANGUAGE-MODE.png) and their Compare window
// (compare-LANGUAGE.png).
//
//   solvane_screenshots LANGUAGE(cn|tw|en) ROW OUTPUT_FOLDER
//
// The translation files are taken from beside the program, as the program
// takes them; run it on any display (xvfb-run, or QT_QPA_PLATFORM=offscreen).

#include "comparedialog.h"
#include "fitting.h"
#include "fonts.h"
#include "language.h"
#include "lightqualitydialog.h"
#include "mainwindow.h"
#include "messagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMetaObject>
#include <QPixmap>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <cstdio>

namespace {

bool save(const QPixmap &picture, const QString &file) {
  if (picture.save(file)) {
    return true;
  }
  std::fprintf(stderr, "solvane_screenshots: cannot write %s\n", qPrintable(file));
  return false;
}

} // namespace

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: solvane_screenshots cn|tw|en ROW OUTPUT_FOLDER\n");
    return 2;
  }
  const QString language = QString::fromLocal8Bit(argv[1]);
  const int row = QString::fromLocal8Bit(argv[2]).toInt();
  const QDir output(QString::fromLocal8Bit(argv[3]));

  solvane::ui::installFontSubstitutions();
  solvane::ui::setMessageAnswerer(
      [](QMessageBox::Icon, const QString &, const QString &) { return QMessageBox::Ok; });
  const int code = QStringList{"cn", "tw", "en"}.indexOf(language);
  const solvane::language::Translations translations(code);
  if (!translations.loaded()) {
    std::fprintf(stderr, "solvane_screenshots: the %s translations are not beside the program\n",
                 argv[1]);
    return 1;
  }

  MainWindow window;
  {
    // Show the language of the pictures without the restart a change means.
    auto *languages = window.findChild<QComboBox *>("comboBox_language");
    const QSignalBlocker quiet(languages);
    languages->setCurrentIndex(code);
  }
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    std::fprintf(stderr, "solvane_screenshots: the window was never shown\n");
    return 1;
  }
  QMetaObject::invokeMethod(&window, "on_btn_readData_clicked");
  auto *table = window.findChild<QTableWidget *>("tableWidget_storedData");
  table->selectRow(row);
  QMetaObject::invokeMethod(&window, "on_tableWidget_storedData_cellClicked", Q_ARG(int, row),
                            Q_ARG(int, 0));

  // The window in the first `count` plot modes, as PREFIX-LANGUAGE-MODE.png.
  auto *plotMode = window.findChild<QComboBox *>("comboBox_plot");
  const auto saveModes = [&](const char *prefix, int count) {
    const char *modes[] = {"spectro", "cie1931", "cie1976"};
    for (int mode = 0; mode < count; ++mode) {
      plotMode->setCurrentIndex(mode);
      QTest::qWait(200);
      if (!save(window.grab(),
                output.filePath(QString("%1-%2-%3.png").arg(prefix, language, modes[mode])))) {
        return false;
      }
    }
    return true;
  };
  if (!saveModes("window", 3)) {
    return 1;
  }
  const QSize firstSize = window.size();
  QMetaObject::invokeMethod(&window, "on_btn_quality_clicked");
  auto *quality = window.findChild<solvane::quality::LightQualityDialog *>();
  if (!quality || !QTest::qWaitForWindowExposed(quality)) {
    std::fprintf(stderr, "solvane_screenshots: the Light quality window was never shown\n");
    return 1;
  }
  QTest::qWait(200);
  if (!save(quality->grab(), output.filePath(QString("quality-%1.png").arg(language)))) {
    return 1;
  }
  auto *tabs = quality->findChild<QTabWidget *>("tab_groups");
  tabs->setCurrentIndex(1);
  QTest::qWait(200);
  if (!save(quality->grab(), output.filePath(QString("quality-cinema-%1.png").arg(language)))) {
    return 1;
  }
  tabs->setCurrentIndex(0);

  QScreen *screen = window.screen();
  window.setGeometry(screen->availableGeometry());
  solvane::ui::placeOnScreen(quality, &window);
  quality->raise();
  QTest::qWait(500);
  const QPixmap wholeScreen = screen->grabWindow(0);
  if (!save(wholeScreen, output.filePath(QString("screen-%1x%2-%3.png")
                                             .arg(wholeScreen.width())
                                             .arg(wholeScreen.height())
                                             .arg(language)))) {
    return 1;
  }
  quality->close();

  window.resize(window.minimumSizeHint());
  QTest::qWait(300);
  if (!save(window.grab(), output.filePath(QString("window-%1-minimum.png").arg(language)))) {
    return 1;
  }

  // Incandescent, daylight and a warm-white LED of the demo meter together.
  window.resize(firstSize);
  table->clearSelection();
  for (int selected : {0, 1, 5}) {
    table->selectionModel()->select(table->model()->index(selected, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  if (!saveModes("overlay", 2)) {
    return 1;
  }
  QMetaObject::invokeMethod(&window, "compareSelectedRecords");
  auto *compare = window.findChild<solvane::quality::CompareDialog *>();
  if (!compare || !QTest::qWaitForWindowExposed(compare)) {
    std::fprintf(stderr, "solvane_screenshots: the Compare window was never shown\n");
    return 1;
  }
  QTest::qWait(200);
  return save(compare->grab(), output.filePath(QString("compare-%1.png").arg(language))) ? 0 : 1;
}
