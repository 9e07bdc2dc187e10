#include "tsfoundation.h"

#include <QDebug>

namespace {

// A command whose entry point did not resolve fails like a failed exchange
// instead of calling through a null pointer.
long forward(devlink::CommandEntry entry, DWORD dwID, DWORD loc, DWORD count, BYTE *buf,
             DWORD dwTimeout, char *disc, DWORD dwTry) {
  if (entry == nullptr) {
    return 0;
  }
  return entry(dwID, loc, count, buf, dwTimeout, disc, dwTry);
}

} // namespace

TSFoundation::TSFoundation(QObject *parent)
    : TSFoundation(parent, QString::fromLatin1(devlink::kUsbLibraryName)) {}

TSFoundation::TSFoundation(QObject *parent, const QString &libraryName)
    : QObject(parent), name(libraryName) {
  bind();
}

TSFoundation::~TSFoundation() {
  // The library is never unloaded: entry points handed out stay valid.
  module.release();
}

void TSFoundation::bind() {
  if (module.open(name.toStdString())) {
    cmdRead = module.resolve<devlink::CommandEntry>("CmdRead");
    cmdWrite = module.resolve<devlink::CommandEntry>("CmdWrite");
    cmdCmd = module.resolve<devlink::CommandEntry>("CmdCmd");
    cmdSpeic = module.symbol("CmdSpeic");
  }
  bound = cmdRead && cmdWrite && cmdCmd && cmdSpeic;
  if (!module.isOpen()) {
    failure = "cannot load the USB library: " + QString::fromStdString(module.lastError());
  } else if (!bound) {
    failure = QString("cannot load the USB library: %1: it lacks one of the entry points "
                      "CmdRead, CmdWrite, CmdCmd, CmdSpeic")
                  .arg(name);
  }
  const QString message = bound ? QStringLiteral("Succeeded in loading Dll(%1)!")
                                : QStringLiteral("Failed to load Dll(%1)!");
  qDebug() << message.arg(name);
}

long TSFoundation::readCommand(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout,
                               char *disc, DWORD dwTry) {
  return forward(cmdRead, dwID, loc, count, buf, dwTimeout, disc, dwTry);
}

long TSFoundation::writeCommand(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout,
                                char *disc, DWORD dwTry) {
  return forward(cmdWrite, dwID, loc, count, buf, dwTimeout, disc, dwTry);
}

long TSFoundation::cmdCommand(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout,
                              char *disc, DWORD dwTry) {
  return forward(cmdCmd, dwID, loc, count, buf, dwTimeout, disc, dwTry);
}
