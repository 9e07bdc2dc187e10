#include "qttranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace solvane::language {

QString qtTranslationName(int code) {
  switch (code) {
  case 0:
    return QStringLiteral("qtbase_zh_CN");
  case 1:
    return QStringLiteral("qtbase_zh_TW");
  default:
    return QString();
  }
}

QStringList qtTranslationFolders() {
  return {QDir::currentPath(), QCoreApplication::applicationDirPath(),
          QLibraryInfo::location(QLibraryInfo::TranslationsPath)};
}

bool loadQtTranslation(QTranslator &translator, int code) {
  const QString name = qtTranslationName(code);
  if (name.isEmpty()) {
    return false;
  }
  for (const QString &folder : qtTranslationFolders()) {
    if (translator.load(name, folder)) {
      return true;
    }
  }
  return false;
}

} // namespace solvane::language
