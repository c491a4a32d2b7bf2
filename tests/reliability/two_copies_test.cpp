// Two copies in one folder, one appending while the other rewrites: every record arrives once, whole.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "store/record_store.h"
#include "tracking/write_record.h"
#include "platform/lines.h"
#include "report/rewrite.h"
#include "tests/reliability/hostile_files.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

class TwoCopiesTest : public test::PlatformTest {};

constexpr int kAppends = 1000;

TEST_F(TwoCopiesTest, AppendsWhileTheOtherCopyRewritesAreNeverLost) {
  folder.Write("projrpt.pro", "Sentinel,1/1/2026 9:00 AM,1/1/2026 10:00 AM,0\r\n");
  const pid_t appender = ::fork();
  ASSERT_GE(appender, 0);
  if (appender == 0) {
    test::FakeMainView form;
    form.SetProjectText("Copy A");
    for (int i = 0; i < kAppends; ++i) {
      form.SetComments(std::to_string(i));
      if (!Setup::WriteRecord(form, "12/7/2026 9:00 AM", "12/7/2026 9:30 AM")) ::_exit(1);
    }
    ::_exit(0);
  }
  const pid_t rewriter = ::fork();
  ASSERT_GE(rewriter, 0);
  if (rewriter == 0) {
    // The other copy edits the first entry again and again, each time through report.tmp.
    int rewrites = 0;
    while (!folder.Exists("done")) {
      SourceLine first;
      first.text = test::NonEmptyLines(folder.Read("projrpt.pro")).at(0);
      const std::string replacement =
          "Sentinel,1/1/2026 9:00 AM,1/1/2026 10:00 AM," + std::to_string(++rewrites);
      if (!RewriteReportLine(files, folder.path(), first, replacement)) ::_exit(1);
    }
    ::_exit(rewrites > 10 ? 0 : 2);
  }
  int status = 0;
  ::waitpid(appender, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  folder.Write("done", "");
  ::waitpid(rewriter, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the rewriter did not run alongside";

  const std::vector<std::string> lines = test::NonEmptyLines(folder.Read("projrpt.pro"));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("Sentinel,", 0), 0u);
  std::set<std::string> seen;
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].rfind("Copy A,12/7/2026 9:00 AM,12/7/2026 9:30 AM,", 0), 0u) << lines[i];
    seen.insert(lines[i]);
  }
  EXPECT_EQ(lines.size(), kAppends + 1u);
  EXPECT_EQ(seen.size(), static_cast<size_t>(kAppends));
  std::printf("%zu of %d concurrent appends counted\n", seen.size(), kAppends);
}

}  // namespace
}  // namespace tw
