#pragma once
// The user's time zone: local wall-clock times against the real moments they stand for, read from
// the C library's zone rules (TZ and /etc/localtime).
#include <array>
#include <cstdint>

#include "dates/date_value.h"

namespace tw {

// Seconds since 1970-01-01 00:00 UTC of a local wall-clock time. Where the clocks were put back and
// a wall-clock time occurs twice, its first occurrence; where they were put forward and it does not
// occur, the moment it would have been by the clock before the change.
std::int64_t InstantOfLocal(const DateTime& wallClock);

// Real elapsed seconds between two local wall-clock times, without sign: a daylight-saving change
// between them counts as the hour it really was.
std::int64_t ElapsedSeconds(const DateTime& start, const DateTime& end);

// The local wall-clock time of a moment.
DateTime LocalOfInstant(std::int64_t unixSeconds);

// The user's time zone's offset from UTC at a moment, in seconds.
std::int64_t UtcOffsetAt(std::int64_t unixSeconds);

// LocalOfInstant for many moments: the zone's offset is read once an hour of UTC (no zone changes
// its offset within one), the last hours' offsets kept.
class LocalClock {
 public:
  DateTime Of(std::int64_t unixSeconds);

 private:
  struct Hour {
    std::int64_t hour = 0, offset = 0;
    bool known = false;
  };
  std::array<Hour, 64> hours_{};
};

}  // namespace tw
