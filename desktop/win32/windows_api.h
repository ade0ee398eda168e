#pragma once

// The one way into windows.h for the Windows front end and desktop: lean,
// without the min/max macros, and without the common dialogs, whose FindText
// macro would rename our own FindText.
#ifndef UNICODE
#define UNICODE  // IDC_ARROW and friends as wide resource names
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#ifdef FindText
#error "commdlg.h leaked in: its FindText macro would rename the text search"
#endif
