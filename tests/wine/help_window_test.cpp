#include <gtest/gtest.h>

#include "app/control_table.h"
#include "app/controls.h"
#include "app/win32/control_registry.h"
#include "app/win32/main_window.h"
#include "app/window_actions.h"
#include "app/window_texts.h"
#include "support/text_testing.h"
#include "win32_testing.h"

namespace {

class HelpWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    main_ = CreateMainWindow(SW_SHOWNORMAL);
    ASSERT_NE(main_, nullptr);
    PumpMessages(main_);
  }
  void TearDown() override {
    if (IsWindow(main_))
      DestroyWindow(main_);
    PumpMessages();
  }
  static HWND Help() { return HelpWindowHwnd(); }

  HWND main_ = nullptr;
};

TEST_F(HelpWindowTest, OpensOnceOwnedByMainWindowCentredWithTheTextOfTheButtonLastPressed) {
  SendMessageW(Registered(Control::按钮1).hwnd, BM_CLICK, 0, 0);
  HWND help = Help();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(IsWindowVisible(help));
  EXPECT_EQ(GetWindow(help, GW_OWNER), main_);
  EXPECT_FALSE(GetWindowLongW(help, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_FALSE(GetWindowLongW(help, GWL_STYLE) & WS_MAXIMIZEBOX);
  RECT outer;
  GetWindowRect(help, &outer);
  EXPECT_EQ(outer.right - outer.left, 406);
  EXPECT_EQ(outer.bottom - outer.top, 216);
  EXPECT_EQ(outer.left, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), 406));
  EXPECT_EQ(outer.top, CentredOrigin(GetSystemMetrics(SM_CYSCREEN), 216));
  EXPECT_EQ(GetControlText(Control::帮助窗口_透明标签1), Text(kShareUsageText));
  const LONG labelStyle = GetWindowLongW(Registered(Control::帮助窗口_透明标签1).hwnd, GWL_STYLE);
  EXPECT_EQ(labelStyle & SS_TYPEMASK, SS_LEFT);  // SS_LEFT wraps its words
  EXPECT_FALSE(labelStyle & SS_CENTERIMAGE);

  // Moved by the user, then the other button: the same window, where it was.
  SetWindowPos(help, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(Registered(Control::按钮2).hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(Help(), help);
  GetWindowRect(help, &outer);
  EXPECT_EQ(outer.left, 10);
  EXPECT_EQ(outer.top, 20);
  EXPECT_EQ(GetControlText(Control::帮助窗口_透明标签1), Text(kPlainUrlUsageText));
}

TEST_F(HelpWindowTest, AMinimisedHelpWindowIsRestored) {
  ShowUsageHelp(Text(kShareUsageText));
  HWND help = Help();
  ShowWindow(help, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(help));
  ShowUsageHelp(Text(kPlainUrlUsageText));
  EXPECT_EQ(Help(), help);
  EXPECT_FALSE(IsIconic(help));
  EXPECT_EQ(GetControlText(Control::帮助窗口_透明标签1), Text(kPlainUrlUsageText));
}

TEST_F(HelpWindowTest, EscClosesItAloneAndTheNextPressMakesItAnew) {
  ShowUsageHelp(Text(kShareUsageText));
  HWND help = Help();
  PostMessageW(help, WM_KEYDOWN, VK_ESCAPE, 0);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageW(help, &message))
      DispatchMessageW(&message);
  }
  PumpMessages();
  EXPECT_FALSE(IsWindow(help));
  EXPECT_EQ(Help(), nullptr);
  EXPECT_TRUE(IsWindow(main_));

  ShowUsageHelp(Text(kPlainUrlUsageText));
  ASSERT_NE(Help(), nullptr);
  EXPECT_EQ(GetControlText(Control::帮助窗口_透明标签1), Text(kPlainUrlUsageText));
}

TEST_F(HelpWindowTest, ClosingMainWindowClosesItToo) {
  ShowUsageHelp(Text(kShareUsageText));
  HWND help = Help();
  SendMessageW(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(PumpMessages(), std::optional<int>(0));
  EXPECT_FALSE(IsWindow(help));
  EXPECT_FALSE(IsWindow(main_));
  EXPECT_EQ(Help(), nullptr);
}

}  // namespace
