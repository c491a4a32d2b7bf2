#pragma once
// A window's place in the loaded-windows list, and the one loaded window of its kind.
#include "state/forms.h"

namespace tw {

// Form derives from RegisteredForm<Form>: Register puts the window in the loaded-windows list and
// makes it Form::Loaded(); Deregister (or the window's end) takes it out of both.
template <class Form>
class RegisteredForm : public LoadedForm {
 public:
  // The loaded window of this kind, or nullptr.
  static Form* Loaded() { return loaded_; }

 protected:
  ~RegisteredForm() override { Deregister(); }
  void Register() {
    loaded_ = static_cast<Form*>(this);
    LoadedForms().Add(this);
  }
  void Deregister() {
    if (loaded_ != nullptr && static_cast<RegisteredForm*>(loaded_) == this) loaded_ = nullptr;
    LoadedForms().Remove(this);
  }

 private:
  static inline Form* loaded_ = nullptr;
};

}  // namespace tw
