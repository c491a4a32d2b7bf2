#pragma once
// The About window: the program's title, version and maker, and the System Info button. It is not
// modal, and there is at most one.
#include <QDialog>

#include "widgets/registration.h"

class QLabel;

namespace tw {

class frmAbout : public QDialog, public RegisteredForm<frmAbout> {
  Q_OBJECT

 public:
  // Help > About: loads the window when it is not loaded, shows it and brings it forward.
  static frmAbout* ShowAbout();

  void Unload() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Escape, the window's cancel key.
  void reject() override;

 private:
  frmAbout();
  void Load();

  QLabel* lblTitle_ = nullptr;
  QLabel* lblVersion_ = nullptr;
};

}  // namespace tw
