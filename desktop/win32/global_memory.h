#pragma once

#include <string>

#include "desktop/win32/windows_api.h"

// A movable global block that is freed unless someone (the clipboard) takes it.
class OwnedGlobalBlock {
 public:
  explicit OwnedGlobalBlock(HGLOBAL block) : block_(block) {}
  ~OwnedGlobalBlock() {
    if (block_)
      GlobalFree(block_);
  }
  OwnedGlobalBlock(const OwnedGlobalBlock&) = delete;
  OwnedGlobalBlock& operator=(const OwnedGlobalBlock&) = delete;
  explicit operator bool() const { return block_ != nullptr; }
  HGLOBAL get() const { return block_; }
  void release() { block_ = nullptr; }

 private:
  HGLOBAL block_;
};

// A global block locked for as long as this lives.
class LockedGlobalBlock {
 public:
  explicit LockedGlobalBlock(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
  ~LockedGlobalBlock() {
    if (data_)
      GlobalUnlock(block_);
  }
  LockedGlobalBlock(const LockedGlobalBlock&) = delete;
  LockedGlobalBlock& operator=(const LockedGlobalBlock&) = delete;
  explicit operator bool() const { return data_ != nullptr; }
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

// The UTF-16 text in a block, up to its first NUL but never past the block's
// end: a block another program filled need not hold a NUL at all.
std::wstring WideTextInBlock(HGLOBAL block);
