// The quick reading and local instants of a scan, against the full parser and the zone's answers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "dates/local_instants.h"
#include "dates/quick_dates.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

std::int64_t D(int y, int m, int d) { return DayFromCivil({y, m, d}); }

// Wherever the quick reading gives a value it is Parse's, on written texts and on mangled ones.
TEST(QuickDatesTest, GivesExactlyWhatParseGives) {
  std::vector<LocaleData> locales(7);
  locales[1].shortDate = "dd.MM.yyyy", locales[1].longTime = "HH:mm:ss";
  locales[2].shortDate = "yyyy-MM-dd", locales[2].longTime = "H:mm";
  locales[3].shortDate = "d.M.yyyy", locales[3].longTime = "H.mm.ss";
  locales[4].shortDate = "M/d/yy", locales[4].longTime = "h:mm:ss ap", locales[4].am = "a.m.", locales[4].pm = "p.m.";
  locales[5].shortDate = "dd/MM/yyyy", locales[5].longTime = "HH:mm:ss t";
  locales[6].shortDate = "d MMM yyyy";  // names: left to Parse
  std::mt19937 random(5);
  const std::string alphabet = "0123456789/:.- \tAPMapm,x";
  int quick = 0, compared = 0;
  for (const LocaleData& locale : locales) {
    const DateFormat format(locale);
    QuickDates dates(format);
    for (int i = 0; i < 4000; ++i) {
      const DateTime value{D(1990, 1, 1) + static_cast<std::int64_t>(random() % 20000),
                           static_cast<std::int32_t>(random() % 86400 * (i % 5 != 0))};
      std::string text = format.FormatGeneral(value);
      if (const auto read = dates.Read(text)) {
        ++quick;
        ASSERT_EQ(read, format.Parse(text)) << text;
      } else {
        EXPECT_EQ(locale.shortDate, "d MMM yyyy") << text;
      }
      for (int change = 0; change < 1 + i % 3; ++change) {
        const size_t at = random() % (text.size() + 1);
        const char c = alphabet[random() % alphabet.size()];
        switch (random() % 3) {
          case 0: text.insert(at, 1, c); break;
          case 1: if (at < text.size()) text.erase(at, 1); break;
          default: if (at < text.size()) text[at] = c; break;
        }
        const auto parsed = format.Parse(text);
        if (const auto read = dates.Read(text)) {
          ++compared;
          ASSERT_EQ(read, parsed) << text << " in " << locale.shortDate << " " << locale.longTime;
        }
        ASSERT_EQ(dates.Parse(text), parsed) << text << " in " << locale.shortDate << " " << locale.longTime;
      }
    }
  }
  EXPECT_EQ(quick, 6 * 4000);
  EXPECT_GT(compared, 5000);
}

TEST(LocalInstantsTest, AnswerAsInstantOfLocalAroundClockChanges) {
  test::EasternTime zone;
  // The first hour of summer time; an hour skipped, read by winter time; an hour doubled, its first.
  EXPECT_EQ(InstantOfLocal(MakeDateTime({2026, 3, 8}, 3, 30, 0)), 1772955000);
  EXPECT_EQ(InstantOfLocal(MakeDateTime({2026, 3, 8}, 2, 30, 0)), 1772955000);
  EXPECT_EQ(InstantOfLocal(MakeDateTime({2026, 11, 1}, 1, 30, 0)), 1793511000);
  for (const char* tz : {"EST5EDT,M3.2.0,M11.1.0", "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0/2", "UTC0"}) {
    ::setenv("TZ", tz, 1);
    ::tzset();
    LocalInstants instants;
    for (std::int64_t day = D(2026, 2, 25); day < D(2026, 11, 10); ++day)
      for (int s = 0; s < kSecondsPerDay; s += 1799) ASSERT_EQ(instants.Of({day, s}), InstantOfLocal({day, s})) << tz << day << " " << s;
  }
}

}  // namespace
}  // namespace tw
