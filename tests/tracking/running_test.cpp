// The running stretch saved on disk, and the start-up question that offers it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "tests/support/fakes.h"
#include "tracking/running.h"
#include "tracking/stretch.h"

namespace tw {
namespace {

class RunningTest : public test::PlatformTest {};

TEST_F(RunningTest, SavedWhileRunningAndOfferedBackOnce) {
  test::FakeMainView form;
  form.typed = "Gamma";
  form.comments = "notes\r\nmore, later";
  platform().ownsDataFolder = false;
  StartProject(form);  // another copy owns this folder and keeps the file: this one saves nothing
  EXPECT_FALSE(WaitForRunningFile() && folder.Exists("projrpt.run"));
  platform().ownsDataFolder = true;
  clock.now = MakeDateTime({2026, 12, 7}, 22, 15, 0);  // the last minute it was seen running
  SaveRunning(form);
  WaitForRunningFile();
  const std::string saved = folder.Read("projrpt.run");
  EXPECT_EQ(saved, "Tallywright running stretch\r\nProject=Gamma\r\nStart=12/7/2026 9:01:23 PM\r\n"
                   "Comment=notes more, later\r\nLastSeen=12/7/2026 10:15:00 PM\r\nEnd\r\n");
  // Cut short anywhere, it is no stretch: start-up neither asks nor records.
  for (size_t n = 0; n < saved.size(); ++n) EXPECT_FALSE(ParseRunningFile(saved.substr(0, n))) << n;
  clock.now = MakeDateTime({2026, 12, 8}, 9, 0, 0);
  for (int answer : {0, 1, 2}) {
    folder.Write("projrpt.run", saved);
    std::remove(folder.File("projrpt.pro").c_str());
    test::FakeMainView restarted;
    restarted.projects = {"Alpha", "Gamma"};
    dialogs.answers = {answer};
    dialogs.shown.clear(), log.clear();
    LogFileSteps();
    OfferRunningStretch(restarted);
    WaitForRunningFile();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "The stretch of Gamma started 12/7/2026 9:01:23 PM was still running "
                                       "when Tallywright last ended, at about 12/7/2026 10:15:00 PM.");
    EXPECT_EQ(dialogs.shown[0].title, "Tallywright");
    // Nothing is written before the answer.
    EXPECT_EQ(test::EventLog(log.begin(), std::find(log.begin(), log.end(), "choose:Tallywright")),
              (test::EventLog{"open:projrpt.run", "read:projrpt.run", "read:projrpt.run"}));
    if (answer == 0) {  // Keep Running: back in the window, running; End Project records it
      EXPECT_EQ(restarted.start + "|" + restarted.ProjectText() + "|" + restarted.comments + "|" + restarted.end,
                "12/7/2026 9:01:23 PM|Gamma|notes more, later|");
      EXPECT_TRUE(folder.Exists("projrpt.run"));
      EndProject(restarted);
    }
    const char* records[] = {"Gamma,12/7/2026 9:01:23 PM,12/8/2026 9:00:00 AM,notes more, later\r\n",
                             "Gamma,12/7/2026 9:01:23 PM,12/7/2026 10:15:00 PM,notes more, later\r\n", "<missing>"};
    EXPECT_EQ(folder.Exists("projrpt.pro") ? folder.Read("projrpt.pro") : "<missing>", records[answer]);
    EXPECT_FALSE(folder.Exists("projrpt.run")) << answer;
  }
}

// Ended, but cut short before its saved copy went (the removal fails as a crash there would leave
// it): the next start finds the record at the report's end and neither asks nor records it again.
TEST_F(RunningTest, AStretchRecordedBeforeItsCopyWentIsNotOfferedAgain) {
  for (const char* before : {"", "A,1/1/2026,1/2/2026,\r\n"}) {  // its record alone, or the last
    test::FakeMainView form;
    form.typed = "Gamma";
    form.comments = "notes";
    folder.Write("projrpt.pro", before);
    StartProject(form);
    WaitForRunningFile();
    FailStep(FileStep::Remove, 1, EIO);
    EXPECT_TRUE(EndProject(form));
    WaitForRunningFile();
    files.SetHook(nullptr);
    ASSERT_TRUE(folder.Exists("projrpt.run"));
    const std::string report = folder.Read("projrpt.pro");
    test::FakeMainView restarted;
    OfferRunningStretch(restarted);
    WaitForRunningFile();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(folder.Read("projrpt.pro"), report);
    EXPECT_FALSE(folder.Exists("projrpt.run"));
  }
}

}  // namespace
}  // namespace tw
