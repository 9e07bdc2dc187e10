#pragma once

// The benchmarks' view of this process's memory (Linux /proc/self).

#include <QByteArray>
#include <QFile>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace procmem {

// A figure of /proc/self/status in KiB: "VmRSS:" (resident now) or
// "VmHWM:" (peak resident since the last reset).
inline double statusKiB(const QByteArray &key) {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return 0;
  }
  for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
    if (line.startsWith(key)) {
      return line.mid(key.size()).trimmed().split(' ').first().toDouble();
    }
  }
  return 0;
}

// Hands freed heap back to the system, so that what follows starts from
// the resident size of what is still in use.
inline void returnFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

// Starts the peak ("VmHWM:") again from the resident size now.
inline void resetPeakMemory() {
  QFile clearRefs("/proc/self/clear_refs");
  if (clearRefs.open(QIODevice::WriteOnly)) {
    clearRefs.write("5");
  }
}

} // namespace procmem
