#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken invariant stops the fuzzer with the input that broke it.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)

inline bool HasNul(std::string_view bytes) {
  return bytes.find('\0') != std::string_view::npos;
}
