// Reading the report line by line, rewriting one entry, Clear Report and Restore Report.
#include <gtest/gtest.h>


#include "errors/error.h"
#include "platform/lines.h"
#include "viewer/report_menu.h"
#include "report/rewrite.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

class ReportStoreTest : public test::PlatformTest {
 protected:
  std::vector<SourceLine> ReadLines(size_t blockSize) {
    Files::Reader reader = files.OpenRead(folder.File("projrpt.pro"));
    LineReader lines(reader, blockSize);
    std::vector<SourceLine> out;
    std::string_view text;
    while (lines.Next(text)) out.push_back({lines.offset(), std::string(text)});
    return out;
  }
  // Rewrites the line at a 0-based position of the file as it now stands (past its end: nowhere).
  bool Rewrite(std::uint64_t index, const std::string& text, std::optional<std::string> with) {
    const std::vector<SourceLine> lines = ReadLines(1 << 20);
    const SourceLine at{index < lines.size() ? lines[index].offset : std::uint64_t{1} << 40, text};
    return RewriteReportLine(files, folder.path(), at, with);
  }
};

TEST_F(ReportStoreTest, LinesAreTheSameWhateverTheBlockSize) {
  const std::string longLine(70, 'x');
  folder.Write("projrpt.pro", "a,b\r\n\r\nLF alone\n\n" + longLine + "\r\ninner\rCR\r\n\rlast");
  // CR alone ends a line too, as old Mac editors write them.
  const std::vector<SourceLine> expected = {{0, "a,b"},   {5, ""},        {7, "LF alone"}, {16, ""},  {17, longLine},
                                            {89, "inner"}, {95, "CR"},     {99, ""},        {100, "last"}};
  for (size_t block : {1, 2, 3, 5, 7, 64, 1 << 20}) EXPECT_EQ(ReadLines(block), expected) << block;
  folder.Write("projrpt.pro", "");
  EXPECT_TRUE(ReadLines(4).empty());
  folder.Write("projrpt.pro", "\r\n");
  EXPECT_EQ(ReadLines(1), (std::vector<SourceLine>{{0, ""}}));
  folder.Write("projrpt.pro", "a\rb\r");
  for (size_t block : {1, 2, 64}) EXPECT_EQ(ReadLines(block), (std::vector<SourceLine>{{0, "a"}, {2, "b"}})) << block;
}

// Two identical stretches, an empty line run, a line ended by LF alone and a line that is no
// record; the rewrite changes only the opened line.
const char* const kFile =
    "A,12/7/2026 9:00 AM,12/7/2026 10:00 AM,same\r\n"
    "\r\n\r\n"
    "B,12/7/2026 11:00 AM,12/7/2026 12:00 PM,layout, then proofs\n"
    "bad line\r\n"
    "A,12/7/2026 9:00 AM,12/7/2026 10:00 AM,same\r\n"
    "C,12/8/2026 1:00 PM,12/8/2026 2:00 PM,";

TEST_F(ReportStoreTest, RewriteChangesExactlyTheOpenedLine) {
  const std::string a = "A,12/7/2026 9:00 AM,12/7/2026 10:00 AM,same";
  const std::string b = "B,12/7/2026 11:00 AM,12/7/2026 12:00 PM,layout, then proofs";
  const std::string c = "C,12/8/2026 1:00 PM,12/8/2026 2:00 PM,";
  struct Case {
    std::uint64_t index;
    std::string text;
    std::optional<std::string> with;
    std::string expected;
  };
  const Case cases[] = {
      // Update, keeping its place.
      {3, b, "B,12/7/2026 11:00 AM,12/7/2026 12:30 PM,new",
       a + "\r\nB,12/7/2026 11:00 AM,12/7/2026 12:30 PM,new\r\nbad line\r\n" + a + "\r\n" + c + "\r\n"},
      // Delete the second of two identical lines: the first stays.
      {5, a, std::nullopt, a + "\r\n" + b + "\r\nbad line\r\n" + c + "\r\n"},
      // Saved unchanged: only the empty lines go.
      {0, a, a, a + "\r\n" + b + "\r\nbad line\r\n" + a + "\r\n" + c + "\r\n"},
  };
  for (const Case& k : cases) {
    folder.Write("projrpt.pro", kFile);
    EXPECT_TRUE(Rewrite(k.index, k.text, k.with)) << k.index;
    EXPECT_EQ(folder.Read("projrpt.pro"), k.expected) << k.index;
    EXPECT_FALSE(folder.Exists("report.tmp"));
  }

  folder.Write("projrpt.pro", "A,B,C,D\r\n\r\n");
  EXPECT_TRUE(Rewrite(0, "A,B,C,D", std::nullopt));
  EXPECT_TRUE(folder.Exists("projrpt.pro"));  // the last entry gone leaves an empty report
  EXPECT_EQ(folder.Read("projrpt.pro"), "");
}

// A record is its text: a line that moved since it was read (a rewrite left out the empty lines
// before it, a merge put lines before it) is still found, the first of two identical ones.
TEST_F(ReportStoreTest, ALineThatMovedIsFoundByItsText) {
  const std::string b = "B,12/7/2026 11:00 AM,12/7/2026 12:00 PM,layout, then proofs";
  folder.Write("projrpt.pro", kFile);
  EXPECT_TRUE(Rewrite(50, b, "B,1,2,moved"));
  EXPECT_NE(folder.Read("projrpt.pro").find("same\r\nB,1,2,moved\r\nbad line"), std::string::npos);
  EXPECT_TRUE(Rewrite(1, "A,12/7/2026 9:00 AM,12/7/2026 10:00 AM,same", std::nullopt));
  EXPECT_EQ(folder.Read("projrpt.pro").find("A,"), folder.Read("projrpt.pro").find("A,12/7/2026 9:00 AM,12/7/2026 10:00 AM,same\r\nC"));
}

TEST_F(ReportStoreTest, AStaleLineWritesNothing) {
  folder.Write("projrpt.pro", kFile);
  folder.Write("report.tmp", "left by a crash");
  // A line changed since it was read (at its place or moved), a position past the end.
  EXPECT_FALSE(Rewrite(3, "B,12/7/2026 11:00 AM,12/7/2026 12:00 PM,layout", "X,,,"));
  EXPECT_FALSE(Rewrite(0, "A,12/7/2026 9:00 AM,12/7/2026 10:00 AM,other", std::nullopt));
  EXPECT_FALSE(Rewrite(40, "", std::nullopt));
  EXPECT_EQ(folder.Read("projrpt.pro"), kFile);
  EXPECT_FALSE(folder.Exists("report.tmp"));
  folder.Write("projrpt.pro", "");
  EXPECT_FALSE(Rewrite(0, "", std::nullopt));

  ::unlink(folder.File("projrpt.pro").c_str());
  try {
    Rewrite(0, "A", std::nullopt);
    FAIL() << "no report file";
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), kErrFileNotFound);
  }
}

// Clear and Restore failing at each file step: FailingIoTest.
TEST_F(ReportStoreTest, ClearReportAsksDeletesAndSaysSoButKeepsTheBackup) {
  folder.Write("projrpt.pro", "A,B,C,D\r\n");
  folder.Write("projrpt.bak", "backup\r\n");
  dialogs.answers = {MsgResult::Cancel};
  ClearReport();
  EXPECT_TRUE(folder.Exists("projrpt.pro"));
  ClearReport();  // OK
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
  EXPECT_EQ(folder.Read("projrpt.bak"), "backup\r\n");
  ClearReport();  // nothing to delete: the question only
  EXPECT_EQ(log, (test::EventLog{"box:Delete Reports", "box:Delete Reports", "box:Report File Deleted",
                                 "box:Delete Reports"}));
}

TEST_F(ReportStoreTest, RestoreReportPutsTheBackupInPlaceOrKeepsTheReport) {
  const std::string backup = "old\r\n\r\nbytes \xFF\r\n";
  folder.Write("projrpt.pro", "new\r\n");
  folder.Write("projrpt.bak", backup);
  dialogs.answers = {MsgResult::No};
  RestoreReport();
  EXPECT_EQ(folder.Read("projrpt.pro"), "new\r\n");
  RestoreReport();  // Yes: byte for byte the backup, which stays
  EXPECT_EQ(folder.Read("projrpt.pro"), backup);
  EXPECT_EQ(folder.Read("projrpt.bak"), backup);
  ::unlink(folder.File("projrpt.pro").c_str());  // after Clear Report
  RestoreReport();
  EXPECT_EQ(folder.Read("projrpt.pro"), backup);
  EXPECT_EQ(log, (test::EventLog(3, "box:Restore Report")));
  ::unlink(folder.File("projrpt.bak").c_str());
  RestoreReport();
  EXPECT_EQ(folder.Read("projrpt.pro"), backup);
  EXPECT_EQ(dialogs.shown.back().prompt, kNoBackupMessage);
  EXPECT_FALSE(folder.Exists("report.tmp"));
}

}  // namespace
}  // namespace tw
