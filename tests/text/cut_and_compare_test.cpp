#include <gtest/gtest.h>

#include <climits>

#include "support/text_testing.h"
#include "text/primitives.h"

TEST(TextLeft, CutsBytesNotCharacters) {
  const struct {
    Text text;
    int32_t count;
    Text expected;
  } cases[] = {
      {Gbk("：abcd"), 4, Gbk("：ab")}, {Gbk("ab：cd"), 3, Bytes({0x61, 0x62, 0xA3})},
      {Gbk("abc"), 10, Gbk("abc")},    {Gbk("abc"), INT32_MAX, Gbk("abc")},
      {Gbk("abc"), 0, Text()},         {Gbk("abc"), -1, Text()},
      {Gbk("abc"), INT32_MIN, Text()}, {Text(), 3, Text()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " count " + std::to_string(c.count));
    EXPECT_EQ(TextLeft(c.text, c.count), c.expected);
  }
}

TEST(TextMid, CutsCountBytesFromTheStartPosition) {
  const struct {
    Text text;
    int32_t start, count;
    Text expected;
  } cases[] = {
      {Gbk("abcdef"), 3, 2, Gbk("cd")},
      {Gbk("abcdef"), 5, 10, Gbk("ef")},
      {Gbk("abcdef"), 5, INT32_MAX, Gbk("ef")},
      {Gbk("abc"), 3, 1, Gbk("c")},
      {Gbk("abc"), 4, 1, Text()},
      {Gbk("abc"), 0, 2, Text()},
      {Gbk("abc"), 1, 0, Text()},
      {Gbk("abc"), 1, -1, Text()},
      {Gbk("abc"), INT32_MIN, 2, Text()},
      {Gbk("abc"), INT32_MAX, 2, Text()},
      {Gbk("：ab"), 2, 2, Bytes({0xBA, 0x61})},
      {Text(), 1, 1, Text()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " start " + std::to_string(c.start) + " count " +
                 std::to_string(c.count));
    EXPECT_EQ(TextMid(c.text, c.start, c.count), c.expected);
  }
}

TEST(TextLength, CountsBytes) {
  EXPECT_EQ(TextLength(Text()), 0);
  EXPECT_EQ(TextLength(Gbk("a：")), 3);
  EXPECT_EQ(TextLength(Bytes({0x81})), 1);
}

TEST(CompareText, OrdersBytesAsUnsignedValues) {
  const struct {
    Text a, b;
    int expected;
  } cases[] = {
      {Text(), Text(), 0},          {Text(), Gbk("a"), -1},      {Gbk("a"), Text(), 1},
      {Gbk("b"), Gbk("a"), 1},      {Gbk("ab"), Gbk("a"), 1},    {Gbk("a"), Gbk("ab"), -1},
      {Bytes({0x80}), Gbk("a"), 1}, {Gbk("abc"), Gbk("abc"), 0}, {Gbk("abc"), Gbk("abd"), -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.a) + " vs " + testing::PrintToString(c.b));
    EXPECT_EQ(CompareText(c.a, c.b), c.expected);
  }
}
