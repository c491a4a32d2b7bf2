// A report is read, and written on, in the form it was written in, whatever the locale is today.
#include <gtest/gtest.h>

#include <QLocale>
#include <cstring>
#include <sstream>

#include "desktop/qt_locale.h"
#include "report/report_form.h"
#include "tests/support/fakes.h"
#include "tracking/stretch.h"
#include "summaries/report_command.h"
#include "viewer/report_routines.h"

namespace tw {
namespace {

// Each locale and the start it writes for 7 December 2026, 9:03:35 in the morning.
const std::pair<const char*, const char*> kWritten[] = {
    {"en_US", "12/7/2026 9:03:35 AM"}, {"en_GB", "07/12/2026 09:03:35"},
    {"de_DE", "07.12.2026 09:03:35"},  {"fr_FR", "07/12/2026 09:03:35"},
    {"ja_JP", "2026/12/07 9時03分35秒"}, {"C", "12/7/2026 9:03:35 AM"}};

class ReportFormTest : public test::PlatformTest {
 protected:
  void Under(const char* locale) { format = DateFormat(LocaleDataOf(QLocale(locale))); }
  // A stretch of 90 minutes from the day's hour, recorded by Start Project and End Project.
  void Record(int day, int hour) {
    clock.now = MakeDateTime({2026, 12, day}, hour, 3, 35);
    form.start.clear();
    StartProject(form);
    clock.now.seconds += 90 * 60;
    EndProject(form);
  }
  // The rows of 7 December as the report window lists them, and as tallywright-report prints them.
  std::string Shown() {
    std::string shown;
    const DayReport day = ReadDayReport(files, folder.File("projrpt.pro"),
                                        MakeDateTime({2026, 12, 7}, 0, 0, 0), ReportDateFormat());
    for (const DayRow& row : day.rows) shown += row.line.text + " " + row.duration + "\n";
    std::ostringstream out, err;
    RunReportCommand({"--date", "2026-12-07"}, files, format, clock.now, folder.File("projrpt.pro"), out, err);
    return shown + out.str() + err.str();
  }
  void Remove(const char* name) { ::unlink(folder.File(name).c_str()); }
  test::FakeMainView form;
};

TEST_F(ReportFormTest, AReportWrittenUnderOneLocaleReadsTheSameUnderEveryOther) {
  for (const auto& [writer, start] : kWritten) {
    Remove("projrpt.pro"), Remove("projrpt.fmt");
    Under(writer);
    Record(7, 9), Record(7, 14);  // days that read in either order: the kept form tells
    ASSERT_EQ(folder.Read("projrpt.pro").substr(0, std::strlen(start) + 1), std::string(",") + start);
    const std::string shown = Shown();
    ASSERT_NE(shown.find("Total Time:\t\t\t03:00:00"), std::string::npos) << shown;
    for (const auto& [reader, unused] : kWritten) {
      Under(reader);
      EXPECT_EQ(Shown(), shown) << writer << " read under " << reader;
    }
    // A day past the 12th: the records tell by themselves, with nothing kept.
    Under(writer);
    Record(13, 9);
    for (const auto& [reader, unused] : kWritten) {
      Remove("projrpt.fmt");
      Under(reader);
      EXPECT_EQ(Shown(), shown) << writer << " read under " << reader << ", nothing kept";
      Record(13, 15);  // written on in the report's form
      const DateTime end = MakeDateTime({2026, 12, 13}, 16, 33, 35);
      EXPECT_EQ(form.end, DateFormat(LocaleDataOf(QLocale(writer))).FormatGeneral(end))
          << writer << " written on under " << reader;
    }
  }
}

TEST(SettleDateForm, TheRecordsShowTheirOrderAndClockElseTheKeptOrTheUsersOrder) {
  const LocaleData us, gb = LocaleDataOf(QLocale("en_GB"));
  auto next = [](std::vector<RecordTimes> records, const LocaleData& user, const LocaleData* kept = nullptr) {
    return DateFormat(SettleDateForm(records, user, kept).form).FormatGeneral(MakeDateTime({2027, 1, 5}, 15, 4, 5));
  };
  // A day past the 12th tells the order; a marker, or none, the clock.
  EXPECT_EQ(next({{"12/13/2026 9:03:35 AM", "12/13/2026 1:03:35 PM"}}, gb), "1/5/2027 3:04:05 PM");
  EXPECT_EQ(next({{"13.12.2026 09:03:35", "13.12.2026 17:03:35"}}, us), "05.01.2027 15:04:05");
  EXPECT_EQ(next({{"2026/12/07 9時03分35秒", "2026/12/07 10時33分35秒"}}, us), "2027/01/05 15時04分05秒");
  // Days of 12 or less: the kept form, else the user's order in the records' own form; a stretch
  // over midnight still tells.
  const std::vector<RecordTimes> early = {{"12/7/2026 9:03:35 AM", "12/7/2026 10:33:35 AM"}};
  EXPECT_EQ(next(early, gb), "5/1/2027 3:04:05 PM");
  EXPECT_EQ(next(early, gb, &us), "1/5/2027 3:04:05 PM");
  EXPECT_EQ(next({{"12/7/2026 11:00:00 PM", "12/8/2026 1:00:00 AM"}}, gb), "1/5/2027 3:04:05 PM");
  EXPECT_EQ(next({{"07.12.2026 09:00:00", "07.12.2026 17:00:00"}}, gb), "05.01.2027 15:04:05");
  // Markers no form knows: the lengths of the stretches tell which is the afternoon.
  EXPECT_EQ(next({{"2026. 12. 7. 오전 11시 3분 35초", "2026. 12. 7. 오후 1시 3분 35초"}}, us),
            "2027. 1. 5. 오후 3시 4분 5초");
  // Month names, as the C locale wrote before it wrote numbers; texts no form reads: the user's.
  EXPECT_EQ(next({{"7 Dec 2026 11:03:35", "7 Dec 2026 12:33:35"}}, gb), "5 Jan 2027 15:04:05");
  EXPECT_EQ(next({{"soon", "later"}}, gb), "05/01/2027 15:04:05");
  EXPECT_EQ(LocaleDataOf(QLocale::c()), us);
}

TEST(ReportCaption, TheDayInTheUsersOrderWithTheWeekdayFirst) {
  const DateTime day = MakeDateTime({2026, 12, 7}, 9, 0, 0);
  auto caption = [&](const char* locale) { return ReportCaption(DateFormat(LocaleDataOf(QLocale(locale))), day); };
  EXPECT_EQ(caption("en_US"), "Report...   Date being displayed: Monday 12/07/2026");
  EXPECT_EQ(caption("en_GB"), "Report...   Date being displayed: Monday 07/12/2026");
  EXPECT_EQ(caption("de_DE"), "Report...   Date being displayed: Montag 07.12.2026");
  EXPECT_EQ(caption("ja_JP"), "Report...   Date being displayed: 月曜日 2026/12/07");
}

}  // namespace
}  // namespace tw
