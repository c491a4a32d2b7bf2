// Every file-changing operation killed at every step: its target is old or new, and the next run completes.
#include <gtest/gtest.h>

#include "tests/reliability/operations.h"
#include "tests/support/crash_harness.h"

namespace tw {
namespace {

class CrashTest : public test::PlatformTest {
 protected:
  test::FakeMainView form;
};

TEST_F(CrashTest, EveryTargetIsOldOrNewAfterAKill) {
  int total = 0;
  for (const test::Operation& op : test::FileOperations(folder, form, dialogs, 20000)) {
    test::CrashHarness harness(files, op.prepare, [&op] { op.run(); }, [&] {
      const std::string found = test::Content(folder, op.target);
      EXPECT_TRUE(found == op.before || found == op.after)
          << op.name << " left " << found.size() << " bytes: [" << found.substr(0, 200) << "]";
      files.SetHook(nullptr);
      if (op.restart) {
        op.restart();
        EXPECT_EQ(test::Content(folder, op.target), op.after) << op.name;
        return;
      }
      // Killed before its change, the next run starts from what the kill left (another append would add a line).
      if (found != op.before || op.name == "append") return;
      EXPECT_TRUE(op.run()) << op.name;
      EXPECT_EQ(test::Content(folder, op.target), op.after) << op.name;
      EXPECT_FALSE(folder.Exists("report.tmp") || folder.Exists("projrpt.bak.tmp") ||
                   folder.Exists("project.lst.tmp") || folder.Exists("projrpt.run.tmp"))
          << op.name;
    });
    const int atSteps = harness.KillAtEveryStep();
    const int atRandom = harness.KillAtRandomMoments(test::RandomKillsPerOperation(), 7);
    std::printf("%-13s %3d kills at file steps, %3d at random moments\n", op.name.c_str(), atSteps,
                atRandom);
    EXPECT_GE(atSteps, 2) << op.name;
    total += atSteps + atRandom;
  }
  std::printf("%d kills in all\n", total);
}

}  // namespace
}  // namespace tw
