#include "desktop/qt_idle.h"

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QObject>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <utility>

namespace tw {

namespace {

const QString kGnomeIdleService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kGnomeIdlePath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString kGnomeLockService = QStringLiteral("org.gnome.ScreenSaver");
const QString kGnomeLockPath = QStringLiteral("/org/gnome/ScreenSaver");
const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");

QDBusMessage Call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments = {}) {
  QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
  call.setArguments(arguments);
  // A service that is not running is not started for us: it would not know the user's input.
  call.setAutoStartService(false);
  return call;
}

// The first value of the answer to one call, or nothing when no answer came in time.
std::optional<QVariant> Ask(const QDBusConnection& bus, const QDBusMessage& call) {
  if (!bus.isConnected()) return std::nullopt;
  const QDBusMessage reply = bus.call(call, QDBus::Block, kIdleCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
    return std::nullopt;
  }
  return reply.arguments().constFirst();
}

std::optional<std::int64_t> AskMilliseconds(const QDBusConnection& bus, const QDBusMessage& call) {
  const std::optional<QVariant> value = Ask(bus, call);
  if (!value) return std::nullopt;
  bool ok = false;
  const qulonglong ms = value->toULongLong(&ok);
  if (!ok) return std::nullopt;
  return static_cast<std::int64_t>(ms);
}

std::optional<std::int64_t> GnomeIdleMs(const QDBusConnection& bus) {
  return AskMilliseconds(bus, Call(kGnomeIdleService, kGnomeIdlePath, kGnomeIdleService,
                                   QStringLiteral("GetIdletime")));
}

std::optional<std::int64_t> ScreenSaverIdleMs(const QDBusConnection& bus) {
  return AskMilliseconds(bus, Call(kScreenSaverService, kScreenSaverPath, kScreenSaverService,
                                   QStringLiteral("GetSessionIdleTime")));
}

bool HasOwner(const QDBusConnection& bus, const QString& name) {
  const QString daemon = QStringLiteral("org.freedesktop.DBus");
  const std::optional<QVariant> owned =
      Ask(bus, Call(daemon, QStringLiteral("/org/freedesktop/DBus"), daemon,
                    QStringLiteral("NameHasOwner"), {name}));
  return owned && owned->toBool();
}

// Seconds of an idle time polled every few seconds.
std::optional<std::int64_t> PolledSeconds(std::optional<std::int64_t> ms,
                                          Availability& availability) {
  if (!ms) {
    availability.Failed();
    return std::nullopt;
  }
  return *ms / 1000;
}

bool UnderWayland() {
  return qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
         qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

}  // namespace

// A screen saver service's lock state, kept from its ActiveChanged signal; asked for once at the
// start without waiting for the answer.
class LockWatcher : public QObject {
  Q_OBJECT

 public:
  LockWatcher(const QDBusConnection& bus, const QString& service, const QString& path)
      : bus_(bus), service_(service), path_(path) {
    bus_.connect(service_, path_, service_, QStringLiteral("ActiveChanged"), this,
                 SLOT(Changed(bool)));
    auto* first = new QDBusPendingCallWatcher(
        bus_.asyncCall(Call(service_, path_, service_, QStringLiteral("GetActive")),
                       kIdleCallTimeoutMs),
        this);
    connect(first, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
      const QDBusPendingReply<bool> reply = *w;
      if (!heard_ && reply.isValid()) active_ = reply.value();
      w->deleteLater();
    });
  }
  ~LockWatcher() override {
    bus_.disconnect(service_, path_, service_, QStringLiteral("ActiveChanged"), this,
                    SLOT(Changed(bool)));
  }
  bool Active() const { return active_; }

 private slots:
  void Changed(bool active) {
    active_ = active;
    heard_ = true;
  }

 private:
  QDBusConnection bus_;
  QString service_, path_;
  bool active_ = false;
  bool heard_ = false;
};

class SleepSignalReceiver : public QObject {
  Q_OBJECT

 public:
  explicit SleepSignalReceiver(LogindSleepWatch& watch) : watch_(watch) {}

 private slots:
  void PrepareForSleep(bool sleeping) {
    if (!sleeping) watch_.Woke();
  }

 private:
  LogindSleepWatch& watch_;
};

// X11

std::unique_ptr<X11IdleSource> X11IdleSource::Open() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return nullptr;
  const xcb_query_extension_reply_t* extension =
      xcb_get_extension_data(connection, &xcb_screensaver_id);
  if (!extension || !extension->present) return nullptr;
  // The idle time is the server's, whatever the screen; the first screen's root serves to ask.
  const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  if (screens.rem == 0) return nullptr;
  std::unique_ptr<X11IdleSource> source(new X11IdleSource(connection, screens.data->root));
  if (!source->Query()) return nullptr;
  return source;
}

std::optional<X11IdleSource::Info> X11IdleSource::Query() {
  xcb_generic_error_t* error = nullptr;
  xcb_screensaver_query_info_reply_t* reply = xcb_screensaver_query_info_reply(
      connection_, xcb_screensaver_query_info(connection_, root_), &error);
  std::free(error);
  if (!reply) return std::nullopt;
  const Info info{reply->ms_since_user_input, reply->state == XCB_SCREENSAVER_STATE_ON};
  std::free(reply);
  return info;
}

std::optional<std::int64_t> X11IdleSource::IdleSeconds() {
  const std::optional<Info> info = Query();
  if (!info) return std::nullopt;
  return info->idleMs / 1000;
}

bool X11IdleSource::Locked() {
  const std::optional<Info> info = Query();
  return info && info->saverOn;
}

// The D-Bus services

BusIdleSource::BusIdleSource(QDBusConnection bus, Ask ask, const QString& lockService,
                             const QString& lockPath)
    : bus_(std::move(bus)), ask_(ask), lock_(std::make_unique<LockWatcher>(bus_, lockService, lockPath)) {}

BusIdleSource::~BusIdleSource() = default;

std::optional<std::int64_t> BusIdleSource::IdleSeconds() {
  if (!availability_.WorthAsking()) return std::nullopt;
  return PolledSeconds(ask_(bus_), availability_);
}

bool BusIdleSource::Locked() { return lock_->Active(); }

GnomeIdleSource::GnomeIdleSource(QDBusConnection bus)
    : BusIdleSource(std::move(bus), GnomeIdleMs, kGnomeLockService, kGnomeLockPath) {}

FreedesktopIdleSource::FreedesktopIdleSource(QDBusConnection bus)
    : BusIdleSource(std::move(bus), ScreenSaverIdleMs, kScreenSaverService, kScreenSaverPath) {}

// logind

LogindSleepWatch::LogindSleepWatch(QDBusConnection bus, ClockJumpWatch::Clocks clocks)
    : bus_(std::move(bus)),
      clocks_(std::move(clocks)),
      awake_(clocks_()),
      receiver_(std::make_unique<SleepSignalReceiver>(*this)) {
  bus_.connect(kLogindService, kLogindPath, kLogindManager, QStringLiteral("PrepareForSleep"),
               receiver_.get(), SLOT(PrepareForSleep(bool)));
}

LogindSleepWatch::~LogindSleepWatch() {
  bus_.disconnect(kLogindService, kLogindPath, kLogindManager, QStringLiteral("PrepareForSleep"),
                  receiver_.get(), SLOT(PrepareForSleep(bool)));
}

void LogindSleepWatch::Woke() {
  const ClockSample now = clocks_();
  const std::int64_t suspended = SuspendedBetween(awake_, now);
  awake_ = now;
  // logind also says "woken" after a suspend that failed; no time went by then.
  if (suspended < 1000) return;
  Absence absence = AbsenceBefore(now, suspended);
  // Two sleeps before anyone asked: the user was away from the first to the last.
  if (pending_) absence.from = pending_->from;
  pending_ = absence;
}

std::optional<Absence> LogindSleepWatch::TakeSleep() {
  return std::exchange(pending_, std::nullopt);
}

// Which sources answer

IdleDetection FindIdleDetection(QDBusConnection session, QDBusConnection system) {
  IdleDetection found;
  if (GnomeIdleMs(session)) found.idleSources.push_back(std::make_unique<GnomeIdleSource>(session));
  if (ScreenSaverIdleMs(session)) {
    found.idleSources.push_back(std::make_unique<FreedesktopIdleSource>(session));
  }
  if (!UnderWayland()) {
    if (auto x11 = X11IdleSource::Open()) found.idleSources.push_back(std::move(x11));
  }
  if (HasOwner(system, kLogindService)) {
    found.sleepWatches.push_back(std::make_unique<LogindSleepWatch>(system));
  }
  found.sleepWatches.push_back(std::make_unique<ClockJumpWatch>());
  return found;
}

}  // namespace tw

#include "qt_idle.moc"
