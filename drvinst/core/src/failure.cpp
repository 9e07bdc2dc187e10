#include "drvinst/failure.h"

#include "drvinst/host.h"

#include "quoting/quoted_text.h"

#include <utility>

namespace drvinst {

bool fail(std::string *error, std::string sentence) {
  if (error != nullptr) {
    *error = std::move(sentence);
  }
  return false;
}

bool fail(std::string *error, std::initializer_list<std::string_view> pieces) {
  std::string sentence; // a piece may still look into *error
  for (std::string_view piece : pieces) {
    sentence.append(piece);
  }
  return fail(error, std::move(sentence));
}

std::string quoted(std::string_view text) {
#if defined(_WIN32)
  // The escapes are ASCII, so the way back to the code page keeps them.
  return host::ansiFromUtf8(quoting::quotedText(host::utf8FromAnsi(text)));
#else
  return quoting::quotedText(text);
#endif
}

bool failWithSystemError(std::string *error, std::string_view what, std::string_view file) {
  const std::string reason = host::lastSystemError();
  return fail(error, {what, ": ", quoted(file), ": ", reason});
}

bool failInstalling(std::string *error, std::string_view what, std::string_view file) {
#if defined(_WIN32)
  constexpr char kHint[] = "; installing the driver needs an administrator";
#else
  constexpr char kHint[] = "; installing the driver needs root";
#endif
  const bool needsPrivileges = host::lastErrorNeedsPrivileges();
  failWithSystemError(error, what, file);
  if (needsPrivileges && error != nullptr) {
    error->append(kHint);
  }
  return false;
}

} // namespace drvinst
