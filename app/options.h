#pragma once
// The Option menu's routines that act on the main window.
#include "app/main_view.h"

namespace tw {

// The edge that centres a window of the given size on a screen of the given size (twips, in
// floating point); negative when the window is the larger.
double CenteredEdge(double screenSize, double windowSize);
// Centres the window on a screen of the given size (twips); the edges may become negative.
void CenterApp(MainView& form, double screenWidth, double screenHeight);
// Empties the comment, start and end boxes, in that order; nothing else changes.
void ClearScreen(MainView& form);

}  // namespace tw
