#include "desktop/win32/global_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A block shrunk in place keeps its former bytes behind its new end: a
// reader that looked for a NUL instead of the block's size would read them.
HGLOBAL ShrunkBlock(const std::wstring& kept, std::size_t formerUnits) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, formerUnits * sizeof(wchar_t));
  auto* units = static_cast<wchar_t*>(GlobalLock(block));
  std::wmemset(units, L'z', formerUnits);
  std::wmemcpy(units, kept.data(), kept.size());
  GlobalUnlock(block);
  return GlobalReAlloc(block, kept.size() * sizeof(wchar_t), 0);
}

TEST(WideTextInBlock, StopsAtTheFirstNulOrTheBlocksEndWhicheverComesFirst) {
  const struct {
    const char* what;
    std::wstring content;  // all of the block
    std::wstring expected;
  } cases[] = {
      {"terminated", std::wstring(L"abc\0zz", 6), L"abc"},
      {"no NUL at all", L"abc", L"abc"},
      {"NUL first", std::wstring(L"\0abc", 4), L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HGLOBAL block = ShrunkBlock(c.content, 64);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(WideTextInBlock(block), c.expected);
    GlobalFree(block);
  }
}

TEST(WideTextInBlock, AnOddByteAtTheEndIsNoCharacter) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 5);
  std::memcpy(GlobalLock(block), L"ab", 4);
  static_cast<char*>(GlobalLock(block))[4] = 'x';
  GlobalUnlock(block);
  GlobalUnlock(block);
  EXPECT_EQ(WideTextInBlock(block), L"ab");
  GlobalFree(block);
}

}  // namespace
