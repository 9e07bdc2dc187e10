#include "drvinst/host.h"

namespace drvinst {

const char *platformDecoration(Architecture architecture) {
  switch (architecture) {
  case Architecture::X86:
    return "NTx86";
  case Architecture::X64:
    return "NTamd64";
  case Architecture::Itanium:
    return "NTia64";
  case Architecture::Other:
    break;
  }
  // Matches no decoration an INF lists, so only undecorated models apply.
  return "Unkonw";
}

Language languageFromLocaleName(std::string_view localeName) {
  return localeName.substr(0, 5) == "zh_CN" ? Language::Chinese : Language::English;
}

} // namespace drvinst
