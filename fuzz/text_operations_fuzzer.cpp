// Arbitrary bytes, positions and counts through every text operation. The
// operations must agree with a plain character walk, keep their results
// inside their arguments and never hold a NUL.
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "tests/text/walk_model.h"
#include "text/extract.h"
#include "text/primitives.h"

namespace {

std::optional<int32_t> OptionalPosition(FuzzedDataProvider& in) {
  if (in.ConsumeBool())
    return std::nullopt;
  return in.ConsumeIntegral<int32_t>();
}

bool IsPieceOf(const Text& piece, const Text& whole) {
  return piece.empty() || whole.bytes().find(piece.bytes()) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int32_t a = in.ConsumeIntegral<int32_t>();
  const int32_t b = in.ConsumeIntegral<int32_t>();
  const std::optional<int32_t> start = OptionalPosition(in);
  const std::optional<int32_t> count = OptionalPosition(in);
  const bool flag = in.ConsumeBool();
  const std::string soughtBytes = in.ConsumeRandomLengthString(8);
  const std::string otherBytes = in.ConsumeRandomLengthString(8);
  const std::string textBytes = in.ConsumeRemainingBytesAsString();
  const Text text(textBytes), sought(soughtBytes), other(otherBytes);
  const std::string_view t = text.bytes(), s = sought.bytes();
  const int32_t n = TextLength(text);

  const Text left = TextLeft(text, a);
  FUZZ_CHECK(t.substr(0, left.bytes().size()) == left.bytes());
  FUZZ_CHECK(left.bytes().size() ==
             (a <= 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(a), t.size())));

  const Text mid = TextMid(text, a, b);
  if (!mid.empty())
    FUZZ_CHECK(a >= 1 && t.substr(static_cast<std::size_t>(a) - 1, mid.bytes().size()) == mid.bytes());

  const int32_t found = FindText(text, sought, start, flag);
  FUZZ_CHECK(found == walk_model::Find(t, s, start, flag));
  FUZZ_CHECK(found == -1 || (found >= 1 && found <= std::max(n, 1)));
  FUZZ_CHECK(FindTextReverse(text, sought, start, flag) == walk_model::FindReverse(t, s, start, flag));

  const Text replaced = ReplaceSubtext(text, sought, flag ? std::optional<Text>(other) : std::nullopt, start,
                                       count, a % 2 == 0);
  FUZZ_CHECK(replaced ==
             Text(walk_model::Replace(t, s, flag ? other.bytes() : "", start, count, a % 2 == 0)));
  FUZZ_CHECK(!HasNul(replaced.bytes()));

  const Text spaceless = RemoveAllSpaces(text);
  FUZZ_CHECK(spaceless == Text(walk_model::RemoveSpaces(t)));
  const Text trimmed = TrimBothEnds(text);
  FUZZ_CHECK(trimmed == Text(walk_model::Trim(t)));
  FUZZ_CHECK(IsPieceOf(trimmed, text));

  const int compared = CompareText(text, sought);
  FUZZ_CHECK(compared == (t < s ? -1 : (t > s ? 1 : 0)));

  const Text between = TextBetween(text, sought, other, a, flag, b % 3, (b / 3) % 3);
  FUZZ_CHECK(IsPieceOf(between, text));
  const Text after = TextAfter(text, sought, a % 3, b % 3);
  FUZZ_CHECK(IsPieceOf(after, text));
  if (!after.empty())
    FUZZ_CHECK(t.ends_with(after.bytes()));
  return 0;
}
