#include "desktop/win32/wide_text.h"

#include "text/encoding.h"

// wchar_t is 16 bits on Windows; copying unit by unit avoids reading one
// character type through the other.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring WideFromText(const Text& text) {
  const std::u16string utf16 = Utf16FromGbk(text);
  return std::wstring(utf16.begin(), utf16.end());
}

Text TextFromWide(std::wstring_view wide) {
  return GbkFromUtf16(std::u16string(wide.begin(), wide.end()));
}
