#pragma once

#include <cstdint>
#include <iomanip>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "text/encoding.h"
#include "text/text.h"

// Texts in tests are written readably (this file and the tests are UTF-8)
// or as bytes; failures print both forms.

inline Text Gbk(std::string_view utf8) {
  return GbkFromUtf8(utf8);
}

inline Text Bytes(std::initializer_list<unsigned> bytes) {
  std::string s;
  for (unsigned b : bytes)
    s.push_back(static_cast<char>(b));
  return Text(std::move(s));
}

inline void PrintTo(const Text& text, std::ostream* os) {
  *os << "[";
  bool first = true;
  for (unsigned char c : text.bytes()) {
    *os << (first ? "" : " ") << std::hex << std::uppercase << std::setw(2) << std::setfill('0')
        << static_cast<unsigned>(c) << std::dec;
    first = false;
  }
  *os << "] \"" << Utf8FromGbk(text) << "\"";
}

inline std::ostream& operator<<(std::ostream& os, const Text& text) {
  PrintTo(text, &os);
  return os;
}

// An optional argument of the primitives, printed as "omitted" when absent.
inline constexpr std::nullopt_t kOmitted = std::nullopt;
