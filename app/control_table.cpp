#include "app/control_table.h"

#include <algorithm>
#include <cstdlib>

#include "actions/share_actions.h"
#include "app/window_actions.h"
#include "app/window_texts.h"

namespace {

using enum Control;
using enum ControlKind;

const WindowSpec kMainWindow{kMainWindowTitle, 696, 302};
const WindowSpec kHelpWindow{kHelpWindowTitle, 406, 216};

// In creation order, which is also the order Tab visits them in.
// clang-format off
const ControlSpec kMainWindowControls[] = {
    {.control = 选择框5, .kind = CheckBox, .groupBox = std::nullopt, .x = 9, .y = 7, .width = 79, .height = 18,
     .text = kCaption窗口置顶, .fontPixels = 13, .ticked = true},
    {.control = 分组框2, .kind = GroupBox, .groupBox = std::nullopt, .x = 8, .y = 32, .width = 624, .height = 88,
     .text = kCaption无密码网址, .fontPixels = 16, .alignment = Alignment::Centre},
    {.control = 按钮_搜一下1, .kind = PushButton, .groupBox = 分组框2, .x = 8, .y = 15, .width = 105, .height = 30,
     .text = kCaption无密码网址, .fontPixels = 16, .alignment = Alignment::Centre},
    {.control = 编辑框3, .kind = EditBox, .groupBox = 分组框2, .x = 8, .y = 52, .width = 408, .height = 25,
     .text = kInitialText编辑框3, .fontPixels = 13, .readOnly = true},
    {.control = 按钮336, .kind = PushButton, .groupBox = 分组框2, .x = 496, .y = 16, .width = 80, .height = 30,
     .text = kCaption清除, .fontPixels = 16, .alignment = Alignment::Centre},
    {.control = 按钮2, .kind = PushButton, .groupBox = 分组框2, .x = 584, .y = 16, .width = 32, .height = 30,
     .text = kCaptionHelp, .fontPixels = 17, .bold = true, .alignment = Alignment::Centre},
    {.control = 分组框1, .kind = GroupBox, .groupBox = std::nullopt, .x = 8, .y = 128, .width = 624, .height = 128,
     .text = kCaption分组框1, .fontPixels = 16, .alignment = Alignment::Centre},
    {.control = 按钮_百度盘, .kind = PushButton, .groupBox = 分组框1, .x = 8, .y = 22, .width = 103, .height = 28,
     .text = kCaption有密码网盘, .fontPixels = 16, .alignment = Alignment::Centre},
    {.control = 选择框8, .kind = CheckBox, .groupBox = 分组框1, .x = 129, .y = 22, .width = 151, .height = 28,
     .text = kCaption打开并复制提取码, .fontPixels = 16, .whiteBackground = true, .ticked = true},
    {.control = 按钮_复制2, .kind = PushButton, .groupBox = 分组框1, .x = 296, .y = 21, .width = 192, .height = 31,
     .text = kCaption第二次用, .fontPixels = 16, .alignment = Alignment::Centre},
    {.control = 按钮_搜一下5, .kind = PushButton, .groupBox = 分组框1, .x = 496, .y = 21, .width = 72, .height = 30,
     .text = kCaption清空, .fontPixels = 16, .alignment = Alignment::Centre},
    {.control = 按钮1, .kind = PushButton, .groupBox = 分组框1, .x = 584, .y = 21, .width = 32, .height = 30,
     .text = kCaptionHelp, .fontPixels = 17, .bold = true, .alignment = Alignment::Centre},
    {.control = 透明标签1, .kind = TransparentLabel, .groupBox = 分组框1, .x = 11, .y = 67, .width = 64, .height = 20,
     .text = kCaption全部内容, .fontPixels = 12, .alignment = Alignment::Right},
    {.control = 编辑框4, .kind = EditBox, .groupBox = 分组框1, .x = 75, .y = 65, .width = 528, .height = 25,
     .text = "", .fontPixels = 13},
    {.control = 透明标签2, .kind = TransparentLabel, .groupBox = 分组框1, .x = 37, .y = 96, .width = 41, .height = 20,
     .text = kCaption链接, .fontPixels = 12, .alignment = Alignment::Centre},
    {.control = 编辑框5, .kind = EditBox, .groupBox = 分组框1, .x = 75, .y = 94, .width = 408, .height = 25,
     .text = "", .fontPixels = 13},
    {.control = 透明标签3, .kind = TransparentLabel, .groupBox = 分组框1, .x = 491, .y = 97, .width = 40, .height = 20,
     .text = kCaption密码, .fontPixels = 12, .alignment = Alignment::Right},
    {.control = 编辑框6, .kind = EditBox, .groupBox = 分组框1, .x = 533, .y = 95, .width = 62, .height = 25,
     .text = "", .fontPixels = 16},
};
// clang-format on

// clang-format off
const ControlSpec kHelpWindowControls[] = {
    {.control = 帮助窗口_透明标签1, .kind = TransparentLabel, .groupBox = std::nullopt, .x = 24, .y = 16, .width = 312, .height = 128,
     .text = kCaption透明标签, .fontPixels = 16, .alignment = Alignment::Left, .wordWrap = true},
};
// clang-format on

struct Binding {
  Control control;
  ClickAction action;
};

const Binding kBindings[] = {
    {按钮_百度盘, OpenShareWithCode},
    {按钮_复制2, ReopenShare},
    {按钮_搜一下5, ClearShareFields},
    {按钮_搜一下1, OpenPlainUrl},
    {按钮336, ClearUrlField},
    {按钮1, [] { ShowUsageHelp(kShareUsageText); }},
    {按钮2, [] { ShowUsageHelp(kPlainUrlUsageText); }},
    {选择框5, ToggleAlwaysOnTop},
};

}  // namespace

const WindowSpec& MainWindowSpec() {
  return kMainWindow;
}
const WindowSpec& HelpWindowSpec() {
  return kHelpWindow;
}
std::span<const ControlSpec> MainWindowControls() {
  return kMainWindowControls;
}
std::span<const ControlSpec> HelpWindowControls() {
  return kHelpWindowControls;
}

const ControlSpec& SpecOf(Control control) {
  for (auto table : {MainWindowControls(), HelpWindowControls()}) {
    auto found =
        std::find_if(table.begin(), table.end(), [&](const ControlSpec& s) { return s.control == control; });
    if (found != table.end())
      return *found;
  }
  std::abort();  // every Control has a row; a missing one is a build mistake caught by the tests
}

ClickAction ClickActionFor(Control control) {
  for (const Binding& binding : kBindings) {
    if (binding.control == control)
      return binding.action;
  }
  return nullptr;
}

int CentredOrigin(int screenExtent, int windowExtent) {
  return (screenExtent - windowExtent) / 2;
}
