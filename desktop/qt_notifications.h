#pragma once
// The desktop's notification service (org.freedesktop.Notifications on the session bus), which
// every desktop with a notion of notifications serves, with or without a notification area (GNOME
// has none). A notification carries one action, its default: a click on it.
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>

namespace tw {

class DesktopNotifications : public QObject {
  Q_OBJECT

 public:
  explicit DesktopNotifications(QDBusConnection bus);
  ~DesktopNotifications() override;

  // Whether the bus has the service, running or ready to be started for the first notification.
  bool Available() const;
  // Sends a notification; onClick runs when the user clicks it. False when there is no service.
  bool Show(const QString& title, const QString& text, std::function<void()> onClick);

 private slots:
  void ActionInvoked(uint id, const QString& action);

 private:
  QDBusConnection bus_;
  uint shown_ = 0;  // the service's number of the last notification sent
  std::function<void()> onClick_;
};

}  // namespace tw
