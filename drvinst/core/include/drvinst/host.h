#pragma once

// Facts about the running system that the installer decides by.

#include "drvinst/product.h"

#include <string>
#include <string_view>

namespace drvinst {

// Processor architectures by the codes Windows reports for them.
enum class Architecture : unsigned { X86 = 0, Itanium = 6, X64 = 9, Other = 0xFFFF };

// The INF platform decoration that selects models for `architecture`.
const char *platformDecoration(Architecture architecture);

// Chinese for a locale name of simplified Chinese as used in China
// ("zh_CN", "zh_CN.UTF-8", ...), English for every other name.
Language languageFromLocaleName(std::string_view localeName);

// Chinese for the Windows locale 2052, Chinese as used in China; English
// for every other locale identifier.
Language languageFromLocaleId(unsigned long localeId);

// The title of the operating system's new-hardware wizard for a Windows
// language identifier: GBK bytes for Chinese (China and Taiwan), ASCII for
// English, null for any other language, whose title is not known.
const char *newHardwareWizardTitle(unsigned languageId);

namespace host {

Architecture nativeArchitecture();

// Windows: Chinese when the system default locale is 2052. Elsewhere: the
// locale named by LC_ALL, else LC_MESSAGES, else LANG.
Language userLanguage();

// The system's text for the error of the last failed system call (errno on
// POSIX, GetLastError on Windows), in one line.
std::string lastSystemError();

// True when the last failed system call was refused for want of rights
// that an administrator (root) has.
bool lastErrorNeedsPrivileges();

#if defined(_WIN32)
// Between the ANSI code page of the file calls and UTF-8; what the code
// page cannot hold becomes its default character.
std::string utf8FromAnsi(std::string_view text);
std::string ansiFromUtf8(std::string_view text);
#endif

} // namespace host
} // namespace drvinst
