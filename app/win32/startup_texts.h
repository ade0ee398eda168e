#pragma once

// Start-up's own report, written readably in startup_texts.cpp, which is
// compiled to GBK bytes like the windows' fixed texts.
extern const char kStartupFailedMessage[];
