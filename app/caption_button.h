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

// A caption button with its object name and tooltip, in the program's colour. Enter never presses
// it (Space does, when it has the focus).
CaptionButton* MakeCaptionButton(QWidget* parent, const char* name, const char* caption,
                                 const char* tip);

}  // namespace tw
