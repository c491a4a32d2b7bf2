// A report is read, and written on, in the form it was written in, whatever the locale is today.
#include <gtest/gtest.h>

#include <QLocale>
#include <cstring>
#include <random>
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

// The form the start and end boxes' tips name for a report written under each locale above.
const char* const kPictures[] = {"MM/DD/YY HH:MM:SS AM/PM", "DD/MM/YYYY HH:MM:SS", "DD.MM.YYYY HH:MM:SS",
                                 "DD/MM/YYYY HH:MM:SS", "YYYY/MM/DD HH時MM分SS秒", "MM/DD/YY HH:MM:SS AM/PM"};

class ReportFormTest : public test::PlatformTest {
 protected:
  void Under(const char* locale) { format = DateFormat(LocaleDataOf(QLocale(locale))); }
  // A stretch of 90 minutes from the day's hour, recorded by Start Project and End Project.
  void Record(int day, int hour) {
    clock.now = MakeDateTime({2026, 12, day}, hour, 3, 35);
    form.SetStartText("");
    form.tracker().StartProject();
    clock.now.seconds += 90 * 60;
    form.tracker().EndProject();
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
  for (size_t w = 0; w < std::size(kWritten); ++w) {
    const auto& [writer, start] = kWritten[w];
    const std::string tip = std::string("Start Time in ") + kPictures[w] + " format";
    Remove("projrpt.pro"), Remove("projrpt.fmt");
    Under(writer);
    Record(7, 9), Record(7, 14);  // days that read in either order: the kept form tells
    ASSERT_EQ(folder.Read("projrpt.pro").substr(0, std::strlen(start) + 1), std::string(",") + start);
    const std::string shown = Shown();
    ASSERT_NE(shown.find("Total Time:\t\t\t03:00:00"), std::string::npos) << shown;
    for (const auto& [reader, unused] : kWritten) {
      Under(reader);
      EXPECT_EQ(Shown(), shown) << writer << " read under " << reader;
      EXPECT_EQ(TimeBoxTip("Start Time"), tip) << writer << " read under " << reader;
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
      EXPECT_EQ(form.EndText(), DateFormat(LocaleDataOf(QLocale(writer))).FormatGeneral(end))
          << writer << " written on under " << reader;
    }
  }
}

// Another machine's report is read in its records' form; its kept form is left to that machine.
TEST_F(ReportFormTest, AnotherMachinesReportIsReadInItsFormAndItsFormFileLeftAlone) {
  folder.Write("projrpt.laptop.pro", "Alpha,13.12.2026 09:00:00,13.12.2026 10:00:00,\r\n");
  const LocaleData read = ReportForm(files, folder.File("projrpt.laptop.pro"), LocaleData{});
  EXPECT_EQ(DateFormat(read).FormatGeneral(MakeDateTime({2027, 1, 5}, 15, 4, 5)), "05.01.2027 15:04:05");
  EXPECT_FALSE(folder.Exists("projrpt.laptop.fmt"));
}

// A report without records follows the user's form; the same records beside another kept form, that one.
TEST_F(ReportFormTest, EachReportInItsOwnKeptFormAndTheUsersWhileItHasNoRecords) {
  folder.Write("projrpt.pro", "");
  Under("de_DE");
  EXPECT_EQ(TimeBoxTip("Start"), "Start in DD.MM.YYYY HH:MM:SS format");
  Under("en_US");
  EXPECT_EQ(TimeBoxTip("Start"), "Start in MM/DD/YY HH:MM:SS AM/PM format");
  const std::string records = "Alpha,07/12/2026 09:03:35,07/12/2026 10:33:35,\r\n";
  LocaleData dayFirst = LocaleDataOf(QLocale("en_GB")), monthFirst = dayFirst;
  monthFirst.shortDate = "MM/dd/yyyy";
  folder.Write("projrpt.pro", records);
  folder.Write("projrpt.fmt", FormText(dayFirst));
  test::TempFolder other;
  other.Write("projrpt.pro", records);
  other.Write("projrpt.fmt", FormText(monthFirst));
  EXPECT_EQ(TimeBoxTip("Start"), "Start in DD/MM/YYYY HH:MM:SS format");
  system.folder = other.path();
  EXPECT_EQ(TimeBoxTip("Start"), "Start in MM/DD/YYYY HH:MM:SS format");
}

TEST(SettleDateForm, TheRecordsShowTheirOrderAndClockElseTheKeptOrTheUsersOrder) {
  const LocaleData us, gb = LocaleDataOf(QLocale("en_GB"));
  auto next = [](std::vector<RecordTimes> records, const LocaleData& user, const LocaleData* kept = nullptr) {
    return DateFormat(SettleDateForm(records, user, kept).form).FormatGeneral(MakeDateTime({2027, 1, 5}, 15, 4, 5));
  };
  // The year first whatever the day; a marker, or none, the clock. (A day past the 12th, or a kept form,
  // telling the order under every locale: AReportWrittenUnderOneLocaleReadsTheSameUnderEveryOther.)
  EXPECT_EQ(next({{"2026/12/07 9時03分35秒", "2026/12/07 10時33分35秒"}}, us), "2027/01/05 15時04分05秒");
  // Days of 12 or less, nothing kept: the user's order; a stretch over midnight still tells.
  const std::vector<RecordTimes> early = {{"12/7/2026 9:03:35 AM", "12/7/2026 10:33:35 AM"}};
  EXPECT_EQ(next(early, gb), "5/1/2027 3:04:05 PM");
  EXPECT_EQ(next({{"12/7/2026 11:00:00 PM", "12/8/2026 1:00:00 AM"}}, gb), "1/5/2027 3:04:05 PM");
  EXPECT_EQ(next({{"07.12.2026 09:00:00", "07.12.2026 17:00:00"}}, gb), "05.01.2027 15:04:05");
  // Markers no form knows: the lengths of the stretches tell which is the afternoon.
  EXPECT_EQ(next({{"2026. 12. 7. 오전 11시 3분 35초", "2026. 12. 7. 오후 1시 3분 35초"}}, us),
            "2027. 1. 5. 오후 3시 4분 5초");
  // Month names (as the C locale once wrote), each a word of its own; texts no form reads: the user's.
  EXPECT_EQ(next({{"7 Dec 2026 11:03:35", "7 Dec 2026 12:33:35"}}, gb), "5 Jan 2027 15:04:05");
  EXPECT_EQ(next({{"soon", "later"}}, gb), "05/01/2027 15:04:05");
  EXPECT_EQ(next({{"xDec 7 2026 11:03:35", "xDec 7 2026 12:33:35"}}, gb), "05/01/2027 15:04:05");
  EXPECT_EQ(LocaleDataOf(QLocale::c()), us);
}

TEST_F(ReportFormTest, ARecordAppendedToAReportOfTwoFormsIsWrittenInTheFormMostAreIn) {
  Under("en_US");
  std::string text;
  for (int day = 13; day <= 22; ++day) text += "A," + std::to_string(day) + ".11.2026 09:00:00," + std::to_string(day) + ".11.2026 10:00:00,\r\n";
  folder.Write("projrpt.pro", text + "A,11/23/2026 9:00:00 AM,11/23/2026 10:00:00 AM,\r\n");
  Record(13, 9);  // eleven in twelve read then: nothing to say
  EXPECT_EQ(form.EndText(), "13.12.2026 10:33:35");
  EXPECT_EQ(form.tracker().StatusText(), "Status");  // as the window starts
  folder.Write("projrpt.pro", text + "A,11/23/2026 9:00:00 AM,11/23/2026 10:00:00 AM,\r\nA,11/24/2026 9:00:00 AM,11/24/2026 10:00:00 AM,\r\n");
  Record(13, 9);
  EXPECT_EQ(form.EndText(), "13.12.2026 10:33:35");
  EXPECT_EQ(form.tracker().StatusText(), kOtherFormsStatus);
}

// Records whose start and end a form reads as a stretch of less than a week.
int RecordsRead(const LocaleData& form, const std::vector<RecordTimes>& records) {
  const DateFormat format(form);
  int read = 0;
  for (const RecordTimes& r : records) {
    const auto start = format.Parse(r.start), end = format.Parse(r.end);
    if (!start || !end) continue;
    const std::int64_t length = (end->day - start->day) * std::int64_t{kSecondsPerDay} + end->seconds - start->seconds;
    read += length >= 0 && length < 7 * std::int64_t{kSecondsPerDay};
  }
  return read;
}

// One two-digit year anywhere: the form settled reads as many records as any other, as they were written.
TEST(SettleDateForm, OneTwoDigitYearAnywhereNeverLosesTheReportsOwnForm) {
  // Every order of day, month and year, with the separators and clocks of the locales above.
  std::vector<LocaleData> candidates;
  for (const char* date : {"M/d/yyyy", "d/M/yyyy", "yyyy/M/d", "M.d.yyyy", "d.M.yyyy", "yyyy.M.d"})
    for (const char* time : {"h:mm:ss AP", "H:mm:ss", "H時mm分ss秒", "h時mm分ss秒 AP"}) {
      candidates.emplace_back();
      candidates.back().shortDate = date;
      candidates.back().longTime = candidates.back().shortTime = time;
    }
  std::mt19937 random(21);
  for (const auto& [writer, unused] : kWritten) {
    const DateFormat written(LocaleDataOf(QLocale(writer)));
    for (int report = 0; report < 2; ++report) {
      std::vector<RecordTimes> records;
      std::vector<DateTime> starts;
      for (int i = 0; i < 8; ++i) {
        DateTime start = MakeDateTime({2026, 1 + static_cast<int>(random() % 12), i == 1 ? 20 : 1 + static_cast<int>(random() % 28)},
                                      7 + random() % 12, random() % 60, random() % 60);
        DateTime end = start;
        end.seconds += 300 + random() % (10 * 3600);
        starts.push_back(start);
        records.push_back({written.FormatGeneral(start), written.FormatGeneral(end)});
      }
      for (size_t at = 0; at < records.size(); ++at) {
        for (std::string RecordTimes::*field : {&RecordTimes::start, &RecordTimes::end}) {
          std::vector<RecordTimes> typed = records;
          std::string& text = typed[at].*field;
          text.replace(text.find("2026"), 4, "26");
          for (const auto& [reader, unused2] : kWritten) {
            const LocaleData settled = SettleDateForm(typed, LocaleDataOf(QLocale(reader))).form;
            const int read = RecordsRead(settled, typed);
            for (const LocaleData& other : candidates)
              ASSERT_GE(read, RecordsRead(other, typed)) << writer << " record " << at << " " << text << " under "
                                                         << reader << ": " << settled.shortDate << " against " << other.shortDate;
            for (size_t i = 0; i < typed.size(); ++i)
              ASSERT_EQ(DateFormat(settled).Parse(typed[i].start), starts[i]) << writer << " under " << reader << ": " << typed[i].start;
          }
        }
      }
    }
  }
}

// In the United States' form: ReportWindowTest's title.
TEST(ReportCaption, TheDayInTheUsersOrderWithTheWeekdayFirst) {
  const DateTime day = MakeDateTime({2026, 12, 7}, 9, 0, 0);
  auto caption = [&](const char* locale) { return ReportCaption(DateFormat(LocaleDataOf(QLocale(locale))), day); };
  EXPECT_EQ(caption("de_DE"), "Report...   Date being displayed: Montag 07.12.2026");
  EXPECT_EQ(caption("ja_JP"), "Report...   Date being displayed: 月曜日 2026/12/07");
}

}  // namespace
}  // namespace tw
