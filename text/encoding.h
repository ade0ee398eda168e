#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

// Conversions used wherever a text crosses to or from a desktop that does not
// speak GBK (code page 936). Neither ever fails.

// A character GBK cannot hold becomes "?", and so does each malformed UTF-8
// sequence; the text ends at the first NUL.
Text GbkFromUtf8(std::string_view utf8);

// Bytes that are not GBK (a lone lead byte at the end, a lead byte with an
// invalid second byte, a stray byte) each become U+FFFD; the rest converts
// normally, so a cut through a character never loses the tail.
std::string Utf8FromGbk(const Text& text);

// The same for desktops whose own text form is UTF-16 (Windows, Qt): a
// character beyond the BMP or a lone surrogate becomes "?".
Text GbkFromUtf16(std::u16string_view utf16);
std::u16string Utf16FromGbk(const Text& text);
