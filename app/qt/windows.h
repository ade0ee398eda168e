#pragma once

#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include "app/control_table.h"

// Both windows, built from the shared control table.

// MainWindow with its controls bound to their click actions, in the
// always-on-top layer, centred, not yet shown. The caller owns it.
QWidget* BuildMainWindow();
// HelpWindow owned by `mainWindow`, centred, showing its design caption,
// not yet shown. It deletes itself when closed.
QWidget* BuildHelpWindow(QWidget* mainWindow);

// The font of a control: its pixel height and weight, in 微软雅黑 or the
// nearest installed CJK face.
QFont ControlFont(const ControlSpec& row);
QStringList FontFamilies();
QIcon ProgramIcon();
// Where a window's frame goes so that the window is centred on the primary screen.
QPoint CentredPlace(QSize outer);
