#pragma once

// The interface language: code 0 simplified Chinese, 1 traditional Chinese,
// 2 English, kept under the key "language" of "language.ini" in the working
// directory and applied at start-up by a translator.

#include <QString>

class QTranslator;

namespace solvane::language {

// The stored code; a missing file or key, or a value that is not a number,
// reads as 0.
int storedCode();

// "cn.qm", "tw.qm", "en.qm" for codes 0, 1, 2; empty for any other code.
QString translationFile(int code);

// Loads the translation file of the stored code into `translator`, taken
// relative to the working directory. False when none was loaded.
bool loadTranslation(QTranslator &translator);

// Writes codes 0 to 2 and syncs the file, so that a new instance reads the
// new value; any other index writes nothing. False, with the reason in
// `error` (may be null), when the file could not be written.
bool storeCode(int index, QString *error = nullptr);

// The environment variable through which a restarted instance learns that
// its predecessor may still be quitting.
inline constexpr char kRestartVariable[] = "SOLVANE_RESTARTED_FROM";

// Starts a new, detached instance of this program with no arguments; it
// waits for this one to release the single-instance marker.
bool startNewInstance();

} // namespace solvane::language
