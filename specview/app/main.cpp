// specview: the program for the 2048-pixel USB spectrometer.

#include "language.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const QCommandLineOption kLanguageOption(
    "language", "Interface language for this run: cn, tw or en (default: the stored one).",
    "code");

void describe(QCommandLineParser &parser) {
  QCoreApplication::setApplicationName("specview");
  QCoreApplication::setApplicationVersion(SPECVIEW_VERSION);
  parser.setApplicationDescription(
      "Looks at light with the 2048-pixel USB spectrometer: live spectrum, integration time, "
      "averaging, dark and reference, colour figures, saving as CSV, SPDX or PNG.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(kLanguageOption);
}

// --help and --version print and end without a window, so they work with no display.
bool printsOnly(int argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) {
        return true;
      }
    }
  }
  return false;
}

// Windows always has its desktop; elsewhere a display server must be named.
bool hasDisplay() {
#ifdef Q_OS_WIN
  return true;
#else
  for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char *value = std::getenv(variable);
    if (value != nullptr && *value != '\0') {
      return true;
    }
  }
  return false;
#endif
}

} // namespace

int main(int argc, char **argv) {
  QCommandLineParser parser;
  if (printsOnly(argc, argv)) {
    QCoreApplication app(argc, argv);
    describe(parser);
    parser.process(app); // prints and exits
    return 0;
  }
  if (!hasDisplay()) {
    std::fprintf(stderr, "specview: cannot open the window: no display (DISPLAY and "
                         "WAYLAND_DISPLAY are unset)\n");
    return 1;
  }
  QApplication app(argc, argv);
  describe(parser);
  parser.process(app);
  const QString code = parser.isSet(kLanguageOption) ? parser.value(kLanguageOption)
                                                     : specview::language::stored();
  if (!specview::language::kCodes.contains(code)) {
    std::fprintf(stderr, "specview: unknown language '%s': expected cn, tw or en\n",
                 qPrintable(code));
    return 2;
  }
  specview::language::install(app, code);

  specview::MainWindow window;
  // 1280 x 760, or less on a smaller screen: its panels and the title bar
  // and borders the window manager adds stay on the screen.
  constexpr int kWindowFrameAllowance = 40;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  window.resize(std::min(1280, screen.width()),
                std::min(760, screen.height() - kWindowFrameAllowance));
  window.show();
  QTimer::singleShot(0, &window, &specview::MainWindow::connectDevice);
  return QApplication::exec();
}
