#include "language.h"

#include "program_files.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcess>
#include <QSettings>
#include <QTranslator>

namespace solvane::language {
namespace {

const char *const kSettingsFile = "language.ini";
const char *const kKey = "language";

} // namespace

int storedCode() {
  const QSettings settings(paths::settingsFile(kSettingsFile), QSettings::IniFormat);
  return settings.value(kKey).toInt(); // absent or not a number: 0
}

QString translationFile(int code) {
  switch (code) {
  case 0:
    return QStringLiteral("cn.qm");
  case 1:
    return QStringLiteral("tw.qm");
  case 2:
    return QStringLiteral("en.qm");
  default:
    return QString();
  }
}

bool loadTranslation(QTranslator &translator) {
  const QString file = translationFile(storedCode());
  if (file.isEmpty()) {
    return false;
  }
  const QString path = paths::dataFile(file);
  const bool loaded = translator.load(path);
  // Says which file an installed program took, or where it looked.
  qDebug().noquote() << (loaded ? QStringLiteral("Translation %1 loaded")
                                : QStringLiteral("Translation %1 not loaded"))
                            .arg(path);
  return loaded;
}

bool storeCode(int index) {
  if (index < 0 || index > 2) {
    return true;
  }
  QSettings settings(paths::settingsFile(kSettingsFile), QSettings::IniFormat);
  settings.setValue(kKey, QString::number(index));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

bool startNewInstance() {
  QProcess process;
  process.setProgram(QCoreApplication::applicationFilePath());
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kRestartVariable, QString::number(QCoreApplication::applicationPid()));
  process.setProcessEnvironment(environment);
  return process.startDetached();
}

} // namespace solvane::language
