#include <gtest/gtest.h>

#include <string>

#include "app/control_table.h"
#include "app/controls.h"
#include "app/win32/control_registry.h"
#include "app/win32/main_window.h"
#include "app/win32/message_loop.h"
#include "app/window_actions.h"
#include "app/window_texts.h"
#include "desktop/win32/wide_text.h"
#include "support/text_testing.h"
#include "win32_testing.h"

namespace {

// The real MainWindow, built from the shared table as the program builds it.
class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateMainWindow(SW_SHOWNORMAL);
    ASSERT_NE(window_, nullptr);
    SetForegroundWindow(window_);
    PumpMessages(window_);
  }
  void TearDown() override {
    if (IsWindow(window_))
      DestroyWindow(window_);
    PumpMessages();
  }

  static HWND Handle(Control control) { return Registered(control).hwnd; }
  static LONG StyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE); }
  static LONG ExStyleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_EXSTYLE); }
  static bool Topmost(HWND hwnd) { return (ExStyleOf(hwnd) & WS_EX_TOPMOST) != 0; }
  static RECT Outer(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect;
  }
  static POINT OnScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
  }

  HWND window_ = nullptr;
};

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

TEST_F(MainWindowTest, IsAFixedCentredTopmostWindowOfItsOuterSize) {
  const RECT outer = Outer(window_);
  EXPECT_EQ(outer.right - outer.left, 696);
  EXPECT_EQ(outer.bottom - outer.top, 302);
  EXPECT_EQ(outer.left, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), 696));
  EXPECT_EQ(outer.top, CentredOrigin(GetSystemMetrics(SM_CYSCREEN), 302));
  const LONG style = StyleOf(window_);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_TRUE(Topmost(window_));
  EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);  // a taskbar window of its own
  EXPECT_EQ(MainWindowHandle(), reinterpret_cast<NativeWindow>(window_));
  EXPECT_TRUE(IsTicked(Control::选择框5));
  EXPECT_TRUE(IsTicked(Control::选择框8));
}

TEST_F(MainWindowTest, EveryControlStandsWhereTheTableSaysWithItsTextAndFont) {
  for (const ControlSpec& spec : MainWindowControls()) {
    SCOPED_TRACE(testing::Message() << "control " << static_cast<int>(spec.control));
    HWND hwnd = Handle(spec.control);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetParent(hwnd), window_);  // also inside a group box: its notifications reach the window
    int x = spec.x, y = spec.y;
    if (spec.groupBox) {
      x += SpecOf(*spec.groupBox).x;
      y += SpecOf(*spec.groupBox).y;
    }
    const RECT rect = ClientRectIn(window_, hwnd);
    EXPECT_EQ(rect.left, x);
    EXPECT_EQ(rect.top, y);
    EXPECT_EQ(rect.right - rect.left, spec.width);
    if (spec.kind == ControlKind::EditBox) {
      EXPECT_GE(rect.bottom - rect.top, spec.height);  // only ever raised to fit a line of its font
    } else {
      EXPECT_EQ(rect.bottom - rect.top, spec.height);
    }
    EXPECT_EQ(GetControlText(spec.control), Text(spec.text));

    LOGFONTW font{};
    HFONT hfont = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    ASSERT_NE(hfont, nullptr);
    ASSERT_NE(GetObjectW(hfont, sizeof(font), &font), 0);
    EXPECT_EQ(font.lfHeight, -spec.fontPixels);
    EXPECT_EQ(font.lfWeight, spec.bold ? 700 : 400);
    EXPECT_EQ(font.lfCharSet, 134);
    EXPECT_EQ(TextFromWide(font.lfFaceName), Text(kFontFace));
  }
}

TEST_F(MainWindowTest, EachKindOfControlHasItsSettings) {
  const struct {
    ControlKind kind;
    const wchar_t* className;
    LONG mustHave;
    LONG mustNotHave;
    LONG exMustHave;
  } kinds[] = {
      {ControlKind::PushButton, L"Button", WS_TABSTOP | BS_MULTILINE, BS_DEFPUSHBUTTON, 0},
      {ControlKind::CheckBox, L"Button", WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE, 0, 0},
      {ControlKind::GroupBox, L"Button", BS_GROUPBOX | BS_CENTER, WS_TABSTOP, 0},
      {ControlKind::EditBox, L"Edit", WS_TABSTOP | ES_AUTOHSCROLL, ES_MULTILINE | ES_PASSWORD,
       WS_EX_CLIENTEDGE},
      {ControlKind::TransparentLabel, L"Static", SS_NOPREFIX, WS_TABSTOP, 0},
  };
  for (const auto& kind : kinds) {
    for (const ControlSpec& spec : MainWindowControls()) {
      if (spec.kind != kind.kind)
        continue;
      SCOPED_TRACE(testing::Message() << "control " << static_cast<int>(spec.control));
      HWND hwnd = Handle(spec.control);
      const LONG style = StyleOf(hwnd);
      EXPECT_EQ(_wcsicmp(ClassOf(hwnd).c_str(), kind.className), 0);
      EXPECT_EQ(style & kind.mustHave, kind.mustHave);
      EXPECT_EQ(style & kind.mustNotHave, 0);
      EXPECT_EQ(ExStyleOf(hwnd) & kind.exMustHave, kind.exMustHave);
      if (spec.kind == ControlKind::CheckBox) {
        EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED, spec.ticked);
      }
      if (spec.kind == ControlKind::EditBox) {
        EXPECT_EQ((style & ES_READONLY) != 0, spec.readOnly);
        EXPECT_GT(SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0), 1 << 30);
      }
      if (spec.kind == ControlKind::TransparentLabel) {
        const LONG alignment = style & SS_TYPEMASK;
        const LONG expected = spec.alignment == Alignment::Right    ? SS_RIGHT
                              : spec.alignment == Alignment::Centre ? SS_CENTER
                                                                    : SS_LEFT;
        EXPECT_EQ(alignment, expected);
        EXPECT_TRUE(style & SS_CENTERIMAGE);  // single line, vertically centred
      }
    }
  }
}

TEST_F(MainWindowTest, TheLayerFollowsTheTickOfTheBoxWithoutMovingTheWindow) {
  const RECT before = Outer(window_);
  HWND box = Handle(Control::选择框5);
  for (bool ticked : {false, true, false, false, true, true, false}) {
    SendMessageW(box, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    ToggleAlwaysOnTop();
    EXPECT_EQ(Topmost(window_), ticked);
  }
  const RECT after = Outer(window_);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right, before.right);
}

TEST_F(MainWindowTest, AClickOnTheBoxRunsTheSwitch) {
  HWND box = Handle(Control::选择框5);
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_FALSE(IsTicked(Control::选择框5));
  EXPECT_FALSE(Topmost(window_));
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_TRUE(Topmost(window_));
}

TEST_F(MainWindowTest, GivesBackWhatWasWrittenByteForByte) {
  std::string longText;
  for (int i = 0; i < 20000; ++i)
    longText += "ab\xCC\xE1";  // 80 000 bytes
  const struct {
    const char* what;
    Text text;
  } cases[] = {
      {"a share message", Gbk("链接：https://pan.baidu.com/s/1x 提取码：ab12")},
      {"CR LF inside", Text("first\r\nsecond\r\n")},
      {"a lone lead byte at the end", Bytes({0x61, 0x62, 0x63, 0xCC})},
      {"a second byte at the start", Bytes({0xE1, 0x61})},
      {"a long text", Text(longText)},
      {"empty", Text()},
  };
  for (Control control : {Control::编辑框4, Control::编辑框3, Control::透明标签2}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.what << ", control " << static_cast<int>(control));
      SetControlText(control, c.text);
      EXPECT_EQ(GetControlText(control), c.text);
    }
  }
}

TEST_F(MainWindowTest, ReadsWhatTheUserChangedAfterAWrite) {
  SetControlText(Control::编辑框5, Bytes({0x61, 0xCC}));
  HWND edit = Handle(Control::编辑框5);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  for (wchar_t typed : std::wstring(L"链接x"))
    SendMessageW(edit, WM_CHAR, typed, 0);
  EXPECT_EQ(GetControlText(Control::编辑框5), Gbk("链接x"));
}

TEST_F(MainWindowTest, EscInAnEditBoxClosesTheWindowAndEndsTheLoopWithZero) {
  SetFocus(Handle(Control::编辑框5));
  PostMessageW(Handle(Control::编辑框5), WM_KEYDOWN, VK_ESCAPE, 0);
  // A timer ends a loop that Esc failed to end, with a code of its own.
  SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(MainWindowHwnd(), nullptr);
}

TEST_F(MainWindowTest, EnterNeitherClosesNorClicks) {
  SetControlText(Control::编辑框4, Text("kept"));
  for (Control focused : {Control::按钮_搜一下5, Control::编辑框4}) {
    SetFocus(Handle(focused));
    PostMessageW(Handle(focused), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(Handle(focused), WM_KEYUP, VK_RETURN, 0);
    EXPECT_FALSE(PumpMessages(window_).has_value());
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_EQ(GetControlText(Control::编辑框4), Text("kept"));  // 清空 did not run
  }
}

TEST_F(MainWindowTest, TabVisitsTheControlsThatTakeTheFocusInTableOrder) {
  std::vector<HWND> expected;
  for (const ControlSpec& spec : MainWindowControls()) {
    if (spec.kind == ControlKind::PushButton || spec.kind == ControlKind::CheckBox ||
        spec.kind == ControlKind::EditBox) {
      expected.push_back(Handle(spec.control));
    }
  }
  SetFocus(expected.front());
  for (std::size_t i = 1; i <= expected.size(); ++i) {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    PumpMessages(window_);
    EXPECT_EQ(GetFocus(), expected[i % expected.size()]) << "after " << i << " presses";
  }
}

TEST_F(MainWindowTest, ShiftTabGoesBackward) {
  const HWND first = Handle(Control::选择框5), second = Handle(Control::按钮_搜一下1);
  const HWND last = Handle(Control::编辑框6);
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  const struct { HWND from, to; } steps[] = {{second, first}, {first, last}};
  for (const auto& step : steps) {
    SetFocus(step.from);
    PostMessageW(step.from, WM_KEYDOWN, VK_TAB, 0);
    PumpMessages(window_);
    EXPECT_EQ(GetFocus(), step.to);
  }
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

TEST_F(MainWindowTest, ControlsAreColouredAsTheTableSays) {
  const COLORREF white = RGB(255, 255, 255), face = GetSysColor(COLOR_BTNFACE);
  const auto stock = [](int object) { return static_cast<HBRUSH>(GetStockObject(object)); };
  const struct {
    const char* what;
    Control control;
    UINT message;
    HBRUSH brush;
    bool transparent;
    COLORREF background;
  } cases[] = {
      {"label: nothing of its own behind the text", Control::透明标签1, WM_CTLCOLORSTATIC,
       stock(HOLLOW_BRUSH), true, 0},
      {"选择框8 on white", Control::选择框8, WM_CTLCOLORSTATIC, stock(WHITE_BRUSH), false, white},
      {"选择框5 on the button face", Control::选择框5, WM_CTLCOLORSTATIC, GetSysColorBrush(COLOR_BTNFACE),
       false, face},
      {"read-only 编辑框3 stays white", Control::编辑框3, WM_CTLCOLORSTATIC, stock(WHITE_BRUSH), false,
       white},
      {"编辑框4 white", Control::编辑框4, WM_CTLCOLOREDIT, stock(WHITE_BRUSH), false, white},
      {"group box on the button face", Control::分组框1, WM_CTLCOLORSTATIC, GetSysColorBrush(COLOR_BTNFACE),
       false, face},
  };
  HDC dc = CreateCompatibleDC(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(1, 2, 3));
    SetTextColor(dc, RGB(4, 5, 6));
    const LRESULT brush = SendMessageW(window_, c.message, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(Handle(c.control)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), c.brush);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc) == TRANSPARENT, c.transparent);
    if (!c.transparent) {
      EXPECT_EQ(GetBkColor(dc), c.background);
    }
  }
  DeleteDC(dc);
}

TEST_F(MainWindowTest, TheBackgroundDragsTheWindowAndTheControlsDoNot) {
  const struct {
    const char* what;
    int x, y;  // in the client area
    Control hitControl;
    bool dragsWindow;
  } points[] = {
      {"empty background", 660, 150, Control::选择框5, true},
      {"inside 分组框1, off every control", 615, 240, Control::选择框5, true},
      {"on the frame line of 分组框2", 300, 119, Control::选择框5, true},
      {"edit box 编辑框4", 200, 205, Control::编辑框4, false},
      {"label 透明标签1", 60, 205, Control::透明标签1, false},
      {"push button 按钮_百度盘", 60, 164, Control::按钮_百度盘, false},
  };
  for (const auto& p : points) {
    SCOPED_TRACE(p.what);
    const POINT screen = OnScreen(window_, p.x, p.y);
    HWND under = WindowFromPoint(screen);
    if (p.dragsWindow) {
      ASSERT_EQ(under, window_);
      EXPECT_EQ(SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), HTCAPTION);
    } else {
      EXPECT_EQ(under, Handle(p.hitControl));
    }
  }
}

}  // namespace
