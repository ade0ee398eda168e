#pragma once

// The fixed texts of the two windows, written readably in window_texts.cpp,
// which is compiled to GBK bytes.

extern const char kFontFace[];  // 微软雅黑
extern const char kMainWindowTitle[];
extern const char kHelpWindowTitle[];

extern const char kCaption窗口置顶[];
extern const char kCaption无密码网址[];
extern const char kInitialText编辑框3[];
extern const char kCaption清除[];
extern const char kCaptionHelp[];  // " ？", behind both help buttons
extern const char kCaption分组框1[];
extern const char kCaption有密码网盘[];
extern const char kCaption打开并复制提取码[];
extern const char kCaption第二次用[];
extern const char kCaption清空[];
extern const char kCaption全部内容[];
extern const char kCaption链接[];
extern const char kCaption密码[];
extern const char kCaption透明标签[];

extern const char kShareUsageText[];     // behind 按钮1
extern const char kPlainUrlUsageText[];  // behind 按钮2
