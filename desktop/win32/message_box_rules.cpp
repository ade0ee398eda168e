#include "desktop/win32/message_box_rules.h"

#include "desktop/win32/windows_api.h"

int DesktopMessageStyle(int style) {
  if (style & MB_SYSTEMMODAL)
    return style;
  return style | MB_TASKMODAL;
}

int ButtonNumber(int messageBoxAnswer) {
  switch (messageBoxAnswer) {
    case IDOK:
      return 0;
    case IDCANCEL:
      return 1;
    case IDABORT:
      return 2;
    case IDRETRY:
      return 3;
    case IDIGNORE:
      return 4;
    case IDYES:
      return 5;
    case IDNO:
      return 6;
    default:
      return 0;
  }
}
