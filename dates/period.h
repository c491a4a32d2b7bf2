#pragma once
// The periods a summary covers: a day, a week starting on the user's first day of the week, a
// calendar month, a year, or any run of days; and stepping from one to the next.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dates/date_value.h"
#include "dates/iso_date.h"

namespace tw {

// Days first to last, both included.
struct Period {
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::int64_t Days() const { return last - first + 1; }
  bool Holds(std::int64_t day) const { return day >= first && day <= last; }
  friend bool operator==(const Period&, const Period&) = default;
};

// The days the report's dates can name: years 100 to 9999.
inline const Period kReadableDays{DayFromCivil({100, 1, 1}), DayFromCivil({9999, 12, 31})};
inline bool WithinReadableYears(const Period& period) {
  return period.first >= kReadableDays.first && period.last <= kReadableDays.last;
}

enum class PeriodKind { Day, Week, Month, Year, Custom };

// firstWeekday: 0 = Sunday .. 6 = Saturday, as Weekday() counts.
Period PeriodOf(PeriodKind kind, std::int64_t day, int firstWeekday);
// The period `steps` periods of its own length later (earlier when negative): weeks by seven days,
// months and years by the calendar, a day or a custom run by its number of days.
Period Stepped(const Period& period, PeriodKind kind, int steps);

// The choices of the Summary window, in its order.
enum class Preset { Today, ThisWeek, LastWeek, ThisMonth, LastMonth, ThisYear };
struct PresetPeriod {
  Period period;
  PeriodKind kind;
};
PresetPeriod PresetOf(Preset preset, std::int64_t today, int firstWeekday);
inline constexpr Preset kPresets[] = {Preset::Today,     Preset::ThisWeek,  Preset::LastWeek,
                                      Preset::ThisMonth, Preset::LastMonth, Preset::ThisYear};
// The preset that names the period today, if one does.
std::optional<Preset> PresetNaming(const Period& period, std::int64_t today, int firstWeekday);

// A day as YYYY-MM-DD, a month as YYYY-MM and a year as YYYY, or nothing.
std::optional<std::int64_t> ParseIsoDay(std::string_view text);
std::optional<Period> ParseIsoMonth(std::string_view text);
std::optional<Period> ParseIsoYear(std::string_view text);

}  // namespace tw
