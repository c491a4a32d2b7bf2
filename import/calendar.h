#pragma once
// The moments of calendar files: UTC times in the basic ISO 8601 form both Timewarrior and
// iCalendar write ("20261207T090000Z"), and iCalendar's time zones.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tw {

// "YYYYMMDDTHHMMSSZ" as seconds since 1970; nothing for any other text.
std::optional<std::int64_t> UtcBasic(std::string_view text);

}  // namespace tw
