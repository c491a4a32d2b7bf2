#pragma once
// The Option menu's routines that act on the main window.
#include "state/main_view.h"

namespace tw {

// Centres the window on a screen of the given size (twips); the edges may become negative.
void CenterApp(MainView& form, double screenWidth, double screenHeight);
// Empties the comment, start and end boxes, in that order, and forgets the saved running stretch;
// nothing else changes.
void ClearScreen(MainView& form);

}  // namespace tw
