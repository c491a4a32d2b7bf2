// Idle and sleep detection against a private D-Bus with fake services and an Xvfb of its own (CI needs both).
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <xcb/xcb.h>

#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>
#include <atomic>
#include <csignal>
#include <ctime>
#include <iostream>
#include <memory>

#include "platform/idle.h"
#include "desktop/qt_idle.h"
#include "desktop/qt_shell.h"
#include "tests/support/fake_idle.h"
#include "tracking/away.h"

namespace tw {
namespace {

TEST(SuspendClock, OnlyASuspendLongerThanTheThresholdIsASleep) {
  ClockSample now{1'780'000'000'000, 90'000, 80'000};
  const auto run = [&](std::int64_t ms) { now.wall += ms, now.boot += ms, now.awake += ms; };
  ClockJumpWatch watch{60, [&] { return now; }};
  run(5000);
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
  now.wall += 60'000, now.boot += 60'000;  // suspended for exactly the threshold
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
  // The wall clock set a little by NTP, or an hour back or a day forward by the user: no sleep.
  for (std::int64_t set : {1500LL, -3'600'000LL, 86'400'000LL}) {
    run(5000);
    now.wall += set;
    EXPECT_EQ(watch.TakeSleep(), std::nullopt) << set;
  }
  now.wall += 3'600'000, now.boot += 3'600'000;
  run(1500);
  const std::int64_t woke = now.wall / 1000;
  EXPECT_EQ(watch.TakeSleep(), (Absence{woke - 3600, woke}));
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);  // once

  const ClockSample a = ReadClocks(), b = ReadClocks();
  EXPECT_GE(a.boot, a.awake);
  EXPECT_LE(std::abs(SuspendedBetween(a, b)), 1);
  EXPECT_NEAR(static_cast<double>(a.wall) / 1000, static_cast<double>(std::time(nullptr)), 2);
}

bool Missing(const char* program) { return QStandardPaths::findExecutable(program).isEmpty(); }

// A program the tests need, ended with them, and with this process should it die first.
struct End {
  void operator()(QProcess* process) const {
    process->terminate();
    process->waitForFinished(2000);
    delete process;
  }
};
using Process = std::unique_ptr<QProcess, End>;

Process Start(const QString& program, const QStringList& arguments) {
  Process process(new QProcess);
  process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
  process->setStandardErrorFile(QProcess::nullDevice());
  process->start(program, arguments);
  return process;
}

// The first line the program writes, or nothing within timeoutMs.
QString FirstLine(QProcess& process, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!process.canReadLine() && timer.elapsed() < timeoutMs)
    process.waitForReadyRead(static_cast<int>(timeoutMs - timer.elapsed()));
  return QString::fromLocal8Bit(process.readLine()).trimmed();
}

// Where a program the test needs is missing: skipped on a developer's machine, a failure in CI.
#define SKIP_WITHOUT(why)                                      \
  if (std::getenv("CI")) FAIL() << why << " (CI installs it)"; \
  GTEST_SKIP() << why
#define NEED(program)                                    \
  if (Missing(program)) {                                \
    SKIP_WITHOUT(program << " is not installed");        \
  }

bool OnX11() { return QGuiApplication::platformName() == "xcb"; }
std::string noX11;  // why there is no X server to test on
// The pointer moved on the test's X server, as the person's input; xdotool's status.
int Move(int x) { return QProcess::execute("xdotool", {"mousemove", QString::number(x), "9"}); }
#define NEED_X11_INPUT()     \
  if (!OnX11()) {            \
    SKIP_WITHOUT(noX11);     \
  }                          \
  NEED("xdotool")

// The desktop's D-Bus services and a notification area's watcher, served by a thread of their own.
class FakeDesktop : public QDBusVirtualObject {
 public:
  std::atomic<qint64> idleMs = 0;
  std::atomic<bool> active = false, stalled = false, itemRegistered = false;
  std::atomic<int> notified = 0;  // notifications sent to the notification service
  std::atomic<uint> watches = 0, removed = 0;  // the idle monitor's watches added, the last removed
  QString item;  // the notification icon's service, once itemRegistered

  FakeDesktop(const QString& address, const QStringList& names) : names_(names) {
    QDBusConnection bus = QDBusConnection::connectToBus(address, "desktop");
    bus.registerVirtualObject("/", this, QDBusConnection::SubPath);
    for (const QString& name : names_) EXPECT_TRUE(bus.registerService(name)) << name.toStdString();
    moveToThread(&thread_);
    thread_.start();
  }
  // The next test finds none of these services.
  ~FakeDesktop() override {
    for (const QString& name : names_) Bus().unregisterService(name);
    thread_.quit();
    thread_.wait();
    Bus().unregisterObject("/", QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus("desktop");
  }

  QString introspect(const QString&) const override { return {}; }
  // The services' members have names of their own, so the member alone tells the call.
  bool handleMessage(const QDBusMessage& call, const QDBusConnection&) override {
    const QString member = call.member();
    if (member == "GetIdletime" && !stalled) {
      Bus().send(call.createReply(QVariant::fromValue(static_cast<qulonglong>(idleMs))));
    } else if (member == "GetSessionIdleTime" && !stalled) {
      Bus().send(call.createReply(QVariant::fromValue(static_cast<uint>(idleMs))));
    } else if (member == "AddUserActiveWatch" && !stalled) {
      Bus().send(call.createReply(QVariant::fromValue(static_cast<uint>(++watches))));
    } else if (member == "RemoveWatch") {
      removed = call.arguments().value(0).toUInt();
    } else if (member == "GetActive") {
      Bus().send(call.createReply(active.load()));
    } else if (member == "Introspect") {  // for Qt's look at the watcher
      Bus().send(call.createReply("<node><interface name=\"org.kde.StatusNotifierWatcher\"><property name="
                                  "\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
                                  "</interface></node>"));
    } else if (member == "Get") {  // the watcher's one property
      Bus().send(call.createReply(QVariant::fromValue(QDBusVariant(true))));
    } else if (member == "Notify") {
      ++notified;
      Bus().send(call.createReply(QVariant::fromValue(7u)));
    } else if (member == "RegisterStatusNotifierItem") {
      item = call.arguments().value(0).toString();
      itemRegistered = true;
      Bus().send(call.createReply());
    }
    return true;
  }

  void SetActive(bool on) {
    active = on;
    Emit("/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver", "ActiveChanged", on);
    Emit("/org/gnome/ScreenSaver", "org.gnome.ScreenSaver", "ActiveChanged", on);
  }
  // The idle monitor's watch `id` fired: the user is active again.
  void FireWatch(uint id) {
    QDBusMessage signal = QDBusMessage::createSignal("/org/gnome/Mutter/IdleMonitor/Core",
                                                     "org.gnome.Mutter.IdleMonitor", "WatchFired");
    signal << id;
    Bus().send(signal);
  }
  void ClickNotification(uint id) {
    QDBusMessage signal = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                     "org.freedesktop.Notifications", "ActionInvoked");
    signal << id << QString("default");
    Bus().send(signal);
  }
  void PrepareForSleep(bool sleeping) {
    Emit("/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep", sleeping);
  }

 private:
  void Emit(const char* path, const char* interface, const char* name, bool value) {
    QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
    signal << value;
    Bus().send(signal);
  }

  static QDBusConnection Bus() { return QDBusConnection("desktop"); }

  QThread thread_;
  QStringList names_;
};

const QStringList kGnome{"org.gnome.Mutter.IdleMonitor", "org.gnome.ScreenSaver"};
const QStringList kFreedesktop{"org.freedesktop.ScreenSaver"};
const QStringList kLogind{"org.freedesktop.login1"};
const QStringList kWatcher{"org.kde.StatusNotifierWatcher"};

// The D-Bus sources, on a private bus with the fake desktop services.
class DesktopBusTest : public ::testing::Test {
 protected:
  // The session bus's own settings; every call of the sources asks not to start a missing service.
  static void SetUpTestSuite() {
    if (Missing("dbus-daemon")) return;
    daemon_ = Start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    address_ = FirstLine(*daemon_, 5000);
  }
  static void TearDownTestSuite() {
    QDBusConnection::disconnectFromBus("idle-test");
    daemon_.reset();
  }

  void SetUp() override {
    NEED("dbus-daemon");
    ASSERT_FALSE(address_.isEmpty()) << "the private message bus did not start";
    bus = QDBusConnection::connectToBus(address_, "idle-test");
    ASSERT_TRUE(bus.isConnected()) << bus.lastError().message().toStdString();
  }

  void Serve(const QStringList& names) { desktop = std::make_unique<FakeDesktop>(address_, names); }

  static std::vector<std::string> Names(const IdleDetection& found) {
    std::vector<std::string> names;
    for (const auto& s : found.idleSources) names.push_back(s->Name());
    for (const auto& w : found.sleepWatches) names.push_back(w->Name());
    return names;
  }

  QDBusConnection bus{QString()};
  std::unique_ptr<FakeDesktop> desktop;
  static inline Process daemon_;
  static inline QString address_;
};

TEST_F(DesktopBusTest, IdleTimesAndLocksOfBothDesktops) {
  Serve(kGnome + kFreedesktop);
  desktop->active = true;
  // Already locked when the sources start: they ask; later changes come as signals.
  GnomeIdleSource gnome(bus);
  FreedesktopIdleSource freedesktop(bus);
  EXPECT_TRUE(QTest::qWaitFor([&] { return gnome.Locked() && freedesktop.Locked(); }));
  desktop->idleMs = 3'601'999;
  EXPECT_EQ(gnome.IdleSeconds(), 3601);
  EXPECT_EQ(freedesktop.IdleSeconds(), 3601);
  desktop->SetActive(false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !gnome.Locked() && !freedesktop.Locked(); }));
}

// GNOME tells of the next input through one idle-monitor watch; both services of a lock's end; only while watched.
TEST_F(DesktopBusTest, GnomeTellsOfTheNextInputAndBothServicesOfALocksEnd) {
#if defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the fake desktop's signals arrive past the waits under ThreadSanitizer";
#endif
  Serve(kGnome + kFreedesktop);
  GnomeIdleSource gnome(bus);
  FreedesktopIdleSource freedesktop(bus);
  int gnomeTold = 0, freedesktopTold = 0;
  const Notice toGnome = [&] { ++gnomeTold; }, toFreedesktop = [&] { ++freedesktopTold; };
  EXPECT_EQ(gnome.Watch(true, toGnome), (Watching{true, true}));
  EXPECT_EQ(freedesktop.Watch(true, toFreedesktop), (Watching{false, true}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return desktop->watches == 1; }));
  gnome.Watch(true, toGnome);  // already watching: no second watch
  desktop->FireWatch(2);       // another program's
  desktop->FireWatch(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return gnomeTold == 1; }));
  desktop->SetActive(true);
  desktop->SetActive(false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return gnomeTold == 2 && freedesktopTold == 1; }));
  EXPECT_EQ(desktop->watches, 1u);

  // No longer watching: the watch not fired is removed, and nothing more is told.
  gnome.Watch(true, toGnome);
  ASSERT_TRUE(QTest::qWaitFor([&] { return desktop->watches == 2; }));
  gnome.StopWatching();
  freedesktop.StopWatching();
  EXPECT_TRUE(QTest::qWaitFor([&] { return desktop->removed == 2; }));
  desktop->FireWatch(2);
  desktop->SetActive(true);
  desktop->SetActive(false);
  QTest::qWait(200);
  EXPECT_EQ(gnomeTold + freedesktopTold, 3);

  // A watch the service did not add is told at once, and the idle time asked for instead for a while.
  desktop->stalled = true;
  gnome.Watch(true, toGnome);
  EXPECT_TRUE(QTest::qWaitFor([&] { return gnomeTold == 3; }));
  desktop->stalled = false;
  EXPECT_EQ(gnome.Watch(true, toGnome), (Watching{false, true}));
}

TEST_F(DesktopBusTest, LogindsWakeGivesOneAbsenceAndIsToldAtOnce) {
  Serve(kLogind);
  ClockSample now{1'780'000'000'000, 90'000, 80'000};
  LogindSleepWatch watch(bus, [&] { return now; });
  int woke = 0;
  watch.OnWake([&] { ++woke; });
  desktop->PrepareForSleep(true);
  now.wall += 7'200'500, now.boot += 7'200'500;
  desktop->PrepareForSleep(false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return woke == 1; }));
  EXPECT_EQ(watch.TakeSleep(), (Absence{1'780'000'000, 1'780'007'200}));
  // A suspend that failed: logind says "woken" with no time gone.
  desktop->PrepareForSleep(true);
  desktop->PrepareForSleep(false);
  QTest::qWait(100);
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
  EXPECT_EQ(woke, 1);
}

// The icon registers with KDE's or AppIndicator's watcher; Activate and ContextMenu come as left and right presses.
TEST_F(DesktopBusTest, TheNotificationIconRegistersWithTheWatcherAndTakesItsPresses) {
  if (!OnX11()) {
    SKIP_WITHOUT(noX11);
  }
  Serve(kWatcher);
  qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());  // where Qt's icon looks
  std::vector<IconPress> presses;
  QtShell shell;
  shell.OnIconPress([&](IconPress press) { presses.push_back(press); });
  ASSERT_TRUE(shell.AddIcon(MakeNotifyIconRecord()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return desktop->itemRegistered.load(); }, 5000));
  EXPECT_TRUE(shell.HasNotificationArea());
  for (const char* press : {"Activate", "ContextMenu"}) {
    bus.send(QDBusMessage::createMethodCall(desktop->item, "/StatusNotifierItem",
                                            "org.kde.StatusNotifierItem", press) << 0 << 0);
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return presses.size() == 2; }));
  EXPECT_EQ(presses, (std::vector<IconPress>{IconPress::Left, IconPress::Right}));
}

// With a notification service and no notification area, the reminder and its click go through the service.
TEST_F(DesktopBusTest, TheReminderGoesThroughTheNotificationServiceWhereThereIsOne) {
  qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
  {
    QtShell bare;  // no service, no icon: nowhere to show it
    EXPECT_EQ(bare.BalloonsThrough(), "");
    EXPECT_FALSE(bare.ShowBalloon("Tallywright", "Still tracking"));
  }
  Serve({"org.freedesktop.Notifications"});
  int clicks = 0;
  QtShell shell;
  shell.OnBalloonClick([&] { ++clicks; });
  EXPECT_EQ(shell.BalloonsThrough(), "the desktop's notification service");
  EXPECT_TRUE(shell.ShowBalloon("Tallywright", "Still tracking"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return desktop->notified == 1; }));
  QTest::qWait(200);  // the service's number for it arrives
  desktop->ClickNotification(8);      // another program's
  desktop->ClickNotification(7);
  EXPECT_TRUE(QTest::qWaitFor([&] { return clicks == 1; }));
  QTest::qWait(100);
  EXPECT_EQ(clicks, 1);
}

TEST_F(DesktopBusTest, TheFactoryOffersWhatAnswersAndASilentServiceIsLeftAlone) {
  const std::vector<std::string> x11 =
      OnX11() ? std::vector<std::string>{"X11 screen saver extension"} : std::vector<std::string>{};
  const auto expected = [&](std::vector<std::string> idle, const std::vector<std::string>& sleep) {
    idle.insert(idle.end(), x11.begin(), x11.end());
    idle.insert(idle.end(), sleep.begin(), sleep.end());
    return idle;
  };
  EXPECT_EQ(Names(FindIdleDetection(bus, bus)), expected({}, {"suspend clock"}));
  EXPECT_EQ(Names(FindIdleDetection(QDBusConnection(QString()), QDBusConnection(QString()))),
            expected({}, {"suspend clock"}));
  Serve(kGnome + kFreedesktop + kLogind);
  EXPECT_EQ(Names(FindIdleDetection(bus, bus)),
            expected({"GNOME idle monitor", "freedesktop screen saver"},
                     {"systemd-logind", "suspend clock"}));

  // A service that stops answering gives no idle time and is left alone for a while, even once it answers.
  desktop->stalled = true;
  GnomeIdleSource stalled(bus);
  EXPECT_EQ(stalled.IdleSeconds(), std::nullopt);
  desktop->stalled = false;
  EXPECT_EQ(stalled.IdleSeconds(), std::nullopt);
}

// On a real X server: away once the idle time passes a second, the first input after it told within a second;
// the screen saver counts as locked, and its end is told too.
TEST(X11IdleSourceTest, TheFirstInputAfterTimeAwayIsToldAtOnce) {
  NEED_X11_INPUT();
  std::unique_ptr<X11IdleSource> opened = X11IdleSource::Open();
  ASSERT_TRUE(opened);
  X11IdleSource& source = *opened;
  AwayWatch watch(test::Only(opened.release()), nullptr);
  const std::int64_t since = std::time(nullptr) - 60;
  std::optional<Absence> back;
  QElapsedTimer sinceInput;
  qint64 delayMs = -1;
  watch.OnMayBeBack([&] {
    back = watch.Poll(std::time(nullptr), since, 1);
    delayMs = sinceInput.elapsed();
  });
  ASSERT_EQ(Move(30), 0);
  // Away after a second without input; then only the alarm is waited for.
  ASSERT_TRUE(QTest::qWaitFor([&] { return watch.Poll(std::time(nullptr), since, 1), watch.AwaySince().has_value(); }, 4000));
  EXPECT_EQ(watch.NextLook(std::time(nullptr), 1), std::nullopt);
  QTest::qWait(1500);
  EXPECT_EQ(delayMs, -1);
  sinceInput.start();
  ASSERT_EQ(Move(40), 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return delayMs >= 0; }, 3000));
  EXPECT_TRUE(back);
  EXPECT_LT(delayMs, 1000);
  std::cout << "From the input to the look: " << delayMs << " ms\n";
  RecordProperty("InputToLookMs", static_cast<int>(delayMs));

  xcb_connection_t* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
  int told = 0;
  xcb_force_screen_saver(x, XCB_SCREEN_SAVER_ACTIVE);
  xcb_flush(x);
  EXPECT_TRUE(source.Locked());
  EXPECT_EQ(source.Watch(false, [&] { ++told; }), (Watching{false, true}));
  ASSERT_EQ(Move(50), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return told == 1; }));
  EXPECT_FALSE(source.Locked());
  EXPECT_EQ(source.Watch(false, [&] { ++told; }), (Watching{false, true}));  // no saver: no alarm
  ASSERT_EQ(Move(60), 0);
  QTest::qWait(300);
  EXPECT_EQ(told, 1);
}

}  // namespace
}  // namespace tw

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // An X server of our own, on whatever display is free, for the X11 source.
  tw::Process xvfb;
  if (tw::Missing("Xvfb")) {
    tw::noX11 = "Xvfb is not installed";
  } else {
    xvfb = tw::Start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "640x480x24"});
    const QString display = tw::FirstLine(*xvfb, 10000);
    if (display.isEmpty())
      tw::noX11 = "Xvfb did not start";
    else
      qputenv("DISPLAY", (":" + display).toLocal8Bit());
  }
  qputenv("QT_QPA_PLATFORM", tw::noX11.empty() ? "xcb" : "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
