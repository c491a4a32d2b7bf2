#include "state/main_view.h"

#include "platform/run_error.h"

namespace tw {

void BoxesView::SetProjectIndex(int i) {
  if (i < -1 || i >= ProjectCount()) throw RunError(kErrInvalidPropertyValue, "Invalid property value");
  index = i;
}

}  // namespace tw
