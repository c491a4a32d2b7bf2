#pragma once
// Dates and date-times written in ISO 8601, the form other programs read them in: the exports, the
// import's preview and the status tallywright-ctl and D-Bus give.
#include <cstdint>
#include <string>

#include "dates/date_value.h"

namespace tw {

// YYYY-MM-DD.
std::string IsoDate(std::int64_t day);
// The day as a point in time, ISO 8601 local time: 2026-12-07T09:00:00.
std::string IsoDateTime(const DateTime& value);

}  // namespace tw
