#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace specview::language {
namespace {

QSettings settings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "solvane", "specview");
}

QString qtLocale(const QString &code) {
  return code == "cn" ? "zh_CN" : code == "tw" ? "zh_TW" : "en";
}

// Beside the program (the build folder), or where the install put them.
QStringList translationFolders() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  return {programFolder, QDir(programFolder).filePath("../share/specview/translations")};
}

// Installs translation file `name` (.qm) from the first folder that holds it.
bool installFile(QCoreApplication &app, const QString &name) {
  auto *translator = new QTranslator(&app);
  for (const QString &folder : translationFolders()) {
    if (translator->load(name, folder)) {
      app.installTranslator(translator);
      return true;
    }
  }
  delete translator;
  return false;
}

QString &installed() {
  static QString code;
  return code;
}

} // namespace

QString current() {
  return installed().isEmpty() ? stored() : installed();
}

QString stored() {
  const QString code = settings().value("language").toString();
  return kCodes.contains(code) ? code : kCodes.first();
}

bool store(const QString &code) {
  QSettings s = settings();
  s.setValue("language", code);
  s.sync();
  return s.status() == QSettings::NoError;
}

bool install(QCoreApplication &app, const QString &code) {
  installed() = code;
  auto *qt = new QTranslator(&app);
  if (qt->load("qtbase_" + qtLocale(code), QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(qt);
  }
  // specview's own texts, then the figure table's, which solvane shares.
  const bool own = installFile(app, "specview_" + code);
  const bool figures = installFile(app, "figures_" + code);
  return own && figures;
}

} // namespace specview::language
