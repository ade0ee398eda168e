#include "app/win32/control_building.h"

#include <string>

#include "app/win32/control_registry.h"
#include "app/window_texts.h"
#include "desktop/win32/wide_text.h"

namespace {

constexpr int kFirstChildId = 100;

struct WindowClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

DWORD LabelAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Centre:
      return SS_CENTER;
    case Alignment::Right:
      return SS_RIGHT;
    case Alignment::Left:
      break;
  }
  return SS_LEFT;
}

WindowClassAndStyle ClassAndStyleOf(const ControlSpec& spec) {
  const DWORD child = WS_CHILD | WS_VISIBLE;
  switch (spec.kind) {
    case ControlKind::PushButton:
      return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER, 0};
    case ControlKind::GroupBox:
      // Clipped by its siblings, so that its painting never covers the
      // controls that lie inside it.
      return {L"BUTTON", child | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_CENTER, 0};
    case ControlKind::EditBox:
      return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | (spec.readOnly ? ES_READONLY : 0u),
              WS_EX_CLIENTEDGE};
    case ControlKind::TransparentLabel:
      // SS_NOTIFY makes a press on the label its own, not a drag of the window.
      return {L"STATIC",
              child | SS_NOPREFIX | SS_NOTIFY | LabelAlignment(spec.alignment) |
                  (spec.wordWrap ? 0u : SS_CENTERIMAGE),
              0};
  }
  return {L"STATIC", child, 0};
}

OwnedFont FontOf(const ControlSpec& spec) {
  return OwnedFont(CreateFontW(-spec.fontPixels, 0, 0, 0, spec.bold ? kBoldWeight : kRegularWeight, FALSE,
                               FALSE, FALSE, kFontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                               WideFromText(kFontFace).c_str()));
}

// An edit box lower than one line of its font plus its sunken edge would
// cut the text: it is made that high, its place and width kept.
int EditBoxHeight(HWND window, HFONT font, int designHeight) {
  HDC dc = GetDC(window);
  if (!dc)
    return designHeight;
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  const bool measured = GetTextMetricsW(dc, &metrics) != FALSE;
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  if (!measured)
    return designHeight;
  const int lowest = static_cast<int>(metrics.tmHeight) + 2 * GetSystemMetrics(SM_CYEDGE);
  return designHeight < lowest ? lowest : designHeight;
}

POINT PlaceInWindow(const ControlSpec& spec) {
  if (!spec.groupBox)
    return {spec.x, spec.y};
  const ControlSpec& box = SpecOf(*spec.groupBox);
  return {box.x + spec.x, box.y + spec.y};
}

}  // namespace

int ChildIdOf(Control control) {
  return kFirstChildId + static_cast<int>(control);
}

bool BuildControls(HWND window, WindowState& state) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const ControlSpec& spec : state.controls) {
    const WindowClassAndStyle made = ClassAndStyleOf(spec);
    OwnedFont font = FontOf(spec);
    const POINT place = PlaceInWindow(spec);
    const int height = spec.kind == ControlKind::EditBox && font
                           ? EditBoxHeight(window, font.get(), spec.height)
                           : spec.height;
    HWND hwnd = CreateWindowExW(made.exStyle, made.className, WideFromText(spec.text).c_str(), made.style,
                                place.x, place.y, spec.width, height, window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(ChildIdOf(spec.control))),
                                instance, nullptr);
    if (!hwnd)
      return false;
    RememberControl(spec.control, hwnd);
    if (font)
      SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    state.fonts.push_back(std::move(font));
    if (spec.kind == ControlKind::EditBox)
      SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // no length limit
    if (spec.kind == ControlKind::CheckBox && spec.ticked)
      SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  }
  // Group boxes go to the bottom of the z-order: what lies inside them is
  // drawn over their frame. The order among the other controls, which Tab
  // follows, stays the creation order.
  for (const ControlSpec& spec : state.controls) {
    if (spec.kind != ControlKind::GroupBox)
      continue;
    SetWindowPos(Registered(spec.control).hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return true;
}
