// Compiled with GBK as the execution character set: every literal here is
// GBK bytes at run time.
#include "actions/share_texts.h"

const char kProviderBaidu[] = "baidu";
const char kProviderLanzou[] = "lanzou";
const char kProviderTianyi[] = "cloud.189";

const char kCodeMarkerTiquma[] = "提取码";
const char kCodeMarkerMima[] = "密码";
const char kCodeMarkerFangwenma[] = "访问码";

const char kLinkMarker[] = "http";
const char kLineBreak[] = "\r\n";
const char kColon[] = ":";
const char kFullWidthColon[] = "：";
const char kBracket[] = "(";
const char kFullWidthBracket[] = "（";

const char kEmptyClipboardMessage[] = "剪辑板是空的";
const char kEmptyClipboardTitle[] = "空的哦";
const char kNotAShareMessage[] = "剪辑板内容不是百度、蓝奏、天翼网盘";
const char kNotAShareTitle[] = "提醒";
const char kNoUrlMessage[] = "剪辑版没有网址";
const char kNoUrlTitle[] = "提醒：";
