#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "support/text_testing.h"
#include "text/primitives.h"

namespace {

struct ReplaceCase {
  const char* what;
  Text text, sought;
  std::optional<Text> replacement;
  std::optional<int32_t> start, count;
  bool caseSensitive;
  Text expected;
};

}  // namespace

TEST(ReplaceSubtext, ReplacesFromLeftToRightOnCharacterBoundaries) {
  const ReplaceCase cases[] = {
      {"every CR LF goes", Bytes({0x61, 0x0D, 0x0A, 0x62, 0x0D, 0x0A}), Bytes({0x0D, 0x0A}), kOmitted,
       kOmitted, kOmitted, true, Gbk("ab")},
      {"the first only", Gbk("x:y:z"), Gbk(":"), kOmitted, 1, 1, true, Gbk("xy:z")},
      {"from a start position", Gbk("a:b:c"), Gbk(":"), Gbk("-"), 3, kOmitted, true, Gbk("a:b-c")},
      {"occurrences never overlap", Gbk("aaa"), Gbk("aa"), Gbk("b"), kOmitted, kOmitted, true, Gbk("ba")},
      {"the replacement is never searched", Gbk("aa"), Gbk("a"), Gbk("aa"), kOmitted, kOmitted, true,
       Gbk("aaaa")},
      {"start past the end", Gbk("abc"), Gbk("c"), Gbk("X"), 4, kOmitted, true, Gbk("abc")},
      {"start on the last byte", Gbk("abc"), Gbk("c"), Gbk("X"), 3, kOmitted, true, Gbk("abX")},
      {"count 0", Gbk("abab"), Gbk("b"), Gbk("X"), kOmitted, 0, true, Gbk("abab")},
      {"a negative count is no limit", Gbk("abab"), Gbk("b"), Gbk("X"), kOmitted, -3, true, Gbk("aXaX")},
      {"INT32_MIN count", Gbk("abab"), Gbk("b"), Gbk("X"), kOmitted, INT32_MIN, true, Gbk("aXaX")},
      {"count 1 from the middle", Gbk("ababab"), Gbk("b"), Gbk("X"), 3, 1, true, Gbk("abaXab")},
      {"everything removed", Gbk("ab"), Gbk("ab"), kOmitted, kOmitted, kOmitted, true, Text()},
      {"empty text", Text(), Gbk("a"), kOmitted, kOmitted, kOmitted, true, Text()},
      {"empty sought", Gbk("abc"), Text(), Gbk("X"), kOmitted, kOmitted, true, Gbk("abc")},
      {"bytes across two characters are no match", Gbk("埃好"), Gbk("："), Gbk("X"), kOmitted, kOmitted, true,
       Gbk("埃好")},
      {"a start on a second byte begins a character", Gbk("埃好"), Gbk("："), Gbk("X"), 2, kOmitted, true,
       Bytes({0xB0, 0x58, 0xC3})},
      {"folding", Gbk("aBAb"), Gbk("ab"), Gbk("X"), kOmitted, kOmitted, false, Gbk("XX")},
      {"no folding when case-sensitive", Gbk("aBAb"), Gbk("ab"), Gbk("X"), kOmitted, kOmitted, true,
       Gbk("aBAb")},
      {"a one-byte search drops a lone lead byte at the end", Bytes({0x61, 0x62, 0x81}), Gbk("z"), kOmitted,
       kOmitted, kOmitted, true, Gbk("ab")},
      {"a longer search keeps it", Bytes({0x61, 0x62, 0x81}), Gbk("zz"), kOmitted, kOmitted, kOmitted, true,
       Bytes({0x61, 0x62, 0x81})},
      {"a lone lead byte that matches is replaced", Bytes({0x61, 0x81}), Bytes({0x81}), Gbk("X"), kOmitted,
       kOmitted, true, Gbk("aX")},
      {"the count running out keeps the lone lead byte", Bytes({0x61, 0x62, 0x81}), Gbk("a"), kOmitted,
       kOmitted, 1, true, Bytes({0x62, 0x81})},
      {"after a match the walk goes on from there, even mid-character", Bytes({0xA3, 0xBA, 0x3A}),
       Bytes({0xA3}), kOmitted, kOmitted, kOmitted, true, Bytes({0xBA, 0x3A})},
      {"INT32_MAX start", Gbk("abc"), Gbk("a"), Gbk("X"), INT32_MAX, kOmitted, true, Gbk("abc")},
      {"INT32_MIN start", Gbk("abc"), Gbk("a"), Gbk("X"), INT32_MIN, kOmitted, true, Gbk("Xbc")},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReplaceSubtext(c.text, c.sought, c.replacement, c.start, c.count, c.caseSensitive), c.expected);
  }
}

TEST(ReplaceSubtext, LeavesItsArgumentsUnchanged) {
  const Text text = Gbk("a:b");
  const Text sought = Gbk(":");
  const Text result = ReplaceSubtext(text, sought, Gbk("--"), std::nullopt, std::nullopt, true);
  EXPECT_EQ(result, Gbk("a--b"));
  EXPECT_EQ(text, Gbk("a:b"));
  EXPECT_EQ(sought, Gbk(":"));
}
