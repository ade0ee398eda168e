#include "text/text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/text_testing.h"
#include "text/primitives.h"

TEST(Text, EndsAtTheFirstNulWhateverItIsMadeFrom) {
  const std::string withNul("ab\0cd", 5);
  EXPECT_EQ(Text(std::string_view(withNul)).bytes(), "ab");
  EXPECT_EQ(Text(std::string(withNul)).bytes(), "ab");
  EXPECT_EQ(Text(std::string_view("\0x", 2)).bytes(), "");
  EXPECT_TRUE(Text(std::string_view("\0x", 2)).empty());
}

TEST(Text, UnsetAndZeroLengthTextsAreTheSameEmptyText) {
  EXPECT_EQ(Text(), Text(""));
  EXPECT_EQ(Text(), Text(static_cast<const char*>(nullptr)));
  EXPECT_TRUE(Text().empty());
  EXPECT_FALSE(Text("a").empty());
}

TEST(Text, LengthsCountGbkBytes) {
  EXPECT_EQ(TextLength(Gbk("提取码")), 6);
  EXPECT_EQ(Gbk("提取码"), Bytes({0xCC, 0xE1, 0xC8, 0xA1, 0xC2, 0xEB}));
  EXPECT_EQ(TextLength(Gbk("：")), 2);
  EXPECT_EQ(TextLength(Gbk(":")), 1);
  EXPECT_EQ(TextLength(Gbk("密码")), 4);
}

TEST(Text, IsAValueThatLeavesItsSourceAlone) {
  Text a("abc");
  Text b = a;
  b = Text("x");
  EXPECT_EQ(a.bytes(), "abc");
  EXPECT_EQ(b.bytes(), "x");
}
