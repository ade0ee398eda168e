#include "text/encoding.h"

#include <cstdint>
#include <vector>

#include "text/bytes_at_once.h"
#include "text/gbk_platform.h"

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char kSubstitute = '?';
constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr unsigned kTrails = kLastTrail - kFirstTrail + 1;

// Both directions as tables, filled once from the platform's decoder so that
// every conversion after that is a lookup per character.
struct GbkTables {
  std::vector<char32_t> pairs;        // [lead][trail] -> code point, 0 for none
  char32_t singles[0x80] = {};        // bytes 0x80..0xFF that stand alone (the euro sign)
  std::vector<uint16_t> fromUnicode;  // BMP code point -> GBK, one byte or lead<<8|trail; 0 for none

  GbkTables() : pairs((kLastLead - kFirstLead + 1) * kTrails, 0), fromUnicode(0x10000, 0) {
    for (unsigned cp = 1; cp < 0x80; ++cp)
      fromUnicode[cp] = static_cast<uint16_t>(cp);
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
      const char one = static_cast<char>(byte);
      const char32_t cp = DecodeGbkCharacterWithPlatform(std::string_view(&one, 1));
      if (cp >= 0x80 && cp < 0x10000 && cp != kReplacementCharacter) {
        singles[byte - 0x80] = cp;
        fromUnicode[cp] = static_cast<uint16_t>(byte);
      }
    }
    for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
      for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
        const char two[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        const char32_t cp = DecodeGbkCharacterWithPlatform(std::string_view(two, 2));
        if (cp < 0x80 || cp >= 0x10000 || cp == kReplacementCharacter)
          continue;
        pairs[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)] = cp;
        if (fromUnicode[cp] == 0)
          fromUnicode[cp] = static_cast<uint16_t>(lead << 8 | trail);
      }
    }
  }
};

const GbkTables& Tables() {
  static const GbkTables tables;
  return tables;
}

// The length of the run of ASCII bytes at the start of `bytes`.
std::size_t AsciiRun(std::string_view bytes) {
  std::size_t i = 0;
  while (i + 8 <= bytes.size() && AllLow(LoadEight(bytes.data() + i)))
    i += 8;
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
    ++i;
  return i;
}

// Calls `emitAscii` with every run of ASCII bytes and `emit` with the code
// point of every other GBK character of `bytes`, and U+FFFD for every byte
// that begins no character.
template <typename EmitAscii, typename Emit>
void DecodeGbk(std::string_view bytes, EmitAscii&& emitAscii, Emit&& emit) {
  const GbkTables& tables = Tables();
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n;) {
    const unsigned byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      const std::size_t run = AsciiRun(bytes.substr(i));
      emitAscii(bytes.substr(i, run));
      i += run;
      continue;
    }
    if (byte >= kFirstLead && byte <= kLastLead && i + 1 < n) {
      const unsigned trail = static_cast<unsigned char>(bytes[i + 1]);
      if (trail >= kFirstTrail && trail <= kLastTrail) {
        if (char32_t cp = tables.pairs[(byte - kFirstLead) * kTrails + (trail - kFirstTrail)]) {
          emit(cp);
          i += 2;
          continue;
        }
      }
    }
    // Only this byte is bad; the one after it is read again on its own, so an
    // ASCII byte behind a broken lead byte survives.
    const char32_t single = tables.singles[byte - 0x80];
    emit(single ? single : kReplacementCharacter);
    ++i;
  }
}

void AppendGbk(std::string& out, const GbkTables& tables, char32_t cp) {
  const uint16_t code = cp < 0x10000 ? tables.fromUnicode[cp] : 0;
  if (code == 0) {
    out.push_back(kSubstitute);
  } else if (code < 0x100) {
    out.push_back(static_cast<char>(code));
  } else {
    out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
  }
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | cp >> 6));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | cp >> 12));
    out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | cp >> 18));
    out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

constexpr char32_t kMalformed = 0xFFFFFFFF;

// Calls `emit` with every code point of `utf8`, and kMalformed once for every
// malformed sequence: a maximal prefix of a valid sequence, or a single byte
// that begins none.
template <typename EmitAscii, typename Emit>
void DecodeUtf8(std::string_view utf8, EmitAscii&& emitAscii, Emit&& emit) {
  const std::size_t n = utf8.size();
  for (std::size_t i = 0; i < n;) {
    const unsigned byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      const std::size_t run = AsciiRun(utf8.substr(i));
      emitAscii(utf8.substr(i, run));
      i += run;
      continue;
    }
    std::size_t needed = 0;
    char32_t cp = 0;
    unsigned lower = 0x80, upper = 0xBF;
    if (byte >= 0xC2 && byte <= 0xDF) {
      needed = 1, cp = byte & 0x1F;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
      needed = 2, cp = byte & 0x0F;
      if (byte == 0xE0)
        lower = 0xA0;
      if (byte == 0xED)
        upper = 0x9F;  // no surrogates
    } else if (byte >= 0xF0 && byte <= 0xF4) {
      needed = 3, cp = byte & 0x07;
      if (byte == 0xF0)
        lower = 0x90;
      if (byte == 0xF4)
        upper = 0x8F;
    } else {
      emit(kMalformed);
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    bool complete = true;
    for (std::size_t k = 0; k < needed; ++k, ++j) {
      const unsigned next = j < n ? static_cast<unsigned char>(utf8[j]) : 0;
      if (j >= n || next < lower || next > upper) {
        complete = false;
        break;
      }
      cp = cp << 6 | (next & 0x3F);
      lower = 0x80, upper = 0xBF;
    }
    emit(complete ? cp : kMalformed);
    i = j;
  }
}

std::string_view UpToNul(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

Text GbkFromUtf8(std::string_view utf8) {
  utf8 = UpToNul(utf8);
  const GbkTables& tables = Tables();
  std::string out;
  out.reserve(utf8.size());
  DecodeUtf8(
      utf8, [&](std::string_view ascii) { out.append(ascii); },
      [&](char32_t cp) {
        if (cp == kMalformed) {
          out.push_back(kSubstitute);
        } else {
          AppendGbk(out, tables, cp);
        }
      });
  return Text(std::move(out));
}

std::string Utf8FromGbk(const Text& text) {
  std::string out;
  out.reserve(text.bytes().size() * 3 / 2);
  DecodeGbk(
      text.bytes(), [&](std::string_view ascii) { out.append(ascii); },
      [&](char32_t cp) { AppendUtf8(out, cp); });
  return out;
}

Text GbkFromUtf16(std::u16string_view utf16) {
  utf16 = utf16.substr(0, utf16.find(u'\0'));
  const GbkTables& tables = Tables();
  std::string out;
  out.reserve(utf16.size() * 2);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t unit = utf16[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      ++i;  // a character beyond the BMP, which GBK cannot hold
      out.push_back(kSubstitute);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      out.push_back(kSubstitute);  // a lone surrogate
    } else if (unit < 0x80) {
      out.push_back(static_cast<char>(unit));
    } else {
      AppendGbk(out, tables, unit);
    }
  }
  return Text(std::move(out));
}

std::u16string Utf16FromGbk(const Text& text) {
  std::u16string out;
  out.reserve(text.bytes().size());
  // GBK holds nothing beyond the BMP, so every code point is one unit.
  DecodeGbk(
      text.bytes(), [&](std::string_view ascii) { out.append(ascii.begin(), ascii.end()); },
      [&](char32_t cp) { out.push_back(static_cast<char16_t>(cp)); });
  return out;
}
