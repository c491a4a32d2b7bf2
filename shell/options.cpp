#include "shell/options.h"

#include "state/placement.h"
#include "tracking/running.h"

namespace tw {

void CenterApp(MainView& form, double screenWidth, double screenHeight) {
  form.SetLeft(CenteredEdge(screenWidth, form.Width()));
  form.SetTop(CenteredEdge(screenHeight, form.Height()));
}

void ClearScreen(MainView& form) {
  form.SetComments("");
  form.SetStartText("");
  form.SetEndText("");
  ForgetRunning();
}

}  // namespace tw
