#pragma once
// The desktop shell on Qt: the notification-area icon, starting a program and the help viewer.
#include <QIcon>
#include <QPointer>
#include <memory>

#include "desktop/qt_help_viewer.h"
#include "desktop/qt_notifications.h"
#include "platform/shell.h"

class QSystemTrayIcon;
class QWidget;

namespace tw {

class QtShell : public Shell {
 public:
  // The icon shows picture, the program's icon.
  explicit QtShell(QIcon picture = QIcon());
  ~QtShell() override;

  // The window the help viewer belongs to: it stays above it and closes with it.
  void SetOwnerWindow(QWidget* window) { owner_ = window; }

  bool AddIcon(const IconRecord& icon) override;
  bool RemoveIcon(const IconRecord& icon) override;
  void OnIconPress(std::function<void(IconPress)> onPress) override { onPress_ = std::move(onPress); }
  bool HasNotificationArea() const override;
  bool ShowBalloon(const std::string& title, const std::string& text) override;
  void OnBalloonClick(std::function<void()> onClick) override { onBalloonClick_ = std::move(onClick); }
  std::string BalloonsThrough() const override;
  std::string FindProgram(const std::string& name) const override;
  void StartProgram(const std::string& path) override;
  void OpenHelp(const std::string& helpFile, HelpPage page) override;

  // For tests: the icon while it is shown, and the help viewer once opened.
  QSystemTrayIcon* trayIcon() const { return tray_.get(); }
  HelpViewer* helpViewer() const { return viewer_.data(); }

 private:
  QIcon picture_;
  std::unique_ptr<QSystemTrayIcon> tray_;
  std::function<void(IconPress)> onPress_;
  std::function<void()> onBalloonClick_;
  QPointer<QWidget> owner_;
  QPointer<HelpViewer> viewer_;
  // On the session bus, made when first needed.
  mutable std::unique_ptr<DesktopNotifications> notifications_;
  DesktopNotifications& Notifications() const;
};

}  // namespace tw
