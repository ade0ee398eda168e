#pragma once

#include "desktop/native_window.h"
#include "text/text.h"

// Every control of MainWindow and HelpWindow, named as in the windows'
// control tables. HelpWindow's only control shares the name 透明标签1 with a
// label of MainWindow and is told apart by its window's name.
enum class Control {
  // MainWindow
  选择框5,
  分组框2,
  按钮_搜一下1,
  编辑框3,
  按钮336,
  按钮2,
  分组框1,
  按钮_百度盘,
  选择框8,
  按钮_复制2,
  按钮_搜一下5,
  按钮1,
  透明标签1,
  编辑框4,
  透明标签2,
  编辑框5,
  透明标签3,
  编辑框6,
  // HelpWindow
  帮助窗口_透明标签1,
};

// Implemented by each front end over its own widgets, and by a fake in the tests.
// Texts cross here as GBK; the front end converts to and from its own form.

// What the control shows now: an edit box's content, otherwise the caption.
Text GetControlText(Control control);
// Replaces the control's whole text; right after it GetControlText gives back
// exactly these bytes.
void SetControlText(Control control, const Text& text);
// Whether a check box shows its tick now.
bool IsTicked(Control control);
// The native handle of MainWindow, the owner of every message box.
NativeWindow MainWindowHandle();
