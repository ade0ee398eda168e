#pragma once

// Win32 MessageBox styles, as the desktop services take them.
constexpr int kStylePlain = 0;         // one OK button, no icon
constexpr int kStyleInformation = 64;  // MB_ICONINFORMATION, one OK button
