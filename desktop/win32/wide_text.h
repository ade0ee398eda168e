#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

// Windows speaks UTF-16 through its wide entry points; texts cross to and
// from it here, so the program behaves alike whatever the ANSI code page is.
std::wstring WideFromText(const Text& text);
Text TextFromWide(std::wstring_view wide);
