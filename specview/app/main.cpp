// specview: the program for the 2048-pixel USB spectrometer.

#include "language.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("specview");
  QApplication::setApplicationVersion(SPECVIEW_VERSION);

  QCommandLineParser parser;
  parser.setApplicationDescription("Looks at light with the 2048-pixel USB spectrometer: live "
                                   "spectrum, dark and reference, colour figures, saving.");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption languageOption(
      "language", "Interface language for this run: cn, tw or en (default: the stored one).",
      "code");
  parser.addOption(languageOption);
  parser.process(app);
  const QString code = parser.isSet(languageOption) ? parser.value(languageOption)
                                                    : specview::language::stored();
  if (!specview::language::kCodes.contains(code)) {
    std::fprintf(stderr, "specview: unknown language '%s': expected cn, tw or en\n",
                 qPrintable(code));
    return 2;
  }
  specview::language::install(app, code);

  specview::MainWindow window;
  window.resize(1280, 760);
  window.show();
  QTimer::singleShot(0, &window, &specview::MainWindow::connectDevice);
  return QApplication::exec();
}
