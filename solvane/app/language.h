#pragma once

// The interface language: code 0 simplified Chinese, 1 traditional Chinese,
// 2 English, kept under the key "language" of "language.ini" (in the working
// directory, or the user's configuration folder for an installed program)
// and applied at start-up by translators: the program's own texts and the
// figure table's, which specview shares.

#include <QString>
#include <QTranslator>

namespace solvane::language {

// The stored code; a missing file or key, or a value that is not a number,
// reads as 0.
int storedCode();

// "cn.qm", "tw.qm", "en.qm" for codes 0, 1, 2; empty for any other code.
QString translationFile(int code);

// "figures_cn.qm", "figures_tw.qm", "figures_en.qm": the figure table's
// texts in the language of `code`; empty for any other code.
QString figureTranslationFile(int code);

// The program's translation and the figure table's in language `code`,
// each found beside the program or in its installed data folder, installed
// into the application while this object lives (a translator leaves the
// application when it is destroyed).
class Translations {
public:
  explicit Translations(int code);

  // True when both files were loaded.
  bool loaded() const { return m_loaded; }

private:
  QTranslator m_own;
  QTranslator m_figures;
  bool m_loaded;
};

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
