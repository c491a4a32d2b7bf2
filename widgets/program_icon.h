#pragma once
// The program's icon, a stopwatch, drawn in 32 x 32 and 16 x 16 pixels with 16 colours
// (widgets/icons/*.xpm). The main window, the splash and About windows and the notification area
// show it.
#include <QIcon>
#include <QPixmap>

namespace tw {

// Both sizes.
QIcon ProgramIcon();
// The 32 x 32 picture.
QPixmap ProgramPicture();

}  // namespace tw
