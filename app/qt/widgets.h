#pragma once

#include <QWidget>

#include "app/controls.h"

// Where the front end finds its widgets again: one slot per control, filled
// when its window is built and emptied when the widget is destroyed.

void RegisterControl(Control control, QWidget* widget);
// The control's widget, or nullptr while its window is not open.
QWidget* ControlWidget(Control control);
// The window that holds the control, or nullptr while it is not open.
QWidget* WindowOf(Control control);

QWidget* MainWindowWidget();
QWidget* HelpWindowWidget();
