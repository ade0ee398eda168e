#include "desktop/win32/message_box_rules.h"

#include <gtest/gtest.h>

#include "desktop/win32/windows_api.h"

namespace {

TEST(MessageBoxRules, EveryBoxIsTaskModalUnlessItAsksForSystemModal) {
  const struct {
    int style;
    int expected;
  } cases[] = {
      {0, 0x2000},                       // the share messages
      {64, 0x2040},                      // the plain-link message
      {MB_SYSTEMMODAL, MB_SYSTEMMODAL},  // not made task-modal as well
      {MB_SYSTEMMODAL | MB_ICONERROR, MB_SYSTEMMODAL | MB_ICONERROR},
      {MB_TASKMODAL | MB_YESNO, MB_TASKMODAL | MB_YESNO},  // not doubled
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DesktopMessageStyle(c.style), c.expected) << "style " << c.style;
  }
}

TEST(MessageBoxRules, ButtonsAreNumberedForTheActions) {
  const struct {
    int answer;
    int number;
  } cases[] = {
      {IDOK, 0},  {IDCANCEL, 1}, {IDABORT, 2},    {IDRETRY, 3},    {IDIGNORE, 4},
      {IDYES, 5}, {IDNO, 6},     {IDTRYAGAIN, 0}, {IDCONTINUE, 0}, {0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonNumber(c.answer), c.number) << "answer " << c.answer;
  }
}

}  // namespace
