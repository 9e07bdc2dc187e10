#pragma once

// Text taken from input, made safe to put in a message: see quotedText.

#include <cstddef>
#include <string>
#include <string_view>

namespace quoting {

// Input longer than this many characters is cut in a message.
constexpr std::size_t kMaxQuotedCharacters = 200;

// `text` (UTF-8, or bytes that are meant to be) as one line that holds no
// control character and nothing that reorders the text around it:
// - C0 controls and DEL become \xNN, each byte of invalid UTF-8 \xNN too;
// - C1 controls (U+0080 to U+009F), the line and paragraph separators and
//   the bidirectional embeddings, overrides and isolates (U+202A to U+202E,
//   U+2066 to U+2069) become \u{NNNN};
// - beyond kMaxQuotedCharacters characters the text is cut, and "…" and
//   the whole text's length in bytes follow: "abc… (10000 bytes)".
// Other text, including printable non-ASCII, stays as it is.
std::string quotedText(std::string_view text);

} // namespace quoting
