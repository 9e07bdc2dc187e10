#include "drvinst/text.h"

namespace drvinst {
namespace {

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char upperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::string toLower(std::string_view text) {
  std::string result(text);
  for (char &c : result) {
    c = lowerAscii(c);
  }
  return result;
}

std::string toUpper(std::string_view text) {
  std::string result(text);
  for (char &c : result) {
    c = upperAscii(c);
  }
  return result;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return toLower(a) == toLower(b);
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

std::string decimal(std::uint64_t value) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + value % 10));
    value /= 10;
  } while (value != 0);
  return digits;
}

} // namespace drvinst
