#pragma once
// The periods the Summary window offers (this week, last month, ...); the periods themselves are
// the dates' (dates/periods.h).
#include <cstdint>
#include <optional>

#include "dates/periods.h"

namespace tw {

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

}  // namespace tw
