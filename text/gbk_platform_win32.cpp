#include "text/gbk_platform.h"

// The one kernel32 function this needs, declared by hand: the text library
// stays free of windows.h.
extern "C" __declspec(dllimport) int __stdcall MultiByteToWideChar(unsigned codePage, unsigned long flags,
                                                                   const char* bytes, int byteCount,
                                                                   wchar_t* wide, int wideCount);

namespace {
constexpr unsigned kCodePageGbk = 936;
constexpr unsigned long kErrorOnInvalidCharacters = 0x00000008;  // MB_ERR_INVALID_CHARS
}  // namespace

char32_t DecodeGbkCharacterWithPlatform(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > 2)
    return 0;
  wchar_t wide[4] = {};
  const int units = MultiByteToWideChar(kCodePageGbk, kErrorOnInvalidCharacters, bytes.data(),
                                        static_cast<int>(bytes.size()), wide, 4);
  // GBK holds nothing beyond the BMP: one character is one unit.
  if (units != 1)
    return 0;
  return static_cast<char32_t>(wide[0]);
}
