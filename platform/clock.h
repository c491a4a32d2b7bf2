#pragma once
// The clock: the current local date and time.
#include <cstdint>

#include "dates/date_value.h"
#include "dates/local_time.h"

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

}  // namespace tw
