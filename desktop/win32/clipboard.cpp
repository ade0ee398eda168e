#include <cstring>

#include "desktop/desktop.h"
#include "desktop/win32/global_memory.h"
#include "desktop/win32/wide_text.h"
#include "desktop/win32/windows_api.h"

namespace {

// Open for the length of one call only, closed on every path.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_)
      CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

Text GetClipboardText() {
  // One attempt: a clipboard another program holds open reads as empty at once.
  OpenClipboardScope clipboard;
  if (!clipboard)
    return Text();
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data)
    return Text();
  return TextFromWide(WideTextInBlock(data));
}

bool SetClipboardText(const Text& text) {
  const std::wstring wide = WideFromText(text);
  // The block is made before the clipboard is emptied, so running out of
  // memory leaves the user's clipboard as it was.
  OwnedGlobalBlock block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (wide.size() + 1) * sizeof(wchar_t)));
  if (!block)
    return false;
  {
    LockedGlobalBlock locked(block.get());
    if (!locked)
      return false;
    std::memcpy(locked.data(), wide.data(), wide.size() * sizeof(wchar_t));  // the NUL is already there
  }
  OpenClipboardScope clipboard;
  if (!clipboard || !EmptyClipboard())
    return false;
  // Windows offers the text as CF_TEXT too, in each reader's own code page.
  if (!SetClipboardData(CF_UNICODETEXT, block.get()))
    return false;
  block.release();  // the clipboard owns it now
  return true;
}
