#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// Eight bytes at a time, for the loops that cross whole texts. Loads are
// unaligned-safe (memcpy) and lanes are read little- or big-endian alike,
// since every test here looks at all lanes.

inline uint64_t LoadEight(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

constexpr uint64_t kEveryByte(unsigned char byte) {
  return 0x0101010101010101ULL * byte;
}

// Every byte is 0x80 or more (a lead byte or a second byte).
inline bool AllHigh(uint64_t word) {
  return (word & kEveryByte(0x80)) == kEveryByte(0x80);
}
// No byte is 0x80 or more.
inline bool AllLow(uint64_t word) {
  return (word & kEveryByte(0x80)) == 0;
}
// Some byte of the word equals `byte`.
inline bool HasByte(uint64_t word, unsigned char byte) {
  const uint64_t x = word ^ kEveryByte(byte);
  return ((x - kEveryByte(0x01)) & ~x & kEveryByte(0x80)) != 0;
}
// Some aligned pair of bytes (0-1, 2-3, 4-5, 6-7) is A1 A1, a full-width space.
inline bool HasFullWidthSpacePair(uint64_t word) {
  const uint64_t x = word ^ kEveryByte(0xA1);
  return ((x - 0x0001000100010001ULL) & ~x & 0x8000800080008000ULL) != 0;
}

// How many bytes of 0x80 or more stand right before `end`, counting back no
// further than `begin`.
inline std::size_t HighRunBefore(std::string_view bytes, std::size_t begin, std::size_t end) {
  std::size_t i = end;
  while (i >= begin + 8 && AllHigh(LoadEight(bytes.data() + i - 8)))
    i -= 8;
  while (i > begin && static_cast<unsigned char>(bytes[i - 1]) >= 0x80)
    --i;
  return end - i;
}
