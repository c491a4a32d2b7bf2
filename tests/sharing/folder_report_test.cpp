// Several machines' reports read as one report, other machines' amendments applied.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "summaries/summary.h"
#include "tests/sharing/sharing.h"
#include "viewer/folder_report.h"

namespace tw {
namespace {

using test::AppendLine;
using test::DayRows;

DateTime Day(int d) { return MakeDateTime({2026, 12, d}, 0, 0, 0); }

class SharedFolderTest : public test::PlatformTest {
 protected:
  SharedFolderTest() {
    settings.values[kDeviceNameKey] = "desk";
    test::MakeShared(folder.path(), "desk");
  }
  std::string Record(int day, int hour, const std::string& project, const std::string& comment = "") {
    return JoinRecord(project, format.FormatGeneral(MakeDateTime({2026, 12, day}, hour, 0, 0)),
                      format.FormatGeneral(MakeDateTime({2026, 12, day}, hour + 1, 30, 0)), comment);
  }
};

// The same records in one report or spread over four machines' give the same day reports and summary.
TEST_F(SharedFolderTest, UnionReadsAsOneReportOfTheSameRecords) {
  test::TempFolder single;
  std::mt19937 random(3);
  const char* devices[] = {"desk", "laptop", "home", "attic"};
  std::string one;
  for (int i = 0; i < 400; ++i) {
    // In order of start, as a person records them; a few lines that are no records between.
    const std::string line = Record(1 + i / 20, i % 20, "P" + std::to_string(random() % 7), "n, " + std::to_string(i));
    one += line + "\r\n";
    AppendLine(folder.path(), devices[random() % 4], line);
    if (i % 50 == 0) {
      one += "no record\r\n";
      AppendLine(folder.path(), devices[random() % 4], "no record");
    }
  }
  single.Write(kReportFile, one);
  const FolderReports shared = test::Reports(folder.path(), format);
  ASSERT_EQ(shared.Machines(), 4u);
  for (int d = 1; d <= 21; ++d) {
    const DayReport a = ReadDayReport(files, single.File(kReportFile), Day(d), format);
    const DayReport b = ReadFolderDayReport(files, shared, Day(d));
    ASSERT_EQ(a.rows.size(), b.rows.size()) << d;
    EXPECT_EQ(a.totalSeconds, b.totalSeconds);
    for (size_t i = 0; i < a.rows.size(); ++i) EXPECT_EQ(a.rows[i].line.text, b.rows[i].line.text);
  }
  const Period period{DayFromCivil({2026, 12, 1}), DayFromCivil({2026, 12, 31})};
  std::vector<std::string> x, y;
  // The same entries in the same order and the same days: the projects' totals are then one builder's sums.
  const Summary a = ReadSummary(files, single.File(kReportFile), period, format, 15,
                                [&](const SummaryEntry& e) { x.push_back(e.project + " " + e.comment); });
  const Summary b = ReadFolderSummary(files, shared, period, 15, [&](const SummaryEntry& e) { y.push_back(e.project + " " + e.comment); });
  EXPECT_EQ(a.totalSeconds, b.totalSeconds);
  EXPECT_EQ(a.skippedLines, b.skippedLines);
  EXPECT_EQ(x, y);
  for (size_t i = 0; i < a.days.size(); ++i) EXPECT_EQ(a.days[i].seconds, b.days[i].seconds);
}

// laptop edits, moves and deletes desk's stretches: every reader shows it so, desk's report unchanged.
TEST_F(SharedFolderTest, OtherMachinesEditsAndDeletionsAreApplied) {
  const std::string a = Record(7, 9, "Alpha"), b = Record(7, 11, "Beta"), c = Record(7, 13, "Gamma");
  const std::uint64_t at[] = {AppendLine(folder.path(), "desk", a), AppendLine(folder.path(), "desk", b),
                              AppendLine(folder.path(), "desk", c)};
  const std::string desk = folder.Read("projrpt.desk.pro");
  const std::string stamp = ReportsStamp(folder.path());  // a window showing the reports reads them again
  test::Amend(folder.path(), "laptop", "desk", at[0], a, Record(7, 9, "Alpha", "edited"));
  EXPECT_NE(ReportsStamp(folder.path()), stamp);
  test::Amend(folder.path(), "laptop", "desk", at[1], b, Record(8, 11, "Beta"));
  test::Amend(folder.path(), "laptop", "desk", at[2], c, std::nullopt);
  EXPECT_EQ(DayRows(folder.path(), Day(7), format),
            std::vector<std::string>{"desk|" + Record(7, 9, "Alpha", "edited") + "|laptop"});
  EXPECT_EQ(DayRows(folder.path(), Day(8), format), std::vector<std::string>{"desk|" + Record(8, 11, "Beta") + "|laptop"});
  const Summary s = ReadFolderSummary(files, test::Reports(folder.path(), format),
                                      {DayFromCivil({2026, 12, 7}), DayFromCivil({2026, 12, 8})}, 0);
  EXPECT_EQ(s.stretches, 2);
  EXPECT_EQ(s.totalSeconds, 2 * 5400);
  EXPECT_EQ(s.days[1].seconds, 5400);
  ASSERT_EQ(s.projects.size(), 2u);  // Gamma went with its only stretch
  EXPECT_EQ(s.projects[1].project, "Beta");
  EXPECT_EQ(folder.Read("projrpt.desk.pro"), desk);
}

// An amendment arriving before its record waits, and holds once the record is there.
TEST_F(SharedFolderTest, AnAmendmentWaitsForItsRecord) {
  const std::string a = Record(7, 9, "Alpha", "layout, proofs");
  test::Amend(folder.path(), "laptop", "desk", 0, a, Record(9, 9, "Alpha", "moved"));
  test::Amend(folder.path(), "home", "desk", 0, a, Record(7, 9, "Alpha", "by home"), "2026-12-07T20:00:00Z");
  EXPECT_TRUE(DayRows(folder.path(), Day(7), format).empty());
  EXPECT_TRUE(DayRows(folder.path(), Day(9), format).empty());
  // Arriving half-copied (a record still, but not the one amended), the record is not there yet.
  folder.Write("projrpt.desk.pro", a.substr(0, a.size() - 3));
  EXPECT_TRUE(DayRows(folder.path(), Day(7), format).empty());
  folder.Write("projrpt.desk.pro", a + "\r\n");
  EXPECT_TRUE(DayRows(folder.path(), Day(7), format).empty());
  EXPECT_EQ(DayRows(folder.path(), Day(9), format), std::vector<std::string>{"desk|" + Record(9, 9, "Alpha", "moved") + "|laptop"});
}

// An amendment in a US report of a German report's record finds it by the German record's own day.
TEST_F(SharedFolderTest, EachReportInItsOwnForm) {
  const DateFormat german = test::GermanFormat();
  auto germanRecord = [&](int day, const char* comment) {
    return JoinRecord("Alpha", german.FormatGeneral(MakeDateTime({2026, 12, day}, 9, 0, 0)),
                      german.FormatGeneral(MakeDateTime({2026, 12, day}, 10, 0, 0)), comment);
  };
  // 13 December settles the German report's form from its own records.
  AppendLine(folder.path(), "laptop", germanRecord(13, "x"));
  const std::uint64_t at = AppendLine(folder.path(), "laptop", germanRecord(5, ""));
  AppendLine(folder.path(), "desk", Record(5, 11, "Beta"));
  test::Amend(folder.path(), "desk", "laptop", at, germanRecord(5, ""), germanRecord(6, "a day later"));
  EXPECT_EQ(DayRows(folder.path(), Day(5), format), std::vector<std::string>{"desk|" + Record(5, 11, "Beta") + "|"});
  EXPECT_EQ(DayRows(folder.path(), Day(6), format),
            std::vector<std::string>{"laptop|" + germanRecord(6, "a day later") + "|desk"});
  // A form that names its months has no numbers to look for: then every line of every report is read.
  folder.Write("projrpt.home.fmt", "ShortDate=d MMM yyyy\r\nLongTime=HH:mm:ss\r\nMonths=" + std::string(12, '|').substr(1) +
                                       "\r\nShortMonths=Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec\r\n");
  AppendLine(folder.path(), "home", "Gamma,6 Dec 2026 07:00:00,6 Dec 2026 08:00:00,");
  EXPECT_EQ(DayRows(folder.path(), Day(6), format),
            (std::vector<std::string>{"home|Gamma,6 Dec 2026 07:00:00,6 Dec 2026 08:00:00,|",
                                      "laptop|" + germanRecord(6, "a day later") + "|desk"}));
}

// A week read in one scan by its days' patterns shows what its days read one by one show, lengths
// included: two machines' records, stretches across midnight and across the clock's change back
// (a 25-hour day), edits that move a record into the week or out of it, and deletions.
TEST_F(SharedFolderTest, AWeekReadAtOnceIsItsDaysOneByOne) {
  const test::EasternTime zone;
  std::mt19937 random(9);
  const auto text = [&](std::int64_t day, int minute, int length, const std::string& project) {
    const std::int64_t end = minute + length;
    return JoinRecord(project, format.FormatGeneral({day, minute * 60}),
                      format.FormatGeneral({day + end / 1440, static_cast<std::int32_t>(end % 1440) * 60}), "c");
  };
  const std::int64_t from = DayFromCivil({2026, 10, 24});
  std::vector<std::pair<const char*, std::string>> made;
  std::vector<std::uint64_t> at;
  for (int i = 0; i < 300; ++i) {
    const char* device = i % 3 == 0 ? "laptop" : "desk";
    made.push_back({device, text(from + random() % 21, random() % 1440, random() % 300, "P" + std::to_string(i))});
    at.push_back(AppendLine(folder.path(), device, made.back().second));
  }
  for (std::size_t i = 0; i < made.size(); i += 4)
    test::Amend(folder.path(), i % 12 == 0 ? "laptop" : "desk", made[i].first, at[i], made[i].second,
                i % 8 == 0 ? std::nullopt : std::optional(text(from + random() % 21, 90, 60, "Moved")),
                "2026-12-29T10:00:0" + std::to_string(i % 10) + "Z");
  const RecordStore store(files, test::Reports(folder.path(), format));
  const auto shown = [](const std::vector<StoredStretch>& stretches) {
    std::vector<std::string> out;
    for (const StoredStretch& s : stretches)
      out.push_back(s.id.file + "|" + s.shown + "|" + s.amendedOn + "|" + std::to_string(s.seconds.value_or(-1)));
    std::sort(out.begin(), out.end());
    return out;
  };
  for (const std::int64_t first : {from, from + 7, from + 8, from + 13})
    for (const int days : {2, 8}) {
      std::vector<StoredStretch> oneByOne;
      for (std::int64_t d = first; d < first + days; ++d)
        for (StoredStretch& s : store.Stretches(Period{d, d})) oneByOne.push_back(std::move(s));
      ASSERT_GT(oneByOne.size(), 10u);
      EXPECT_EQ(shown(store.Stretches(Period{first, first + days - 1})), shown(oneByOne)) << first << " " << days;
    }
}

}  // namespace
}  // namespace tw
