#pragma once

#include <QString>
#include <string_view>

#include "text/encoding.h"
#include "text/text.h"

// Qt keeps text as UTF-16; the system's texts are GBK. Every crossing goes
// through these two.

inline QString QStringFromGbk(const Text& text) {
  const std::u16string utf16 = Utf16FromGbk(text);
  return QString(reinterpret_cast<const QChar*>(utf16.data()), static_cast<qsizetype>(utf16.size()));
}

inline Text GbkFromQString(const QString& text) {
  return GbkFromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                          static_cast<std::size_t>(text.size())));
}
