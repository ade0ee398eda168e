#pragma once

#include <cstdint>

// An opaque native window handle: an HWND on Windows, an X11 window id or a
// widget pointer elsewhere. Only the front end that made it knows what it is.
using NativeWindow = std::uintptr_t;
