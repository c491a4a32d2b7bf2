// Amendments: their line, skipped by older readers, and the one rule picking the amendment that holds.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "report/rewrite.h"
#include "summaries/summary.h"
#include "tests/sharing/sharing.h"
#include "store/day_report.h"

namespace tw {
namespace {

using test::AppendLine;

const std::string kRecord = "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:00:00 AM,fixed menu, footer and 100%\tdone";

TEST(AmendmentLineTest, ReadsBackWhatItHoldsAndHoldsNoComma) {
  const Amendment edit{"2026-12-07T21:01:23Z", "projrpt.desk.pro", 1234, kRecord,
                       "Beta,12/8/2026 9:00:00 AM,12/8/2026 9:30:00 AM,%2C is no comma, 50% of it"};
  const Amendment removal{"2026-12-07T21:01:24Z", "projrpt.pro", 0, "X,1,2,", std::nullopt};
  for (const Amendment& a : {edit, removal}) {
    const std::string line = AmendmentLine(a);
    EXPECT_EQ(line.find(','), std::string::npos) << line;
    EXPECT_TRUE(IsAmendmentLine(line));
    EXPECT_EQ(ParseAmendment(line), a) << line;
  }
  // Damaged or made-up lines are no amendments: none of them changes a record.
  const std::string good = AmendmentLine(edit);
  for (const std::string& bad :
       {good.substr(0, good.size() - 1) + ",", good.substr(0, good.rfind('\t')), good + "\textra",
        std::string("Tallywright amendment\t2026-12-07T21:01:23Z\tprojrpt.desk.pro\t12x\tdelete\tA%2C1%2C2%2C"),
        std::string("Tallywright amendment\t2026-12-07 21:01:23\tprojrpt.desk.pro\t12\tdelete\tA%2C1%2C2%2C"),
        std::string("Tallywright amendment\t2026-12-07T21:01:23Z\t../x.pro\t12\tdelete\tA%2C1%2C2%2C"),
        std::string("Tallywright amendment\t2026-12-07T21:01:23Z\t\t12\tdelete\tA%2C1%2C2%2C"),
        std::string("Tallywright amendment\t2026-12-07T21:01:23Z\tprojrpt.desk.pro\t\tdelete\tA%2C1%2C2%2C"),
        std::string("Tallywright amendment\t2026-12-07T21:01:23Z\tprojrpt.desk.pro\t12\tdelete\tA%2C1%2C2"),
        std::string("Tallywright amendment\t2026-12-07T21:01:23Z\tprojrpt.desk.pro\t12\tdelete\tA%2C1%2C2%2C%2"),
        std::string("Tallywright amendment\t2026-12-07T21:01:23Z\tprojrpt.desk.pro\t12\tredo\tA%2C1%2C2%2C")})
    EXPECT_FALSE(ParseAmendment(bad)) << bad;
  EXPECT_EQ(UtcStamp(0), "1970-01-01T00:00:00Z");
  EXPECT_EQ(UtcStamp(1796677283), "2026-12-07T21:01:23Z");
}

// A reader that knows nothing of amendments skips their lines; the rewrite keeps them as they are.
class OlderReadersTest : public test::PlatformTest {};

TEST_F(OlderReadersTest, SkipAmendmentLinesAndKeepThemWhole) {
  const std::string path = folder.File(kReportFile);
  const std::string amendment =
      AmendmentLine({"2026-12-07T21:00:00Z", "projrpt.pro", 0, kRecord, "Alpha,12/7/2026 9:00:00 AM,12/7/2026 9:10:00 AM,"});
  folder.Write(kReportFile, kRecord + "\r\n" + amendment + "\r\nBeta,12/7/2026 11:00:00 AM,12/7/2026 11:30:00 AM,x\r\n");
  const DayReport day = ReadDayReport(files, path, MakeDateTime({2026, 12, 7}, 0, 0, 0), format);
  ASSERT_EQ(day.rows.size(), 2u);
  EXPECT_EQ(day.totalSeconds, 5400);
  const Period december{DayFromCivil({2026, 12, 1}), DayFromCivil({2026, 12, 31})};
  const Summary summary = ReadSummary(files, path, december, format, 0);
  EXPECT_EQ(summary.stretches, 2);
  EXPECT_EQ(summary.skippedLines, 1);
  // The union's reading takes it as what it is, not as a line to report skipped.
  EXPECT_EQ(ReadFolderSummary(files, test::Reports(folder.path(), format), december, 0).skippedLines, 1);
  test::MakeShared(folder.path(), "desk");
  const Summary shared = ReadFolderSummary(files, test::Reports(folder.path(), format), december, 0);
  EXPECT_EQ(shared.skippedLines, 0);
  EXPECT_EQ(shared.totalSeconds, 600 + 1800);

  ASSERT_TRUE(RewriteReportLine(files, folder.path(), day.rows[1].line, std::nullopt));
  EXPECT_EQ(folder.Read(kReportFile), kRecord + "\r\n" + amendment + "\r\n");
}

TEST(HoldsLineTest, OnlyAWholeLineWhereItStarts) {
  test::TempFolder folder;
  folder.Write("r", "\xEF\xBB\xBF" "A,1,2,x\r\nB,1,2,y\rC,1,2,z");
  const Files files;
  EXPECT_TRUE(HoldsLine(files, folder.File("r"), 3, "A,1,2,x"));
  EXPECT_TRUE(HoldsLine(files, folder.File("r"), 12, "B,1,2,y"));
  EXPECT_FALSE(HoldsLine(files, folder.File("r"), 0, "A,1,2,x"));   // the mark is no part of it
  EXPECT_FALSE(HoldsLine(files, folder.File("r"), 13, ",1,2,y"));   // not where a line starts
  EXPECT_FALSE(HoldsLine(files, folder.File("r"), 12, "B,1,2,"));   // not the whole line
  EXPECT_FALSE(HoldsLine(files, folder.File("r"), 20, "C,1,2,z"));  // not ended yet
  EXPECT_FALSE(HoldsLine(files, folder.File("missing"), 0, "A,1,2,x"));
}

}  // namespace
}  // namespace tw
