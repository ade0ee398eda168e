#pragma once

// A plain walk by characters, one byte comparison at a time, exactly as the
// text operations are defined. It is slow and obviously right; the real
// operations skip ahead and must agree with it on any bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace walk_model {

inline bool Lead(unsigned char c) {
  return c >= 0x80;
}
inline unsigned char Fold(unsigned char c) {
  return c >= 0x41 && c <= 0x5A ? c + 0x20 : c;
}

inline bool Match(std::string_view t, int64_t p, std::string_view s, bool fold) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned char a = t[p + i], b = s[i];
    if (fold)
      a = Fold(a), b = Fold(b);
    if (a != b)
      return false;
  }
  return true;
}

inline int32_t Find(std::string_view t, std::string_view s, std::optional<int32_t> start, bool fold) {
  const int64_t n = t.size(), m = s.size();
  int64_t b = start ? std::max<int64_t>(0, int64_t{*start} - 1) : 0;
  if (b >= n)
    return -1;
  if (m == 0)
    return 1;
  for (int64_t p = b; p + m - 1 <= n - 1;) {
    if (Match(t, p, s, fold))
      return static_cast<int32_t>(p + 1);
    if (Lead(t[p]) && p == n - 1)
      break;
    p += Lead(t[p]) ? 2 : 1;
  }
  return -1;
}

inline int32_t FindReverse(std::string_view t, std::string_view s, std::optional<int32_t> start, bool fold) {
  const int64_t n = t.size(), m = s.size();
  int64_t b = start ? std::max<int64_t>(0, int64_t{*start} - 1) : n;
  const int64_t end = std::min(b, n);
  if (end == 0)
    return -1;
  if (m == 0)
    return 1;
  int32_t last = -1;
  for (int64_t p = 0; p + m - 1 <= end - 1;) {
    if (Match(t, p, s, fold))
      last = static_cast<int32_t>(p + 1);
    if (Lead(t[p]) && p == n - 1)
      break;
    p += Lead(t[p]) ? 2 : 1;
  }
  return last;
}

inline std::string Replace(std::string_view t, std::string_view s, std::string_view r,
                           std::optional<int32_t> start, std::optional<int32_t> count, bool caseSensitive) {
  const int64_t n = t.size(), m = s.size();
  int64_t sPos = start ? std::max<int64_t>(0, int64_t{*start} - 1) : 0;
  int64_t k = count ? *count : -1;
  if (n == 0 || m == 0 || sPos >= n || k == 0)
    return std::string(t);
  std::string out(t.substr(0, sPos));
  int64_t p = sPos;
  while (n - p >= m) {
    if (Match(t, p, s, !caseSensitive)) {
      out += r;
      p += m;
      if (k > 0 && --k == 0)
        break;
    } else if (Lead(t[p]) && p == n - 1) {
      ++p;
      break;
    } else if (Lead(t[p])) {
      out += t.substr(p, 2);
      p += 2;
    } else {
      out += t[p];
      ++p;
    }
  }
  out += t.substr(std::min<int64_t>(p, n));
  return out;
}

inline std::string RemoveSpaces(std::string_view t) {
  std::string out;
  for (std::size_t p = 0; p < t.size();) {
    const unsigned char c = t[p];
    if (!Lead(c)) {
      if (c != 0x20)
        out += t[p];
      ++p;
    } else if (p + 1 == t.size()) {
      ++p;
    } else {
      if (!(c == 0xA1 && static_cast<unsigned char>(t[p + 1]) == 0xA1))
        out += t.substr(p, 2);
      p += 2;
    }
  }
  return out;
}

inline std::string Trim(std::string_view t) {
  const std::size_t n = t.size();
  auto fullWidthAt = [&](std::size_t i) {
    return i + 1 < n && static_cast<unsigned char>(t[i]) == 0xA1 &&
           static_cast<unsigned char>(t[i + 1]) == 0xA1;
  };
  std::size_t first = 0;
  while (first < n) {
    if (t[first] == ' ')
      ++first;
    else if (fullWidthAt(first))
      first += 2;
    else
      break;
  }
  std::size_t end = n, run = std::string::npos;
  for (std::size_t p = first; p < n;) {
    const unsigned char c = t[p];
    if (c == 0x20) {
      if (run == std::string::npos)
        run = p;
      ++p;
    } else if (!Lead(c)) {
      run = std::string::npos, ++p;
    } else if (p + 1 == n) {
      run = std::string::npos, end = p;
      break;
    } else {
      if (!fullWidthAt(p))
        run = std::string::npos;
      else if (run == std::string::npos)
        run = p;
      p += 2;
    }
  }
  if (run != std::string::npos)
    end = run;
  return end > first ? std::string(t.substr(first, end - first)) : std::string();
}

}  // namespace walk_model
