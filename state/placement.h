#pragma once
// Where a window stands when it is centred on the screen.

namespace tw {

// The edge that centres a window of the given size on a screen of the given size (twips, in
// floating point); negative when the window is the larger.
inline double CenteredEdge(double screenSize, double windowSize) { return (screenSize - windowSize) / 2; }

}  // namespace tw
