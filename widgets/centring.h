#pragma once
// Secondary windows centre themselves on the screen when they load, by their outer rectangle: the
// window's own size and the window manager's frame around it.
#include <QWidget>

namespace tw {

// Centres window, whose own size (without the frame) is the given twips. Before the window is on
// the screen its frame is taken to be that of the program's other windows; should it turn out
// otherwise, the window is centred again by its own frame as soon as that is known.
void CenterOnScreen(QWidget* window, double widthTwips, double heightTwips);
// The same for the window's present size.
void CenterOnScreen(QWidget* window);

}  // namespace tw
