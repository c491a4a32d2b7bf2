// Every operation that changes a file, killed at every step and at random moments: each file is
// afterwards byte for byte its old content or its new content, and the next run goes on from there.
#include <gtest/gtest.h>

#include "report/append.h"
#include "report/backup.h"
#include "tests/support/crash_harness.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

class CrashTest : public test::PlatformTest {
 protected:
  void Expect(const std::string& name, std::initializer_list<std::string> allowed) {
    const std::string actual = folder.Exists(name) ? folder.Read(name) : std::string("<missing>");
    for (const std::string& a : allowed)
      if (actual == a) return;
    ADD_FAILURE() << name << " holds something else: [" << actual << "]";
  }
  void Report(const char* operation, const test::KillCounts& counts) {
    std::printf("%s: %d kills at steps, %d at random moments\n", operation, counts.atSteps,
                counts.atRandom);
    EXPECT_GT(counts.atSteps, 0);
  }
};

TEST_F(CrashTest, AnAppendIsWholeOrAbsent) {
  const std::string before = "Alpha,1/1/2026 9:00 AM,1/1/2026 10:00 AM,\r\nhalf a line";
  const std::string line = "Beta,12/7/2026 9:00 PM,12/7/2026 9:01:23 PM,late\r\n";
  test::FakeMainView form;
  form.typed = "Beta";
  form.comments = "late";
  test::CrashHarness harness(
      files, [&] { folder.Write("projrpt.pro", before); },
      [&] { Setup::WriteRecord(form, "12/7/2026 9:00 PM", "12/7/2026 9:01:23 PM"); },
      [&] { Expect("projrpt.pro", {before, before + "\r\n" + line}); });
  test::KillCounts counts;
  counts.atSteps = harness.KillAtEveryStep();
  counts.atRandom = harness.KillAtRandomMoments(test::RandomKillsPerOperation(), 1);
  Report("append", counts);
}

TEST_F(CrashTest, TheBackupIsTheOldOneOrACompleteCopy) {
  std::string report;
  for (int i = 0; i < 20000; ++i) report += "P" + std::to_string(i) + ",1/1/2026 9:00 AM,1/1/2026 10:00 AM,c\r\n";
  test::CrashHarness harness(
      files,
      [&] {
        folder.Write("projrpt.pro", report);
        folder.Write("projrpt.bak", "old backup\r\n");
      },
      [&] { BackupReport(files, folder.path()); },
      [&] {
        Expect("projrpt.bak", {"old backup\r\n", report});
        Expect("projrpt.pro", {report});
        // Whatever scratch file a kill left, the next backup is complete and takes it away.
        BackupReport(files, folder.path());
        Expect("projrpt.bak", {report});
        EXPECT_FALSE(folder.Exists("projrpt.bak.tmp"));
      });
  test::KillCounts counts;
  counts.atSteps = harness.KillAtEveryStep();
  counts.atRandom = harness.KillAtRandomMoments(test::RandomKillsPerOperation(), 2);
  Report("backup", counts);
}

}  // namespace
}  // namespace tw
