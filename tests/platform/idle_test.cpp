// Idle and sleep detection: the suspend-clock arithmetic; the D-Bus sources against the fake
// desktop services on a private message bus; the X11 source on an Xvfb server of its own. And the
// notification icon with a StatusNotifierItem host on that bus and that server. The bus
// and the X server are started here; where their programs are missing, those tests are skipped
// (and fail in CI, which installs them).
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGui/qguiapplication_platform.h>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/idle.h"
#include "platform/handles.h"
#include "platform/qt_idle.h"
#include "platform/qt_shell.h"

namespace tw {
namespace {

// ---------------------------------------------------------------------------------------------
// The suspend clock

class SuspendClockTest : public ::testing::Test {
 protected:
  // The clocks move together while the machine runs.
  void Run(std::int64_t ms) { now.wall += ms, now.boot += ms, now.awake += ms; }
  void Suspend(std::int64_t ms) { now.wall += ms, now.boot += ms; }

  ClockSample now{1'780'000'000'000, 90'000, 80'000};
  ClockJumpWatch watch{60, [this] { return now; }};
};

TEST_F(SuspendClockTest, ASuspendLongerThanTheThresholdIsReportedOnce) {
  Run(5000);
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
  Run(2000);
  Suspend(3'600'000);
  Run(1500);
  const std::int64_t woke = now.wall / 1000;
  EXPECT_EQ(watch.TakeSleep(), (Absence{woke - 3600, woke}));
  Run(5000);
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
}

TEST_F(SuspendClockTest, ShortSuspendsAndWallClockChangesAreNoSleep) {
  Suspend(60'000);  // exactly the threshold
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
  Run(5000);
  now.wall += 1500;  // NTP steps the clock a little
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
  Run(5000);
  now.wall -= 3'600'000;  // the user sets the clock back an hour
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
  Run(5000);
  now.wall += 86'400'000;  // ... and a day forward
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
  Suspend(60'001);
  EXPECT_TRUE(watch.TakeSleep());
}

TEST(SuspendClock, TheRealClocksShowNoSuspendWhileTheTestRuns) {
  const ClockSample a = ReadClocks();
  const ClockSample b = ReadClocks();
  EXPECT_GE(a.boot, a.awake);
  EXPECT_LE(std::abs(SuspendedBetween(a, b)), 1);
  EXPECT_NEAR(static_cast<double>(a.wall) / 1000, static_cast<double>(std::time(nullptr)), 2);
}

// ---------------------------------------------------------------------------------------------
// Child processes: the message bus, the fake desktop services, the X server

std::string FindProgram(const std::string& name) {
  return QStandardPaths::findExecutable(QString::fromStdString(name)).toStdString();
}

// A program run for the tests, ended with them (and with this process, should it die first).
class Child {
 public:
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() { Stop(); }

  // Starts the program with its standard output on a pipe to us.
  void Start(const std::vector<std::string>& argv, bool quiet = false) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      if (getppid() != parent) _exit(127);
      dup2(out[1], 1);
      if (quiet) dup2(open("/dev/null", O_WRONLY), 2);
      execvp(args[0], args.data());
      _exit(127);
    }
    close(out[1]);
    out_ = out[0];
  }

  // One line of its output, waiting at most timeoutMs; nothing when it ended or said nothing.
  std::optional<std::string> ReadLine(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (out_ >= 0) {
      if (const auto end = buffer_.find('\n'); end != std::string::npos) {
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        return line;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd p{out_, POLLIN, 0};
      if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
      char chunk[256];
      const ssize_t n = read(out_, chunk, sizeof chunk);
      if (n <= 0) break;
      buffer_.append(chunk, static_cast<size_t>(n));
    }
    return std::nullopt;
  }

  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
    pid_ = -1, out_ = -1;
    buffer_.clear();
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::string buffer_;
};

// Runs the event loop until done() holds or timeoutMs passed; says whether it holds.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 2000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

std::vector<std::string> Names(const IdleDetection& found) {
  std::vector<std::string> names;
  for (const auto& s : found.idleSources) names.push_back(s->Name());
  for (const auto& w : found.sleepWatches) names.push_back(w->Name());
  return names;
}

// A program the test needs is missing: skipped on a developer's machine, a failure in CI, which
// installs everything.
#define SKIP_WITHOUT(what)                                      \
  if (std::getenv("CI")) FAIL() << what << " (CI installs it)"; \
  GTEST_SKIP() << what

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
std::string noX11;  // why there is no X server to test on

// ---------------------------------------------------------------------------------------------
// The D-Bus sources, on a private bus with the fake desktop services

const QString kControl = QStringLiteral("org.tallywright.FakeDesktop");

class DesktopBusTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (FindProgram("dbus-daemon").empty()) return;
    folder_ = new QTemporaryDir;
    const std::string config = folder_->filePath("bus.conf").toStdString();
    // No service folders: nothing is started on demand, so a missing service stays missing.
    std::ofstream(config) << "<busconfig><type>session</type><listen>unix:dir="
                          << folder_->path().toStdString()
                          << "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                             "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                             "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                             "</busconfig>\n";
    daemon_ = new Child;
    daemon_->Start({"dbus-daemon", "--config-file=" + config, "--nofork", "--print-address=1"},
                   true);
    address_ = daemon_->ReadLine(5000).value_or("");
  }
  static void TearDownTestSuite() {
    QDBusConnection::disconnectFromBus(QStringLiteral("idle-test"));
    delete daemon_;
    delete folder_;
    daemon_ = nullptr, folder_ = nullptr;
  }

  void SetUp() override {
    if (FindProgram("dbus-daemon").empty()) {
      SKIP_WITHOUT("dbus-daemon is not installed");
    }
    ASSERT_FALSE(address_.empty()) << "the private message bus did not start";
    bus = QDBusConnection::connectToBus(QString::fromStdString(address_),
                                        QStringLiteral("idle-test"));
    ASSERT_TRUE(bus.isConnected()) << bus.lastError().message().toStdString();
  }

  // The next test finds none of this one's services.
  void TearDown() override {
    desktop_.Stop();
    if (bus.isConnected()) {
      WaitFor([this] { return !bus.interface()->isServiceRegistered(kControl).value(); });
    }
  }

  // Starts the fake desktop serving the given parts ("gnome", "freedesktop", "logind").
  void Serve(std::vector<std::string> parts) {
    parts.insert(parts.begin(), {TW_FAKE_DESKTOP_BUS, address_});
    desktop_.Start(parts);
    ASSERT_EQ(desktop_.ReadLine(5000), "ready");
  }

  // Tells the fake desktop what to do; its signals reach us before its answer does.
  void Order(const char* what, const QVariantList& args = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kControl, QStringLiteral("/control"),
                                                       kControl, QString::fromLatin1(what));
    call.setArguments(args);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    QCoreApplication::processEvents();
  }

  QDBusConnection bus{QString()};

  static inline std::string address_;
  Child desktop_;

 private:
  static inline QTemporaryDir* folder_ = nullptr;
  static inline Child* daemon_ = nullptr;
};

TEST_F(DesktopBusTest, TheDesktopsIdleTimesAreRead) {
  Serve({"gnome", "freedesktop"});
  GnomeIdleSource gnome(bus);
  FreedesktopIdleSource freedesktop(bus);
  Order("SetIdle", {qint64{4999}});
  EXPECT_EQ(gnome.IdleSeconds(), 4);
  EXPECT_EQ(freedesktop.IdleSeconds(), 4);
  Order("SetIdle", {qint64{3'601'000}});
  EXPECT_EQ(gnome.IdleSeconds(), 3601);
  EXPECT_EQ(freedesktop.IdleSeconds(), 3601);
}

TEST_F(DesktopBusTest, LocksFollowTheScreenSaversActiveState) {
  Serve({"gnome", "freedesktop"});
  Order("SetActive", {true});
  // Already locked when the source starts: it asks.
  GnomeIdleSource gnome(bus);
  FreedesktopIdleSource freedesktop(bus);
  EXPECT_TRUE(WaitFor([&] { return gnome.Locked() && freedesktop.Locked(); }));
  Order("SetActive", {false});
  EXPECT_TRUE(WaitFor([&] { return !gnome.Locked() && !freedesktop.Locked(); }));
  Order("SetActive", {true});
  EXPECT_TRUE(WaitFor([&] { return gnome.Locked() && freedesktop.Locked(); }));
}

TEST_F(DesktopBusTest, LogindsWakeGivesOneAbsence) {
  Serve({"logind"});
  ClockSample now{1'780'000'000'000, 90'000, 80'000};
  LogindSleepWatch watch(bus, [&] { return now; });
  Order("Sleep");
  now.wall += 7'200'500, now.boot += 7'200'500;
  Order("Wake");
  std::optional<Absence> slept;
  EXPECT_TRUE(WaitFor([&] { return (slept = watch.TakeSleep()).has_value(); }));
  EXPECT_EQ(slept, (Absence{1'780'000'000, 1'780'007'200}));
  // A suspend that failed: logind says "woken" with no time gone.
  Order("Sleep");
  Order("Wake");
  WaitFor([] { return false; }, 100);
  EXPECT_EQ(watch.TakeSleep(), std::nullopt);
}

TEST_F(DesktopBusTest, AMissingOrSilentServiceAnswersNothingSoon) {
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(GnomeIdleSource(bus).IdleSeconds(), std::nullopt);
  EXPECT_EQ(FreedesktopIdleSource(bus).IdleSeconds(), std::nullopt);
  EXPECT_LT(timer.elapsed(), kIdleCallTimeoutMs);

  Serve({"gnome"});
  Order("Stall", {true});
  GnomeIdleSource stalled(bus);
  timer.restart();
  EXPECT_EQ(stalled.IdleSeconds(), std::nullopt);
  EXPECT_LT(timer.elapsed(), kIdleCallTimeoutMs + 250);
  // It answers again, but the source leaves it alone for a while rather than wait once more.
  Order("Stall", {false});
  timer.restart();
  EXPECT_EQ(stalled.IdleSeconds(), std::nullopt);
  EXPECT_LT(timer.elapsed(), 100);
}

// KDE Plasma's and GNOME's (AppIndicator) notification areas: the icon registers with their watcher,
// and the host's Activate and ContextMenu reach the icon's window as left and right presses.
TEST_F(DesktopBusTest, TheNotificationIconRegistersWithTheWatcherAndTakesItsPresses) {
  if (!OnX11()) {
    SKIP_WITHOUT(noX11);
  }
  Serve({"watcher"});
  qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray::fromStdString(address_));  // where Qt's icon looks
  struct : QWidget {
    void mouseMoveEvent(QMouseEvent* event) override { presses.push_back(event->position().x()); }
    std::vector<double> presses;
  } window;
  window.setMouseTracking(true);
  QtShell shell;
  ASSERT_TRUE(shell.Shell_NotifyIconA(NIM_ADD, MakeNotifyIconRecord(HandleOf(&window), 0)));
  const std::string item = desktop_.ReadLine(5000).value_or("");
  ASSERT_EQ(item.rfind("item ", 0), 0u) << item;
  EXPECT_TRUE(shell.HasNotificationArea());
  for (const char* press : {"Activate", "ContextMenu"}) {
    bus.send(QDBusMessage::createMethodCall(QString::fromStdString(item.substr(5)), "/StatusNotifierItem",
                                            "org.kde.StatusNotifierItem", press) << 0 << 0);
  }
  EXPECT_TRUE(WaitFor([&] { return window.presses.size() == 2; }));
  EXPECT_EQ(window.presses, (std::vector<double>{WM_LBUTTONDOWN, WM_RBUTTONDOWN}));
}

TEST_F(DesktopBusTest, TheFactoryOffersWhatAnswers) {
  const std::vector<std::string> x11 =
      OnX11() ? std::vector<std::string>{"X11 screen saver extension"} : std::vector<std::string>{};
  auto expected = [&](std::vector<std::string> idle, std::vector<std::string> sleep) {
    idle.insert(idle.end(), x11.begin(), x11.end());
    idle.insert(idle.end(), sleep.begin(), sleep.end());
    return idle;
  };
  EXPECT_EQ(Names(FindIdleDetection(bus, bus)), expected({}, {"suspend clock"}));
  // Not connected to any bus at all.
  EXPECT_EQ(Names(FindIdleDetection(QDBusConnection(QString()), QDBusConnection(QString()))),
            expected({}, {"suspend clock"}));
  Serve({"gnome", "freedesktop", "logind"});
  EXPECT_EQ(Names(FindIdleDetection(bus, bus)),
            expected({"GNOME idle monitor", "freedesktop screen saver"},
                     {"systemd-logind", "suspend clock"}));
}

// ---------------------------------------------------------------------------------------------
// The X11 source, on the Xvfb server main() started

TEST(X11IdleSourceTest, IdleTimeGrowsUntilInputAndTheScreenSaverCounts) {
  if (!OnX11()) {
    SKIP_WITHOUT(noX11);
  }
  if (FindProgram("xdotool").empty()) {
    SKIP_WITHOUT("xdotool is not installed");
  }
  auto move = [](int x) {
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"),
                                                         QString::number(x), QStringLiteral("9")});
  };
  const std::unique_ptr<X11IdleSource> source = X11IdleSource::Open();
  ASSERT_TRUE(source);

  ASSERT_EQ(move(10), 0);
  EXPECT_TRUE(WaitFor([&] { return source->IdleSeconds() == 0; }, 1000));
  EXPECT_TRUE(WaitFor([&] { return source->IdleSeconds() >= 1; }, 3000));
  ASSERT_EQ(move(20), 0);
  EXPECT_TRUE(WaitFor([&] { return source->IdleSeconds() == 0; }, 1000));

  xcb_connection_t* x =
      qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
  EXPECT_FALSE(source->Locked());
  xcb_force_screen_saver(x, XCB_SCREEN_SAVER_ACTIVE);
  xcb_flush(x);
  EXPECT_TRUE(source->Locked());
  xcb_force_screen_saver(x, XCB_SCREEN_SAVER_RESET);
  xcb_flush(x);
  EXPECT_FALSE(source->Locked());
}

}  // namespace
}  // namespace tw

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // An X server of our own, on whatever display is free, for the X11 source.
  tw::Child xvfb;
  if (tw::FindProgram("Xvfb").empty()) {
    tw::noX11 = "Xvfb is not installed";
  } else {
    xvfb.Start({"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "640x480x24"},
               true);
    if (const std::optional<std::string> display = xvfb.ReadLine(10000)) {
      qputenv("DISPLAY", QByteArray(":") + QByteArray::fromStdString(*display));
    } else {
      tw::noX11 = "Xvfb did not start";
    }
  }
  qputenv("QT_QPA_PLATFORM", tw::noX11.empty() ? "xcb" : "offscreen");
  const int result = [&] {
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
  }();
  return result;
}
