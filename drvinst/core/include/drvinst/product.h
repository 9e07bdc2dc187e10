#pragma once

// Product data and the installer's user-visible texts, kept in one place.
// The texts are UTF-8; a Windows front-end converts them to the ANSI code
// page before showing them. The driver package's own strings (maker and
// device name for the system's device list) live in its INF.

// Macros so that the captions below can be joined from them at compile time.
#define DRVINST_MAKER_NAME "Tessel"
#define DRVINST_MAKER_CHINESE_NAME "泰塞尔"

namespace drvinst {

enum class Language { English, Chinese };

namespace product {
inline constexpr char kMakerName[] = DRVINST_MAKER_NAME;
inline constexpr char kMakerChineseName[] = DRVINST_MAKER_CHINESE_NAME;
// Shown at the foot of the installer's dialog.
inline constexpr char kWebAddress[] = "www.tessel-instruments.com";
} // namespace product

// The texts of the message box that reports an installation.
struct InstallMessages {
  const char *caption;
  const char *success;
  const char *failure;
};

inline constexpr InstallMessages kEnglishMessages{DRVINST_MAKER_NAME " driver install",
                                                  "Install driver OK!", "Install driver failure!"};
inline constexpr InstallMessages kChineseMessages{DRVINST_MAKER_CHINESE_NAME "USB驱动安装",
                                                  "驱动安装成功!", "驱动安装失败!"};

inline const InstallMessages &installMessages(Language language) {
  return language == Language::Chinese ? kChineseMessages : kEnglishMessages;
}

} // namespace drvinst
