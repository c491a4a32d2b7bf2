#pragma once
// Message boxes drawn by Qt, answering with the Windows button codes.
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace tw {

class QtDialogs : public Dialogs {
 public:
  // The main window: while no window of the program is active (it was hidden in the notification
  // area, or not yet mapped), a box stands centred over it.
  void SetOwnerWindow(QWidget* window) { owner_ = window; }

  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  int Choose(const std::string& prompt, const std::string& title,
             const std::vector<std::string>& buttons, int defaultButton, int escapeButton) override;

 private:
  QWidget* Owner() const;
  QPointer<QWidget> owner_;
};

}  // namespace tw
