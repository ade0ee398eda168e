#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "support/text_testing.h"
#include "text/primitives.h"

namespace {

struct FindCase {
  const char* what;
  Text text;
  Text sought;
  std::optional<int32_t> start;
  bool ignoreCase;
  int32_t expected;
};

}  // namespace

TEST(FindText, FindsTheFirstOccurrenceOnACharacterBoundary) {
  const FindCase cases[] = {
      {"full-width colon", Gbk("ab：cd"), Gbk("："), kOmitted, false, 3},
      {"overlapping text, first", Gbk("aaa"), Gbk("aa"), kOmitted, false, 1},
      {"start position counts from the text's start", Gbk("abcabc"), Gbk("bc"), 3, false, 5},
      {"start 0", Gbk("abcabc"), Gbk("bc"), 0, false, 2},
      {"start 1", Gbk("abcabc"), Gbk("bc"), 1, false, 2},
      {"negative start", Gbk("abcabc"), Gbk("bc"), -4, false, 2},
      {"start past the end", Gbk("abc"), Gbk("c"), 4, false, -1},
      {"empty sought inside", Gbk("abcabc"), Text(), 3, false, 1},
      {"empty sought past the end", Gbk("abcabc"), Text(), 7, false, -1},
      {"empty in empty", Text(), Text(), kOmitted, false, -1},
      {"anything in empty", Text(), Gbk("a"), kOmitted, false, -1},
      {"bytes across two characters", Gbk("埃好"), Gbk("："), kOmitted, false, -1},
      {"a start on a second byte begins a character", Gbk("埃好"), Gbk("："), 2, false, 2},
      {"full-width spaces pair from the start", Bytes({0xA1, 0xA1, 0xA1}), Bytes({0xA1, 0xA1}), kOmitted,
       false, 1},
      {"lone lead byte at the end", Bytes({0x61, 0x62, 0xA3}), Bytes({0xA3}), kOmitted, false, 3},
      {"two-byte text over a lone lead byte", Bytes({0x61, 0x62, 0xA3}), Gbk("："), kOmitted, false, -1},
      {"ASCII byte as second byte is not found", Bytes({0x81, 0x3A, 0x3A}), Gbk(":"), kOmitted, false, 3},
      {"folding on", Gbk("xABy"), Gbk("ab"), kOmitted, true, 2},
      {"folding off", Gbk("xABy"), Gbk("ab"), kOmitted, false, -1},
      {"folding reaches second bytes", Bytes({0x81, 0x41}), Bytes({0x81, 0x61}), kOmitted, true, 1},
      {"folding leaves other bytes", Gbk("[@"), Gbk("{`"), kOmitted, true, -1},
      {"sought longer than text", Gbk("ab"), Gbk("abc"), kOmitted, false, -1},
      {"INT32_MAX start", Gbk("abc"), Gbk("a"), INT32_MAX, false, -1},
      {"INT32_MIN start", Gbk("abc"), Gbk("c"), INT32_MIN, false, 3},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FindText(c.text, c.sought, c.start, c.ignoreCase), c.expected);
  }
}

TEST(FindTextReverse, FindsTheLastOccurrenceBeforeTheStartPosition) {
  const FindCase cases[] = {
      {"overlapping occurrences count", Gbk("aaa"), Gbk("aa"), kOmitted, false, 2},
      {"whole text", Gbk("abcabc"), Gbk("abc"), kOmitted, false, 4},
      {"start 7", Gbk("abcabc"), Gbk("abc"), 7, false, 4},
      {"start 6: the match must end before it", Gbk("abcabc"), Gbk("abc"), 6, false, 1},
      {"start 4", Gbk("abcabc"), Gbk("abc"), 4, false, 1},
      {"start 1 finds nothing", Gbk("abcabc"), Gbk("abc"), 1, false, -1},
      {"start 0 finds nothing, unlike an omitted start", Gbk("abcabc"), Gbk("abc"), 0, false, -1},
      {"negative start finds nothing", Gbk("abcabc"), Gbk("abc"), -5, false, -1},
      {"start 3", Gbk("abc"), Gbk("abc"), 3, false, -1},
      {"start 4 reaches the end", Gbk("abc"), Gbk("abc"), 4, false, 1},
      {"start beyond the end", Gbk("abc"), Gbk("abc"), INT32_MAX, false, 1},
      {"empty sought", Gbk("abc"), Text(), kOmitted, false, 1},
      {"empty sought, start 2", Gbk("abc"), Text(), 2, false, 1},
      {"empty sought, start 1", Gbk("abc"), Text(), 1, false, -1},
      {"empty text", Text(), Gbk("a"), kOmitted, false, -1},
      {"full-width spaces pair from the start", Bytes({0xA1, 0xA1, 0xA1}), Bytes({0xA1, 0xA1}), kOmitted,
       false, 1},
      {"characters are counted from the first byte, not the region", Bytes({0xB0, 0xA1, 0xB0, 0xA1}),
       Bytes({0xA1, 0xB0}), kOmitted, false, -1},
      {"lone lead byte at the end", Bytes({0xA3, 0x61, 0xA3}), Bytes({0xA3}), kOmitted, false, 3},
      {"folding", Gbk("ABxab"), Gbk("Ab"), kOmitted, true, 4},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FindTextReverse(c.text, c.sought, c.start, c.ignoreCase), c.expected);
  }
}

// A long run of double-byte characters whose bytes also hold the sought text
// at every odd offset: every such candidate must be rejected, and the real
// match at the end found, whichever way the search goes.
TEST(FindText, RejectsEveryMisalignedCandidateInALongRun) {
  std::string bytes;
  for (int i = 0; i < 100000; ++i)
    bytes += "\xB0\xA1";
  bytes += "x\xA1\xB0";
  const Text text{std::string(bytes)};
  const Text sought = Bytes({0xA1, 0xB0});
  EXPECT_EQ(FindText(text, sought, kOmitted, false), 200002);
  EXPECT_EQ(FindTextReverse(text, sought, kOmitted, false), 200002);
  EXPECT_EQ(FindTextReverse(text, sought, 200002, false), -1);
  // From the second byte on, the pairs shift and every odd offset is a start.
  EXPECT_EQ(FindText(text, sought, 2, false), 2);
}
