#pragma once

// Product data and the installer's user-visible texts, kept in one place.
// The texts are UTF-8; a Windows front-end converts them to the ANSI code
// page before showing them. The driver package's own strings live in its INF.

namespace drvinst {

enum class Language { English, Chinese };

namespace product {
inline constexpr char kMakerName[] = "Tessel";
inline constexpr char kMakerChineseName[] = "泰塞尔";
inline constexpr char kDeviceName[] = "Tessel Spectral Light Meter";
inline constexpr char kWebAddress[] = "www.tessel-instruments.com";
} // namespace product

// The texts of the message box that reports an installation.
struct InstallMessages {
  const char* caption;
  const char* success;
  const char* failure;
};

inline constexpr InstallMessages kEnglishMessages{
    "Tessel driver install", "Install driver OK!", "Install driver failure!"};
inline constexpr InstallMessages kChineseMessages{
    "泰塞尔USB驱动安装", "驱动安装成功!", "驱动安装失败!"};

inline const InstallMessages& installMessages(Language language) {
  return language == Language::Chinese ? kChineseMessages : kEnglishMessages;
}

} // namespace drvinst
