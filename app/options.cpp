#include "app/options.h"

namespace tw {

double CenteredEdge(double screenSize, double windowSize) { return (screenSize - windowSize) / 2; }

void CenterApp(MainView& form, double screenWidth, double screenHeight) {
  form.SetLeft(CenteredEdge(screenWidth, form.Width()));
  form.SetTop(CenteredEdge(screenHeight, form.Height()));
}

void ClearScreen(MainView& form) {
  form.SetComments("");
  form.SetStartText("");
  form.SetEndText("");
}

}  // namespace tw
