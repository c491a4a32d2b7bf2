#include "dates/local_instants.h"

namespace tw {

std::int64_t LocalInstants::OffsetOfDay(std::int64_t unixDay) {
  const auto known = days_.find(unixDay);
  if (known != days_.end()) return known->second;
  const std::int64_t offset = UtcOffsetAt(unixDay * kSecondsPerDay);
  std::int64_t result = offset;
  for (int hour = 1; hour <= 24 && result != kVaries; ++hour)
    if (UtcOffsetAt(unixDay * kSecondsPerDay + hour * 3600) != offset) result = kVaries;
  days_.emplace(unixDay, result);
  return result;
}

std::int64_t LocalInstants::Of(const DateTime& wallClock) {
  if (wallClock.day != lastDay_) {
    // InstantOfLocal reads the zone within a day of the wall-clock time taken as UTC, and one
    // offset from there: with one offset across these five days, its answer is that time less
    // the offset.
    const std::int64_t unixDay = wallClock.day + kUnixDayOfDayZero;
    std::int64_t offset = OffsetOfDay(unixDay - 2);
    for (std::int64_t d = unixDay - 1; d <= unixDay + 2 && offset != kVaries; ++d)
      if (OffsetOfDay(d) != offset) offset = kVaries;
    if (offset != kVaries && (offset <= -kSecondsPerDay || offset >= kSecondsPerDay)) offset = kVaries;
    lastDay_ = wallClock.day;
    lastOffset_ = offset;
  }
  if (lastOffset_ == kVaries) return InstantOfLocal(wallClock);
  return (wallClock.day + kUnixDayOfDayZero) * kSecondsPerDay + wallClock.seconds - lastOffset_;
}

}  // namespace tw
