#include "import/recurrence.h"

#include <algorithm>

#include "dates/ascii.h"
#include "dates/date_value.h"
#include "import/calendar.h"
#include "import/fit.h"

namespace tw {
namespace {

constexpr std::string_view kWeekdays[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
const std::int64_t kLastDay = DayFromCivil({9999, 12, 31});

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

// A whole number from lowest to highest, with or without its sign; nothing for another text.
std::optional<int> Number(std::string_view text, int lowest, int highest) {
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  const int value = text.empty() ? -1 : Digits(text, 0, text.size());
  if (value < 0 || (negative ? -value : value) < lowest || (negative ? -value : value) > highest) return std::nullopt;
  return negative ? -value : value;
}

std::optional<int> WeekdayNamed(std::string_view name) {
  for (int w = 0; w < 7; ++w)
    if (name == kWeekdays[w]) return w;
  return std::nullopt;
}

// Calls item(text) for each item of a comma-separated list; false as soon as one answers false.
template <class Item>
bool EachItem(std::string_view list, Item&& item) {
  for (;;) {
    const std::size_t comma = list.find(',');
    if (!item(list.substr(0, comma))) return false;
    if (comma == std::string_view::npos) return true;
    list.remove_prefix(comma + 1);
  }
}

// Whether a day is one of the rule's, by its months, days of the month and weekdays.
bool Matches(const RepeatRule& rule, std::int64_t day) {
  const CivilDate date = CivilFromDay(day);
  if (!rule.months.empty() && std::find(rule.months.begin(), rule.months.end(), date.month) == rule.months.end())
    return false;
  const int length = DaysInMonth(date.year, date.month);
  if (!rule.monthDays.empty() && std::none_of(rule.monthDays.begin(), rule.monthDays.end(), [&](int d) {
        return d == date.day || d == date.day - length - 1;
      }))
    return false;
  if (rule.days.empty()) return true;
  // A numbered weekday counts in its month, or in its year for a yearly rule without months.
  int position = (date.day - 1) / 7 + 1, fromEnd = -((length - date.day) / 7 + 1);
  if (rule.frequency == RepeatRule::Yearly && rule.months.empty()) {
    const auto ofYear = static_cast<int>(day - DayFromCivil({date.year, 1, 1}));
    position = ofYear / 7 + 1;
    fromEnd = -(((IsLeapYear(date.year) ? 366 : 365) - 1 - ofYear) / 7 + 1);
  }
  const int weekday = Weekday(day);
  return std::any_of(rule.days.begin(), rule.days.end(), [&](const std::pair<int, int>& d) {
    return d.second == weekday && (d.first == 0 || d.first == position || d.first == fromEnd);
  });
}

}  // namespace

std::optional<RepeatRule> ParseRepeatRule(std::string_view text, std::string& why) {
  RepeatRule rule;
  bool frequency = false;
  for (std::string_view rest = text; !rest.empty();) {
    const std::size_t semicolon = rest.find(';');
    const std::string_view part = rest.substr(0, semicolon);
    rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    if (part.empty()) continue;
    const std::size_t equals = part.find('=');
    const std::string name = Upper(part.substr(0, equals));
    const std::string value = equals == std::string_view::npos ? "" : Upper(part.substr(equals + 1));
    bool read = true;
    if (name == "FREQ") {
      static constexpr std::string_view kFrequencies[] = {"DAILY", "WEEKLY", "MONTHLY", "YEARLY"};
      const auto* found = std::find(std::begin(kFrequencies), std::end(kFrequencies), value);
      if (found == std::end(kFrequencies)) {
        why = "repeats " + Shortened(value) + ", which the import cannot expand";
        return std::nullopt;
      }
      rule.frequency = static_cast<RepeatRule::Frequency>(found - std::begin(kFrequencies));
      frequency = true;
    } else if (name == "INTERVAL") {
      const auto n = Number(value, 1, 999999999);
      read = n.has_value();
      rule.interval = n.value_or(1);
    } else if (name == "COUNT") {
      const auto n = Number(value, 1, 999999999);
      read = n.has_value();
      rule.count = n;
    } else if (name == "UNTIL") {
      if (const auto utc = UtcBasic(value)) rule.untilInstant = utc;
      else if (const auto wall = WallBasic(value); wall && value.size() == 15) rule.untilWall = wall;
      else if (const auto day = WallBasic(value + "T235959"); day && value.size() == 8) rule.untilWall = day;
      else read = false;
    } else if (name == "BYMONTH" || name == "BYMONTHDAY") {
      std::vector<int>& list = name == "BYMONTH" ? rule.months : rule.monthDays;
      read = EachItem(value, [&](std::string_view item) {
        const auto n = name == "BYMONTH" ? Number(item, 1, 12) : Number(item, -31, 31);
        if (n && *n != 0) list.push_back(*n);
        return n && *n != 0;
      });
    } else if (name == "BYDAY") {
      read = EachItem(value, [&](std::string_view item) {
        const auto weekday = item.size() >= 2 ? WeekdayNamed(item.substr(item.size() - 2)) : std::nullopt;
        const std::string_view nth = item.substr(0, item.size() < 2 ? 0 : item.size() - 2);
        const auto n = nth.empty() ? std::optional<int>(0) : Number(nth, -53, 53);
        if (weekday && n && (nth.empty() || *n != 0)) rule.days.emplace_back(*n, *weekday);
        return weekday && n && (nth.empty() || *n != 0);
      });
    } else if (name == "WKST") {
      const auto weekday = WeekdayNamed(value);
      read = weekday.has_value();
      rule.weekStart = weekday.value_or(1);
    } else {
      why = "uses " + Shortened(name) + ", which the import cannot expand";
      return std::nullopt;
    }
    if (!read) {
      why = "has a part it cannot read: " + Shortened(part);
      return std::nullopt;
    }
  }
  const bool numbered = std::any_of(rule.days.begin(), rule.days.end(), [](const auto& d) { return d.first != 0; });
  if (!frequency) why = "has no FREQ";
  else if (numbered && rule.frequency < RepeatRule::Monthly) why = "numbers its BYDAY weekdays in a daily or weekly rule";
  else if (!rule.monthDays.empty() && rule.frequency == RepeatRule::Weekly) why = "uses BYMONTHDAY in a weekly rule";
  if (!why.empty()) return std::nullopt;
  return rule;
}

Occurrences ExpandRule(const RepeatRule& given, std::int64_t startWall,
                       const std::function<std::int64_t(std::int64_t)>& instant, std::optional<std::int64_t> horizon,
                       std::int64_t& budget) {
  const std::int64_t startDay = WallDateTime(startWall).day;
  const std::int64_t timeOfDay = WallDateTime(startWall).seconds;
  const CivilDate start = CivilFromDay(startDay);
  // What the rule leaves unsaid comes from the start: its weekday, its day of the month, its month.
  RepeatRule rule = given;
  if (rule.frequency == RepeatRule::Weekly && rule.days.empty()) rule.days.emplace_back(0, Weekday(startDay));
  if (rule.frequency == RepeatRule::Monthly && rule.days.empty() && rule.monthDays.empty())
    rule.monthDays.push_back(start.day);
  if (rule.frequency == RepeatRule::Yearly && rule.days.empty() && rule.monthDays.empty()) {
    if (rule.months.empty()) rule.months.push_back(start.month);
    rule.monthDays.push_back(start.day);
  }
  Occurrences found;
  found.walls.push_back(startWall);
  // Whether a wall-clock time lies past the rule's end (Ended) or the horizon (Horizon).
  const auto past = [&](std::int64_t wall) {
    if ((rule.untilWall && wall > *rule.untilWall) || (rule.untilInstant && instant(wall) > *rule.untilInstant))
      return found.stop = Occurrences::Ended, true;
    if (horizon && instant(wall) >= *horizon) return found.stop = Occurrences::Horizon, true;
    return false;
  };
  const auto full = [&] {
    if (rule.count && found.walls.size() >= static_cast<std::size_t>(*rule.count)) return found.stop = Occurrences::Ended, true;
    if (found.walls.size() >= kMostOccurrences) return found.stop = Occurrences::Most, true;
    return false;
  };
  if (full()) return found;
  const std::int64_t weekOfStart = startDay - (Weekday(startDay) - rule.weekStart + 7) % 7;
  const std::int64_t monthOfStart = std::int64_t{start.year} * 12 + start.month - 1;
  for (std::int64_t period = 0;; ++period) {
    const std::int64_t step = period * rule.interval;
    std::int64_t first = 0, last = 0;
    switch (rule.frequency) {
      case RepeatRule::Daily: first = last = startDay + step; break;
      case RepeatRule::Weekly: first = weekOfStart + 7 * step, last = first + 6; break;
      case RepeatRule::Monthly: {
        const std::int64_t month = monthOfStart + step;
        if (month / 12 > 9999) return found;
        const int year = static_cast<int>(month / 12), ofYear = static_cast<int>(month % 12) + 1;
        first = DayFromCivil({year, ofYear, 1}), last = first + DaysInMonth(year, ofYear) - 1;
        break;
      }
      case RepeatRule::Yearly:
        if (start.year + step > 9999) return found;
        first = DayFromCivil({static_cast<int>(start.year + step), 1, 1});
        last = DayFromCivil({static_cast<int>(start.year + step), 12, 31});
        break;
    }
    if (first > kLastDay || past((std::max(first, startDay) + kUnixDayOfDayZero) * kSecondsPerDay + timeOfDay)) return found;
    for (std::int64_t day = std::max(first, startDay); day <= last; ++day) {
      if (--budget < 0) return found.stop = Occurrences::Budget, found;
      const std::int64_t wall = (day + kUnixDayOfDayZero) * kSecondsPerDay + timeOfDay;
      if (wall <= startWall || !Matches(rule, day)) continue;
      if (past(wall)) return found;
      found.walls.push_back(wall);
      if (full()) return found;
    }
  }
}

}  // namespace tw
