#pragma once

// The program's file dialogs: each starts in the folder where the user last
// chose a file in any of them, and a name typed without extension for saving
// gets the file type's suffix before the dialog asks about overwriting, so it
// asks about the file that will be written.

#include <QFileDialog>
#include <QString>

namespace solvane::ui {

// The chosen file, or empty when the dialog was cancelled. `suffix` (without
// dot) is added to a name saved without extension; opening needs an existing
// file.
QString chooseFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &caption,
                   const QString &initialName, const QString &filter, const QString &suffix);

} // namespace solvane::ui
