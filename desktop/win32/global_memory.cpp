#include "desktop/win32/global_memory.h"

#include <string>

std::wstring WideTextInBlock(HGLOBAL block) {
  LockedGlobalBlock locked(block);
  if (!locked)
    return std::wstring();
  const std::wstring_view units(static_cast<const wchar_t*>(locked.data()),
                                GlobalSize(block) / sizeof(wchar_t));
  return std::wstring(units.substr(0, units.find(L'\0')));
}
