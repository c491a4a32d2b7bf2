// tallywright-report: its output, its errors and its exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "report/report_form.h"
#include "tests/support/fakes.h"
#include "summaries/report_command.h"

namespace tw {
namespace {

const char* const kReport =
    "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, then \"proofs\"\r\n"
    "\r\n"
    "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,\r\n"
    "bad line\r\n"
    "Gamma,12/8/2026 9:00 AM,12/8/2026 9:10 AM,one\r\n";

class ReportCommandTest : public test::PlatformTest {
 protected:
  ReportCommandTest() { folder.Write("projrpt.pro", kReport); }
  int Run(std::vector<std::string> args) {
    out.str(""), err.str("");
    return RunReportCommand(args, files, format, clock.now, folder.File("projrpt.pro"), out, err);
  }
  std::ostringstream out, err;
};

TEST_F(ReportCommandTest, PrintsTheWindowsRowsAsTextOrCsv) {
  ASSERT_EQ(Run({}), 0);  // today, from the default file
  EXPECT_EQ(out.str(),
            "Project Name\tStart of Project\tEnd of Project\tProject Time\tComments\n"
            "Alpha\t12/7/2026 9:00:00 AM\t12/7/2026 10:30:00 AM\t01:30:00\tlayout, then \"proofs\"\n"
            "Beta\t12/7/2026 11:00:00 AM\t12/7/2026 1:45:00 PM\t02:45:00\t\n"
            "Total Time:\t\t\t04:15:00\t\n");
  EXPECT_EQ(err.str(), "");

  ASSERT_EQ(Run({"--csv", "--date", "2026-12-07", "--file", folder.File("projrpt.pro")}), 0);
  EXPECT_EQ(out.str(),
            "Project Name,Start of Project,End of Project,Project Time,Comments\r\n"
            "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,01:30:00,\"layout, then \"\"proofs\"\"\"\r\n"
            "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,02:45:00,\r\n"
            "Total Time:,,,04:15:00,\r\n");

  // One row, no total; a day with nothing, the header alone.
  ASSERT_EQ(Run({"--date=2026-12-08", "--csv"}), 0);
  EXPECT_EQ(out.str(),
            "Project Name,Start of Project,End of Project,Project Time,Comments\r\n"
            "Gamma,12/8/2026 9:00 AM,12/8/2026 9:10 AM,00:10:00,one\r\n");
  ASSERT_EQ(Run({"--date", "2031-01-01"}), 0);
  EXPECT_EQ(out.str(), "Project Name\tStart of Project\tEnd of Project\tProject Time\tComments\n");
  EXPECT_EQ(folder.Read("projrpt.pro"), kReport);

  EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
  EXPECT_EQ(CsvField(std::string("nul\0", 4)), std::string("nul\0", 4));
}

TEST(ReportCommandProgram, RunsBesideTheProgramInTheReportsOwnForm) {
  test::TempFolder folder;
  std::filesystem::copy_file(TALLYWRIGHT_REPORT, folder.File("tallywright-report"));
  std::filesystem::permissions(folder.File("tallywright-report"), std::filesystem::perms::owner_all);
  // Written under German conventions, with their form kept beside the report, and read under
  // United States ones.
  folder.Write("projrpt.pro", "A,07.12.2026 09:00:00,07.12.2026 10:00:00,x\r\n"
                              "B,07.12.2026 11:00:00,07.12.2026 11:30:00,y\r\n");
  folder.Write("projrpt.fmt", FormText(test::GermanFormat().data()));
  const std::string run = "cd / && LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 " + folder.File("tallywright-report");
  auto status = [](int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; };
  EXPECT_EQ(status(std::system((run + " --date 2026-12-07 --csv >" + folder.File("out") + " 2>" + folder.File("err")).c_str())), 0);
  EXPECT_EQ(folder.Read("out"),
            "Project Name,Start of Project,End of Project,Project Time,Comments\r\n"
            "A,07.12.2026 09:00:00,07.12.2026 10:00:00,01:00:00,x\r\n"
            "B,07.12.2026 11:00:00,07.12.2026 11:30:00,00:30:00,y\r\n"
            "Total Time:,,,01:30:00,\r\n");
  EXPECT_EQ(status(std::system((run + " --date 2026-12-32 >" + folder.File("out") + " 2>" + folder.File("err")).c_str())), 2);
  EXPECT_EQ(folder.Read("out"), "");
  EXPECT_EQ(folder.Read("err"), "tallywright-report: '2026-12-32' is not a date; give it as YYYY-MM-DD\n");
}

}  // namespace
}  // namespace tw
