#include "app/win32/control_colours.h"

namespace {

HBRUSH Solid(HDC dc, int stockBrush, COLORREF colour) {
  SetBkColor(dc, colour);
  return static_cast<HBRUSH>(GetStockObject(stockBrush));
}

HBRUSH ButtonFace(HDC dc) {
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

HBRUSH ColourControl(const ControlSpec& spec, HDC dc) {
  if (spec.kind == ControlKind::PushButton)
    return nullptr;
  SetTextColor(dc, RGB(0, 0, 0));
  switch (spec.kind) {
    case ControlKind::TransparentLabel:
      SetBkMode(dc, TRANSPARENT);
      return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    case ControlKind::EditBox:  // the read-only one asks as a static, and stays white too
      return Solid(dc, WHITE_BRUSH, RGB(255, 255, 255));
    case ControlKind::CheckBox:
      return spec.whiteBackground ? Solid(dc, WHITE_BRUSH, RGB(255, 255, 255)) : ButtonFace(dc);
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
      break;
  }
  return ButtonFace(dc);
}
