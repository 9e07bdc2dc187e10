#pragma once

// specview's interface language: "cn" (simplified Chinese, the default),
// "tw" (traditional Chinese) or "en", kept in the user's settings and
// applied at start-up.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace specview::language {

inline const QStringList kCodes = {"cn", "tw", "en"};

QString stored();
// False when the settings could not be written.
bool store(const QString &code);

// Installs the translators of `code` (specview's, the figure table's and
// Qt's own) into `app`. False when specview's or the figure table's
// translation file was not found.
bool install(QCoreApplication &app, const QString &code);

// The code install() was last given; the stored one before that.
QString current();

} // namespace specview::language
