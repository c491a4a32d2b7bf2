#pragma once
// A button in the graphical style: it shows the background colour it is given, and its caption
// wraps onto further lines when it is wider than the button (as on the square Update Projects).
#include <QPushButton>

namespace tw {

class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tw
