#pragma once
// The Option menu's routines that act on the main window (Clear Screen is the tracker's).
#include "state/main_view.h"

namespace tw {

// Centres the window on a screen of the given size (twips); the edges may become negative.
void CenterApp(MainView& form, double screenWidth, double screenHeight);

}  // namespace tw
