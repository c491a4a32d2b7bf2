// The running stretch saved on disk, and the start-up question that offers it back.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/shared_folder.h"
#include "tests/support/fakes.h"
#include "tracking/elsewhere.h"
#include "tracking/running.h"
#include "tracking/stretch.h"
#include "tracking/tracker.h"
#include "platform/folder_owner.h"

namespace tw {
namespace {

class RunningTest : public test::PlatformTest {};

TEST_F(RunningTest, SavedWhileRunningAndOfferedBackOnce) {
  test::FakeMainView form;
  form.SetProjectText("Gamma");
  form.SetComments("notes\r\nmore, later");
  platform().ownsDataFolder = false;
  form.tracker().StartProject();  // another copy owns this folder and keeps the file: this one saves nothing
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
    restarted.ClearProjects(), restarted.AddProjects({"Alpha", "Gamma"});
    dialogs.answers = {answer};
    dialogs.shown.clear(), log.clear();
    LogFileSteps();
    restarted.tracker().OfferSaved();
    WaitForRunningFile();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "The stretch of Gamma started 12/7/2026 9:01:23 PM was still running "
                                       "when Tallywright last ended, at about 12/7/2026 10:15:00 PM.");
    EXPECT_EQ(dialogs.shown[0].title, "Tallywright");
    // Nothing is written before the answer.
    const test::EventLog before(log.begin(), std::find(log.begin(), log.end(), "choose:Tallywright"));
    EXPECT_TRUE(std::all_of(before.begin(), before.end(), [](const std::string& e) {
      return e.starts_with("open:") || e.starts_with("read:") || e.starts_with("lock:");
    })) << before.size();
    if (answer == 0) {  // Keep Running: back in the window, running; End Project records it
      EXPECT_EQ(restarted.StartText() + "|" + restarted.ProjectText() + "|" + restarted.Comments() + "|" + restarted.EndText(),
                "12/7/2026 9:01:23 PM|Gamma|notes more, later|");
      EXPECT_TRUE(folder.Exists("projrpt.run"));
      restarted.tracker().EndProject();
    }
    const char* records[] = {"Gamma,12/7/2026 9:01:23 PM,12/8/2026 9:00:00 AM,notes more, later\r\n",
                             "Gamma,12/7/2026 9:01:23 PM,12/7/2026 10:15:00 PM,notes more, later\r\n", "<missing>"};
    EXPECT_EQ(folder.Exists("projrpt.pro") ? folder.Read("projrpt.pro") : "<missing>", records[answer]);
    EXPECT_FALSE(folder.Exists("projrpt.run")) << answer;
  }
}

TEST_F(RunningTest, OfferedOnlyWhenNotRecordedAndOnlyAsItCanBeRecorded) {
  const std::string start = "12/7/2026 9:01:23 PM", seen = "12/7/2026 10:15:00 PM", later = "12/7/2026 11:00:00 PM";
  const std::string record = "Gamma," + start + "," + seen + ",notes";
  const std::string other = "Alpha,12/8/2026 8:00:00 AM,12/8/2026 8:30:00 AM,\r\n";
  const auto file = [](const std::string& from, const std::string& at, const std::string& noted) {
    return RunningFileText({"Gamma", from, "notes", at, noted, ""});
  };
  struct Case {
    std::string run, report;
    int buttons;          // of the question; 0: no question, and the file is removed
    std::string written;  // End Then's record (the first answer after Keep Running)
  } cases[] = {
      {file(start, seen, record), record + "\r\n" + other, 0, ""},  // noted, another record after it
      {file(start, seen, record), other + record, 0, ""},             // noted, the last line without its end
      {file(start, seen, ""), other + record + "\r\n", 0, ""},        // the note failed, the record is there
      // An earlier record of this start: End Project, then Start Project took the start up again.
      {file(start, later, ""), record + "\r\n", 3, "Gamma," + start + "," + later + ",notes\r\n"},
      {"\xEF\xBB\xBF" + file(start, seen, ""), "", 3, record + "\r\n"},
      {file("yesterday", seen, ""), "", 2, ""},
      {file(start, "12/7/2026 8:00:00 PM", ""), "", 2, ""},
  };
  for (const Case& c : cases) {
    folder.Write("projrpt.run", c.run);
    folder.Write("projrpt.pro", c.report);
    dialogs.shown.clear();
    dialogs.answers = {1};  // End Then, or Discard where those are the only two
    test::FakeMainView restarted;
    restarted.tracker().OfferSaved();
    WaitForRunningFile();
    EXPECT_EQ(dialogs.shown.empty() ? 0 : -dialogs.shown[0].style, c.buttons) << c.run;
    EXPECT_EQ(folder.Read("projrpt.pro"), c.report + c.written) << c.run;
    EXPECT_FALSE(folder.Exists("projrpt.run")) << c.run;
  }
  // Larger than any stretch the program saves: named, and left as it is.
  folder.Write("projrpt.run", file(start, seen, std::string(700'000, 'x')));
  dialogs.shown.clear();
  test::FakeMainView restarted;
  restarted.tracker().OfferSaved();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_NE(dialogs.shown[0].prompt.find(folder.File("projrpt.run")), std::string::npos);
  EXPECT_TRUE(folder.Exists("projrpt.run") && restarted.StartText().empty());
}

// In a shared folder, the stretches other machines run, while their files keep being refreshed.
TEST_F(RunningTest, OtherMachinesStretchesAreShownWhileTheirFilesAreFresh) {
  const std::string start = "12/7/2026 9:01:23 PM";
  const auto run = [&](const char* device, const char* project, const std::string& record) {
    folder.Write(DeviceFileName(kRunningFile, device), RunningFileText({project, start, "", start, record, ""}));
  };
  run("desk", "Alpha", ""), run("laptop", "Beta", ""), run("tablet", "Gamma", "Gamma,1,2,");  // tablet's has ended
  // Now as the files' own times tell it: the system's coarse clock may stand behind them.
  struct stat written {};
  ASSERT_EQ(::stat(folder.File(DeviceFileName(kRunningFile, "laptop")).c_str(), &written), 0);
  const std::int64_t now = written.st_mtime;
  EXPECT_TRUE(RunningOnOtherMachines(files, folder.path(), "desk", now).empty());  // a folder not shared
  folder.Write(kSharedMarker, SharedMarkerText("desk"));
  EXPECT_EQ(AlsoRunningText(RunningOnOtherMachines(files, folder.path(), "desk", now)),
            "Also running on laptop: Beta since " + start);
  EXPECT_TRUE(RunningOnOtherMachines(files, folder.path(), "desk", now + kFreshRunningSeconds + 1).empty());
}

TEST_F(RunningTest, AFolderThatRefusesTheFileIsToldAndTheRecordStaysSingle) {
  test::FakeMainView form;
  form.SetProjectText("Gamma");
  form.tracker().StartProject();
  WaitForRunningFile();
  EXPECT_EQ(RunningSaveProblem(), "");
  // The folder turns read-only; the report itself can still be appended to.
  files.SetHook([](FileStep, const std::string& path) { return path.find("projrpt.run") != std::string::npos ? EROFS : 0; });
  SaveRunning(form);
  WaitForRunningFile();
  EXPECT_EQ(RunningSaveProblem(), "The running stretch could not be saved: Read-only file system");
  EXPECT_TRUE(form.tracker().EndProject());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt.rfind("The stretch is recorded in the report, but", 0), 0u);
  files.SetHook(nullptr);
  form.tracker().OfferSaved();  // the next start: the record is there, nothing is asked
  WaitForRunningFile();
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(folder.Read("projrpt.pro"), "Gamma,12/7/2026 9:01:23 PM,12/7/2026 9:01:23 PM,\r\n");
  EXPECT_FALSE(folder.Exists("projrpt.run"));
  form.tracker().ClearScreen();
  clock.now.seconds += 60;
  form.tracker().StartProject();  // a save that works ends the message
  WaitForRunningFile();
  EXPECT_EQ(RunningSaveProblem(), "");
  // The other way round: a report that refuses the record leaves the stretch saved, to be offered.
  files.SetHook([](FileStep, const std::string& path) { return path.ends_with("projrpt.pro") ? ENOSPC : 0; });
  EXPECT_FALSE(form.tracker().EndProject());
  files.SetHook(nullptr);
  EXPECT_NE(folder.Read("projrpt.run").find("Project=Gamma"), std::string::npos);
}

// Enter and Escape on the start-up question keep the stretch running: nothing is lost to a key.
TEST_F(RunningTest, EnterAndEscapeOnTheStartUpQuestionKeepTheStretch) {
  const std::string start = "12/7/2026 9:01:23 PM";
  for (const std::string& from : {start, std::string("yesterday")})  // offered whole, and with a flaw
    for (const bool escape : {false, true}) {
      folder.Write("projrpt.run", RunningFileText({"Gamma", from, "", start, "", ""}));
      dialogs.answers.clear();
      if (escape) dialogs.answers = {test::FakeDialogs::kEscape};
      test::FakeMainView restarted;
      restarted.tracker().OfferSaved();
      WaitForRunningFile();
      EXPECT_EQ(restarted.StartText(), from) << escape;
      EXPECT_TRUE(folder.Exists("projrpt.run"));
    }
}

// A window that had to wait for the folder (another copy had it) records the stretch saved there
// meanwhile as last seen once the folder is its own, and keeps its own running.
TEST_F(RunningTest, AWindowGivenTheFolderLateRecordsTheStretchSavedMeanwhile) {
  for (const bool savedMeanwhile : {false, true}) {
    folder.Write("projrpt.pro", "");
    std::remove(folder.File("projrpt.run").c_str());
    test::FakeMainView form;
    form.tracker().TakeClaim(nullptr);
    form.SetProjectText("Gamma");
    form.tracker().StartProject();
    if (savedMeanwhile)
      folder.Write("projrpt.run", RunningFileText({"Alpha", "12/7/2026 6:00:00 PM", "", "12/7/2026 7:00:00 PM", "", ""}));
    ASSERT_TRUE(form.tracker().TryClaim());
    WaitForRunningFile();
    EXPECT_EQ(folder.Read("projrpt.pro"), savedMeanwhile ? "Alpha,12/7/2026 6:00:00 PM,12/7/2026 7:00:00 PM,\r\n" : "");
    EXPECT_NE(folder.Read("projrpt.run").find("Project=Gamma"), std::string::npos);
  }
}

// With no program running, the command acts on the folder only while it holds it.
TEST_F(RunningTest, TheCommandWithNoProgramWaitsForTheFolderAndIsRefusedWhileItIsHeld) {
  auto held = ClaimFolder(folder.path(), 0, false);
  ASSERT_NE(held, nullptr);
  TrackerModel command;
  command.ActOnFolder([] {});
  EXPECT_THROW(command.Start("Gamma", std::nullopt, AwayRule::kKeepAway, {}), ControlError);
  EXPECT_FALSE(folder.Exists("projrpt.run"));
  held.reset();
  command.Start("Gamma", std::nullopt, AwayRule::kKeepAway, {});
  WaitForRunningFile();
  EXPECT_TRUE(folder.Exists("projrpt.run"));
  // A window, though, starts as its button does, the folder its own or not.
  test::FakeMainView window;
  window.tracker().TakeClaim(nullptr);
  window.tracker().Start("Beta", std::nullopt, AwayRule::kKeepAway, {});
  EXPECT_TRUE(window.tracker().IsRunning());
}

}  // namespace
}  // namespace tw
