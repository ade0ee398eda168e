#pragma once

#include <string>
#include <string_view>

// A value type over GBK bytes. It never holds a NUL byte: whatever it is made
// from ends at the first NUL, so every text that reaches the desktop can be
// handed on as a C string.
class Text {
 public:
  Text() = default;
  Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}
  Text(const char* bytes) : Text(bytes ? std::string_view(bytes) : std::string_view()) {}
  Text(const std::string& bytes) : Text(std::string_view(bytes)) {}
  // Takes over a buffer the caller built; still cut at the first NUL.
  explicit Text(std::string&& bytes) : bytes_(std::move(bytes)) {
    if (auto nul = bytes_.find('\0'); nul != std::string::npos)
      bytes_.resize(nul);
  }

  std::string_view bytes() const { return bytes_; }
  bool empty() const { return bytes_.empty(); }

 private:
  std::string bytes_;
};

inline bool operator==(const Text& a, const Text& b) {
  return a.bytes() == b.bytes();
}
