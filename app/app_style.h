#pragma once
// The look every window of the program shares: the Fusion style and an 8-point sans-serif font
// (the designed sizes are made for it).
class QApplication;

namespace tw {

void ApplyProgramStyle(QApplication& app);

}  // namespace tw
