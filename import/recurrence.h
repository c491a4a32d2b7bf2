#pragma once
// The repeat rules of calendar events (RRULE), as far as the import expands them: FREQ DAILY,
// WEEKLY, MONTHLY or YEARLY with INTERVAL, COUNT, UNTIL, BYMONTH, BYMONTHDAY, BYDAY (numbered in
// the month or the year, "2MO", "-1FR") and WKST. A rule with any other part is not expanded.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tw {

struct RepeatRule {
  enum Frequency { Daily, Weekly, Monthly, Yearly } frequency = Daily;
  int interval = 1;
  std::optional<std::int64_t> count;
  // UNTIL: a real moment when written in UTC, else a wall-clock time (the end of its day for a date).
  std::optional<std::int64_t> untilInstant, untilWall;
  std::vector<int> months;     // 1 .. 12
  std::vector<int> monthDays;  // 1 .. 31, or from the month's end -1 .. -31
  // Weekdays (0 Sunday .. 6 Saturday), each with which of them in the month (or the year, for a
  // yearly rule without months) counts: 1 the first, -1 the last, 0 every one.
  std::vector<std::pair<int, int>> days;
  int weekStart = 1;  // Monday
};

// The rule an RRULE value states; nothing, and why ("uses BYSETPOS, which ..."), when the import
// cannot expand it.
std::optional<RepeatRule> ParseRepeatRule(std::string_view text, std::string& why);

// The most occurrences one event gives.
inline constexpr std::size_t kMostOccurrences = 10000;

struct Occurrences {
  // Wall-clock times in the event's zone (seconds since 1970 as if it were UTC), the start first.
  std::vector<std::int64_t> walls;
  // Why they end: the rule's COUNT or UNTIL (or the year 9999), the horizon, kMostOccurrences, or
  // the days the file's rules may look at used up.
  enum Stop { Ended, Horizon, Most, Budget } stop = Ended;
};

// The occurrences of a rule for an event starting at startWall, which always counts as the first.
// `instant` tells the real moment of a wall-clock time of the event's zone; no occurrence starts at
// or after `horizon`; `budget` counts down the days looked at.
Occurrences ExpandRule(const RepeatRule& rule, std::int64_t startWall,
                       const std::function<std::int64_t(std::int64_t)>& instant, std::optional<std::int64_t> horizon,
                       std::int64_t& budget);

}  // namespace tw
