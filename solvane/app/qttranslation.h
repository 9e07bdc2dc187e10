#pragma once

// Qt's own texts (standard buttons, file and print dialogs) in the
// interface language: "qtbase_zh_CN.qm" for simplified and
// "qtbase_zh_TW.qm" for traditional Chinese. English needs none.

#include <QString>
#include <QStringList>

class QTranslator;

namespace solvane::language {

// The base name of Qt's translation for a language code, empty for English
// and unknown codes.
QString qtTranslationName(int code);

// Where Qt's translations are looked for, in this order: beside the
// program's own translation files (the working directory), beside the
// executable (where a Windows installation ships them), and Qt's own
// translations folder.
QStringList qtTranslationFolders();

// Loads Qt's translation for `code` from the first folder that holds it.
// False when the language needs none or no folder holds it.
bool loadQtTranslation(QTranslator &translator, int code);

} // namespace solvane::language
