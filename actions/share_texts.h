#pragma once

// The fixed texts of the share actions. They are written readably in
// share_texts.cpp, which is compiled to GBK bytes.

extern const char kProviderBaidu[];
extern const char kProviderLanzou[];
extern const char kProviderTianyi[];  // the host that serves Tianyi Cloud shares

extern const char kCodeMarkerTiquma[];     // 提取码
extern const char kCodeMarkerMima[];       // 密码
extern const char kCodeMarkerFangwenma[];  // 访问码

extern const char kLinkMarker[];
extern const char kLineBreak[];
extern const char kColon[];
extern const char kFullWidthColon[];
extern const char kBracket[];
extern const char kFullWidthBracket[];

extern const char kEmptyClipboardMessage[];
extern const char kEmptyClipboardTitle[];
extern const char kNotAShareMessage[];
extern const char kNotAShareTitle[];
extern const char kNoUrlMessage[];
extern const char kNoUrlTitle[];
