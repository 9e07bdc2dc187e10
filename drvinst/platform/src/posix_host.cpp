#include "drvinst/host.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/utsname.h>
#include <unistd.h>

namespace drvinst::host {

Architecture nativeArchitecture() {
  utsname system{};
  if (::uname(&system) != 0) {
    return Architecture::Other;
  }
  const std::string machine = system.machine;
  if (machine == "x86_64") {
    return Architecture::X64;
  }
  if (machine.size() == 4 && machine[0] == 'i' && machine.substr(2) == "86") {
    return Architecture::X86;
  }
  return machine == "ia64" ? Architecture::Itanium : Architecture::Other;
}

Language userLanguage() {
  for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char *value = std::getenv(variable);
    if (value != nullptr && *value != '\0') {
      return languageFromLocaleName(value);
    }
  }
  return Language::English;
}

std::string lastSystemError() {
  return std::strerror(errno);
}

bool lastErrorNeedsPrivileges() {
  return (errno == EACCES || errno == EPERM) && ::geteuid() != 0;
}

} // namespace drvinst::host
