#pragma once

// How the installer carries a failure. A function that can fail returns
// bool (or a value that is empty or null on failure) and takes a last
// `std::string *error`, which may be null. On failure it receives one
// sentence, "what failed: FILE: reason", where the reason is the system's
// text for the error ("Permission denied", "No space left on device") or
// what is wrong with the input. Callers pass the sentence on unchanged.
// Whatever the sentence quotes from outside (a path, an archive entry's
// name, an INF value) goes through quoted() first.

#include <initializer_list>
#include <string>
#include <string_view>

namespace drvinst {

// Stores `sentence` in `error` when one is given. Returns false, so that a
// failing function can end with `return fail(error, ...)`.
bool fail(std::string *error, std::string sentence);
// The same with the sentence in pieces, which it joins: one call instead of
// a chain of concatenations, which keeps the Windows image small.
bool fail(std::string *error, std::initializer_list<std::string_view> pieces);

// Text from outside as a sentence shows it: one line, its control
// characters and bidirectional controls escaped, a long text cut
// (quoting::quotedText). The text is the system's 8-bit text, UTF-8 here
// and the ANSI code page on Windows, and so is the result.
std::string quoted(std::string_view text);

// Fails with "what: file: " (the file quoted) and the system's text for
// the error of the last failed system call. Call it straight after that
// call, before anything else can change the error.
bool failWithSystemError(std::string *error, std::string_view what, std::string_view file);

// As failWithSystemError, for a step of the driver installation: when the
// system refused for want of rights, the sentence adds that installing the
// driver needs root (on Windows, an administrator).
bool failInstalling(std::string *error, std::string_view what, std::string_view file);

} // namespace drvinst
