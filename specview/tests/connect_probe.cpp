// Connects to spectrometer 0 as specview does and prints the identifier, or
// why it cannot; the window test runs it from a folder of its own, where no
// USB library lies beside specsdk.

#include "device.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  specview::DeviceInfo info;
  QString error;
  if (!specview::connectDevice(0, &info, &error)) {
    std::printf("%s\n", qPrintable(error));
    return 1;
  }
  std::printf("%s\n", qPrintable(info.id));
  return 0;
}
