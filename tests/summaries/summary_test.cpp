// Period summaries: periods, the reading of the report they share with the day report, rounding.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <tuple>

#include <QLocale>

#include "desktop/qt_locale.h"
#include "platform/clock.h"
#include "tests/support/fakes.h"
#include "store/day_report.h"
#include "summaries/summary.h"

namespace tw {
namespace {

std::int64_t D(int y, int m, int d) { return DayFromCivil({y, m, d}); }

TEST(PeriodTest, WeeksMonthsAndYearsHaveTheirBoundaries) {
  const std::int64_t thu = D(2026, 12, 10);
  EXPECT_EQ(PeriodOf(PeriodKind::Week, thu, 1), (Period{D(2026, 12, 7), D(2026, 12, 13)}));  // Monday first
  EXPECT_EQ(PeriodOf(PeriodKind::Week, thu, 0), (Period{D(2026, 12, 6), D(2026, 12, 12)}));  // Sunday first
  EXPECT_EQ(PeriodOf(PeriodKind::Week, thu, 6), (Period{D(2026, 12, 5), D(2026, 12, 11)}));  // Saturday first
  EXPECT_EQ(PeriodOf(PeriodKind::Week, D(2026, 12, 6), 0).first, D(2026, 12, 6));           // its own first day
  EXPECT_EQ(PeriodOf(PeriodKind::Month, D(2028, 2, 29), 1), (Period{D(2028, 2, 1), D(2028, 2, 29)}));
  EXPECT_EQ(PeriodOf(PeriodKind::Year, thu, 1).Days(), 365);
  EXPECT_EQ(PeriodOf(PeriodKind::Year, D(2028, 7, 1), 1).Days(), 366);
  // Months step by the calendar, from any length to any length, across years.
  EXPECT_EQ(Stepped(PeriodOf(PeriodKind::Month, D(2027, 1, 31), 1), PeriodKind::Month, 1),
            (Period{D(2027, 2, 1), D(2027, 2, 28)}));
  EXPECT_EQ(Stepped(PeriodOf(PeriodKind::Month, D(2027, 1, 5), 1), PeriodKind::Month, -1),
            (Period{D(2026, 12, 1), D(2026, 12, 31)}));
  EXPECT_EQ(Stepped({D(2028, 2, 28), D(2028, 3, 1)}, PeriodKind::Custom, 1), (Period{D(2028, 3, 2), D(2028, 3, 4)}));
  EXPECT_EQ(Stepped(PeriodOf(PeriodKind::Year, D(2028, 2, 29), 1), PeriodKind::Year, -1).Days(), 365);
  EXPECT_EQ(PresetOf(Preset::LastWeek, D(2027, 1, 2), 1).period, (Period{D(2026, 12, 21), D(2026, 12, 27)}));
  EXPECT_EQ(PresetOf(Preset::LastMonth, D(2027, 1, 2), 1).period, (Period{D(2026, 12, 1), D(2026, 12, 31)}));
  EXPECT_EQ(PresetNaming({D(2026, 12, 21), D(2026, 12, 27)}, D(2027, 1, 2), 1), Preset::LastWeek);
  EXPECT_EQ(ParseIsoMonth("2028-02"), (Period{D(2028, 2, 1), D(2028, 2, 29)}));
  for (const char* bad : {"2028-13", "2028-2", "28-02", "2028-02-01"}) EXPECT_FALSE(ParseIsoMonth(bad)) << bad;
  EXPECT_FALSE(ParseIsoYear("20x8"));
  // Weeks start where the locale says; with no regional format, on Sunday, as the dates it writes.
  EXPECT_EQ(FirstWeekdayOf(QLocale::c()), 0);
  EXPECT_EQ(FirstWeekdayOf(QLocale("en_US")), 0);
  EXPECT_EQ(FirstWeekdayOf(QLocale("de_DE")), 1);
}

TEST(SummaryRoundingTest, EachStretchToTheNearestMultipleHalvesUp) {
  // Just below and at each half step.
  for (const auto& [seconds, minutes, rounded] : {std::tuple{89, 1, 60}, {90, 1, 120}, {449, 15, 0}, {450, 15, 900},
                                                  {179, 6, 0}, {180, 6, 360}, {2699, 30, 1800}, {2700, 30, 3600}, {1234, 0, 1234}})
    EXPECT_EQ(Rounded(seconds, minutes), rounded) << seconds << " " << minutes;
}

// A day's report and a period's summary read a file alike: a period's total is its days' totals.
class SummaryFileTest : public test::PlatformTest {
 protected:
  std::string Generate(const DateFormat& f, std::mt19937& random) {
    static const char* const kProjects[] = {"Alpha", "Beta \"B\"", "Gamma", ""};
    std::string file;
    for (int i = 0; i < 600; ++i) {
      const std::int64_t day = D(2026, 10, 20) + static_cast<std::int64_t>(random() % 30);
      const DateTime start{day, static_cast<std::int32_t>(random() % 86400)};
      // Now and then one typed the wrong way round: it lasts as long as the other way.
      const std::int64_t length = static_cast<std::int64_t>(random() % (26 * 3600)) * (random() % 9 == 0 ? -1 : 1);
      const std::int64_t end = start.day * 86400 + start.seconds + length;
      const DateTime stop{end / 86400, static_cast<std::int32_t>(end % 86400)};
      const CivilDate c = CivilFromDay(day);
      std::string startText = f.FormatGeneral(start);
      switch (random() % 8) {  // hand-typed forms
        case 0: startText = std::to_string(c.year) + "-" + (c.month < 10 ? "0" : "") + std::to_string(c.month) + "-" +
                            std::to_string(c.day) + " " + f.FormatShortTime(start); break;
        case 1: startText = f.FormatDate(start); break;
        case 2: startText = " " + f.FormatDate(start) + "  " + f.FormatTime(start); break;
        default: break;
      }
      file += std::string(kProjects[random() % 4]) + "," + startText + "," +
              (random() % 10 == 0 ? "not yet" : f.FormatGeneral(stop)) + ",comment, with commas\r\n";
      switch (random() % 12) {
        case 0: file += "\r\n"; break;
        case 1: file += "typed without commas\n"; break;
        case 2: file += "Odd,soon,later,\r\n"; break;
        case 3: file += "Two," + f.FormatGeneral(start) + "\r\n"; break;
        default: break;
      }
    }
    return file;
  }
};

TEST_F(SummaryFileTest, APeriodsTotalIsTheSumOfItsDayReports) {
  test::EasternTime zone;
  std::mt19937 random(11);
  for (const DateFormat& f : {test::UsFormat(), test::GermanFormat()}) {
    for (int round = 0; round < 4; ++round) {
      folder.Write("projrpt.pro", Generate(f, random));
      const std::string path = folder.File("projrpt.pro");
      const std::int64_t first = D(2026, 10, 18) + static_cast<std::int64_t>(random() % 10);
      const Period period{first, first + static_cast<std::int64_t>(random() % 25)};
      const int minutes = kRoundings[round * 2 % 7];
      std::vector<SummaryEntry> entries;
      const Summary s = ReadSummary(files, path, period, f, minutes, [&](const SummaryEntry& e) { entries.push_back(e); });
      std::int64_t total = 0, stretches = 0;
      size_t entry = 0;
      for (std::int64_t day = period.first; day <= period.last; ++day) {
        const DayReport plain = ReadDayReportByLines(files, path, {day, 0}, f);  // the fast scan is DayReportTest's
        std::int64_t dayTotal = 0;
        for (const DayRow& row : plain.rows) dayTotal += Rounded(row.seconds.value_or(0), minutes);
        const DayTotal& listed = s.days[static_cast<size_t>(day - period.first)];
        EXPECT_EQ(listed.seconds, dayTotal);
        EXPECT_EQ(listed.stretches, static_cast<std::int64_t>(plain.rows.size()));
        total += dayTotal, stretches += listed.stretches;
      }
      for (const SummaryEntry& e : entries) {
        EXPECT_TRUE(period.Holds(e.startValue.day));
        ++entry;
      }
      EXPECT_EQ(s.totalSeconds, total);
      EXPECT_EQ(s.stretches, stretches);
      EXPECT_EQ(entry, static_cast<size_t>(stretches));
      std::int64_t byProject = 0;
      for (const ProjectTotal& p : s.projects) byProject += p.seconds;
      EXPECT_EQ(byProject, total);
      EXPECT_GT(s.skippedLines, 0);
    }
  }
}

TEST_F(SummaryFileTest, NightsBelongToTheirStartAndClockChangesCountAsTheyWere) {
  test::EasternTime zone;
  folder.Write("projrpt.pro",
               "Night,10/31/2026 11:00:00 PM,11/1/2026 3:00:00 AM,clocks go back at 2\r\n"
               "Spring,3/7/2026 11:30:00 PM,3/8/2026 3:30:00 AM,clocks go forward at 2\r\n"
               "Open,11/1/2026 9:00 AM,,no end\r\n"
               "typed by hand\r\n"
               // Not a record, though its date is the line's before it, out of the period: counted too.
               "Late,11/2/2026 9:00:00 AM,11/2/2026 10:00:00 AM,\r\n"
               "Bad,11/2/2026 9:00 and on,,\r\n");
  const Summary s = ReadSummary(files, folder.File("projrpt.pro"), {D(2026, 3, 7), D(2026, 11, 1)}, format, 0);
  EXPECT_EQ(s.days.front().seconds, 3 * 3600);
  EXPECT_EQ(s.days[static_cast<size_t>(D(2026, 10, 31) - D(2026, 3, 7))].seconds, 5 * 3600);
  EXPECT_EQ(s.days.back().seconds, 0);
  EXPECT_EQ(s.days.back().stretches, 1);
  EXPECT_EQ(s.totalSeconds, 8 * 3600);
  EXPECT_EQ(s.skippedLines, 2);
  ASSERT_EQ(s.projects.size(), 3u);
  EXPECT_EQ(s.projects[0].project, "Night");
  // The chart of a long period has a bar per month, of a short one a bar per day.
  EXPECT_EQ(ChartOf(s, format).bars.size(), 9u);
  EXPECT_EQ(ChartOf(s, format).hours[0][7], 5.0);
}

// A project keeps its chart colour whatever its rank; no two projects of one chart share one.
TEST_F(SummaryFileTest, AProjectKeepsItsColourAndEachHasItsOwn) {
  std::string text;
  for (int p = 0; p < 12; ++p)  // on the 7th the smallest first, on the 8th the largest
    for (int day : {7, 8})
      text += "P" + std::to_string(p) + ",12/" + std::to_string(day) + "/2026 9:00 AM,12/" + std::to_string(day) +
              "/2026 10:" + std::to_string(day == 7 ? 10 + p : 50 - p) + " AM,\r\n";
  folder.Write("projrpt.pro", text);
  std::map<std::string, std::set<int>> colours;
  for (int day : {7, 8}) {
    const ChartData chart = ChartOf(ReadSummary(files, folder.File("projrpt.pro"), {D(2026, 12, day), D(2026, 12, day)}, format, 0), format, 12);
    std::set<int> seen;
    for (size_t i = 0; i < chart.series.size(); ++i) {
      const int rgb = chart.colours[i].red * 65536 + chart.colours[i].green * 256 + chart.colours[i].blue;
      EXPECT_TRUE(seen.insert(rgb).second) << chart.series[i];
      colours[chart.series[i]].insert(rgb);
    }
  }
  for (const auto& [project, each] : colours) EXPECT_EQ(each.size(), 1u) << project;
}

}  // namespace
}  // namespace tw
