#pragma once
// InstantOfLocal for the many wall-clock times of a scan of the report. The answers are the same,
// but on a day whose UTC offset holds from two days before it to two days after it (every day but
// those around a clock change) an answer is one subtraction instead of six readings of the zone.
#include <cstdint>
#include <unordered_map>

#include "dates/local_time.h"

namespace tw {

class LocalInstants {
 public:
  // InstantOfLocal(wallClock).
  std::int64_t Of(const DateTime& wallClock);

 private:
  // The offset of the UTC day `unixDay`, when it is the same at each of its hours, 0:00 to 24:00
  // both included; kVaries otherwise. No zone changes its offset and back again within an hour.
  std::int64_t OffsetOfDay(std::int64_t unixDay);
  static constexpr std::int64_t kVaries = INT64_MIN;

  std::unordered_map<std::int64_t, std::int64_t> days_;
  std::int64_t lastDay_ = INT64_MIN;
  std::int64_t lastOffset_ = kVaries;  // of lastDay_'s five-day window
};

}  // namespace tw
