#pragma once

#include "devlink/shared_library.h"
#include "devlink/usb_library.h"

#include <QObject>
#include <QString>

// The program's binding to the USB access library: loads it once by bare
// file name, resolves the command entry points and forwards each command
// frame unchanged. The library stays loaded for the rest of the process.
class TSFoundation : public QObject {
  Q_OBJECT

public:
  explicit TSFoundation(QObject *parent = nullptr);
  // Binds another library file; tests use it for libraries with missing
  // entry points.
  TSFoundation(QObject *parent, const QString &libraryName);
  ~TSFoundation() override;

  // True when the library loaded and all four command entry points resolved.
  bool isBound() const { return bound; }
  const QString &libraryName() const { return name; }
  // Why the library is not bound: "cannot load the USB library: " and the
  // loader's message, or the entry point it lacks. Empty when bound.
  QString errorString() const { return failure; }

public slots:
  long readCommand(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *disc,
                   DWORD dwTry);
  long writeCommand(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *disc,
                    DWORD dwTry);
  long cmdCommand(DWORD dwID, DWORD loc, DWORD count, BYTE *buf, DWORD dwTimeout, char *disc,
                  DWORD dwTry);

private:
  void bind();

  devlink::SharedLibrary module;
  devlink::CommandEntry cmdRead = nullptr;
  devlink::CommandEntry cmdWrite = nullptr;
  devlink::CommandEntry cmdCmd = nullptr;
  // Resolved so that a library without it is refused, never called.
  void *cmdSpeic = nullptr;
  bool bound = false;
  const QString name;
  QString failure;
};
