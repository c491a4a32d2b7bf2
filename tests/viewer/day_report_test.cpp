// The day's rows and total, read from the report file.
#include <gtest/gtest.h>

#include <random>

#include "dates/local_instants.h"
#include "report/amendment.h"
#include "report/report_form.h"
#include "tests/support/fakes.h"
#include "store/day_report.h"
#include "store/period_scan.h"

namespace tw {
namespace {

class DayReportTest : public test::PlatformTest {
 protected:
  // In the report's form, as the program reads it.
  DayReport Day(int year, int month, int day) {
    const std::string path = folder.File("projrpt.pro");
    return ReadDayReport(files, path, MakeDateTime({year, month, day}, 8, 0, 0),
                         DateFormat(ReportForm(files, path, format.data())));
  }
  static std::vector<std::string> Cells(const DayReport& report) {
    std::vector<std::string> out;
    for (const DayRow& row : report.rows) {
      const RecordFields f = row.fields();
      out.push_back(std::string(f.project) + "|" + std::string(f.start) + "|" + std::string(f.end) +
                    "|" + row.duration + "|" + std::string(f.comment));
    }
    return out;
  }
};

TEST_F(DayReportTest, TheDaysRowsInFileOrderWithTheirTotal) {
  folder.Write("projrpt.pro", "\r\n\r\nAlpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, then proofs\r\n"
               "Night,12/6/2026 11:00:00 PM,12/7/2026 1:00:00 AM,started the day before\r\n\r\n"
               "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,\nno comma at all\r\nTwo,commas\r\n"
               "Odd,soon,later,start is no date\r\nOpen,12/7/2026 3:00 PM,not yet,end is no date\r\n");
  DayReport report = Day(2026, 12, 7);
  EXPECT_EQ(Cells(report), (std::vector<std::string>{
                               "Alpha|12/7/2026 9:00:00 AM|12/7/2026 10:30:00 AM|01:30:00|layout, then proofs",
                               "Beta|12/7/2026 11:00:00 AM|12/7/2026 1:45:00 PM|02:45:00|",
                               "Open|12/7/2026 3:00 PM|not yet||end is no date"}));
  EXPECT_TRUE(report.HasTotal());
  EXPECT_EQ(TotalText(report, format), "04:15:00");
  // Each row knows the line it came from.
  EXPECT_EQ(report.rows[0].line.offset, 4u);
  EXPECT_EQ(report.rows[1].line.offset, 149u);
  EXPECT_EQ(report.rows[1].line.text, "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,");

  report = Day(2026, 12, 6);  // the night is listed on the day it started
  EXPECT_EQ(Cells(report), (std::vector<std::string>{
                               "Night|12/6/2026 11:00:00 PM|12/7/2026 1:00:00 AM|02:00:00|started the day before"}));
  EXPECT_FALSE(report.HasTotal());
  EXPECT_TRUE(Day(2027, 1, 1).rows.empty());

  folder.Write("projrpt.pro", "");
  EXPECT_TRUE(Day(2026, 12, 7).rows.empty());
  ::unlink(folder.File("projrpt.pro").c_str());
  try {
    Day(2026, 12, 7);
    FAIL() << "no report file";
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), kErrFileNotFound);
  }
}

TEST_F(DayReportTest, FieldsKeepEveryByteAndTheReportsFormDecidesTheDay) {
  const std::string comment = std::string("nul \0 and \xFF\xFE, \xC3\xA9", 16);
  const std::string huge(100000, 'w');
  folder.Write("projrpt.pro", "Bytes,12/7/2026 9:00 AM,12/7/2026 9:30 AM," + comment + "\r\n" +
                                  "Long,12/7/2026 10:00 AM,12/7/2026 11:00 AM," + huge + "\r\n");
  DayReport report = Day(2026, 12, 7);
  ASSERT_EQ(report.rows.size(), 2u);
  EXPECT_EQ(report.rows[0].fields().comment, comment);
  EXPECT_EQ(report.rows[1].fields().comment, huge);

  // Under day-month-year, 12/7/2026 is still 7 December by the kept form; a day past the 12th overrules it.
  format = test::GermanFormat();
  folder.Write("projrpt.fmt", FormText(LocaleData{}));
  EXPECT_EQ(Day(2026, 12, 7).rows.size(), 2u);
  EXPECT_TRUE(Day(2026, 7, 12).rows.empty());
  folder.Write("projrpt.pro", "G,07.12.2026 09:00:00,07.12.2026 17:30:00,\r\nG,13.12.2026 09:00:00,x,\r\n");
  EXPECT_EQ(Cells(Day(2026, 12, 7)), (std::vector<std::string>{"G|07.12.2026 09:00:00|07.12.2026 17:30:00|08:30:00|"}));
}

// The fast scan (skipping lines without the year's digits) lists what reading every line lists.
TEST_F(DayReportTest, TheFastScanListsExactlyWhatReadingEveryLineLists) {
  LocaleData names;
  names.shortDate = "d MMM yyyy";
  names.longTime = "HH:mm:ss t";
  LocaleData spaced;  // two characters between the fields, as in Czech
  spaced.shortDate = "d. M. yyyy";
  spaced.longTime = "H:mm:ss";
  const DateFormat formats[] = {test::UsFormat(), test::GermanFormat(), DateFormat(names), DateFormat(spaced)};
  const char* starts[] = {"1/5/5 9:00 AM",  "1/5/2005 9:00",  "01/05/05",     "1/5/26 9:00 AM",
                          "1/5/2026",       "2026-01-05 9:00", "05.01.2026",   "5 Jan 2026 9:00:00",
                          "9:00",           "1/5/1929",       "1/5/29",       "1/5/2084 10:26 PM",
                          "12/31/9999",     "1/5/0026",       "2/30/2026",    "1/5/2026 25:00",
                          "7. 3. 2026 9:00:00"};
  std::string file = "\xEF\xBB\xBF";
  for (int copy = 0; copy < 3; ++copy) {
    for (const char* start : starts) {
      file += "P," + std::string(start) + ",1/5/2026 11:00 AM," + std::string(copy * 700000, 'c') + "\r\n";
      file += "Q," + std::string(start) + ",x\n\n";
    }
  }
  folder.Write("projrpt.pro", file);
  const std::string path = folder.File("projrpt.pro");
  const std::int64_t days[] = {0, DayFromCivil({2005, 1, 5}), DayFromCivil({2026, 1, 5}),
                               DayFromCivil({2026, 5, 1}),    DayFromCivil({1929, 1, 5}),
                               DayFromCivil({2029, 1, 5}),    DayFromCivil({2084, 1, 5}),
                               DayFromCivil({9999, 12, 31}),  DayFromCivil({2026, 3, 7})};
  for (const DateFormat& f : formats) {
    for (std::int64_t day : days) {
      const DateTime at{day, 0};
      const DayReport fast = ReadDayReport(files, path, at, f);
      const DayReport plain = ReadDayReportByLines(files, path, at, f);
      ASSERT_EQ(fast.rows.size(), plain.rows.size()) << day;
      for (size_t i = 0; i < fast.rows.size(); ++i) {
        EXPECT_EQ(fast.rows[i].line, plain.rows[i].line) << day;
        EXPECT_EQ(fast.rows[i].duration, plain.rows[i].duration) << day;
      }
      EXPECT_EQ(fast.totalSeconds, plain.totalSeconds) << day;
    }
  }
  EXPECT_EQ(ReadDayReport(files, path, DateTime{DayFromCivil({2026, 1, 5}), 0}, formats[0]).rows.size(), 9u);
}

// A few days read by their patterns give exactly the records reading every line gives, in the same
// order, for periods of one to sixteen days at any place of the year, in the forms with patterns.
TEST_F(DayReportTest, AFewDaysByTheirPatternsAreWhatReadingEveryLineGives) {
  LocaleData ymd;
  ymd.shortDate = "yyyy/MM/dd";
  ymd.longTime = "H:mm:ss";
  const DateFormat formats[] = {test::UsFormat(), test::GermanFormat(), DateFormat(ymd)};
  std::mt19937 random(11);
  const std::string path = folder.File("projrpt.pro");
  for (const DateFormat& f : formats) {
    // Records of 2025 and 2026, every kind of start among them; dates and times in projects and
    // comments, amendments, lines of other shapes, CR alone as a line end.
    std::string file;
    const std::int64_t from = DayFromCivil({2025, 11, 20});
    const char* odd[] = {"6/15/2026 9:00 AM", "2026-06-15 9:00", "06/15/26", "15.06.2026", "15.6.26 09:00",
                         "2026/6/15", "6/015/2026", "16/6/2026", "9:16:15", "6/15", "2026-6-15T9:00"};
    for (int i = 0; i < 3000; ++i) {
      const DateTime start{from + static_cast<std::int64_t>(random() % 400), static_cast<std::int32_t>(random() % 86400)};
      const DateTime end{start.day + (random() % 5 == 0 ? 1 : 0), static_cast<std::int32_t>(random() % 86400)};
      switch (random() % 8) {
        case 0:
          file += "P" + std::to_string(i) + "," + odd[random() % std::size(odd)] + "," + f.FormatGeneral(end) + ",odd\r\n";
          break;
        case 1:
          file += "Release " + f.FormatDate(start) + "," + f.FormatGeneral(start) + ",x,due " + f.FormatGeneral(end) + "\r";
          break;
        case 2:
          file += AmendmentLine({"2026-01-01T00:00:00Z", "projrpt.pro", 0, "A," + f.FormatGeneral(start) + ",b,", std::nullopt}) + "\r\n";
          break;
        default:
          file += "Q," + f.FormatGeneral(start) + "," + f.FormatGeneral(end) + ",c" + std::to_string(i) + "\r\n";
      }
    }
    folder.Write("projrpt.pro", file);
    for (int run = 0; run < 40; ++run) {
      const std::int64_t first = from + static_cast<std::int64_t>(random() % 400);
      const Period period{first, first + static_cast<std::int64_t>(random() % 16)};
      std::vector<DayPattern> patterns;
      for (std::int64_t d = period.first; d <= period.last; ++d)
        for (DayPattern& p : DayPatterns(f, CivilFromDay(d))) patterns.push_back(p);
      std::vector<std::string> byPatterns, byLines;
      const auto keep = [](std::vector<std::string>& into) {
        return [&into](const ScannedRecord& r) {
          into.push_back(std::to_string(r.offset) + "|" + std::string(r.text) + "|" + std::to_string(r.start.day) + "+" +
                         std::to_string(r.start.seconds) + "|" + (r.seconds ? std::to_string(*r.seconds) : "-"));
        };
      };
      LocalInstants instants;
      {
        Files::Reader reader = files.OpenRead(path);
        if (!ScanDays(reader, period, f, patterns, instants, keep(byPatterns), {})) {
          EXPECT_GT(period.Days(), 8);  // too many patterns at once: read line by line
          continue;
        }
      }
      {
        Files::Reader reader = files.OpenRead(path);
        ScanPeriod(reader, period, f, instants, keep(byLines), {}, nullptr);
      }
      ASSERT_EQ(byPatterns, byLines) << period.first << " to " << period.last;
    }
  }
}

}  // namespace
}  // namespace tw
