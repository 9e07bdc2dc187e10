// Pictures of the window for the documentation: reads the meter's stored
// records, selects one and saves the window in each plot mode and the
// Light quality window of that record (its first and its cinema tab); then
// selects three records and saves their overlay in the spectrum and CIE 1931
// modes and their Compare window.
//
//   solvane_screenshots LANGUAGE(cn|tw|en) ROW OUTPUT_FOLDER
//
// Run it in the folder that holds the translation files, on any display
// (xvfb-run, or QT_QPA_PLATFORM=offscreen).

#include "fonts.h"
#include "language.h"
#include "comparedialog.h"
#include "lightqualitydialog.h"
#include "mainwindow.h"
#include "messagebox.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMetaObject>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

#include <cstdio>

namespace {

bool save(QWidget *widget, const QString &file) {
  if (widget->grab().save(file)) {
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
  solvane::ui::setWarningAnswerer([](const QString &, const QString &) { return QMessageBox::Ok; });
  QTranslator translator;
  if (!translator.load(language + ".qm")) {
    std::fprintf(stderr, "solvane_screenshots: no %s.qm in the working folder\n", argv[1]);
    return 1;
  }
  application.installTranslator(&translator);

  MainWindow window;
  {
    // Show the language of the pictures without the restart a change means.
    auto *languages = window.findChild<QComboBox *>("comboBox_language");
    const QSignalBlocker quiet(languages);
    languages->setCurrentIndex(QStringList{"cn", "tw", "en"}.indexOf(language));
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
      if (!save(&window,
                output.filePath(QString("%1-%2-%3.png").arg(prefix, language, modes[mode])))) {
        return false;
      }
    }
    return true;
  };
  if (!saveModes("window", 3)) {
    return 1;
  }
  QMetaObject::invokeMethod(&window, "on_btn_quality_clicked");
  auto *quality = window.findChild<solvane::quality::LightQualityDialog *>();
  if (!quality || !QTest::qWaitForWindowExposed(quality)) {
    std::fprintf(stderr, "solvane_screenshots: the Light quality window was never shown\n");
    return 1;
  }
  QTest::qWait(200);
  if (!save(quality, output.filePath(QString("quality-%1.png").arg(language)))) {
    return 1;
  }
  quality->findChild<QTabWidget *>("tab_groups")->setCurrentIndex(1);
  QTest::qWait(200);
  if (!save(quality, output.filePath(QString("quality-cinema-%1.png").arg(language)))) {
    return 1;
  }
  quality->close();

  // Incandescent, daylight and a warm-white LED of the demo meter together.
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
  return save(compare, output.filePath(QString("compare-%1.png").arg(language))) ? 0 : 1;
}
