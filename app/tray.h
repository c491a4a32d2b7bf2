#pragma once
// The main window and the notification-area icon: minimizing hides the window in the notification
// area, and presses on the icon bring it back or open the Option menu.
#include <cstdint>

#include "state/tray_window.h"

namespace tw {

// The mouse message the shell's callback carries in x (in twips): x is the message number in
// pixels, so dividing by the twips per pixel gives it back at any display scaling. 0 when x is
// no message.
std::uint32_t MouseMessageFromX(double x, double twipsPerPixel);

// The window was resized or changed its state: once minimized, it hides in the notification area.
// Where the desktop has no notification area it stays minimized with its taskbar button, so that
// it can still be brought back.
void MainFormResize(TrayWindow& form);

// Brings the window back from the notification area (or from minimized) to the front: a left
// press on the icon, a click on its balloon message, the return from time away.
void RestoreWindow(TrayWindow& form);

// The icon holder's mouse-move handler, which the notification icon's events reach with the mouse
// message in x: a left press restores the window, a right press opens the Option menu, anything
// else does nothing.
void PicIconMouseMove(TrayWindow& form, double x);

}  // namespace tw
