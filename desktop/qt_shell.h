#pragma once
// The desktop shell on Qt: the notification-area icon, bringing a window to the front, starting a
// program and the help viewer.
#include <QPointer>
#include <memory>

#include "platform/notify_icon.h"
#include "desktop/qt_help_viewer.h"

class QSystemTrayIcon;

namespace tw {

class QtShell : public Shell {
 public:
  QtShell();
  ~QtShell() override;

  // The icon reports each press to the record's window as its callback message: with
  // WM_MOUSEMOVE, a mouse move to x = the mouse message (in pixels), as the Windows shell does.
  bool Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATA& data) override;
  bool SetForegroundWindow(std::uint32_t window) override;
  bool HasNotificationArea() const override;
  bool ShowBalloon(const std::string& title, const std::string& text) override;
  void OnBalloonClick(std::function<void()> onClick) override;
  void StartProgram(const std::string& path) override;
  bool WinHelpA(std::uint32_t window, const std::string& helpFile, std::uint32_t command,
                const void* data) override;

  // For tests: the icon while it is registered, and the help viewer once opened.
  QSystemTrayIcon* trayIcon() const { return tray_.get(); }
  HelpViewer* helpViewer() const { return viewer_.data(); }

 private:
  void Apply(const NOTIFYICONDATA& data);
  void Report(std::uint32_t mouseMessage) const;

  std::unique_ptr<QSystemTrayIcon> tray_;
  NOTIFYICONDATA record_;
  std::function<void()> onBalloonClick_;
  QPointer<HelpViewer> viewer_;
};

}  // namespace tw
