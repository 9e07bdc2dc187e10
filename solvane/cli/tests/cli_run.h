#pragma once

// solvane-cli run as a script runs it, against the simulated meter that a
// state file configures.

#include "meter_state.h"

#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace clitest {

struct Run {
  int exitCode; // -1 when the program crashed or did not end in time
  QString out;
  QString err;
};

// Starts the program SOLVANE_CLI names on the meter of `statePath`, or on
// the demo meter when it is empty; for tests that talk to it while it runs.
inline void start(QProcess &process, const QStringList &args,
                  const QString &statePath = QString()) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("TESSELUSB_STATE");
  if (!statePath.isEmpty()) {
    env.insert("TESSELUSB_STATE", statePath);
  }
  process.setProcessEnvironment(env);
  process.start(qEnvironmentVariable("SOLVANE_CLI"), args);
}

// The same run to its end.
inline Run run(const QStringList &args, const QString &statePath = QString()) {
  QProcess process;
  start(process, args, statePath);
  const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
  return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

// Writes `state` as the file `name` in `dir` and returns its path.
inline QString writeState(const QTemporaryDir &dir, const QJsonObject &state, const QString &name) {
  const QString path = dir.filePath(name);
  meterstate::write(path, state);
  return path;
}

} // namespace clitest
