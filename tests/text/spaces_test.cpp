#include <gtest/gtest.h>

#include <string>

#include "support/text_testing.h"
#include "text/primitives.h"
#include "text/walk_model.h"

TEST(RemoveAllSpaces, DropsAsciiAndFullWidthSpacesOnly) {
  const struct {
    const char* what;
    Text text, expected;
  } cases[] = {
      {"both spaces go, tab and line breaks stay",
       Bytes({0x20, 0x61, 0xA1, 0xA1, 0x62, 0x20, 0x09, 0x0D, 0x0A}), Bytes({0x61, 0x62, 0x09, 0x0D, 0x0A})},
      {"A1 A1 across two characters is no space", Bytes({0xB0, 0xA1, 0xA1, 0xC0}),
       Bytes({0xB0, 0xA1, 0xA1, 0xC0})},
      {"0x20 as a second byte stays", Bytes({0x81, 0x20, 0x61}), Bytes({0x81, 0x20, 0x61})},
      {"a lone lead byte at the end goes", Bytes({0x61, 0x81}), Gbk("a")},
      {"spaces alone", Bytes({0x20, 0x20, 0x20}), Text()},
      {"lone A1", Bytes({0xA1}), Text()},
      {"full-width space then lone A1", Bytes({0xA1, 0xA1, 0xA1}), Text()},
      {"empty", Text(), Text()},
      {"Chinese text with spaces", Gbk("提取码： abcd"), Gbk("提取码：abcd")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(RemoveAllSpaces(c.text), c.expected);
  }
}

TEST(TrimBothEnds, TrimsSpacesAtBothEndsByCharacters) {
  const struct {
    const char* what;
    Text text, expected;
  } cases[] = {
      {"both kinds at both ends", Bytes({0xA1, 0xA1, 0x20, 0x61, 0x62, 0x20, 0x63, 0x20, 0xA1, 0xA1}),
       Bytes({0x61, 0x62, 0x20, 0x63})},
      {"tabs are no spaces", Bytes({0x09, 0x61, 0x62, 0x20, 0x09}), Bytes({0x09, 0x61, 0x62, 0x20, 0x09})},
      {"a second byte 0x20 is no space", Bytes({0x61, 0x81, 0x20, 0x20}), Bytes({0x61, 0x81, 0x20})},
      {"a lone lead byte ends the result before it", Bytes({0x61, 0x62, 0x20, 0x81}),
       Bytes({0x61, 0x62, 0x20})},
      {"space and lone lead byte", Bytes({0x20, 0x81}), Text()},
      {"spaces alone", Bytes({0x20, 0x20}), Text()},
      {"A1 before an ASCII byte is a character", Bytes({0xA1, 0x20, 0x61}), Bytes({0xA1, 0x20, 0x61})},
      {"full-width spaces before a lone A1 stay", Bytes({0x61, 0xA1, 0xA1, 0xA1}), Bytes({0x61, 0xA1, 0xA1})},
      {"a character ending in A1 before a space", Bytes({0xB0, 0xA1, 0x20}), Bytes({0xB0, 0xA1})},
      {"A1 pairs counted from the start of the run", Bytes({0x61, 0xB0, 0xA1, 0xA1, 0xA1, 0xA1}),
       Bytes({0x61, 0xB0, 0xA1, 0xA1, 0xA1})},
      {"the same run one byte shorter", Bytes({0x61, 0xB0, 0xA1, 0xA1, 0xA1}), Bytes({0x61, 0xB0, 0xA1})},
      {"nothing to trim", Gbk("http://a b"), Gbk("http://a b")},
      {"empty", Text(), Text()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(TrimBothEnds(c.text), c.expected);
  }
}

// The trim starts its walk near the end of the text; it must agree with a
// walk from the front whatever stands before the tail.
TEST(TrimBothEnds, AgreesWithAWalkFromTheFrontOnLongLeadByteRuns) {
  for (int leads = 0; leads < 8; ++leads) {
    for (const char* tail : {"", " ", "\xA1\xA1", "\xA1", " \xA1\xA1 ", "\xA1\xA1\xA1"}) {
      std::string bytes = "x";
      bytes.append(static_cast<std::size_t>(leads), '\xB0');
      bytes += tail;
      SCOPED_TRACE(testing::PrintToString(Text(bytes)));
      EXPECT_EQ(TrimBothEnds(bytes), Text(walk_model::Trim(bytes)));
    }
  }
}
