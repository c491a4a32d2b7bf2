#include "platform/idle.h"

#include <time.h>

#include <utility>

namespace tw {

namespace {

std::int64_t Milliseconds(clockid_t id) {
  timespec t{};
  clock_gettime(id, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Unix seconds of a millisecond wall time, rounded down also before 1970.
std::int64_t Seconds(std::int64_t ms) { return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000); }

}  // namespace

ClockSample ReadClocks() {
  return {Milliseconds(CLOCK_REALTIME), Milliseconds(CLOCK_BOOTTIME),
          Milliseconds(CLOCK_MONOTONIC)};
}

std::int64_t SuspendedBetween(const ClockSample& before, const ClockSample& after) {
  return (after.boot - after.awake) - (before.boot - before.awake);
}

Absence AbsenceBefore(const ClockSample& now, std::int64_t suspendedMs) {
  return {Seconds(now.wall - suspendedMs), Seconds(now.wall)};
}

ClockJumpWatch::ClockJumpWatch(std::int64_t thresholdSeconds, Clocks clocks)
    : clocks_(std::move(clocks)), thresholdMs_(thresholdSeconds * 1000), last_(clocks_()) {}

std::optional<Absence> ClockJumpWatch::TakeSleep() {
  const ClockSample now = clocks_();
  const std::int64_t suspended = SuspendedBetween(last_, now);
  last_ = now;
  if (suspended <= thresholdMs_) return std::nullopt;
  return AbsenceBefore(now, suspended);
}

}  // namespace tw
