#include "summaries/period.h"

namespace tw {

PresetPeriod PresetOf(Preset preset, std::int64_t today, int firstWeekday) {
  switch (preset) {
    case Preset::Today: return {PeriodOf(PeriodKind::Day, today, firstWeekday), PeriodKind::Day};
    case Preset::ThisWeek: return {PeriodOf(PeriodKind::Week, today, firstWeekday), PeriodKind::Week};
    case Preset::LastWeek:
      return {Stepped(PeriodOf(PeriodKind::Week, today, firstWeekday), PeriodKind::Week, -1),
              PeriodKind::Week};
    case Preset::ThisMonth: return {PeriodOf(PeriodKind::Month, today, 0), PeriodKind::Month};
    case Preset::LastMonth:
      return {Stepped(PeriodOf(PeriodKind::Month, today, 0), PeriodKind::Month, -1), PeriodKind::Month};
    case Preset::ThisYear: return {PeriodOf(PeriodKind::Year, today, 0), PeriodKind::Year};
  }
  return {PeriodOf(PeriodKind::Day, today, 0), PeriodKind::Day};
}

std::optional<Preset> PresetNaming(const Period& period, std::int64_t today, int firstWeekday) {
  for (Preset preset : kPresets)
    if (PresetOf(preset, today, firstWeekday).period == period) return preset;
  return std::nullopt;
}

}  // namespace tw
