#include "desktop/qt_idle.h"

#include <xcb/screensaver.h>
#include <xcb/sync.h>
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QObject>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
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

// Calls a notice from the event loop, after whatever delivered the news has finished (a question
// may open from it), and not at all once `context` is gone.
void Later(QObject* context, const Notice& notice) {
  if (notice) QMetaObject::invokeMethod(context, notice, Qt::QueuedConnection);
}

}  // namespace

// A screen saver service's lock state, kept from its ActiveChanged signal; asked for once at the
// start without waiting for the answer.
class LockWatcher : public QObject {
  Q_OBJECT

 public:
  // `unlocked` is called at each end of a lock from now on; none: no longer.
  void OnUnlock(Notice unlocked) { unlocked_ = std::move(unlocked); }

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
    if (!active) Later(this, unlocked_);
  }

 private:
  QDBusConnection bus_;
  QString service_, path_;
  bool active_ = false;
  bool heard_ = false;
  Notice unlocked_;
};

// GNOME's one-time watch for the user's next input: added with AddUserActiveWatch, it fires once
// as WatchFired with its number, and is then gone.
class UserActiveWatch : public QObject {
  Q_OBJECT

 public:
  UserActiveWatch(const QDBusConnection& bus, Availability& availability)
      : bus_(bus), availability_(availability) {
    bus_.connect(kGnomeIdleService, kGnomeIdlePath, kGnomeIdleService, QStringLiteral("WatchFired"),
                 this, SLOT(Fired(uint)));
  }
  ~UserActiveWatch() override {
    Stop();
    bus_.disconnect(kGnomeIdleService, kGnomeIdlePath, kGnomeIdleService,
                    QStringLiteral("WatchFired"), this, SLOT(Fired(uint)));
  }

  // `fired` is called at the next input, or when the watch could not be added. A watch already
  // added or being added is kept.
  void Start(Notice fired) {
    fired_ = std::move(fired);
    if (adding_ || id_) return;
    adding_ = true;
    const int round = ++round_;
    auto* added = new QDBusPendingCallWatcher(
        bus_.asyncCall(Call(kGnomeIdleService, kGnomeIdlePath, kGnomeIdleService,
                            QStringLiteral("AddUserActiveWatch")),
                       kIdleCallTimeoutMs),
        this);
    connect(added, &QDBusPendingCallWatcher::finished, this, [this, round](QDBusPendingCallWatcher* w) {
      w->deleteLater();
      const QDBusPendingReply<uint> reply = *w;
      if (round != round_) {  // stopped meanwhile: the watch is not wanted any more
        if (reply.isValid()) Remove(reply.value());
        return;
      }
      adding_ = false;
      if (reply.isValid()) {
        id_ = reply.value();
      } else {
        // Asked for again only after a while; meanwhile the caller asks for the idle time.
        availability_.Failed();
        Later(this, fired_);
      }
    });
  }
  void Stop() {
    ++round_;
    adding_ = false;
    if (id_) Remove(*id_);
    id_.reset();
    fired_ = nullptr;
  }

 private slots:
  void Fired(uint id) {
    if (id_ != id) return;
    id_.reset();
    Later(this, fired_);
  }

 private:
  void Remove(uint id) {
    QDBusMessage remove = Call(kGnomeIdleService, kGnomeIdlePath, kGnomeIdleService,
                               QStringLiteral("RemoveWatch"), {id});
    bus_.send(remove);
  }

  QDBusConnection bus_;
  Availability& availability_;
  Notice fired_;
  std::optional<uint> id_;  // the watch the service added for us
  bool adding_ = false;
  int round_ = 0;  // a new one at each Start and Stop, for answers that come late
};

// Hands the alarm's event, when it comes on the connection Qt reads, to its source.
class AlarmFilter : public QObject, public QAbstractNativeEventFilter {
 public:
  AlarmFilter(X11IdleSource& source, std::uint8_t alarmNotify)
      : source_(source), alarmNotify_(alarmNotify) {
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~AlarmFilter() override {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
  }
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != alarmNotify_) return false;
    const auto* notify = static_cast<const xcb_sync_alarm_notify_event_t*>(message);
    if (notify->alarm != source_.alarm_) return false;
    if (source_.armed_ && notify->state != XCB_SYNC_ALARMSTATE_DESTROYED) source_.Fired();
    return true;
  }

 private:
  X11IdleSource& source_;
  std::uint8_t alarmNotify_;
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

namespace {

std::int64_t FromSync(xcb_sync_int64_t value) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(value.hi)) << 32) |
                                   value.lo);
}

xcb_sync_int64_t ToSync(std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  return {static_cast<std::int32_t>(bits >> 32), static_cast<std::uint32_t>(bits)};
}

// The server's IDLETIME counter (milliseconds since the last input), 0 where it has none.
std::uint32_t IdleCounter(xcb_connection_t* connection) {
  const xcb_query_extension_reply_t* sync = xcb_get_extension_data(connection, &xcb_sync_id);
  if (!sync || !sync->present) return 0;
  std::free(xcb_sync_initialize_reply(
      connection, xcb_sync_initialize(connection, XCB_SYNC_MAJOR_VERSION, XCB_SYNC_MINOR_VERSION),
      nullptr));
  xcb_sync_list_system_counters_reply_t* counters = xcb_sync_list_system_counters_reply(
      connection, xcb_sync_list_system_counters(connection), nullptr);
  if (!counters) return 0;
  // Read by hand: libxcb's accessors look for each name two bytes after where it is. Each counter
  // is its number, its resolution (8 bytes), the name's length (2) and the name, padded to 4 bytes.
  std::uint32_t idle = 0;
  const auto* at = reinterpret_cast<const char*>(counters + 1);
  const char* end = reinterpret_cast<const char*>(counters) + 32 + std::size_t{counters->length} * 4;
  for (std::uint32_t i = 0; i < counters->counters_len && end - at >= 14; ++i) {
    std::uint32_t number = 0;
    std::uint16_t length = 0;
    std::memcpy(&number, at, 4);
    std::memcpy(&length, at + 12, 2);
    if (end - at - 14 < length) break;
    if (std::string_view(at + 14, length) == "IDLETIME") idle = number;
    at += (14 + length + 3) / 4 * 4;
  }
  std::free(counters);
  return idle;
}

}  // namespace

X11IdleSource::X11IdleSource(xcb_connection_t* connection, std::uint32_t root,
                             std::uint32_t idleCounter)
    : connection_(connection), root_(root), idleCounter_(idleCounter) {
  if (idleCounter_) {
    const xcb_query_extension_reply_t* sync = xcb_get_extension_data(connection_, &xcb_sync_id);
    filter_ = std::make_unique<AlarmFilter>(
        *this, static_cast<std::uint8_t>(sync->first_event + XCB_SYNC_ALARM_NOTIFY));
  }
}

X11IdleSource::~X11IdleSource() {
  if (!alarm_) return;
  xcb_sync_destroy_alarm(connection_, alarm_);
  xcb_flush(connection_);
}

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
  std::unique_ptr<X11IdleSource> source(
      new X11IdleSource(connection, screens.data->root, IdleCounter(connection)));
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

Watching X11IdleSource::Watch(bool input, Notice back) {
  back_ = std::move(back);
  // The screen saver ends only with input: the alarm tells of its end as well.
  if (input || Locked()) {
    if (!armed_ && !Arm()) return {};
    return {input, true};
  }
  Disarm();
  return {false, idleCounter_ != 0};
}

void X11IdleSource::StopWatching() {
  Disarm();
  back_ = nullptr;
}

bool X11IdleSource::Arm() {
  if (!idleCounter_) return false;
  xcb_generic_error_t* error = nullptr;
  xcb_sync_query_counter_reply_t* counter = xcb_sync_query_counter_reply(
      connection_, xcb_sync_query_counter(connection_, idleCounter_), &error);
  std::free(error);
  if (!counter) return false;
  const std::int64_t idleMs = FromSync(counter->counter_value);
  std::free(counter);
  // Fires once the idle time falls below what it is now, that is at the next input, even one that
  // came since the query (at once where there was input this very millisecond), and then rests.
  if (!SetAlarm(std::max<std::int64_t>(idleMs - 1, 0))) return false;
  armed_ = true;
  return true;
}

bool X11IdleSource::SetAlarm(std::int64_t belowMs) {
  xcb_sync_create_alarm_value_list_t alarm{};
  alarm.counter = idleCounter_;
  alarm.valueType = XCB_SYNC_VALUETYPE_ABSOLUTE;
  alarm.value = ToSync(belowMs);
  alarm.testType = XCB_SYNC_TESTTYPE_NEGATIVE_COMPARISON;
  alarm.delta = ToSync(0);
  alarm.events = 1;
  const std::uint32_t mask = XCB_SYNC_CA_COUNTER | XCB_SYNC_CA_VALUE_TYPE | XCB_SYNC_CA_VALUE |
                             XCB_SYNC_CA_TEST_TYPE | XCB_SYNC_CA_DELTA | XCB_SYNC_CA_EVENTS;
  // One alarm serves the source's life: one destroyed would send an event of its own.
  xcb_void_cookie_t cookie;
  const bool create = alarm_ == 0;
  const std::uint32_t id = create ? xcb_generate_id(connection_) : alarm_;
  if (create) {
    cookie = xcb_sync_create_alarm_aux_checked(connection_, id, mask, &alarm);
  } else {
    const xcb_sync_change_alarm_value_list_t change{alarm.counter, alarm.valueType, alarm.value,
                                                    alarm.testType, alarm.delta, alarm.events};
    cookie = xcb_sync_change_alarm_aux_checked(connection_, id, mask, &change);
  }
  xcb_generic_error_t* error = xcb_request_check(connection_, cookie);
  std::free(error);
  if (create && !error) alarm_ = id;
  return !error;
}

void X11IdleSource::Disarm() {
  if (!armed_) return;
  armed_ = false;
  // The idle time never falls below -1: the alarm stays, and waits for nothing.
  SetAlarm(-1);
}

void X11IdleSource::Fired() {
  armed_ = false;  // the alarm rests after firing
  Later(filter_.get(), back_);
}

// The D-Bus services

BusIdleSource::BusIdleSource(QDBusConnection bus, Ask ask, const QString& lockService,
                             const QString& lockPath, bool tellsInput)
    : bus_(std::move(bus)), ask_(ask), lock_(std::make_unique<LockWatcher>(bus_, lockService, lockPath)) {
  if (tellsInput) input_ = std::make_unique<UserActiveWatch>(bus_, availability_);
}

BusIdleSource::~BusIdleSource() = default;

std::optional<std::int64_t> BusIdleSource::IdleSeconds() {
  if (!availability_.WorthAsking()) return std::nullopt;
  return PolledSeconds(ask_(bus_), availability_);
}

bool BusIdleSource::Locked() { return lock_->Active(); }

Watching BusIdleSource::Watch(bool input, Notice back) {
  lock_->OnUnlock(back);
  // A service that did not answer is left alone for a while: its idle time is asked for instead.
  const bool watchInput = input && input_ && availability_.WorthAsking();
  if (watchInput)
    input_->Start(std::move(back));
  else if (input_)
    input_->Stop();
  return {watchInput, true};
}

void BusIdleSource::StopWatching() {
  lock_->OnUnlock(nullptr);
  if (input_) input_->Stop();
}

GnomeIdleSource::GnomeIdleSource(QDBusConnection bus)
    : BusIdleSource(std::move(bus), GnomeIdleMs, kGnomeLockService, kGnomeLockPath, true) {}

FreedesktopIdleSource::FreedesktopIdleSource(QDBusConnection bus)
    : BusIdleSource(std::move(bus), ScreenSaverIdleMs, kScreenSaverService, kScreenSaverPath, false) {}

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
  Later(receiver_.get(), woke_);
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
