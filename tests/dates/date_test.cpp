// Date values, the user's formats and the date-time parser.
#include <gtest/gtest.h>

#include <random>

#include "dates/date_format.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return MakeDateTime({y, mo, d}, h, mi, s);
}

TEST(DateValue, CalendarDaysBothWaysAndWeekdays) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<std::int64_t> days(-657434, 2958465);  // years 100 to 9999
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t day = days(random);
    const CivilDate civil = CivilFromDay(day);
    ASSERT_EQ(DayFromCivil(civil), day);
    ASSERT_LE(civil.day, DaysInMonth(civil.year, civil.month));
  }
  EXPECT_EQ(DayFromCivil({2026, 12, 7}), 46363);
  EXPECT_EQ(Weekday(At(2026, 12, 7).day), 1);  // a Monday
  EXPECT_EQ(Weekday(At(1899, 12, 29).day), 5);
}

TEST(DateFormat, WritesTheUsersFormats) {
  const DateFormat us = test::UsFormat();
  const DateFormat de = test::GermanFormat();
  EXPECT_EQ(us.FormatGeneral(At(2026, 12, 7, 21, 1, 23)), "12/7/2026 9:01:23 PM");
  EXPECT_EQ(us.FormatGeneral(At(2026, 12, 7, 0, 0, 5)), "12/7/2026 12:00:05 AM");
  EXPECT_EQ(us.FormatGeneral(At(2026, 12, 7)), "12/7/2026");  // midnight: the date alone
  EXPECT_EQ(us.FormatGeneral(DateTime{0, 9 * 3600}), "9:00:00 AM");  // day zero: the time alone
  // The year is always written whole, even where the locale shows two digits.
  EXPECT_EQ(de.FormatGeneral(At(2031, 1, 2, 8, 5, 9)), "02.01.2031 08:05:09");
  EXPECT_EQ(us.FormatNumericDate(At(1999, 12, 7)), "12/07/1999");
  EXPECT_EQ(de.FormatNumericDate(At(1999, 12, 7)), "07.12.1999");
  EXPECT_EQ(us.FormatLogStamp(At(2026, 12, 5, 22, 4, 22)), "12-05-2026  10:04:22PM");
  EXPECT_EQ(us.FormatLogStamp(At(2026, 1, 5, 0, 4, 2)), "01-05-2026  12:04:02AM");
  EXPECT_EQ(us.FormatDuration(26 * 3600), "26:00:00");
  EXPECT_EQ(us.FormatDuration(8 * 3600 + 30 * 60 + 15), "08:30:15");
  EXPECT_EQ(us.FormatDuration(1000 * 3600 + 61), "1000:01:01");
  LocaleData letter;  // a letter between the hours and minutes is no separator for durations
  letter.longTime = "H'h'mm";
  EXPECT_EQ(DateFormat(letter).FormatDuration(8 * 3600 + 30 * 60 + 15), "08:30:15");
  EXPECT_EQ(us.WeekdayName(At(1999, 12, 7)), "Tuesday");
  EXPECT_EQ(de.WeekdayName(At(1999, 12, 7)), "Dienstag");
  EXPECT_EQ(us.FormatShortTime(At(2026, 12, 7, 21, 1, 23)), "9:01 PM");
  EXPECT_EQ(de.FormatShortTime(At(2026, 12, 7, 21, 1, 23)), "21:01");
}

TEST(DateFormat, ReadsBackEverythingItWrites) {
  LocaleData c;  // Qt's C locale: month names and a 24-hour clock with a time-zone marker
  c.shortDate = "d MMM yyyy";
  c.longTime = "HH:mm:ss t";
  c.shortTime = "HH:mm:ss";
  LocaleData fi;  // the same separator in dates and times
  fi.shortDate = "d.M.yyyy";
  fi.longTime = "H.mm.ss t";
  const DateFormat formats[] = {test::UsFormat(), test::GermanFormat(), DateFormat(c), DateFormat(fi)};
  std::mt19937_64 random(11);
  std::uniform_int_distribution<std::int64_t> days(1, 2958465);
  std::uniform_int_distribution<int> seconds(0, kSecondsPerDay - 1);
  for (const DateFormat& f : formats) {
    for (int i = 0; i < 5000; ++i) {
      DateTime value{days(random), seconds(random)};
      if (i % 10 == 0) value.seconds = 0;
      const std::string text = f.FormatGeneral(value);
      ASSERT_EQ(f.Parse(text), value) << text;
    }
  }
  EXPECT_EQ(DateFormat(c).FormatGeneral(At(2026, 12, 7, 14, 5, 9)), "7 Dec 2026 14:05:09");
}

TEST(DateFormat, AcceptsTheCommonFormsAndNothingElse) {
  const DateFormat us = test::UsFormat();
  const DateFormat de = test::GermanFormat();
  struct Case {
    const char* text;
    DateTime expected;
  };
  const Case accepted[] = {
      {"12/07/26 09:01:23 PM", At(2026, 12, 7, 21, 1, 23)},  // the tooltips' form
      {"12/7/2026", At(2026, 12, 7)},
      {"  12-7-2026   21:01  ", At(2026, 12, 7, 21, 1)},
      {"2026-12-07 21:01:23", At(2026, 12, 7, 21, 1, 23)},
      {"9:00", DateTime{0, 9 * 3600}},
      {"17:30", DateTime{0, 17 * 3600 + 30 * 60}},
      {"12:00 am", DateTime{0, 0}},
      {"12:30:05 PM", DateTime{0, 12 * 3600 + 30 * 60 + 5}},
      {"1/5/29", At(2029, 1, 5)},
      {"1/5/30", At(1930, 1, 5)},
      {"2/29/2024", At(2024, 2, 29)},
  };
  for (const Case& c : accepted) EXPECT_EQ(us.Parse(c.text), c.expected) << c.text;
  EXPECT_EQ(de.Parse("07.12.26 21:01"), At(2026, 12, 7, 21, 1));
  EXPECT_EQ(de.Parse("13/5/2026"), At(2026, 5, 13));  // day first in this locale

  const char* rejected[] = {"",       "   ",         "abc",         "13/45/99",     "25:00",
                            "12:60",  "2/29/2023",   "12/7/2026x",  "12/7",         "5",
                            "9:00 XM", "12/7/2026 9", "13:00 PM",    "12/7/20266",   "1/1/99 1:2:3:4",
                            "12/7/2026,9:00"};
  for (const char* text : rejected) EXPECT_FALSE(us.Parse(text).has_value()) << text;
  EXPECT_FALSE(de.Parse("12/31/2026").has_value());
}

}  // namespace
}  // namespace tw
