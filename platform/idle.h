#pragma once
// How the program learns that its user is away from the desk: how long the desktop has had no
// keyboard or mouse input, whether the screen is locked, and when the machine slept. The desktop's
// own sources (X11, D-Bus) live in desktop/qt_idle.h; the suspend-clock arithmetic here is plain.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tw {

// A stretch of wall-clock time the user was away, in unix seconds.
struct Absence {
  std::int64_t from = 0;
  std::int64_t to = 0;
  friend bool operator==(const Absence&, const Absence&) = default;
};

// Called when a source learns, as it happens, that the person may be back at the desk. Always
// called later from the event loop, never from within a call to the source.
using Notice = std::function<void()>;

// What a source's watch for the person's return tells of as it happens.
struct Watching {
  bool input = false;   // the first keyboard or mouse input
  bool unlock = false;  // the end of this source's lock (Locked() turning false)
  friend bool operator==(const Watching&, const Watching&) = default;
};

// One way of telling how long the desktop has had no input. Callers ask it when they look; while
// the person is away, a source that tells of their return is watched rather than asked every few
// seconds.
class IdleSource {
 public:
  virtual ~IdleSource() = default;
  // A short name for the Preferences window ("X11 screen saver extension", ...).
  virtual std::string Name() const = 0;
  // Seconds since the last keyboard or mouse input; nothing when it cannot tell right now.
  virtual std::optional<std::int64_t> IdleSeconds() = 0;
  // The screen is locked or its screen saver is running; false where the source cannot tell.
  virtual bool Locked() = 0;
  // Watches for the person's return until StopWatching: `back` is called when this source's lock
  // ends and, with `input`, once at the first keyboard or mouse input from now on (input after
  // that needs another call). Says what it watches; what it does not must be asked for. Calling
  // it again while watching changes nothing but what `input` asks. A watch that fails calls
  // `back`, so that the caller looks and watches again.
  virtual Watching Watch(bool input, Notice back) {
    (void)input, (void)back;
    return {};
  }
  virtual void StopWatching() {}
};

// Tells when the machine slept.
class SleepWatch {
 public:
  virtual ~SleepWatch() = default;
  virtual std::string Name() const = 0;
  // After a wake, the moments the machine went to sleep and woke, handed out once; nothing
  // otherwise. Callers ask when they look: a watch without signals of its own compares then.
  virtual std::optional<Absence> TakeSleep() = 0;
  // A watch that learns of a wake as it happens calls `woke` then, for a look at once; the others
  // ignore it.
  virtual void OnWake(Notice woke) { (void)woke; }
};

// The three clocks a sleep is measured with, in milliseconds.
struct ClockSample {
  std::int64_t wall = 0;   // CLOCK_REALTIME: unix time, which the user or NTP may set
  std::int64_t boot = 0;   // CLOCK_BOOTTIME: runs on while the machine is suspended
  std::int64_t awake = 0;  // CLOCK_MONOTONIC: stands still while the machine is suspended
};

ClockSample ReadClocks();

// How long the machine was suspended between two samples, in milliseconds. Only suspend moves
// the boot clock away from the awake clock, so setting the wall clock, in steps or by NTP, does
// not count (nor can it be told from a sleep by the wall clock alone).
std::int64_t SuspendedBetween(const ClockSample& before, const ClockSample& after);

// The absence a suspend of `suspendedMs` that ended by `now` stands for: it is taken to have ended
// at `now`, which is off by at most the time between the two samples.
Absence AbsenceBefore(const ClockSample& now, std::int64_t suspendedMs);

// The sleep watch that needs no service: at each TakeSleep it compares the clocks with the last
// look and reports a suspend longer than the threshold.
class ClockJumpWatch : public SleepWatch {
 public:
  using Clocks = std::function<ClockSample()>;
  explicit ClockJumpWatch(std::int64_t thresholdSeconds = 5, Clocks clocks = ReadClocks);
  std::string Name() const override { return "suspend clock"; }
  std::optional<Absence> TakeSleep() override;

 private:
  Clocks clocks_;
  std::int64_t thresholdMs_;
  ClockSample last_;
};

}  // namespace tw
