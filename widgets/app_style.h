#pragma once
// The look every window of the program shares: the Fusion style and an 8-point sans-serif font
// (the designed sizes are made for it), the program's icon on every window, and the faces of the
// splash and About windows.
#include <QFont>

class QApplication;

namespace tw {

void ApplyProgramStyle(QApplication& app);

// The windows' sans-serif face ("MS Sans Serif" and the faces that stand in for it).
QFont SansFont(double points, bool bold);
// The decorative display face of the program's title.
QFont DisplayFont(double points, bool bold);

}  // namespace tw
