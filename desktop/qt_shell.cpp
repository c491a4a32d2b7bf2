#include "desktop/qt_shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QWidget>

#include "desktop/qt_text.h"
#include "platform/run_error.h"
#include "platform/translate.h"

namespace tw {

QtShell::QtShell(QIcon picture) : picture_(std::move(picture)) {}

QtShell::~QtShell() {
  // A viewer with an owner window goes with it; one without goes with the shell.
  if (viewer_ && viewer_->parentWidget() == nullptr) delete viewer_.data();
}

bool QtShell::AddIcon(const IconRecord& icon) {
  if (tray_) return false;
  tray_ = std::make_unique<QSystemTrayIcon>(picture_);
  tray_->setToolTip(FromBytes(icon.tip));
  // A left press (Qt's trigger) and a right press (its context request) are answered; a double
  // click, the middle button and anything else are not.
  QObject::connect(tray_.get(), &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
    if (!onPress_) return;
    if (reason == QSystemTrayIcon::Trigger) onPress_(IconPress::Left);
    if (reason == QSystemTrayIcon::Context) onPress_(IconPress::Right);
  });
  QObject::connect(tray_.get(), &QSystemTrayIcon::messageClicked, [this] {
    if (onBalloonClick_) onBalloonClick_();
  });
  tray_->show();
  return true;
}

bool QtShell::RemoveIcon(const IconRecord&) {
  if (!tray_) return false;
  tray_.reset();
  return true;
}

bool QtShell::HasNotificationArea() const {
  // Asked afresh each time: a panel with a notification area may come or go while the program runs.
  return tray_ && tray_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

DesktopNotifications& QtShell::Notifications() const {
  if (!notifications_) notifications_ = std::make_unique<DesktopNotifications>(QDBusConnection::sessionBus());
  return *notifications_;
}

std::string QtShell::BalloonsThrough() const {
  if (Notifications().Available()) return Tr("Preferences", "the desktop's notification service");
  if (HasNotificationArea()) return Tr("Preferences", "a balloon of the notification icon");
  return "";
}

bool QtShell::ShowBalloon(const std::string& title, const std::string& text) {
  // The notification service reaches the user on every desktop, a notification area or not.
  if (Notifications().Show(FromBytes(title), FromBytes(text), [this] {
        if (onBalloonClick_) onBalloonClick_();
      }))
    return true;
  if (!tray_) return false;
  tray_->showMessage(FromBytes(title), FromBytes(text), tray_->icon());
  return true;
}

std::string QtShell::FindProgram(const std::string& name) const {
  return ToBytes(QStandardPaths::findExecutable(FromBytes(name)));
}

void QtShell::StartProgram(const std::string& path) {
  const QString program = FromBytes(path);
  const QFileInfo info(program);
  if (!info.exists()) throw RunError(kErrFileNotFound, "File not found");
  if (!info.isFile() || !info.isExecutable() || !QProcess::startDetached(program, {}))
    throw RunError(kErrPathAccess, "Path/File access error");
}

void QtShell::OpenHelp(const std::string& helpFile, HelpPage page) {
  QWidget* owner = owner_.data();
  if (viewer_ && viewer_->parentWidget() != owner) delete viewer_.data();
  if (!viewer_) viewer_ = new HelpViewer(owner);
  const QString file = FromBytes(helpFile);
  if (page == HelpPage::Contents) {
    viewer_->ShowContents(file);
  } else {
    viewer_->ShowSearch(file, QString());
  }
}

}  // namespace tw
