// Hostile report files show only their valid records, without hanging, and rewrites keep other bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "platform/lines.h"
#include "report/report_form.h"
#include "report/rewrite.h"
#include "tests/reliability/hostile_files.h"
#include "tests/support/fakes.h"
#include "store/day_report.h"
#include "summaries/report_command.h"
#include "summaries/summary.h"

namespace tw {
namespace {

class HostileFilesTest : public test::PlatformTest {};

std::vector<std::string> RowTexts(const DayReport& report) {
  std::vector<std::string> rows;
  for (const DayRow& row : report.rows) rows.push_back(row.line.text);
  return rows;
}

TEST_F(HostileFilesTest, OnlyTheValidRecordsAreShownAndRewritesKeepEveryOtherByte) {
  const std::string path = folder.File("projrpt.pro");
  for (const test::HostileFile& hostile : test::HostileFiles()) {
    SCOPED_TRACE(hostile.name);
    folder.Write("projrpt.pro", hostile.content);
    folder.Write("projrpt.fmt", "ShortDate='d'\r\nLongTime=\r\nMonths=|\r\n\xff\xfe=\0");  // no form at all
    const DayReport report = ReadDayReport(files, path, test::HostileDay(), ReportDateFormat());
    EXPECT_EQ(RowTexts(report), test::ValidRecords());
    EXPECT_EQ(report.totalSeconds, (90 + 45 + 15) * 60);

    std::ostringstream out, err;
    EXPECT_EQ(RunReportCommand({"--file", path, "--date", "2026-12-07", "--csv"}, files, format,
                               clock.now, path, out, err),
              0);
    EXPECT_EQ(err.str(), "");
    EXPECT_NE(out.str().find("Total Time:,,,02:30:00,"), std::string::npos);
    const std::int64_t day = test::HostileDay().day;
    const Summary summary = ReadSummary(files, path, {day, day}, ReportDateFormat(), 0);
    EXPECT_EQ(summary.stretches, 3);
    EXPECT_EQ(summary.totalSeconds, report.totalSeconds);

    // Deleting the first record leaves every other non-empty line as it was, ended by CR LF.
    const DayRow first = report.rows.at(0);
    ASSERT_TRUE(RewriteReportLine(files, folder.path(), first.line, std::nullopt));
    std::string expected;
    bool removed = false;
    for (const std::string& line : test::NonEmptyLines(hostile.content)) {
      if (!removed && line == first.line.text) {
        removed = true;
        continue;
      }
      expected += line + "\r\n";
    }
    EXPECT_TRUE(folder.Read("projrpt.pro") == expected) << "the rewrite changed other lines";
  }
}

TEST_F(HostileFilesTest, AFolderInPlaceOfTheReportAndALinkInPlaceOfTheScratchFile) {
  ASSERT_EQ(::mkdir(folder.File("projrpt.pro").c_str(), 0755), 0);
  std::ostringstream out, err;
  EXPECT_EQ(RunReportCommand({"--today"}, files, format, clock.now, folder.File("projrpt.pro"), out, err),
            kCommandError);
  const std::string message = err.str();
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  EXPECT_THROW(ReadDayReport(files, folder.File("projrpt.pro"), test::HostileDay(), format), RunError);
  ASSERT_EQ(::rmdir(folder.File("projrpt.pro").c_str()), 0);

  // A link where the rewrite puts its scratch file is never written through.
  folder.Write("projrpt.pro", test::ValidRecords()[0] + "\r\nKeep,1/1/2026,1/1/2026,\r\n");
  folder.Write("precious", "untouched");
  ASSERT_EQ(::symlink(folder.File("precious").c_str(), folder.File("report.tmp").c_str()), 0);
  SourceLine line;
  line.text = test::ValidRecords()[0];
  ASSERT_TRUE(RewriteReportLine(files, folder.path(), line, std::nullopt));
  EXPECT_EQ(folder.Read("projrpt.pro"), "Keep,1/1/2026,1/1/2026,\r\n");
  EXPECT_EQ(folder.Read("precious"), "untouched");
  EXPECT_FALSE(folder.Exists("report.tmp"));
}

}  // namespace
}  // namespace tw
