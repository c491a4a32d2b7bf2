#include "dates/local_time.h"

#include <ctime>
#include <initializer_list>

namespace tw {

std::int64_t UtcOffsetAt(std::int64_t instant) {
  const std::time_t t = static_cast<std::time_t>(instant);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return 0;
  return local.tm_gmtoff;
}

namespace {

// The date-time a count of wall-clock seconds since 1970-01-01 00:00 stands for.
DateTime OfWallSeconds(std::int64_t wall) {
  std::int64_t day = wall / kSecondsPerDay;
  std::int64_t seconds = wall % kSecondsPerDay;
  if (seconds < 0) {
    seconds += kSecondsPerDay;
    day -= 1;
  }
  return DateTime{day - kUnixDayOfDayZero, static_cast<std::int32_t>(seconds)};
}

}  // namespace

DateTime LocalOfInstant(std::int64_t unixSeconds) { return OfWallSeconds(unixSeconds + UtcOffsetAt(unixSeconds)); }

DateTime LocalClock::Of(std::int64_t unixSeconds) {
  const std::int64_t hour = unixSeconds >= 0 ? unixSeconds / 3600 : (unixSeconds - 3599) / 3600;
  Hour& kept = hours_[static_cast<std::uint64_t>(hour) % hours_.size()];
  if (!kept.known || kept.hour != hour) kept = {hour, UtcOffsetAt(hour * 3600), true};
  return OfWallSeconds(unixSeconds + kept.offset);
}

std::int64_t InstantOfLocal(const DateTime& wallClock) {
  // The wall-clock reading taken as if it were UTC; the real moment lies one offset away from it.
  const std::int64_t asUtc = (wallClock.day + kUnixDayOfDayZero) * kSecondsPerDay + wallClock.seconds;
  bool found = false;
  std::int64_t best = 0;
  for (std::int64_t probe : {asUtc - kSecondsPerDay, asUtc, asUtc + kSecondsPerDay}) {
    const std::int64_t candidate = asUtc - UtcOffsetAt(probe);
    if (candidate + UtcOffsetAt(candidate) == asUtc && (!found || candidate < best)) {
      best = candidate;
      found = true;
    }
  }
  if (found) return best;
  // A time skipped when the clocks went forward: read it by the offset in force before the change.
  return asUtc - UtcOffsetAt(asUtc - kSecondsPerDay);
}

std::int64_t ElapsedSeconds(const DateTime& start, const DateTime& end) {
  const std::int64_t d = InstantOfLocal(start) - InstantOfLocal(end);
  return d < 0 ? -d : d;
}

}  // namespace tw
