#include "startup.h"

#include "fitting.h"
#include "fonts.h"
#include "language.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "qttranslation.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QSharedMemory>
#include <QSocketNotifier>
#include <QSystemSemaphore>
#include <QThread>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace solvane::startup {
namespace {

const char *const kLockKey = "ZUBKey";
const char *const kMarkerKey = "SystemObject";

// How long a restarted instance waits for its predecessor to quit.
constexpr int kRestartWaitMs = 10000;
constexpr int kRetryMs = 100;

// A marker segment that outlived its program (killed, crashed) has nobody
// attached: attaching and detaching again removes it. A running copy stays
// attached to its marker, so its segment survives this.
void clearStaleMarker() {
#ifdef Q_OS_UNIX
  QSharedMemory stale(kMarkerKey);
  if (stale.attach(QSharedMemory::ReadOnly)) {
    stale.detach();
  }
#endif
}

// Creates the marker under the start-up lock. A restarted instance whose
// predecessor still holds the marker tries again for a bounded time.
bool takeMarker(QSystemSemaphore &lock, QSharedMemory &marker) {
  const bool restarted = qEnvironmentVariableIsSet(language::kRestartVariable);
  QDeadlineTimer deadline(restarted ? kRestartWaitMs : 0);
  for (;;) {
    clearStaleMarker();
    if (marker.create(1, QSharedMemory::ReadWrite)) {
      return true;
    }
    if (deadline.hasExpired()) {
      return false;
    }
    lock.release();
    QThread::msleep(kRetryMs);
    lock.acquire();
  }
}

// Test and benchmark automation, off unless the variables are set:
// SOLVANE_TEST_ANSWER_WARNINGS answers every warning box with OK and prints
// it on stderr; SOLVANE_TEST_QUIT_AFTER_MS=N prints "window shown" once the
// window has painted and quits N ms later; SOLVANE_TEST_QUIT_ON_EOF prints
// "window shown" the same way and quits when standard input ends, so a test
// ends each copy when it is done with it.
void answerWarningsOnStderr() {
  ui::setMessageAnswerer([](QMessageBox::Icon icon, const QString &title, const QString &text) {
    std::fprintf(stderr, "%s: %s: %s\n", icon == QMessageBox::Warning ? "warning" : "information",
                 title.toUtf8().constData(), text.toUtf8().constData());
    std::fflush(stderr);
    return QMessageBox::Ok;
  });
}

class FirstPaintReporter : public QObject {
public:
  FirstPaintReporter(QWidget *window, std::optional<int> quitAfterMs)
      : QObject(window), quitAfter(quitAfterMs) {
    window->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Paint && !reported) {
      reported = true;
      std::printf("window shown\n");
      std::fflush(stdout);
      if (quitAfter) {
        QTimer::singleShot(*quitAfter, qApp, &QCoreApplication::quit);
      }
    }
    return QObject::eventFilter(watched, event);
  }

private:
  std::optional<int> quitAfter;
  bool reported = false;
};

void quitWhenInputEnds() {
#ifdef Q_OS_UNIX
  auto *notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, [notifier] {
    char buffer[256];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
      notifier->setEnabled(false);
      QCoreApplication::quit();
    }
  });
#endif
}

// The automation of SOLVANE_TEST_QUIT_AFTER_MS and SOLVANE_TEST_QUIT_ON_EOF.
void automateQuitting(QWidget *window) {
  bool quitAfterSet = false;
  const int quitAfterMs = qEnvironmentVariableIntValue("SOLVANE_TEST_QUIT_AFTER_MS", &quitAfterSet);
  const bool quitOnEof = qEnvironmentVariableIsSet("SOLVANE_TEST_QUIT_ON_EOF");
  if (quitOnEof) {
    quitWhenInputEnds();
  }
  if (quitAfterSet || quitOnEof) {
    new FirstPaintReporter(window, quitAfterSet ? std::optional<int>(quitAfterMs) : std::nullopt);
  }
}

} // namespace

int run(int &argc, char **argv) {
  QApplication application(argc, argv);
  ui::installFontSubstitutions();
  if (qEnvironmentVariableIsSet("SOLVANE_TEST_ANSWER_WARNINGS")) {
    answerWarningsOnStderr();
  }

  QSystemSemaphore lock(kLockKey, 1, QSystemSemaphore::Open);
  lock.acquire();
  QSharedMemory marker(kMarkerKey);
  if (!takeMarker(lock, marker)) {
    ui::warning(nullptr, QStringLiteral("Error"), QStringLiteral("软件已打开！"), QMessageBox::Ok,
                QMessageBox::NoButton);
    lock.release();
    return 0;
  }
  lock.release();

  const language::Translations translations(language::storedCode());
  QTranslator qtTexts; // OK, Cancel, the file and print dialogs
  if (language::loadQtTranslation(qtTexts, language::storedCode())) {
    application.installTranslator(&qtTexts);
  }

  int exitCode = 0;
  {
    MainWindow window;
    automateQuitting(&window);
    ui::placeOnScreen(&window, nullptr);
    window.show();
    exitCode = application.exec();
  }
  return exitCode;
}

} // namespace solvane::startup
