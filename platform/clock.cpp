#include "platform/clock.h"

#include <chrono>

namespace tw {

std::int64_t Clock::UnixNow() const { return InstantOfLocal(Now()); }

DateTime SystemClock::Now() const { return LocalOfInstant(UnixNow()); }

std::int64_t SystemClock::UnixNow() const {
  const auto now = std::chrono::system_clock::now();
  return std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count();
}

}  // namespace tw
