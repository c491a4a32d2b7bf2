#include "widgets/centring.h"

#include "platform/platform.h"
#include "state/placement.h"
#include "widgets/twips.h"

namespace tw {

void CenterOnScreen(QWidget* window, double widthTwips, double heightTwips) {
  const System& system = *platform().system;
  window->move(TwipsToPixels(CenteredEdge(system.ScreenWidthTwips(), widthTwips)),
               TwipsToPixels(CenteredEdge(system.ScreenHeightTwips(), heightTwips)));
}

void CenterOnScreen(QWidget* window) {
  CenterOnScreen(window, PixelsToTwips(window->width()), PixelsToTwips(window->height()));
}

}  // namespace tw
