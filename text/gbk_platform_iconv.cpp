#include <iconv.h>

#include <array>

#include "text/gbk_platform.h"

char32_t DecodeGbkCharacterWithPlatform(std::string_view bytes) {
  // One converter serves every question; the tables are built once, on one thread.
  static const iconv_t converter = iconv_open("UTF-32LE", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1))
    return 0;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);

  std::array<char, 2> in{};
  std::array<unsigned char, 8> out{};
  bytes.copy(in.data(), in.size());
  char* inPtr = in.data();
  std::size_t inLeft = bytes.size();
  char* outPtr = reinterpret_cast<char*>(out.data());
  std::size_t outLeft = out.size();
  if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
    return 0;
  if (inLeft != 0 || out.size() - outLeft != 4)
    return 0;  // not exactly one character
  return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24);
}
