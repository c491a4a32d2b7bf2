#include "dates/period.h"

#include "dates/ascii.h"

namespace tw {
namespace {

Period MonthPeriod(int year, int month) {
  return {DayFromCivil({year, month, 1}), DayFromCivil({year, month, DaysInMonth(year, month)})};
}

Period YearPeriod(int year) { return {DayFromCivil({year, 1, 1}), DayFromCivil({year, 12, 31})}; }

// Digits only, as a number; -1 otherwise.
int Digits(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return text.empty() ? -1 : value;
}

}  // namespace

Period PeriodOf(PeriodKind kind, std::int64_t day, int firstWeekday) {
  const CivilDate date = CivilFromDay(day);
  switch (kind) {
    case PeriodKind::Week: {
      const std::int64_t first = day - (Weekday(day) - firstWeekday + 7) % 7;
      return {first, first + 6};
    }
    case PeriodKind::Month: return MonthPeriod(date.year, date.month);
    case PeriodKind::Year: return YearPeriod(date.year);
    case PeriodKind::Day:
    case PeriodKind::Custom: break;
  }
  return {day, day};
}

Period Stepped(const Period& period, PeriodKind kind, int steps) {
  const CivilDate first = CivilFromDay(period.first);
  switch (kind) {
    case PeriodKind::Month: {
      const int months = first.year * 12 + (first.month - 1) + steps;
      return MonthPeriod(months / 12, months % 12 + 1);
    }
    case PeriodKind::Year: return YearPeriod(first.year + steps);
    default: {
      const std::int64_t shift = period.Days() * steps;
      return {period.first + shift, period.last + shift};
    }
  }
}

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

std::optional<std::int64_t> ParseIsoDay(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const int year = Digits(text.substr(0, 4)), month = Digits(text.substr(5, 2)), day = Digits(text.substr(8, 2));
  if (year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return std::nullopt;
  return DayFromCivil(CivilDate{year, month, day});
}

std::optional<Period> ParseIsoMonth(std::string_view text) {
  if (text.size() != 7 || text[4] != '-') return std::nullopt;
  const int year = Digits(text.substr(0, 4)), month = Digits(text.substr(5, 2));
  if (year < 100 || month < 1 || month > 12) return std::nullopt;
  return MonthPeriod(year, month);
}

std::optional<Period> ParseIsoYear(std::string_view text) {
  const int year = text.size() == 4 ? Digits(text) : -1;
  if (year < 100) return std::nullopt;
  return YearPeriod(year);
}

}  // namespace tw
