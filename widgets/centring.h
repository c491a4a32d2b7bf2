#pragma once
// Secondary windows centre themselves on the screen when they load.
#include <QWidget>

namespace tw {

// Moves window so that an outer size of the given twips stands in the middle of the screen.
void CenterOnScreen(QWidget* window, double widthTwips, double heightTwips);
// The same for the window's present size.
void CenterOnScreen(QWidget* window);

}  // namespace tw
