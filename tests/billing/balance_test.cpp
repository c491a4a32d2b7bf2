// The working-time target: its settings, and the balance across a clock change and days off.
#include <gtest/gtest.h>

#include "billing/work_target.h"
#include "dates/local_time.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

constexpr std::int64_t kHour = 3600;

TEST(WorkTarget, SettingsAreReadOrRefusedClearly) {
  const auto read = [](std::string_view text) { return ReadWeekTarget(text); };
  const WeekTargetReading loose = read(" fri = 7:05 , MONDAY=7.5, sun=0,Tue=8,");
  ASSERT_TRUE(loose.target);
  EXPECT_EQ(loose.target->seconds[5], 7 * kHour + 5 * 60);
  EXPECT_EQ(loose.target->seconds[1], 7 * kHour + 30 * 60);
  EXPECT_EQ(WeekTargetText(*loose.target), "Mon=7.5,Tue=8,Fri=7:05");
  ASSERT_TRUE(read("").target);
  EXPECT_FALSE(read("  ").target->Any());
  for (const char* wrong : {"Mon=8,mon=7", "Mo=8", "Mon=25", "Mon=8h", "Mon=7:5", "Mon", "8,8,8,8,8,0,0", "Mon=-1"}) {
    const WeekTargetReading refused = read(wrong);
    EXPECT_FALSE(refused.target) << wrong;
    EXPECT_FALSE(refused.problem.empty()) << wrong;
  }

  const DaysOffReading off = ReadDaysOff("2026-12-28..2026-12-31, 2026-12-24 2026-12-25,2026-12-30");
  ASSERT_TRUE(off.days);
  EXPECT_EQ(DaysOffText(*off.days), "2026-12-24..2026-12-25,2026-12-28..2026-12-31");
  EXPECT_EQ(ReadDaysOff("").days, std::vector<Period>{});
  for (const char* wrong : {"2026-12-31..2026-12-28", "2026-13-01", "24.12.2026", "2026-12-01.."})
    EXPECT_FALSE(ReadDaysOff(wrong).days) << wrong;
}

// A stretch between two wall-clock times, as long as the moments between them.
CountedStretch Worked(const DateTime& start, const DateTime& end, std::string_view comment = "") {
  const std::int64_t seconds = InstantOfLocal(end) - InstantOfLocal(start);
  return {"Work", comment, start, seconds, seconds};
}

TEST(WorkTarget, AWeekWithAClockChangeStillAsksFiveWorkdays) {
  test::BerlinTime zone;
  const WeekTarget target = *ReadWeekTarget("Mon=8,Tue=8,Wed=8,Thu=8,Fri=8").target;
  for (const int month : {3, 10}) {
    // Workdays 9 to 17 (Thursday to 18) and a night across the change into its Sunday.
    const int monday = month == 3 ? 23 : 19;
    WorkBalance balance(target, {});
    for (int d = 0; d < 5; ++d)
      balance.Add(Worked(MakeDateTime({2026, month, monday + d}, 9, 0, 0),
                         MakeDateTime({2026, month, monday + d}, d == 3 ? 18 : 17, 0, 0)));
    balance.Add(Worked(MakeDateTime({2026, month, monday + 5}, 22, 0, 0), MakeDateTime({2026, month, monday + 6}, 4, 0, 0)));
    const std::int64_t night = month == 3 ? 5 * kHour : 7 * kHour;
    const std::int64_t sunday = DayFromCivil({2026, month, monday + 6});
    EXPECT_EQ(balance.Week(sunday, 1), (Balance{41 * kHour + night, 40 * kHour})) << month;
    // Weeks from Sunday: the night is the week before's; the new week asks nothing on its Sunday.
    EXPECT_EQ(balance.Week(sunday - 1, 0), (Balance{41 * kHour + night, 40 * kHour})) << month;
    EXPECT_EQ(balance.Week(sunday, 0), (Balance{0, 0})) << month;
    // Midweek, the days to come ask nothing yet.
    EXPECT_EQ(balance.Week(sunday - 4, 1), (Balance{24 * kHour, 24 * kHour})) << month;
    EXPECT_EQ(balance.Since(sunday - 13, sunday + 8).target, 16 * 8 * kHour) << month;
  }
}

TEST(WorkTarget, AMonthWithDaysOffCountsTheirTargetAsMet) {
  // December 2026: days off the 24th, 25th and 31st by the setting, the 28th by an #off stretch.
  const WeekTarget target = *ReadWeekTarget("Mon=8,Tue=8,Wed=8,Thu=8,Fri=8").target;
  WorkBalance balance(target, *ReadDaysOff("2026-12-24..2026-12-25,2026-12-31").days);
  const auto at = [](int day, int hour) { return MakeDateTime({2026, 12, day}, hour, 0, 0); };
  const auto add = [&](int day, std::int64_t seconds, std::string_view comment = "") {
    balance.Add({"Work", comment, at(day, 9), seconds, seconds});
  };
  for (int day = 1; day <= 31; ++day) {
    const int weekday = Weekday(DayFromCivil({2026, 12, day}));
    if (weekday == 0 || weekday == 6 || day == 24 || day == 25 || day == 28 || day == 31) continue;
    add(day, day == 2 ? 6 * kHour : 8 * kHour);
  }
  add(24, 3 * kHour);                        // work on a day off counts, all over the target
  add(28, 24 * kHour, "Holiday #Off");       // marks the day; not work
  add(28, 2 * kHour, "a call on the beach");
  const std::int64_t last = DayFromCivil({2026, 12, 31});
  EXPECT_EQ(balance.Month(last), (Balance{(19 * 8 - 2 + 3 + 2) * kHour, 19 * 8 * kHour}));
  EXPECT_TRUE(balance.DayOff(DayFromCivil({2026, 12, 28})));
  EXPECT_FALSE(balance.DayOff(DayFromCivil({2026, 12, 29})));
  EXPECT_EQ(balance.Day(DayFromCivil({2026, 12, 28})), (Balance{2 * kHour, 0}));
  // On the 10th: eight workdays so far, one of them two hours short.
  EXPECT_EQ(balance.Month(DayFromCivil({2026, 12, 10})).Over(), -2 * kHour);
}

// A setting that cannot be read is said and left unset; the balances of today, week, month, since.
TEST(WorkTarget, SettingsReadFromTheStoreAndTheBalancesOfToday) {
  test::EventLog log;
  test::FakeSettings settings(log);
  settings.values = {{"WorkTarget", "Mon=8,Tue=8,Wed=8,Thu=8,Fri=8"}, {"DaysOff", "2026-12-25,someday"},
                     {"BalanceSince", " 2026-11-16 "}};
  WorkSettings read = ReadWorkSettings(settings);
  EXPECT_EQ(read.target.seconds[1], 8 * kHour);
  EXPECT_TRUE(read.daysOff.empty());
  EXPECT_EQ(read.since, DayFromCivil({2026, 11, 16}));
  ASSERT_EQ(read.problems.size(), 1u);
  EXPECT_EQ(read.problems[0].rfind("DaysOff: ", 0), 0u) << read.problems[0];
  settings.values = {{"BalanceSince", "16.11.2026"}};
  read = ReadWorkSettings(settings);
  EXPECT_FALSE(read.target.Any());
  EXPECT_FALSE(read.since);
  EXPECT_EQ(read.problems.size(), 1u);

  // Tuesday 1 December 2026; weeks from Monday: this week began in November.
  const std::int64_t today = DayFromCivil({2026, 12, 1});
  EXPECT_EQ(BalanceDays(today, 1, std::nullopt), (Period{DayFromCivil({2026, 11, 30}), today}));
  EXPECT_EQ(BalanceDays(today, 1, DayFromCivil({2026, 11, 16})), (Period{DayFromCivil({2026, 11, 16}), today}));
  EXPECT_EQ(BalanceDays(DayFromCivil({2026, 12, 9}), 1, std::nullopt).first, today);
  WorkBalance balance(*ReadWeekTarget("Mon=8,Tue=8,Wed=8,Thu=8,Fri=8").target, {});
  for (const int day : {16, 30}) balance.Add({"Work", "", MakeDateTime({2026, 11, day}, 9, 0, 0), 9 * kHour, 9 * kHour});
  balance.Add({"Work", "", MakeDateTime({2026, 12, 1}, 9, 0, 0), 4 * kHour, 4 * kHour});
  const Balances b = BalancesOf(balance, today, 1, DayFromCivil({2026, 11, 16}));
  EXPECT_EQ(b.day, (Balance{4 * kHour, 8 * kHour}));
  EXPECT_EQ(b.week, (Balance{13 * kHour, 16 * kHour}));
  EXPECT_EQ(b.month, (Balance{4 * kHour, 8 * kHour}));
  EXPECT_EQ(b.since, (Balance{22 * kHour, 12 * 8 * kHour}));
  EXPECT_FALSE(BalancesOf(balance, today, 1, std::nullopt).since);
}

}  // namespace
}  // namespace tw
