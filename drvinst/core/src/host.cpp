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

Language languageFromLocaleId(unsigned long localeId) {
  constexpr unsigned long kChineseChina = 2052;
  return localeId == kChineseChina ? Language::Chinese : Language::English;
}

const char *newHardwareWizardTitle(unsigned languageId) {
  // A language identifier is a primary language in bits 0-9 and a
  // sublanguage in bits 10-15.
  constexpr unsigned kChinese = 0x04;
  constexpr unsigned kEnglish = 0x09;
  constexpr unsigned kChina = 0x0800;
  constexpr unsigned kTaiwan = 0x0400;
  const unsigned primary = languageId & 0x3FF;
  const unsigned sublanguage = languageId & 0xFC00;
  if (primary == kEnglish) {
    return "Found New Hardware Wizard";
  }
  if (primary == kChinese && sublanguage == kChina) {
    return "\xD5\xD2\xB5\xBD\xD0\xC2\xB5\xC4\xD3\xB2\xBC\xFE\xCF\xF2\xB5\xBC"; // 找到新的硬件向导
  }
  if (primary == kChinese && sublanguage == kTaiwan) {
    return "\xD5\xD2\xB5\xBD\xD0\xC2\xB5\xC4\xD3\xB2\xBC\xFE\x87\xBB\x8C\xA7"; // 找到新的硬件嚮導
  }
  return nullptr;
}

} // namespace drvinst
