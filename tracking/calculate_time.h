#pragma once
// The length of a stretch of work, from its start and end texts.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dates/date_format.h"
#include "dates/local_time.h"

namespace tw {

// The elapsed seconds of two date-time texts, or nothing when either is not a date-time.
std::optional<std::int64_t> ElapsedOf(const DateFormat& format, std::string_view start,
                                      std::string_view end);

}  // namespace tw

namespace Setup {

// "hh:mm:ss" of the time between start and end (whole hours, two digits at least), or an empty
// text when either is not a date-time.
std::string CalculateTime(const std::string& start, const std::string& end);

}  // namespace Setup
