// Money in cents: amounts read and written, a stretch's amount, totals to the cent, budgets.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "billing/reckoning.h"
#include "billing/tags.h"
#include "billing/work_target.h"
#include "tests/support/reckoning.h"

namespace tw {
namespace {

TEST(Money, AmountsAreReadExactlyAndRefusedClearly) {
  const struct {
    const char* text;
    DecimalMark mark;
    std::optional<Cents> cents;
  } cases[] = {
      {"85", DecimalMark::Point, 8500},          {"85.5", DecimalMark::Point, 8550},
      {" 1234.56 ", DecimalMark::Point, 123456}, {"999999999.99", DecimalMark::Point, kMaxAmount},
      {"85,50", DecimalMark::Comma, 8550},       {"85.50", DecimalMark::Comma, 8550},
      {"85,50", DecimalMark::Point, {}},         {"85.505", DecimalMark::Point, {}},
      {"-5", DecimalMark::Point, {}},            {"+5", DecimalMark::Point, {}},
      {"1000000000", DecimalMark::Point, {}},    {"", DecimalMark::Point, {}},
      {"85.", DecimalMark::Point, {}},           {"8.5x", DecimalMark::Point, {}},
      {"99999999999999999999", DecimalMark::Point, {}},  // past what the reading may hold
  };
  for (const auto& c : cases) {
    const AmountReading reading = ReadAmount(c.text, c.mark);
    EXPECT_EQ(reading.cents, c.cents) << c.text;
    EXPECT_EQ(reading.problem.empty(), c.cents.has_value()) << c.text;
  }
  EXPECT_EQ(AmountText(8550), "85.50");
  EXPECT_EQ(AmountText(5), "0.05");
  EXPECT_EQ(AmountText(-1205), "-12.05");
  EXPECT_EQ(AmountText(8550, ","), "85,50");
}

TEST(Money, TheAmountOfALengthIsRoundedHalfUpWithoutOverflow) {
  EXPECT_EQ(AmountOf(3600, 8500), 8500);
  EXPECT_EQ(AmountOf(1, 1800), 1);     // half a cent, up
  EXPECT_EQ(AmountOf(1, 1799), 0);
  EXPECT_EQ(AmountOf(-1, 1800), -1);
  // Years at the largest rate, worked out exactly elsewhere: no product may overflow on the way.
  EXPECT_EQ(AmountOf(315'361'799, kMaxAmount), 8'760'049'972'134'622);
  EXPECT_EQ(AmountOf(99'999'999'999, kMaxAmount), 2'777'777'777'722'222'222);
  // An invoice line's hours as written, times its rate: 450 s shows 0.13 h, at 92.50 that is 12.03.
  EXPECT_EQ(HoursText(450, ","), "0,13");  // half a hundredth of an hour, up
  EXPECT_EQ(HoursText(3617), "1.00");      // a second short of 1.005 h, down
  EXPECT_EQ(AmountOfHundredths(HundredthsOfHour(450), 9250), 1203);
  EXPECT_EQ(AmountOfHundredths(1, 49) + AmountOfHundredths(1, 50), 1);  // 0.49 of a cent down, 0.50 up
  EXPECT_EQ(AmountOfHundredths(HundredthsOfHour(99'999'999'999), kMaxAmount), 2'777'777'777'972'222'222);
}

// A project with a rate change in its middle month, one that is not billable, one with no rate.
RatesBook QuarterRates() {
  RatesBook book;
  book.Take("", ReadRatesText("rate\tAcme\t2026-01-01\t85.00\nrate\tAcme\t2026-02-15\t90\nrate\tInternal\t2026-01-01\t60\n"
                              "billable\tInternal\tno\nrate\tLater\t2026-03-01\t100\n", "test"));
  return book;
}

CountedStretch At(std::string_view project, int month, int day, int hour, std::int64_t seconds, std::int64_t counted,
           std::string_view comment = "") {
  return {project, comment, MakeDateTime({2026, month, day}, hour, 0, 0), seconds, counted};
}

TEST(Amounts, EachStretchTakesTheRateOfItsStartDayAndCountsItsRoundedLength) {
  const RatesBook rates = QuarterRates();
  const struct {
    CountedStretch stretch;
    std::optional<Cents> rate;
    Cents value;
    bool billable;
  } rows[] = {
      {At("Acme", 2, 14, 23, 7200, 7200), 8500, 17000, true},  // runs into the change: its start's rate
      {At("Acme", 3, 2, 9, 1000, 900), 9000, 2250, true},      // rounded to 15 min: 0.25 h
      {At("Internal", 1, 5, 9, 3600, 3600), 6000, 6000, false},
      {At("Later", 2, 28, 9, 3600, 3600), std::nullopt, 0, true},  // before its first rate
      {At("Nobody", 1, 5, 9, 3600, 3600), std::nullopt, 0, true},
  };
  AmountTally tally(rates);
  for (const auto& row : rows) {
    const StretchAmount amount = tally.Add(row.stretch);
    EXPECT_EQ(amount.rate, row.rate) << row.stretch.project;
    EXPECT_EQ(amount.value, row.value) << row.stretch.project;
    EXPECT_EQ(amount.billable, row.billable) << row.stretch.project;
  }
  const MoneyTotals total = tally.Total();
  EXPECT_EQ(total.seconds, 7200 + 900 + 3600 * 3);
  EXPECT_EQ(total.billableSeconds, total.seconds - 3600);
  EXPECT_EQ(tally.Day(DayFromCivil({2026, 1, 5})).stretches, 2);
  EXPECT_EQ(tally.Project("absent"), MoneyTotals{});
}

TEST(Amounts, RowsAddUpToTheTotalToTheCentOnAGeneratedQuarter) {
  const RatesBook rates = QuarterRates();
  // The same rates as the independent reckoning takes them.
  test::IndependentRates independent;
  independent.Rate("Acme", DayFromCivil({2026, 1, 1}), 8500);
  independent.Rate("Acme", DayFromCivil({2026, 2, 15}), 9000);
  independent.Rate("Internal", DayFromCivil({2026, 1, 1}), 6000);
  independent.Rate("Later", DayFromCivil({2026, 3, 1}), 10000);
  independent.NotBillable("Internal");
  const char* const projects[] = {"Acme", "Internal", "Later", "Nobody"};
  const char* const comments[] = {"", "#call", "review #call #Acme", "#off", "plan #CALL"};
  std::mt19937 random(20260401);
  AmountTally tally(rates);
  TagTally tags;
  std::map<std::string, Cents> byProject;
  std::map<std::int64_t, Cents> byDay;
  Cents billed = 0, rows = 0, value = 0;
  std::int64_t callSeconds = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string project = projects[random() % 4];
    const char* comment = comments[random() % 5];
    const std::int64_t day = DayFromCivil({2026, 1, 1}) + random() % 90;
    const std::int64_t seconds = random() % 20000, counted = (seconds + 450) / 900 * 900;
    const StretchAmount amount = tally.Add({project, comment, {day, 0}, seconds, counted});
    tags.Add(comment, counted, amount);
    rows += amount.Billed();
    if (HasTag(comment, "call")) callSeconds += counted;
    const bool off = comment == std::string_view("#off");  // a day off is not work: never billed
    value += off ? 0 : independent.Value(project, day, counted);
    const Cents exact = off ? 0 : independent.Billed(project, day, counted);
    billed += exact;
    byProject[project] += exact;
    byDay[day] += exact;
  }
  EXPECT_EQ(tally.Total().billable, billed);
  EXPECT_EQ(tally.Total().Value(), value);
  EXPECT_EQ(rows, billed);
  EXPECT_EQ(tally.Projects().size(), byProject.size());
  EXPECT_EQ(tally.Days().size(), byDay.size());
  for (const auto& [name, totals] : tally.Projects()) EXPECT_EQ(totals.billable, byProject[name]) << name;
  for (const auto& [day, totals] : tally.Days()) EXPECT_EQ(totals.billable, byDay[day]) << IsoDate(day);
  const auto tagRows = tags.Tags();
  ASSERT_EQ(tagRows.size(), 3u);
  EXPECT_EQ(tagRows[0].first, "call");  // the first spelling, its row counting "#CALL" too
  EXPECT_EQ(tagRows[0].second.seconds, callSeconds);
}

// An edit in a shared folder takes back what a stretch added: every tally is as if it never was.
TEST(Amounts, AStretchTakenBackLeavesNoTrace) {
  const RatesBook rates = QuarterRates();
  const CountedStretch kept = At("Acme", 2, 16, 9, 3600, 3600, "#call"), gone = At("Internal", 2, 16, 11, 5400, 5400, "#call #off");
  AmountTally alone(rates), both(rates);
  TagTally aloneTags, bothTags;
  WorkBalance aloneWork(*ReadWeekTarget("Mon=8").target, {}), bothWork(*ReadWeekTarget("Mon=8").target, {});
  aloneTags.Add(kept.comment, kept.counted, alone.Add(kept));
  aloneWork.Add(kept);
  bothTags.Add(kept.comment, kept.counted, both.Add(kept));
  bothTags.Add(gone.comment, gone.counted, both.Add(gone));
  bothWork.Add(kept);
  bothWork.Add(gone);
  EXPECT_TRUE(bothWork.DayOff(gone.start.day));
  bothTags.Add(gone.comment, gone.counted, both.Add(gone, -1), -1);
  bothWork.Add(gone, -1);
  EXPECT_EQ(both.Total(), alone.Total());
  EXPECT_EQ(both.Day(gone.start.day), alone.Day(gone.start.day));
  EXPECT_EQ(both.Project("Internal").stretches, 0);
  EXPECT_EQ(bothTags.Tags(), aloneTags.Tags());  // "off" had only the stretch taken back
  EXPECT_FALSE(bothWork.DayOff(gone.start.day));
  EXPECT_EQ(bothWork.Day(gone.start.day), aloneWork.Day(gone.start.day));
}

TEST(Budgets, UseLeftAndTheMarksPassedOnceEach) {
  const Budget hours{40 * 3600, std::nullopt}, money{std::nullopt, 100000}, both{10 * 3600, 100000};
  BudgetState state = StateOf(hours, {30 * 3600, 999999});
  EXPECT_EQ(state.secondsLeft, 10 * 3600);
  EXPECT_FALSE(state.centsLeft);
  EXPECT_EQ(state.usedPercent, 75);
  state = StateOf(money, {1, 100001});
  EXPECT_EQ(state.centsLeft, -1);
  EXPECT_EQ(state.usedPercent, 100);
  EXPECT_EQ(StateOf(both, {3 * 3600, 79999}).usedPercent, 79);  // the more used of the two

  // 70 % used before the stretch; it runs on.
  BudgetAlert alert;
  const BudgetUse before{28 * 3600, 0};
  const auto at = [&](std::int64_t runningHours) {
    return NewlyPassedMark(hours, before, {runningHours * 3600, 0}, alert);
  };
  EXPECT_EQ(at(2), 0);
  EXPECT_EQ(at(4), 80);
  EXPECT_EQ(at(5), 0);
  EXPECT_EQ(at(12), 100);
  // Already past 80 % when the stretch starts: only 100 is news; both at once: 100 alone.
  BudgetAlert late;
  EXPECT_EQ(NewlyPassedMark(hours, {33 * 3600, 0}, {0, 0}, late), 0);
  EXPECT_EQ(NewlyPassedMark(hours, {33 * 3600, 0}, {7 * 3600, 0}, late), 100);
  BudgetAlert jump;
  EXPECT_EQ(NewlyPassedMark(money, {0, 10000}, {0, 95000}, jump), 100);

  EXPECT_EQ(BudgetDays(BudgetScope::Month, DayFromCivil({2026, 2, 14})),
            (Period{DayFromCivil({2026, 2, 1}), DayFromCivil({2026, 2, 28})}));
}

}  // namespace
}  // namespace tw
