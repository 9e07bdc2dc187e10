#pragma once

// What the fuzz targets share: a broken promise is a crash that libFuzzer
// records with the input that caused it.

#include "hostile_text.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);                 \
      std::abort();                                                                                \
    }                                                                                              \
  } while (false)

// A failure's reason: there, and one line without control characters or
// bidirectional controls, as every message quoting input must be.
inline bool isOneCleanLine(std::string_view reason) {
  return !reason.empty() && quoting::testing::isOneSafeLine(reason);
}
