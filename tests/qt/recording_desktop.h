#pragma once

#include <QStringList>

#include "text/text.h"

// Linked in place of the desktop services under the real windows: a
// clipboard of its own and a record of what reached the desktop, in order,
// each entry written readably ("open URL", "copy CODE", "message TEXT|STYLE|TITLE").
struct RecordingDesktop {
  Text clipboard;
  QStringList events;
  int answer = 0;  // what every message box answers
};

RecordingDesktop& Recorded();
void ResetRecorded();
