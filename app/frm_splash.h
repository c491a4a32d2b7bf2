#pragma once
// The window shown while the program starts.
#include <QWidget>

#include "app/forms.h"

namespace tw {

class frmSplash : public QWidget, public LoadedForm {
  Q_OBJECT

 public:
  frmSplash();
  ~frmSplash() override;
  void Unload() override;
};

}  // namespace tw
