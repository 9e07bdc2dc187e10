#pragma once

// Product data and the installer's user-visible texts, kept in one place.
// The texts are UTF-8; the Windows front end shows them through the
// Unicode calls, so they read right whatever the ANSI code page. The
// driver package's own strings (maker and device name for the system's
// device list) live in its INF.

#include "drvinst/product_texts.h"

namespace drvinst {

enum class Language { English, Chinese };

namespace product {
// Shown at the foot of the installer's dialog.
inline constexpr char kWebAddress[] = DRVINST_WEB_ADDRESS;
} // namespace product

// The texts of the installer's dialog, which has one button.
struct DialogTexts {
  const char *caption;
  const char *installButton;
};

inline constexpr DialogTexts kEnglishDialog{DRVINST_ENGLISH_CAPTION,
                                            DRVINST_ENGLISH_INSTALL_BUTTON};
inline constexpr DialogTexts kChineseDialog{DRVINST_CHINESE_CAPTION,
                                            DRVINST_CHINESE_INSTALL_BUTTON};

inline const DialogTexts &dialogTexts(Language language) {
  return language == Language::Chinese ? kChineseDialog : kEnglishDialog;
}

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
