#pragma once
// The main window and the notification-area icon: minimizing hides the window in the notification
// area, and presses on the icon bring it back or open the Option menu.
#include "platform/shell.h"
#include "state/tray_window.h"

namespace tw {

// The window was resized or changed its state: once minimized, it hides in the notification area.
// Where the desktop has no notification area it stays minimized with its taskbar button, so that
// it can still be brought back.
void MainFormResize(TrayWindow& form);

// Brings the window back from the notification area (or from minimized) to the front: a click on
// the icon's balloon message, the return from time away.
void RestoreWindow(TrayWindow& form);

// A press on the notification icon: the left button restores the window as RestoreWindow does, the
// right one opens the Option menu. Failures are reported as the icon's ("frmMain/picIcon").
void PicIconPress(TrayWindow& form, IconPress press);

}  // namespace tw
