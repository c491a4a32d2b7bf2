#pragma once
// The desktop's own answers to "how long has the user been away": the X server's screen saver
// extension, GNOME's idle monitor, the freedesktop screen saver service, and systemd-logind's
// sleep signal. Each D-Bus source talks to the connection it is given. Calls wait a few hundred
// milliseconds at most, and a source that did not answer is not asked again for a while, so polling
// never holds up the windows. The person's return is told as it happens, by the X server's idle
// time alarm, GNOME's watch for the user's next input, and the screen savers' signal of an unlock;
// a wake by logind's signal.
#include <QDBusConnection>
#include <chrono>
#include <memory>
#include <vector>

#include "platform/idle.h"

typedef struct xcb_connection_t xcb_connection_t;

namespace tw {

// How long one D-Bus call may take, and how long a source that failed is left alone.
inline constexpr int kIdleCallTimeoutMs = 250;
inline constexpr std::chrono::seconds kIdleRetryAfter{30};

// Remembers that a service did not answer, so that it is asked again only after a while.
class Availability {
 public:
  explicit Availability(std::chrono::milliseconds retryAfter = kIdleRetryAfter)
      : retryAfter_(retryAfter) {}
  bool WorthAsking() const { return std::chrono::steady_clock::now() >= retryAt_; }
  void Failed() { retryAt_ = std::chrono::steady_clock::now() + retryAfter_; }

 private:
  std::chrono::milliseconds retryAfter_;
  std::chrono::steady_clock::time_point retryAt_{};
};

class LockWatcher;
class UserActiveWatch;
class AlarmFilter;

// The MIT-SCREEN-SAVER extension of the X server the application runs on: the idle time covers
// every X client's input; Locked() is the server's own screen saver being on. The return is told
// by an alarm on the server's IDLETIME counter (the SYNC extension), which fires at the first
// input; input also ends the screen saver.
class X11IdleSource : public IdleSource {
 public:
  // Nothing when the application does not run on X or the server lacks the extension.
  static std::unique_ptr<X11IdleSource> Open();
  ~X11IdleSource() override;
  std::string Name() const override { return "X11 screen saver extension"; }
  std::optional<std::int64_t> IdleSeconds() override;
  bool Locked() override;
  // Tells nothing where the server has no IDLETIME counter.
  Watching Watch(bool input, Notice back) override;
  void StopWatching() override;

 private:
  friend class AlarmFilter;
  X11IdleSource(xcb_connection_t* connection, std::uint32_t root, std::uint32_t idleCounter);
  struct Info {
    std::int64_t idleMs;
    bool saverOn;
  };
  std::optional<Info> Query();
  bool Arm();
  bool SetAlarm(std::int64_t belowMs);
  void Disarm();
  void Fired();

  xcb_connection_t* connection_;
  std::uint32_t root_;
  std::uint32_t idleCounter_;  // 0: the server has none
  std::uint32_t alarm_ = 0;    // made at the first watch
  bool armed_ = false;         // the alarm waits for input
  Notice back_;
  std::unique_ptr<AlarmFilter> filter_;
};

// A desktop service on D-Bus: the idle time asked for at each look, locks and their ends from its
// screen saver's ActiveChanged signal.
class BusIdleSource : public IdleSource {
 public:
  ~BusIdleSource() override;
  std::optional<std::int64_t> IdleSeconds() override;
  bool Locked() override;
  Watching Watch(bool input, Notice back) override;
  void StopWatching() override;

 protected:
  // ask: the service's idle time in milliseconds, or nothing when it did not answer.
  using Ask = std::optional<std::int64_t> (*)(const QDBusConnection& bus);
  // tellsInput: the service has GNOME's watch for the user's next input.
  BusIdleSource(QDBusConnection bus, Ask ask, const QString& lockService, const QString& lockPath,
                bool tellsInput);

 private:
  QDBusConnection bus_;
  Ask ask_;
  Availability availability_;
  std::unique_ptr<LockWatcher> lock_;
  std::unique_ptr<UserActiveWatch> input_;  // none where the service cannot tell of input
};

// GNOME's org.gnome.Mutter.IdleMonitor (under Wayland as well as X11), its watch for the user's
// next input (AddUserActiveWatch, WatchFired); locks from org.gnome.ScreenSaver.
class GnomeIdleSource : public BusIdleSource {
 public:
  explicit GnomeIdleSource(QDBusConnection bus);
  std::string Name() const override { return "GNOME idle monitor"; }
};

// org.freedesktop.ScreenSaver's GetSessionIdleTime (milliseconds, as KDE answers), and its locks.
// It tells of no input, only of a lock's end: a return without a lock is asked for.
class FreedesktopIdleSource : public BusIdleSource {
 public:
  explicit FreedesktopIdleSource(QDBusConnection bus);
  std::string Name() const override { return "freedesktop screen saver"; }
};

class SleepSignalReceiver;

// systemd-logind's PrepareForSleep on the system bus. The length of the sleep comes from the
// suspend clock, since the program holds no delay lock and may handle the signal sent before the
// sleep only after the wake.
class LogindSleepWatch : public SleepWatch {
 public:
  explicit LogindSleepWatch(QDBusConnection bus, ClockJumpWatch::Clocks clocks = ReadClocks);
  ~LogindSleepWatch() override;
  std::string Name() const override { return "systemd-logind"; }
  std::optional<Absence> TakeSleep() override;
  void OnWake(Notice woke) override { woke_ = std::move(woke); }

 private:
  friend class SleepSignalReceiver;
  void Woke();

  QDBusConnection bus_;
  ClockJumpWatch::Clocks clocks_;
  ClockSample awake_;
  std::optional<Absence> pending_;
  Notice woke_;
  std::unique_ptr<SleepSignalReceiver> receiver_;
};

struct IdleDetection {
  // Best first; empty when nothing answers, and idle detection is then off.
  std::vector<std::unique_ptr<IdleSource>> idleSources;
  // Best first; the suspend clock is always last.
  std::vector<std::unique_ptr<SleepWatch>> sleepWatches;
};

// Asks which sources answer on this desktop. Never fails: what does not answer is left out.
// The desktop's services come first, since they know about locks; the X server's extension last,
// and not at all under Wayland, where it sees only the input of X clients.
IdleDetection FindIdleDetection(QDBusConnection session = QDBusConnection::sessionBus(),
                                QDBusConnection system = QDBusConnection::systemBus());

}  // namespace tw
