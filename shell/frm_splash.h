#pragma once
// The window shown while the program starts: the logo, the title, the version and the maker.
#include <QWidget>

#include "widgets/registration.h"

class QLabel;

namespace tw {

class frmSplash : public QWidget, public RegisteredForm<frmSplash> {
  Q_OBJECT

 public:
  // Builds the window, centred on the screen, and runs its load.
  frmSplash();
  void Unload() override;
  // Draws the window now, once the desktop has put it on the screen (waiting a moment at most), so
  // that it shows during the slower work of start-up.
  void RepaintNow();

 private:
  void Load();

  QLabel* lblProductName_ = nullptr;
  QLabel* lblVersion_ = nullptr;
};

}  // namespace tw
