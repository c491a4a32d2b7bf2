#include "state/forms.h"

#include <algorithm>

namespace tw {

void Forms::Add(LoadedForm* form) { forms_.push_back(form); }

void Forms::Remove(LoadedForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

Forms& LoadedForms() {
  static Forms forms;
  return forms;
}

}  // namespace tw
