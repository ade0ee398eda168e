#pragma once

#include <string_view>

// The platform's own GBK (code page 936) decoder, asked about one character
// at a time while the conversion tables are built: the code point of the one
// or two bytes given, or 0 when the platform does not take them as exactly
// one character. glibc's iconv on Linux, the code-page API on Windows.
char32_t DecodeGbkCharacterWithPlatform(std::string_view bytes);
