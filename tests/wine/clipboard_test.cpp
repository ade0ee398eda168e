#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include "desktop/desktop.h"
#include "support/text_testing.h"
#include "win32_testing.h"

namespace {

// Puts one block of the given format on the clipboard, as another program would.
void PutBlock(UINT format, const void* bytes, std::size_t size) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  SetClipboardData(format, block);
  CloseClipboard();
}

TEST(Clipboard, GivesBackTheBytesThatWereSet) {
  std::string longText;
  for (int i = 0; i < 25000; ++i)
    longText +=
        "x\xC2\xEB"
        "9";
  const struct {
    const char* what;
    Text text;
  } cases[] = {
      {"a share message", Gbk("链接: https://pan.baidu.com/s/1aB 提取码: x7k2\r\n--来自百度网盘")},
      {"a code", Text("x7k2")},
      {"full-width signs and spaces", Gbk("（访问码：ab12）　")},
      {"a long text", Text(longText)},
      {"empty", Text()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(SetClipboardText(c.text));
    EXPECT_EQ(GetClipboardText(), c.text);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  }
}

TEST(Clipboard, ATextEndingInACutCharacterIsPlacedAllTheSame) {
  ASSERT_TRUE(SetClipboardText(Bytes({0x61, 0x62, 0xCC})));
  EXPECT_EQ(GetClipboardText(), Text("ab?"));  // the cut character shows as U+FFFD, which GBK has not
}

TEST(Clipboard, NoTextReadsAsEmpty) {
  const UINT picture = RegisterClipboardFormatW(L"QuelvoTolvaneTestPicture");
  const char bytes[] = "not a text";
  PutBlock(picture, bytes, sizeof(bytes));
  EXPECT_EQ(GetClipboardText(), Text());

  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(GetClipboardText(), Text());
}

// Another thread holds the clipboard open, with a window of its own as
// other programs do, until told to let go.
class ClipboardHolder {
 public:
  ClipboardHolder()
      : thread_([this] {
          std::unique_lock lock(mutex_);
          HWND window =
              CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
          opened_ = OpenClipboard(window) != FALSE;
          ready_ = true;
          changed_.notify_all();
          changed_.wait(lock, [this] { return release_; });
          if (opened_)
            CloseClipboard();
          DestroyWindow(window);
        }) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return ready_; });
  }
  ~ClipboardHolder() {
    {
      std::lock_guard lock(mutex_);
      release_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  bool opened() const { return opened_; }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool ready_ = false, release_ = false, opened_ = false;
  std::thread thread_;
};

TEST(Clipboard, ABusyClipboardReadsAsEmptyAtOnceAndKeepsItsTextOnAWrite) {
  ASSERT_TRUE(SetClipboardText(Text("before")));
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.opened());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(GetClipboardText(), Text());
    EXPECT_FALSE(SetClipboardText(Text("after")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  }
  EXPECT_EQ(GetClipboardText(), Text("before"));
}

}  // namespace
