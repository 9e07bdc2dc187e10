#include "filechooser.h"

#include <QDir>
#include <QFileInfo>

namespace solvane::ui {
namespace {

QString &lastFolder() {
  static QString folder; // empty: the working directory
  return folder;
}

} // namespace

QString chooseFile(QWidget *parent, QFileDialog::AcceptMode mode, const QString &caption,
                   const QString &initialName, const QString &filter, const QString &suffix) {
  QFileDialog dialog(parent, caption, QDir(lastFolder()).filePath(initialName), filter);
  dialog.setAcceptMode(mode);
  if (mode == QFileDialog::AcceptSave) {
    dialog.setDefaultSuffix(suffix);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return QString();
  }
  const QString fileName = dialog.selectedFiles().constFirst();
  lastFolder() = QFileInfo(fileName).absolutePath();
  return fileName;
}

} // namespace solvane::ui
