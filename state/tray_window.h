#pragma once
// What the notification icon's handlers act on in the main window.
#include <string>

namespace tw {

class TrayWindow {
 public:
  virtual ~TrayWindow() = default;
  virtual bool IsMinimized() const = 0;
  // Neither minimized nor maximized.
  virtual void SetNormalState() = 0;
  virtual void SetVisible(bool visible) = 0;
  // The first panel of the status bar.
  virtual void SetStatusText(const std::string& text) = 0;
  // Opens the Option menu as a popup at the mouse pointer.
  virtual void PopupOptionMenu() = 0;
  // Raises the window above the others and gives it the focus.
  virtual void BringToFront() = 0;
};

}  // namespace tw
