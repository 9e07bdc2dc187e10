#pragma once

// What the fuzz targets share: a broken promise is a crash that libFuzzer
// records with the input that caused it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);                 \
      std::abort();                                                                                \
    }                                                                                              \
  } while (false)
