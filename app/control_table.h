#pragma once

#include <optional>
#include <span>

#include "app/controls.h"
#include "app/window_texts.h"

// What both windows are made of, for every front end to build from. Texts
// are GBK (see window_texts.cpp); places and sizes are pixels, unscaled.

enum class ControlKind { PushButton, CheckBox, EditBox, GroupBox, TransparentLabel };
enum class Alignment { Left, Centre, Right };

struct ControlSpec {
  Control control;
  ControlKind kind;
  std::optional<Control> groupBox;  // the group box it is placed in, or none for the client area
  int x, y;                         // from the group box's top-left corner, or the client area's
  int width, height;
  const char* text;  // caption or initial text
  int fontPixels;    // character height of 微软雅黑
  bool bold = false;
  bool readOnly = false;
  bool whiteBackground = false;
  bool ticked = false;
  Alignment alignment = Alignment::Left;
  bool wordWrap = false;
};

struct WindowSpec {
  const char* title;
  int outerWidth, outerHeight;
};

constexpr int kFontCharset = 134;  // GB2312_CHARSET
constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;

const WindowSpec& MainWindowSpec();
const WindowSpec& HelpWindowSpec();
std::span<const ControlSpec> MainWindowControls();
std::span<const ControlSpec> HelpWindowControls();
const ControlSpec& SpecOf(Control control);

// The click action bound to a control, or nullptr for a control that has none.
using ClickAction = void (*)();
ClickAction ClickActionFor(Control control);

// Top-left corner that centres a window of the given outer size on a screen,
// rounded toward zero.
int CentredOrigin(int screenExtent, int windowExtent);
