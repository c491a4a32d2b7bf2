#pragma once
// The moments of calendar files: times in the basic ISO 8601 form both Timewarrior and iCalendar
// write ("20261207T090000Z" in UTC, "20261207T090000" on a wall clock).
#include <cstdint>
#include <optional>
#include <string_view>

#include "dates/date_value.h"

namespace tw {

// "YYYYMMDDTHHMMSSZ" as seconds since 1970; nothing for any other text.
std::optional<std::int64_t> UtcBasic(std::string_view text);

// "YYYYMMDDTHHMMSS" (and whatever follows) as a wall-clock time: seconds since 1970 as if it were
// UTC, what a zone's rules compare; nothing for another text.
std::optional<std::int64_t> WallBasic(std::string_view text);
// The day and the time of day a wall-clock time stands for.
DateTime WallDateTime(std::int64_t wall);

}  // namespace tw
