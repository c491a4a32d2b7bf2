#include "desktop/qt_notifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include "platform/product.h"

namespace tw {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

}  // namespace

DesktopNotifications::DesktopNotifications(QDBusConnection bus) : bus_(std::move(bus)) {
  if (bus_.isConnected())
    bus_.connect(QString(), kPath, kService, QStringLiteral("ActionInvoked"), this, SLOT(ActionInvoked(uint, QString)));
}

DesktopNotifications::~DesktopNotifications() {
  if (bus_.isConnected())
    bus_.disconnect(QString(), kPath, kService, QStringLiteral("ActionInvoked"), this, SLOT(ActionInvoked(uint, QString)));
}

bool DesktopNotifications::Available() const {
  if (!bus_.isConnected() || !bus_.interface()) return false;
  if (bus_.interface()->isServiceRegistered(kService)) return true;
  const QDBusMessage names = bus_.call(QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListActivatableNames")), QDBus::Block, 1000);
  return names.type() == QDBusMessage::ReplyMessage &&
         names.arguments().value(0).toStringList().contains(kService);
}

bool DesktopNotifications::Show(const QString& title, const QString& text, std::function<void()> onClick) {
  if (!Available()) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
  // Each reminder takes the place of the one before, and stays until the user reads it.
  call << QString::fromUtf8(kProductName) << shown_ << QStringLiteral("com.quillfen.Tallywright") << title
       << text << QStringList{QStringLiteral("default"), tr("Show %1").arg(QString::fromUtf8(kProductName))}
       << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("com.quillfen.Tallywright")}} << 0;
  onClick_ = std::move(onClick);
  // Asked without waiting: a slow service never holds up the window.
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    const QDBusPendingReply<uint> reply = *w;
    if (!reply.isError()) shown_ = reply.value();
    w->deleteLater();
  });
  return true;
}

void DesktopNotifications::ActionInvoked(uint id, const QString& action) {
  if (id != 0 && id == shown_ && action == QStringLiteral("default") && onClick_) onClick_();
}

}  // namespace tw
