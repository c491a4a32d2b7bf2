#pragma once
// Time away from the desk while a stretch runs: noticing an absence (no input for a while, a locked
// screen, a sleep) and the person's return, asking what to do with the time, and reminding of a
// stretch left running for hours. The main window looks as the idle time says it must, at the
// once-a-minute save of a running stretch, and at once when a source tells of the person's return.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/idle.h"
#include "state/main_view.h"

namespace tw {

inline constexpr const char* kIdleMinutesKey = "IdleMinutes";
inline constexpr const char* kRemindHoursKey = "RemindHours";
inline constexpr int kIdleMinutesDefault = 15;
inline constexpr int kRemindHoursDefault = 8;
inline constexpr int kIdleMinutesMax = 1440;
inline constexpr int kRemindHoursMax = 1000;
// How often an absence is looked at once the person is away, for a prompt question on their return,
// where no source tells of the return as it happens.
inline constexpr int kAwayPollSeconds = 5;

// The settings as they stand; text that is no such number counts as the default. 0 is off.
int IdleMinutes();
int RemindHours();

// The moment the running stretch started (its start box, read in the report's form), in unix
// seconds; nothing when no stretch runs.
std::optional<std::int64_t> RunningSince(const TrackingBoxes& form);

// Decides, poll by poll, when the person went away and when they came back.
class AwayWatch {
 public:
  // The idle sources best first (empty: idle detection is off); the sleep watch may be missing.
  AwayWatch(std::vector<std::unique_ptr<IdleSource>> sources, std::unique_ptr<SleepWatch> sleep);
  AwayWatch(const AwayWatch&) = delete;
  AwayWatch& operator=(const AwayWatch&) = delete;

  // `look` is called, from the event loop, as soon as a source tells that the person may be back
  // while a stretch is watched: their first input after the absence, the end of a lock, a wake.
  // The caller then looks (Poll) at once, so the question comes with the return.
  void OnMayBeBack(std::function<void()> look) { mayBeBack_ = std::move(look); }

  // One look at `now` (unix seconds). runningSince is the start of the running stretch (nothing
  // when none runs), threshold the idle seconds that make an absence (0: off). Gives the absence
  // the person just came back from, once, when it lasted the threshold at least.
  std::optional<Absence> Poll(std::int64_t now, std::optional<std::int64_t> runningSince,
                              std::int64_t threshold);

  // Seconds from `now` until the next look that can tell something new: while the person is away
  // and no source tells of their return, soon (the return is asked about at once); otherwise when
  // the idle time last told would reach the threshold, had there been no input since. Nothing when
  // only the minute's look is needed (no stretch watched, idle detection off, or the sources watch
  // for the return).
  std::optional<std::int64_t> NextLook(std::int64_t now, std::int64_t threshold) const;

  // Where the person left, as the last look found them away, or while the absence Poll gave is
  // being asked about (until Answered); nothing otherwise.
  std::optional<std::int64_t> AwaySince() const;
  void Answered() { asking_.reset(); }

  // The Preferences window's line: where idleness and sleeps are learnt from.
  std::string Describe() const;

 private:
  void Begin(std::int64_t from);
  // While away: has the sources tell of the return (of the locks' ends only, while locked, as
  // input on a lock screen is no return).
  void WatchForReturn(const std::vector<char>& lockedBy);
  void StopWatching();

  std::vector<std::unique_ptr<IdleSource>> sources_;
  std::unique_ptr<SleepWatch> sleep_;
  size_t inUse_ = 0;                         // the source that answered last
  std::optional<std::int64_t> since_;        // the stretch watched
  std::optional<std::int64_t> lastInput_;    // as the last answer told it
  std::optional<std::int64_t> awayFrom_, woke_;
  std::optional<std::int64_t> asking_;
  bool told_ = false;  // away, and the sources watch for every way back: no looks between
  std::function<void()> mayBeBack_;
  Notice notice_;  // what the sources call
};

// The reminder of a stretch left running: due once when it has run `hours`, and once more every
// further `hours`.
class StretchReminder {
 public:
  // The balloon's text when a reminder is due at `now` (unix seconds) for the stretch running since
  // runningSince (RunningSince(form)); empty otherwise.
  std::string Poll(const TrackingBoxes& form, std::optional<std::int64_t> runningSince, std::int64_t now,
                   int hours);

 private:
  std::string start_;        // the stretch reminded of
  std::int64_t periods_ = 0;  // how many of its periods were reminded of
};

}  // namespace tw
