#include "platform/qt_shell.h"

#include <QWidget>

#include "platform/handles.h"

namespace tw {

bool QtShell::Shell_NotifyIconA(std::uint32_t, const NOTIFYICONDATA&) {
  // The tray icon itself is not drawn yet.
  return true;
}

bool QtShell::SetForegroundWindow(std::uint32_t window) {
  auto* widget = static_cast<QWidget*>(const_cast<void*>(ObjectOfHandle(window)));
  if (widget == nullptr) return false;
  widget->raise();
  widget->activateWindow();
  return true;
}

}  // namespace tw
