#include "desktop/qt_dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "desktop/qt_text.h"

namespace tw {
namespace {

// Keeps a box centred over a window's outer frame, where the window is or, hidden, where it will
// show: the placement the window system would give may be a corner while the window maps. The box
// takes its final size only as it shows (its text wrapped to fit), so it is placed at every resize.
class CentredOver : public QObject {
 public:
  CentredOver(QWidget* box, const QWidget* window) : QObject(box), window_(window) { box->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && window_) {
      auto* box = static_cast<QWidget*>(watched);
      QRect at(QPoint(), box->frameGeometry().size());
      at.moveCenter(window_->frameGeometry().center());
      box->move(at.topLeft());
    }
    return false;
  }

 private:
  QPointer<const QWidget> window_;
};

void CentreOver(QMessageBox& box, const QWidget* window) {
  if (window) new CentredOver(&box, window);
}

}  // namespace

// The window a box belongs to, so that it stands over it: the active one, or while none is active
// (a question asked as the program starts, or as its window comes back from the notification area)
// the main window, else the first one shown.
QWidget* QtDialogs::Owner() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  if (owner_) return owner_;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->isWindow()) return window;
  return nullptr;
}

int QtDialogs::MsgBox(const std::string& prompt, int style, const std::string& title) {
  struct Button {
    QMessageBox::StandardButton qt;
    int code;
  };
  std::vector<Button> buttons;
  switch (style & 7) {
    case MsgStyle::OkCancel:
      buttons = {{QMessageBox::Ok, MsgResult::Ok}, {QMessageBox::Cancel, MsgResult::Cancel}};
      break;
    case MsgStyle::AbortRetryIgnore:
      buttons = {{QMessageBox::Abort, MsgResult::Abort},
                 {QMessageBox::Retry, MsgResult::Retry},
                 {QMessageBox::Ignore, MsgResult::Ignore}};
      break;
    case MsgStyle::YesNoCancel:
      buttons = {{QMessageBox::Yes, MsgResult::Yes},
                 {QMessageBox::No, MsgResult::No},
                 {QMessageBox::Cancel, MsgResult::Cancel}};
      break;
    case MsgStyle::YesNo:
      buttons = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}};
      break;
    case MsgStyle::RetryCancel:
      buttons = {{QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Cancel, MsgResult::Cancel}};
      break;
    default:
      buttons = {{QMessageBox::Ok, MsgResult::Ok}};
      break;
  }
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (style & 0x70) {
    case MsgStyle::Critical: icon = QMessageBox::Critical; break;
    case MsgStyle::Question: icon = QMessageBox::Question; break;
    case MsgStyle::Exclamation: icon = QMessageBox::Warning; break;
    case MsgStyle::Information: icon = QMessageBox::Information; break;
    default: break;
  }
  QMessageBox box(icon, FromBytes(title), FromBytes(prompt), QMessageBox::NoButton,
                  Owner());
  for (const Button& b : buttons) box.addButton(b.qt);
  size_t defaultIndex = (style & MsgStyle::DefaultButton3) ? 2 : (style & MsgStyle::DefaultButton2) ? 1 : 0;
  if (defaultIndex >= buttons.size()) defaultIndex = 0;
  box.setDefaultButton(buttons[defaultIndex].qt);
  if (!QApplication::activeWindow()) CentreOver(box, owner_);
  box.exec();
  const auto pressed = box.standardButton(box.clickedButton());
  for (const Button& b : buttons)
    if (b.qt == pressed) return b.code;
  // Closed without a button (Escape or the close box): the box's cancelling answer.
  for (const Button& b : buttons)
    if (b.code == MsgResult::Cancel || b.code == MsgResult::No) return b.code;
  return buttons.size() == 1 ? buttons[0].code : MsgResult::Cancel;
}

int QtDialogs::Choose(const std::string& prompt, const std::string& title,
                      const std::vector<std::string>& buttons, int defaultButton, int escapeButton) {
  QMessageBox box(QMessageBox::Question, FromBytes(title), FromBytes(prompt), QMessageBox::NoButton,
                  Owner());
  std::vector<QPushButton*> pushes;
  for (const std::string& caption : buttons)
    pushes.push_back(box.addButton(FromBytes(caption), QMessageBox::ActionRole));
  const auto at = [&](int index) { return pushes.at(static_cast<size_t>(index)); };
  box.setDefaultButton(at(defaultButton));
  box.setEscapeButton(at(escapeButton));
  if (!QApplication::activeWindow()) CentreOver(box, owner_);
  box.exec();
  for (size_t i = 0; i < pushes.size(); ++i)
    if (box.clickedButton() == pushes[i]) return static_cast<int>(i);
  return escapeButton;
}

}  // namespace tw
