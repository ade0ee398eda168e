// The text operations skip ahead (memchr, a matching automaton, a walk that
// starts near the end); on random bytes rich in lead bytes, spaces, colons
// and letters of both cases they must agree with a plain walk.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/text_testing.h"
#include "text/primitives.h"
#include "text/walk_model.h"

namespace {

class RandomTexts {
 public:
  explicit RandomTexts(unsigned seed) : engine_(seed) {}

  std::string Bytes(int maxLength) {
    static constexpr unsigned char kAlphabet[] = {'a',  'b',  'A',  'B',  ':',  ' ',  0x0D, 0x0A,
                                                  0x80, 0x81, 0xA1, 0xA1, 0xA3, 0xBA, 0xB0, 0xFF};
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 1);
    std::string s(static_cast<std::size_t>(length(engine_)), '\0');
    for (char& c : s)
      c = static_cast<char>(kAlphabet[pick(engine_)]);
    return s;
  }

  std::optional<int32_t> Position(int32_t around) {
    std::uniform_int_distribution<int32_t> choice(0, 9);
    switch (choice(engine_)) {
      case 0:
        return std::nullopt;
      case 1:
        return INT32_MIN;
      case 2:
        return INT32_MAX;
      default:
        return std::uniform_int_distribution<int32_t>(-2, around + 2)(engine_);
    }
  }

  bool Coin() { return std::uniform_int_distribution<int>(0, 1)(engine_) == 1; }

 private:
  std::mt19937 engine_;
};

constexpr int kRounds = 20000;

}  // namespace

TEST(WalkAgreement, FindTextAndFindTextReverse) {
  RandomTexts random(1);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = random.Bytes(24), sought = random.Bytes(3);
    const auto start = random.Position(static_cast<int32_t>(text.size()));
    const bool fold = random.Coin();
    SCOPED_TRACE(testing::PrintToString(Text(text)) + " / " + testing::PrintToString(Text(sought)) +
                 " start " + (start ? std::to_string(*start) : "omitted") + (fold ? " folded" : ""));
    ASSERT_EQ(FindText(text, sought, start, fold), walk_model::Find(text, sought, start, fold));
    ASSERT_EQ(FindTextReverse(text, sought, start, fold), walk_model::FindReverse(text, sought, start, fold));
  }
}

TEST(WalkAgreement, ReplaceSubtext) {
  RandomTexts random(2);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = random.Bytes(24), sought = random.Bytes(3), with = random.Bytes(3);
    const auto start = random.Position(static_cast<int32_t>(text.size()));
    const auto count = random.Position(3);
    const bool caseSensitive = random.Coin();
    const bool omitted = random.Coin();
    SCOPED_TRACE(testing::PrintToString(Text(text)) + " / " + testing::PrintToString(Text(sought)));
    const Text expected(walk_model::Replace(text, sought, omitted ? "" : with, start, count, caseSensitive));
    ASSERT_EQ(ReplaceSubtext(text, sought, omitted ? std::nullopt : std::optional<Text>(with), start, count,
                             caseSensitive),
              expected);
  }
}

TEST(WalkAgreement, RemoveAllSpacesAndTrimBothEnds) {
  RandomTexts random(3);
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = random.Bytes(24);
    SCOPED_TRACE(testing::PrintToString(Text(text)));
    ASSERT_EQ(RemoveAllSpaces(text), Text(walk_model::RemoveSpaces(text)));
    ASSERT_EQ(TrimBothEnds(text), Text(walk_model::Trim(text)));
  }
}
