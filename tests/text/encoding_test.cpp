#include "text/encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "support/text_testing.h"

namespace {

std::string Utf8(std::u8string_view s) {
  return std::string(s.begin(), s.end());
}

}  // namespace

TEST(GbkFromUtf8, ConvertsWhatGbkHoldsAndSubstitutesTheRest) {
  const struct {
    const char* what;
    std::string utf8;
    Text expected;
  } cases[] = {
      {"ASCII", "http://a.b/?x=1", Text("http://a.b/?x=1")},
      {"Chinese", Utf8(u8"提取码"), Bytes({0xCC, 0xE1, 0xC8, 0xA1, 0xC2, 0xEB})},
      {"full-width signs", Utf8(u8"：（　"), Bytes({0xA3, 0xBA, 0xA3, 0xA8, 0xA1, 0xA1})},
      {"euro sign is 0x80", Utf8(u8"€"), Bytes({0x80})},
      {"emoji outside GBK", Utf8(u8"a😀b"), Text("a?b")},
      {"character outside GBK in the BMP", Utf8(u8"a\u0E01b"), Text("a?b")},
      {"stray continuation byte", "a\x80z", Text("a?z")},
      {"truncated sequence is one substitute", "a\xE6\x8Fz", Text("a?z")},
      {"truncated at the end", "a\xE6\x8F", Text("a?")},
      {"overlong form", "\xC0\xAF", Text("??")},
      {"encoded surrogate", "\xED\xA0\x80", Text("???")},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", Text("????")},
      {"invalid byte", "\xFF", Text("?")},
      {"ends at the first NUL", std::string("ab\0cd", 5), Text("ab")},
      {"empty", "", Text()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(GbkFromUtf8(c.utf8), c.expected);
  }
}

TEST(Utf8FromGbk, ShowsEveryByteThatIsNoGbkAsAReplacementCharacter) {
  const std::string r = Utf8(u8"\uFFFD");
  const struct {
    const char* what;
    Text gbk;
    std::string expected;
  } cases[] = {
      {"Chinese", Bytes({0xCC, 0xE1, 0xC8, 0xA1, 0xC2, 0xEB}), Utf8(u8"提取码")},
      {"euro sign", Bytes({0x80, 0x61}), Utf8(u8"€a")},
      {"lone lead byte at the end", Bytes({0x61, 0x62, 0xA3}), "ab" + r},
      {"second byte alone", Bytes({0xBA, 0x20}), r + " "},
      {"invalid second byte, ASCII after it survives", Bytes({0x81, 0x30, 0x61}), r + "0a"},
      {"invalid second byte that is no lead either", Bytes({0x81, 0xFF, 0x61}), r + r + "a"},
      {"stray 0xFF", Bytes({0xFF}), r},
      {"the code cut through a character", Bytes({0x61, 0x62, 0x63, 0xCC}), "abc" + r},
      {"empty", Text(), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Utf8FromGbk(c.gbk), c.expected);
  }
}

TEST(Encoding, EveryGbkCharacterSurvivesARoundTrip) {
  int characters = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const Text gbk = Bytes({lead, trail});
      const std::string utf8 = Utf8FromGbk(gbk);
      if (utf8.find(Utf8(u8"\uFFFD")) != std::string::npos)
        continue;  // no character
      ++characters;
      ASSERT_EQ(GbkFromUtf8(utf8), gbk) << std::hex << lead << " " << trail;
      ASSERT_EQ(GbkFromUtf16(Utf16FromGbk(gbk)), gbk) << std::hex << lead << " " << trail;
    }
  }
  EXPECT_GT(characters, 21000);  // GBK holds 21886 characters, fewer where the platform lacks some
}

TEST(Utf16, ConvertsLikeUtf8AndSubstitutesSurrogates) {
  EXPECT_EQ(GbkFromUtf16(u"提取码：abcd"), Gbk("提取码：abcd"));
  EXPECT_EQ(GbkFromUtf16(u"a\U0001F600b"), Text("a?b"));
  EXPECT_EQ(GbkFromUtf16(std::u16string_view(u"a\xD800z")), Text("a?z"));
  EXPECT_EQ(GbkFromUtf16(std::u16string_view(u"ab\0cd", 5)), Text("ab"));
  EXPECT_EQ(Utf16FromGbk(Bytes({0x61, 0xA3})), u"a\uFFFD");
  EXPECT_EQ(Utf16FromGbk(Gbk("访问码")), u"访问码");
}
