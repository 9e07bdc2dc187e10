#include "language.h"

#include "file_error.h"
#include "program_files.h"

#include <QCoreApplication>
#include <QDebug>
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
QString whySettingsFail(const QString &path) {
  QSaveFile probe(path);
  if (!probe.open(QIODevice::WriteOnly)) {
    return probe.errorString();
  }
  probe.cancelWriting();
  return QStringLiteral("the settings could not be saved");
}

QString settingsPath() {
  return paths::settingsFile(kSettingsFile);
}

// Loads `file` from beside the program or the installed data folder and
// installs it. False when there is no such file.
bool install(QTranslator &translator, const QString &file) {
  if (file.isEmpty()) {
    return false;
  }
  const QString path = paths::dataFile(file);
  const bool loaded = translator.load(path);
  // Says which file an installed program took, or where it looked.
  qDebug().noquote() << (loaded ? QStringLiteral("Translation %1 loaded")
                                : QStringLiteral("Translation %1 not loaded"))
                            .arg(path);
  if (loaded) {
    QCoreApplication::installTranslator(&translator);
  }
  return loaded;
}

} // namespace

int storedCode() {
  const QSettings settings(settingsPath(), QSettings::IniFormat);
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

QString figureTranslationFile(int code) {
  const QString own = translationFile(code);
  return own.isEmpty() ? own : QStringLiteral("figures_") + own;
}

Translations::Translations(int code) {
  const bool own = install(m_own, translationFile(code));
  const bool figures = install(m_figures, figureTranslationFile(code));
  m_loaded = own && figures;
}

bool storeCode(int index, QString *error) {
  if (index < 0 || index > 2) {
    return true;
  }
  const QString path = settingsPath();
  QSettings settings(path, QSettings::IniFormat);
  settings.setValue(kKey, QString::number(index));
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    return errors::report(error,
                          errors::fileError(QStringLiteral("cannot write the language setting"),
                                            path, whySettingsFail(path)));
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
