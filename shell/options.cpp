#include "shell/options.h"

#include "state/placement.h"

namespace tw {

void CenterApp(MainView& form, double screenWidth, double screenHeight) {
  form.SetLeft(CenteredEdge(screenWidth, form.Width()));
  form.SetTop(CenteredEdge(screenHeight, form.Height()));
}

}  // namespace tw
