#include "text/occurrences.h"

#include <cstring>

#include "text/bytes_at_once.h"

namespace {

unsigned char Fold(unsigned char byte) {
  return byte >= 0x41 && byte <= 0x5A ? byte + 0x20 : byte;
}

}  // namespace

Occurrences::Occurrences(std::string_view haystack, std::string_view needle, bool foldCase)
    : haystack_(haystack), needle_(needle), fold_(foldCase), fallback_(needle.size(), 0) {
  auto at = [&](std::size_t i) {
    unsigned char byte = static_cast<unsigned char>(needle_[i]);
    return fold_ ? Fold(byte) : byte;
  };
  for (std::size_t i = 1, k = 0; i < needle_.size(); ++i) {
    while (k > 0 && at(i) != at(k))
      k = fallback_[k - 1];
    if (at(i) == at(k))
      ++k;
    fallback_[i] = k;
  }
}

std::size_t Occurrences::Next() {
  const std::size_t n = haystack_.size();
  const std::size_t m = needle_.size();
  if (m == 0 || m > n)
    return npos;
  auto needleAt = [&](std::size_t i) {
    unsigned char byte = static_cast<unsigned char>(needle_[i]);
    return fold_ ? Fold(byte) : byte;
  };
  const unsigned char first = needleAt(0);
  const bool canSkip = !fold_ || (first < 0x61 || first > 0x7A);
  while (pos_ < n) {
    if (matched_ == 0 && canSkip) {
      const void* hit = std::memchr(haystack_.data() + pos_, first, n - pos_);
      if (!hit) {
        pos_ = n;
        return npos;
      }
      pos_ = static_cast<std::size_t>(static_cast<const char*>(hit) - haystack_.data());
    }
    unsigned char byte = static_cast<unsigned char>(haystack_[pos_]);
    if (fold_)
      byte = Fold(byte);
    while (matched_ > 0 && byte != needleAt(matched_))
      matched_ = fallback_[matched_ - 1];
    if (byte == needleAt(matched_))
      ++matched_;
    ++pos_;
    if (matched_ == m) {
      matched_ = fallback_[m - 1];
      return pos_ - m;
    }
  }
  return npos;
}

std::size_t Occurrences::NextAtOrAfter(std::size_t from) {
  for (;;) {
    std::size_t found = Next();
    if (found == npos || found >= from)
      return found;
  }
}

bool CharacterWalk::StartsCharacter(std::size_t at) {
  const bool starts = HighRunBefore(text_, known_, at) % 2 == 0;
  // Either `at` begins a character or it is the second byte of one, and then
  // the byte after it does.
  known_ = starts ? at : at + 1;
  return starts;
}
