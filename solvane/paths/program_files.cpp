#include "program_files.h"

#include "devlink/usb_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace solvane::paths {
namespace {

// The installed data and library folders relative to the installed
// programs' folder, from the install layout the build was configured with.
const char *const kBinToData = SOLVANE_BIN_TO_DATA;
[[maybe_unused]] const char *const kBinToLib = SOLVANE_BIN_TO_LIB;

// The first of `folder`/`name` and `folder`/`installed`/`name` that exists.
QString findFrom(const QString &folder, const QString &installed, const QString &name) {
  const QDir dir(folder);
  const QString beside = dir.filePath(name);
  if (QFileInfo::exists(beside)) {
    return beside;
  }
  const QString inLayout = QDir::cleanPath(dir.filePath(installed + QLatin1Char('/') + name));
  return QFileInfo::exists(inLayout) ? inLayout : QString();
}

#ifdef Q_OS_WIN
// QFileInfo::isWritable reads only the read-only attribute on Windows, which
// folders under Program Files lack: making a file there is what tells.
bool canWriteIn(const QString &folder) {
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("settings-probe-XXXXXX")));
  return probe.open();
}

// Settings roam with the user, in the application data folder (%APPDATA%).
QString userSettingsFolder() {
  return QDir(qEnvironmentVariable("APPDATA", QDir::homePath()))
      .filePath(QStringLiteral("Solvane"));
}
#else
bool canWriteIn(const QString &folder) {
  return QFileInfo(folder).isWritable();
}

QString userSettingsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
#endif

} // namespace

QString programFolder() {
  if (QCoreApplication::instance() != nullptr) {
    return QCoreApplication::applicationDirPath();
  }
  // solvane-cli binds the meter before it has an application object (and
  // may never make one); Linux names the running program here. Elsewhere
  // the folder is not needed without one: the USB library goes by bare name.
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString dataFile(const QString &name, const QString &folder) {
  const QString found = findFrom(folder, QString::fromUtf8(kBinToData), name);
  return found.isEmpty() ? QDir(folder).filePath(name) : found;
}

QString usbLibrary(const QString &folder) {
  const QString name = QString::fromLatin1(devlink::kUsbLibraryName);
#ifdef Q_OS_WIN
  Q_UNUSED(folder);
  return name;
#else
  const QString found = findFrom(folder, QString::fromUtf8(kBinToLib), name);
  return found.isEmpty() ? name : found;
#endif
}

QString settingsFile(const QString &name, const QString &folder) {
  if (canWriteIn(folder)) {
    return name;
  }
  const QString config = userSettingsFolder();
  QDir().mkpath(config);
  return QDir(config).filePath(name);
}

} // namespace solvane::paths
