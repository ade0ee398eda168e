// Compiled with GBK as the execution character set.
#include "app/win32/startup_texts.h"

const char kStartupFailedMessage[] = "启动窗口载入失败";
