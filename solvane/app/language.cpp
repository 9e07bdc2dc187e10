#include "language.h"

#include "file_error.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QTranslator>

namespace solvane::language {
namespace {

const char *const kSettingsFile = "language.ini";
const char *const kKey = "language";

// QSettings tells only that saving failed. It saves through a temporary file
// beside the target, as QSaveFile does, so opening one gives the system's
// reason (a read-only folder, a full disk).
QString whySettingsFail() {
  QSaveFile probe(kSettingsFile);
  if (!probe.open(QIODevice::WriteOnly)) {
    return probe.errorString();
  }
  probe.cancelWriting();
  return QStringLiteral("the settings could not be saved");
}

} // namespace

int storedCode() {
  const QSettings settings(kSettingsFile, QSettings::IniFormat);
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
  return !file.isEmpty() && translator.load(file);
}

bool storeCode(int index, QString *error) {
  if (index < 0 || index > 2) {
    return true;
  }
  QSettings settings(kSettingsFile, QSettings::IniFormat);
  settings.setValue(kKey, QString::number(index));
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    return errors::report(error,
                          errors::fileError(QStringLiteral("cannot write the language setting"),
                                            QString::fromLatin1(kSettingsFile), whySettingsFail()));
  }
  return true;
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
