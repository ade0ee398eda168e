#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Yields every place where a needle occurs in a haystack, overlapping ones
// included, in increasing order and in linear time (Knuth-Morris-Pratt with a
// memchr skip while nothing is matched), so that no search rescans the text.
// Where asked, ASCII capitals fold to small letters on both sides.
class Occurrences {
 public:
  Occurrences(std::string_view haystack, std::string_view needle, bool foldCase);

  // The offset of the next occurrence that begins at or after `from`, or npos.
  // Offsets asked for must not decrease between calls.
  std::size_t NextAtOrAfter(std::size_t from);

  static constexpr std::size_t npos = std::string_view::npos;

 private:
  std::size_t Next();

  std::string_view haystack_;
  std::string_view needle_;
  bool fold_;
  std::vector<std::size_t> fallback_;
  std::size_t pos_ = 0;      // next haystack byte to read
  std::size_t matched_ = 0;  // needle bytes matched right before pos_
};

// Tells which offsets begin a character when a text is walked by characters
// from a given offset. A byte below 0x80 always ends a character, so only the
// run of lead bytes right before an offset decides; what one question learns
// is kept, so asking about increasing offsets costs linear time in all.
class CharacterWalk {
 public:
  CharacterWalk(std::string_view text, std::size_t from) : text_(text), known_(from) {}

  // `at` must not be lower than any offset asked about or restarted from before.
  bool StartsCharacter(std::size_t at);
  // The walk goes on from `from` as if a character began there.
  void RestartAt(std::size_t from) { known_ = from; }

 private:
  std::string_view text_;
  std::size_t known_;  // an offset known to begin a character
};
