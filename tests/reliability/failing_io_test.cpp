// Every file-changing operation with each step failing in turn: told, and its target old or completely new.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "errors/error.h"
#include "tests/reliability/operations.h"

namespace tw {
namespace {

class FailingIoTest : public test::PlatformTest {
 protected:
  test::FakeMainView form;
};

TEST_F(FailingIoTest, EveryFailurePointKeepsTheDataAndIsReported) {
  int points = 0;
  for (const test::Operation& op : test::FileOperations(folder, form, dialogs, 200)) {
    for (int err : {ENOSPC, EIO, EACCES}) {
      for (int n = 1;; ++n) {
        op.prepare();
        std::atomic<int> steps = 0;  // counted on the writer thread too
        files.SetHook([&](FileStep, const std::string&) { return ++steps == n ? err : 0; });
        dialogs.answers = {};
        dialogs.shown.clear();
        const bool success = op.run();
        files.SetHook(nullptr);
        const std::string found = test::Content(folder, op.target);
        if (steps < n) {  // the operation has fewer steps: it ran to its end untouched
          EXPECT_TRUE(success) << op.name;
          EXPECT_EQ(found, op.after) << op.name;
          break;
        }
        ++points;
        const std::string where = op.name + " failing at step " + std::to_string(n) + " with " +
                                  std::to_string(err);
        EXPECT_TRUE(found == op.before || found == op.after) << where;
        if (found == op.before) {
          EXPECT_FALSE(success) << where;
        }
        if (success) {
          EXPECT_EQ(found, op.after) << where;
        } else if (!op.location.empty() && found == op.before) {
          // Told under the routine's own location (reading the list back after the change is the reading routine's).
          const auto told = std::find_if(dialogs.shown.begin(), dialogs.shown.end(), [&](const test::ShownBox& b) {
            return b.title.rfind("Design-Time Error [", 0) == 0;
          });
          ASSERT_NE(told, dialogs.shown.end()) << where;
          EXPECT_EQ(told->title.substr(told->title.size() - op.location.size() - 2), "[" + op.location + "]")
              << where;
        }
        EXPECT_FALSE(folder.Exists("report.tmp") || folder.Exists("projrpt.bak.tmp") ||
                     folder.Exists("project.lst.tmp") || folder.Exists("projrpt.run.tmp"))
            << where;
        if (op.restart) {  // a failed end keeps the running stretch for the next start
          op.restart();
          EXPECT_EQ(test::Content(folder, op.target), op.after) << where;
        }
      }
    }
  }
  std::printf("%d failure points tried\n", points);
  EXPECT_GT(points, 100);
}

}  // namespace
}  // namespace tw
