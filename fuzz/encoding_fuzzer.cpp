// Arbitrary bytes as UTF-8, GBK and UTF-16: no conversion fails, valid
// text survives a round trip, and what comes out of GBK is valid UTF-8.
#include <cstring>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "text/encoding.h"

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    std::size_t length = c < 0x80                   ? 1
                         : (c >= 0xC2 && c <= 0xDF) ? 2
                         : (c >= 0xE0 && c <= 0xEF) ? 3
                         : (c >= 0xF0 && c <= 0xF4) ? 4
                                                    : 0;
    if (length == 0 || i + length > s.size())
      return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
        return false;
    }
    if (c == 0xE0 && static_cast<unsigned char>(s[i + 1]) < 0xA0)
      return false;
    if (c == 0xED && static_cast<unsigned char>(s[i + 1]) > 0x9F)
      return false;
    if (c == 0xF0 && static_cast<unsigned char>(s[i + 1]) < 0x90)
      return false;
    if (c == 0xF4 && static_cast<unsigned char>(s[i + 1]) > 0x8F)
      return false;
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view upToNul = bytes.substr(0, bytes.find('\0'));

  // Into GBK: never fails, never empty for a non-empty text, never a NUL.
  const Text gbk = GbkFromUtf8(bytes);
  FUZZ_CHECK(gbk.empty() == upToNul.empty());
  FUZZ_CHECK(!HasNul(gbk.bytes()));
  if (IsValidUtf8(upToNul) && upToNul.find('?') == std::string_view::npos &&
      gbk.bytes().find('?') == std::string_view::npos) {
    FUZZ_CHECK(Utf8FromGbk(gbk) == upToNul);  // everything was representable
  }

  // Out of GBK: always valid UTF-8, nothing dropped, and exact GBK comes back.
  const Text asGbk(upToNul);
  const std::string utf8 = Utf8FromGbk(asGbk);
  FUZZ_CHECK(IsValidUtf8(utf8));
  FUZZ_CHECK(utf8.empty() == asGbk.empty());
  FUZZ_CHECK(utf8.size() >= asGbk.bytes().size());
  if (utf8.find(kReplacement) == std::string::npos)
    FUZZ_CHECK(GbkFromUtf8(utf8) == asGbk);

  const std::u16string utf16 = Utf16FromGbk(asGbk);
  FUZZ_CHECK(GbkFromUtf8(utf8) == GbkFromUtf16(utf16));

  std::u16string units(size / 2, u'\0');
  std::memcpy(units.data(), data, units.size() * 2);
  const Text fromUnits = GbkFromUtf16(units);
  FUZZ_CHECK(!HasNul(fromUnits.bytes()));
  return 0;
}
