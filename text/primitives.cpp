#include "text/primitives.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "text/bytes_at_once.h"
#include "text/occurrences.h"

namespace {

constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kFullWidthSpaceByte = 0xA1;  // the full-width space is A1 A1

bool IsLeadByte(unsigned char byte) {
  return byte >= 0x80;
}

unsigned char ByteAt(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

// The 0-based offset at which a search region begins for a 1-based start
// position; an omitted start and anything below 1 begin at the first byte.
std::size_t RegionBegin(std::optional<int32_t> start) {
  if (!start || *start <= 1)
    return 0;
  return static_cast<std::size_t>(*start) - 1;
}

}  // namespace

int32_t TextLength(const Text& text) {
  return static_cast<int32_t>(text.bytes().size());
}

Text TextLeft(const Text& text, int32_t count) {
  if (count <= 0)
    return Text();
  return Text(text.bytes().substr(0, static_cast<std::size_t>(count)));
}

Text TextMid(const Text& text, int32_t start, int32_t count) {
  const std::string_view bytes = text.bytes();
  if (start < 1 || static_cast<std::size_t>(start) > bytes.size() || count <= 0)
    return Text();
  return Text(bytes.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(count)));
}

int32_t FindText(const Text& text, const Text& sought, std::optional<int32_t> start, bool ignoreCase) {
  const std::string_view bytes = text.bytes();
  const std::size_t begin = RegionBegin(start);
  if (begin >= bytes.size())
    return -1;
  if (sought.empty())
    return 1;  // an empty text is found at the first byte, wherever the region begins

  const std::string_view region = bytes.substr(begin);
  Occurrences occurrences(region, sought.bytes(), ignoreCase);
  CharacterWalk walk(region, 0);
  for (std::size_t at = occurrences.NextAtOrAfter(0); at != Occurrences::npos;
       at = occurrences.NextAtOrAfter(at + 1)) {
    if (walk.StartsCharacter(at))
      return static_cast<int32_t>(begin + at + 1);
  }
  return -1;
}

int32_t FindTextReverse(const Text& text, const Text& sought, std::optional<int32_t> start, bool ignoreCase) {
  const std::string_view bytes = text.bytes();
  // The region is the bytes before the start position, or the whole text.
  std::size_t end = bytes.size();
  if (start)
    end = std::min(end, RegionBegin(start));
  if (end == 0)
    return -1;
  if (sought.empty())
    return 1;

  // Characters are counted from the first byte of the text; a match must end
  // inside the region.
  Occurrences occurrences(bytes.substr(0, end), sought.bytes(), ignoreCase);
  CharacterWalk walk(bytes, 0);
  int32_t last = -1;
  for (std::size_t at = occurrences.NextAtOrAfter(0); at != Occurrences::npos;
       at = occurrences.NextAtOrAfter(at + 1)) {
    if (walk.StartsCharacter(at))
      last = static_cast<int32_t>(at + 1);
  }
  return last;
}

Text ReplaceSubtext(const Text& text, const Text& sought, std::optional<Text> replacement,
                    std::optional<int32_t> start, std::optional<int32_t> count, bool caseSensitive) {
  const std::string_view bytes = text.bytes();
  const std::string_view needle = sought.bytes();
  const std::size_t n = bytes.size();
  const std::size_t m = needle.size();
  const std::size_t begin = RegionBegin(start);
  int64_t remaining = count ? *count : -1;  // a negative count never runs out
  if (n == 0 || m == 0 || begin >= n || remaining == 0)
    return text;

  const std::string_view with = replacement ? replacement->bytes() : std::string_view();
  std::string result;
  result.reserve(n);
  result.append(bytes.substr(0, begin));

  Occurrences occurrences(bytes, needle, !caseSensitive);
  CharacterWalk walk(bytes, begin);
  std::size_t p = begin;  // the walk stands here, at the start of a character
  for (std::size_t at = occurrences.NextAtOrAfter(p); at != Occurrences::npos;
       at = occurrences.NextAtOrAfter(std::max(p, at + 1))) {
    if (!walk.StartsCharacter(at))
      continue;
    result.append(bytes.substr(p, at - p));
    result.append(with);
    p = at + m;
    walk.RestartAt(p);
    if (remaining > 0 && --remaining == 0)
      break;
  }
  if (remaining != 0 && m == 1 && p < n && IsLeadByte(ByteAt(bytes, n - 1)) &&
      CharacterWalk(bytes, p).StartsCharacter(n - 1)) {
    // The walk copies one character at a time while a one-byte sought text
    // still fits, so it reaches a lone lead byte at the end, and drops it.
    result.append(bytes.substr(p, n - 1 - p));
  } else {
    result.append(bytes.substr(p));
  }
  return Text(std::move(result));
}

Text RemoveAllSpaces(const Text& text) {
  const std::string_view bytes = text.bytes();
  const std::size_t n = bytes.size();
  std::string result;
  result.resize(n);
  char* out = result.data();
  std::size_t p = 0;
  while (p < n) {
    if (p + 8 <= n) {
      // Eight one-byte characters without a space, or four double-byte ones
      // without a full-width space, go over whole.
      const uint64_t eight = LoadEight(bytes.data() + p);
      if ((AllLow(eight) && !HasByte(eight, kSpace)) || (AllHigh(eight) && !HasFullWidthSpacePair(eight))) {
        std::memcpy(out, &eight, sizeof eight);
        out += 8;
        p += 8;
        continue;
      }
    }
    const unsigned char byte = ByteAt(bytes, p);
    if (!IsLeadByte(byte)) {
      if (byte != kSpace)
        *out++ = static_cast<char>(byte);
      ++p;
    } else if (p + 1 == n) {
      break;  // a lone lead byte at the end goes
    } else {
      const unsigned char second = ByteAt(bytes, p + 1);
      if (byte != kFullWidthSpaceByte || second != kFullWidthSpaceByte) {
        *out++ = static_cast<char>(byte);
        *out++ = static_cast<char>(second);
      }
      p += 2;
    }
  }
  result.resize(static_cast<std::size_t>(out - result.data()));
  return Text(std::move(result));
}

Text TrimBothEnds(const Text& text) {
  const std::string_view bytes = text.bytes();
  const std::size_t n = bytes.size();
  auto isFullWidthSpaceAt = [&](std::size_t i) {
    return i + 1 < n && ByteAt(bytes, i) == kFullWidthSpaceByte &&
           ByteAt(bytes, i + 1) == kFullWidthSpaceByte;
  };

  std::size_t first = 0;
  while (first < n) {
    if (ByteAt(bytes, first) == kSpace) {
      ++first;
    } else if (isFullWidthSpaceAt(first)) {
      first += 2;
    } else {
      break;
    }
  }

  // Only the tail after the last byte that is neither 0x20 nor 0xA1 can hold
  // the closing run of spaces, and no space can begin before that tail. What
  // matters of the text before it is only whether its last character ends
  // right at the tail or reaches one byte into it, and that is decided by the
  // run of lead bytes before the tail, so a long text costs no full walk.
  std::size_t tail = n;
  while (tail > first &&
         (ByteAt(bytes, tail - 1) == kSpace || ByteAt(bytes, tail - 1) == kFullWidthSpaceByte)) {
    --tail;
  }
  std::size_t p = HighRunBefore(bytes, first, tail) % 2 == 0 ? tail : tail + 1;

  std::size_t end = n;
  std::size_t runOfSpaces = n;  // where the current run of spaces began, n for none
  if (p > n) {
    end = n - 1;  // the text ends with a lone lead byte: the result stops before it
  }
  while (p < n) {
    const unsigned char byte = ByteAt(bytes, p);
    if (byte == kSpace) {
      if (runOfSpaces == n)
        runOfSpaces = p;
      ++p;
    } else if (!IsLeadByte(byte)) {
      runOfSpaces = n;
      ++p;
    } else if (p + 1 == n) {
      runOfSpaces = n;  // spaces before a lone lead byte at the end stay
      end = p;
      break;
    } else {
      if (!isFullWidthSpaceAt(p)) {
        runOfSpaces = n;
      } else if (runOfSpaces == n) {
        runOfSpaces = p;
      }
      p += 2;
    }
  }
  if (runOfSpaces != n)
    end = runOfSpaces;
  if (end <= first)
    return Text();
  return Text(bytes.substr(first, end - first));
}

int CompareText(const Text& a, const Text& b) {
  const int order = a.bytes().compare(b.bytes());
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}
