#pragma once
// The clock: the current local date and time, and the wall-clock times of the user's time zone
// against the real moments they stand for.
#include <cstdint>

#include "platform/date_value.h"

namespace tw {

class Clock {
 public:
  virtual ~Clock() = default;
  // The current local date and time, to the second.
  virtual DateTime Now() const = 0;
  // The current moment in unix seconds; Now() read back where a clock cannot tell it better
  // (a local time that occurs twice is taken as its first occurrence).
  virtual std::int64_t UnixNow() const;
};

class SystemClock : public Clock {
 public:
  DateTime Now() const override;
  std::int64_t UnixNow() const override;
};

// Seconds since 1970-01-01 00:00 UTC of a local wall-clock time. Where the clocks were put back and
// a wall-clock time occurs twice, its first occurrence; where they were put forward and it does not
// occur, the moment it would have been by the clock before the change.
std::int64_t InstantOfLocal(const DateTime& wallClock);

// The local wall-clock time of a moment.
DateTime LocalOfInstant(std::int64_t unixSeconds);

// The user's time zone's offset from UTC at a moment, in seconds.
std::int64_t UtcOffsetAt(std::int64_t unixSeconds);

}  // namespace tw
