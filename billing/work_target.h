#pragma once
// The working-time target and its balance: hours to work on each weekday, days off, and for a
// day, a week, a month or since a chosen day, the time worked against the target (over when
// positive). The target counts calendar days: a day's target is its weekday's hours whatever the
// day's length, so a week with a clock change still asks 5 x 8 h.
//
// The settings (text, as the settings store keeps them):
//   WorkTarget    the hours of each weekday that has some: "Mon=8,Tue=8,Wed=8,Thu=8,Fri=8" (days
//                 in any order, in English, any case; hours as 8, 7.5 or 7:30; days left out have
//                 none; empty: no target)
//   DaysOff       days and runs of days: "2026-12-24,2026-12-28..2026-12-31" (empty: none)
//   BalanceSince  the first day the balance "since" counts: "2026-01-01" (empty: none)
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "billing/reckoning.h"
#include "dates/period.h"
#include "platform/settings.h"

namespace tw {

inline constexpr const char* kWorkTargetKey = "WorkTarget";
inline constexpr const char* kDaysOffKey = "DaysOff";
inline constexpr const char* kBalanceSinceKey = "BalanceSince";

// Seconds to work on each weekday, by Weekday(): 0 = Sunday .. 6 = Saturday.
struct WeekTarget {
  std::array<std::int64_t, 7> seconds{};
  bool Any() const;
  friend bool operator==(const WeekTarget&, const WeekTarget&) = default;
};

struct WeekTargetReading {
  std::optional<WeekTarget> target;
  std::string problem;  // for the user; empty when it was read
};
WeekTargetReading ReadWeekTarget(std::string_view text);
// The setting's text, Monday first: "Mon=8,Tue=7.5,Fri=6:20".
std::string WeekTargetText(const WeekTarget& target);
// One day's hours as that text writes them: "8", "7.5", "6:20".
std::string DayHoursText(std::int64_t seconds);

struct DaysOffReading {
  std::optional<std::vector<Period>> days;  // in order, runs that touch made one
  std::string problem;
};
DaysOffReading ReadDaysOff(std::string_view text);
std::string DaysOffText(const std::vector<Period>& days);

// The three settings as the settings store holds them. A setting that cannot be read counts as not
// set, and says why ("WorkTarget: ..."), so that a summary goes on without it.
struct WorkSettings {
  WeekTarget target;
  std::vector<Period> daysOff;
  std::optional<std::int64_t> since;  // BalanceSince
  std::vector<std::string> problems;
};
WorkSettings ReadWorkSettings(Settings& settings);

// Worked time against the target over a run of days.
struct Balance {
  std::int64_t worked = 0;
  std::int64_t target = 0;
  std::int64_t Over() const { return worked - target; }  // negative: under
  friend bool operator==(const Balance&, const Balance&) = default;
};

// The stretches' worked time per day, fed stretch by stretch, against the target. A stretch tagged
// #off makes its day a day off: that day's target counts as met, and the #off stretch itself is
// not work (it marks the day, however long it was made); other work on a day off counts as
// worked, over the target. Worked time is the stretches' lengths as recorded, not rounded.
class WorkBalance {
 public:
  WorkBalance(WeekTarget target, std::vector<Period> daysOff)
      : target_(target), daysOff_(std::move(daysOff)) {}
  // count -1 takes back a stretch added before (an edit replaced it).
  void Add(const CountedStretch& stretch, int count = 1);

  bool DayOff(std::int64_t day) const;
  std::int64_t TargetOf(std::int64_t day) const { return DayOff(day) ? 0 : target_.seconds[Weekday(day)]; }

  // Over the days of `days` up to `through` (today: the days to come have no target yet, today's
  // whole target counts).
  Balance Over(const Period& days, std::int64_t through) const;
  Balance Day(std::int64_t day) const { return Over({day, day}, day); }
  // firstWeekday: 0 = Sunday .. 6 = Saturday.
  Balance Week(std::int64_t today, int firstWeekday) const;
  Balance Month(std::int64_t today) const;
  Balance Since(std::int64_t first, std::int64_t today) const { return Over({first, today}, today); }

 private:
  WeekTarget target_;
  std::vector<Period> daysOff_;
  std::unordered_map<std::int64_t, std::int64_t> worked_;  // by day
  std::unordered_map<std::int64_t, int> offDays_;          // days holding #off stretches: how many
  std::int64_t* lastDay_ = nullptr;  // stretches mostly come in runs of one day
  std::int64_t lastDayNumber_ = 0;
};

// The balances a person looks at, each up to today: today's, this week's (from firstWeekday, 0 =
// Sunday), this month's, and since the chosen first day (none when not chosen).
struct Balances {
  Balance day, week, month;
  std::optional<Balance> since;
  friend bool operator==(const Balances&, const Balances&) = default;
};
Balances BalancesOf(const WorkBalance& balance, std::int64_t today, int firstWeekday, std::optional<std::int64_t> since);
// The days whose stretches BalancesOf needs: from the first of this week, this month and `since`
// to today.
Period BalanceDays(std::int64_t today, int firstWeekday, std::optional<std::int64_t> since);

}  // namespace tw
