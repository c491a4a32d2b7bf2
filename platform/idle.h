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

// One way of telling how long the desktop has had no input. Callers poll it every few seconds.
class IdleSource {
 public:
  virtual ~IdleSource() = default;
  // A short name for the Preferences window ("X11 screen saver extension", ...).
  virtual std::string Name() const = 0;
  // Seconds since the last keyboard or mouse input; nothing when it cannot tell right now.
  virtual std::optional<std::int64_t> IdleSeconds() = 0;
  // The screen is locked or its screen saver is running; false where the source cannot tell.
  virtual bool Locked() = 0;
};

// Tells when the machine slept.
class SleepWatch {
 public:
  virtual ~SleepWatch() = default;
  virtual std::string Name() const = 0;
  // After a wake, the moments the machine went to sleep and woke, handed out once; nothing
  // otherwise. Callers ask every few seconds: a watch without signals of its own looks then.
  virtual std::optional<Absence> TakeSleep() = 0;
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
