#include "app/options.h"

namespace tw {

void CenterApp(MainView& form, double screenWidth, double screenHeight) {
  form.SetLeft((screenWidth - form.Width()) / 2);
  form.SetTop((screenHeight - form.Height()) / 2);
}

void ClearScreen(MainView& form) {
  form.SetComments("");
  form.SetStartText("");
  form.SetEndText("");
}

}  // namespace tw
