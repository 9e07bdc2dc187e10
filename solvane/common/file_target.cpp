#include "file_target.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace solvane::files {

std::unique_ptr<QFileDevice> openTarget(const QString &path) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile() && !info.isDir()) {
    return std::make_unique<QFile>(path);
  }
  return std::make_unique<QSaveFile>(path);
}

bool finishTarget(QFileDevice &file) {
  if (auto *saved = qobject_cast<QSaveFile *>(&file)) {
    return saved->commit();
  }
  return file.flush();
}

} // namespace solvane::files
