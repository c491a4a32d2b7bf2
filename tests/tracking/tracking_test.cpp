// Start Project, End Project and the length of a stretch.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "errors/error.h"
#include "platform/shared_folder.h"
#include "state/main_view.h"
#include "store/data_folder.h"
#include "store/record_store.h"
#include "tests/support/fakes.h"
#include "tracking/calculate_time.h"
#include "tracking/stretch.h"
#include "tracking/tracker.h"
#include "tracking/write_record.h"

namespace tw {
namespace {

class TrackingTest : public test::PlatformTest {
 protected:
  test::FakeMainView form;
};

TEST_F(TrackingTest, CalculateTimeGivesTheWholeLengthWithoutSign) {
  using Setup::CalculateTime;
  EXPECT_EQ(CalculateTime("12/7/2026 11:59:50 PM", "12/8/2026 12:00:10 AM"), "00:00:20");
  EXPECT_EQ(CalculateTime("9:00", "17:30"), "08:30:00");
  // Past a day the hours go on counting; an end before the start gives the gap.
  EXPECT_EQ(CalculateTime("12/7/2026 8:00 AM", "12/8/2026 10:00 AM"), "26:00:00");
  EXPECT_EQ(CalculateTime("12/7/2026 5:00 PM", "12/7/2026 9:00 AM"), "08:00:00");
  EXPECT_EQ(CalculateTime("", "12/7/2026 9:00 AM"), "");
  EXPECT_EQ(CalculateTime("12/7/2026 9:00 AM", "soon"), "");
}

TEST_F(TrackingTest, CalculateTimeCountsRealTimeAcrossClockChanges) {
  test::EasternTime zone;
  EXPECT_EQ(Setup::CalculateTime("3/8/2026 1:00:00 AM", "3/8/2026 3:00:00 AM"), "01:00:00");
  EXPECT_EQ(Setup::CalculateTime("11/1/2026 12:30 AM", "11/1/2026 2:30 AM"), "03:00:00");
  // 1:30 happens twice that night; the first is taken.
  EXPECT_EQ(Setup::CalculateTime("11/1/2026 12:30 AM", "11/1/2026 1:30 AM"), "01:00:00");
  EXPECT_EQ(Setup::CalculateTime("11/1/2026 1:30 AM", "11/1/2026 3:00 AM"), "02:30:00");
}

TEST_F(TrackingTest, StartKeepsATypedStartAndEmptiesTheEnd) {
  form.SetEndText("12/7/2026 5:00 PM");
  form.tracker().StartProject();
  EXPECT_EQ(form.StartText(), "12/7/2026 9:01:23 PM");
  EXPECT_EQ(form.EndText(), "");
  form.SetStartText("9:00");
  form.tracker().StartProject();  // a second press does not renew the start
  EXPECT_EQ(form.StartText(), "9:00");
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
}

// A stretch is recorded once: End again, or Start taking the old start up and End, change its one record.
TEST_F(TrackingTest, EndShowsTheLengthAndRecordsAStretchOnce) {
  form.ClearProjects(), form.AddProjects({"Alpha", "Beta", ""});
  form.SetProjectIndex(1);
  form.SetStartText("12/7/2026 8:31:23 PM");
  form.SetComments("layout, then proofs");
  form.tracker().EndProject();
  EXPECT_EQ(form.EndText(), "12/7/2026 9:01:23 PM");
  EXPECT_EQ(form.TimeCalc(), "00:30:00");
  clock.now.seconds += 600;
  form.tracker().EndProject();  // the end already shown stays, and the record with it
  const std::string line = "Beta,12/7/2026 8:31:23 PM,12/7/2026 9:01:23 PM,layout, then proofs\r\n";
  EXPECT_EQ(folder.Read("projrpt.pro"), line);
  form.tracker().StartProject();  // the start kept: the same stretch goes on
  EXPECT_EQ(form.StartText(), "12/7/2026 8:31:23 PM");
  clock.now.seconds += 600;
  form.tracker().EndProject();
  const std::string longer = "Beta,12/7/2026 8:31:23 PM,12/7/2026 9:21:23 PM,layout, then proofs\r\n";
  EXPECT_EQ(folder.Read("projrpt.pro"), longer);
  // Its report gone (by hand, say): ended again with the same end, it is written again.
  std::remove(folder.File("projrpt.pro").c_str());
  form.tracker().EndProject();
  EXPECT_EQ(folder.Read("projrpt.pro"), longer);
  // Moved by a line written before it (a merge, say): found again by its text.
  folder.Write("projrpt.pro", "Alpha,12/7/2026 7:00:00 PM,12/7/2026 7:30:00 PM,\r\n" + longer);
  form.SetEndText("12/7/2026 9:31:23 PM");
  form.tracker().EndProject();
  EXPECT_EQ(folder.Read("projrpt.pro"), "Alpha,12/7/2026 7:00:00 PM,12/7/2026 7:30:00 PM,\r\n"
                                        "Beta,12/7/2026 8:31:23 PM,12/7/2026 9:31:23 PM,layout, then proofs\r\n");
  folder.Write("projrpt.pro", line);
  // No entry selected: the typed text is the project, as one field; no start, an empty start.
  form.SetProjectIndex(-1);
  form.SetProjectText("Typed, new");
  form.SetStartText("");
  form.SetEndText("");
  form.SetComments("");
  form.tracker().EndProject();
  EXPECT_EQ(form.TimeCalc(), "");
  EXPECT_EQ(folder.Read("projrpt.pro"), line + "Typed  new,,12/7/2026 9:21:23 PM,\r\n");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TrackingTest, AFailedAppendIsReportedAndNothingIsWritten) {
  folder.Write("projrpt.pro", "A,1/1/2026,1/1/2026 1:00 AM,\r\n");
  form.SetStartText("12/7/2026 8:00 PM");
  FailStep(FileStep::Write, 2, ENOSPC);  // the first keeps the report's date form beside it
  dialogs.answers = {Error::kIgnore};  // the developer goes on past the failure
  EXPECT_FALSE(form.tracker().EndProject());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].title, "Design-Time Error [61] [Setup/WriteRecord]");
  EXPECT_EQ(dialogs.shown[1].prompt, "There was an error writing to the report");
  EXPECT_EQ(folder.Read("projrpt.pro"), "A,1/1/2026,1/1/2026 1:00 AM,\r\n");
  EXPECT_EQ(form.TimeCalc(), "01:01:23");
  // A window that cannot show the length: nothing recorded, and End Project tells End Then so.
  struct NoLength : TrackerModel {
    void SetTimeCalc(const std::string&) override { throw RunError(5, "frmMain", "Invalid procedure call"); }
  } noLength;
  noLength.SetStartText(form.StartText());
  dialogs.answers = {Error::kAbort};
  EXPECT_FALSE(noLength.EndProject());
  EXPECT_EQ(folder.Read("projrpt.pro"), "A,1/1/2026,1/1/2026 1:00 AM,\r\n");
}

// The same stretch ended again in a shared folder: its one record amended, however often. Edited
// meanwhile (the report window, another machine), the edit stays and the stretch is recorded anew.
TEST_F(TrackingTest, EndedAgainInASharedFolderAmendsItsOneRecordButNeverOverAnEdit) {
  settings.values[kDeviceNameKey] = "desk";
  ShareFolder(files, folder.path(), "desk");
  const auto rows = [&] {
    std::string all;
    for (const StoredStretch& s : RecordStore::OfProgram().Stretches(Period{clock.now.day, clock.now.day}))
      all += s.shown + "|";
    return all;
  };
  form.SetProjectText("Beta");
  form.SetStartText("12/7/2026 8:31:23 PM");
  for (int end = 0; end < 3; ++end, clock.now.seconds += 600) {
    form.tracker().StartProject();
    form.tracker().EndProject();
  }
  EXPECT_EQ(rows(), "Beta,12/7/2026 8:31:23 PM,12/7/2026 9:21:23 PM,|");
  const StoredStretch ended = RecordStore::OfProgram().Stretches(Period{clock.now.day, clock.now.day}).at(0);
  ASSERT_TRUE(ChangeRecord(files, ProgramDataFolder(), RefOf(ended),
                           std::string("Beta,12/7/2026 8:31:23 PM,12/7/2026 9:21:23 PM,edited"), 1'800'000'000));
  form.tracker().StartProject();
  form.tracker().EndProject();
  EXPECT_EQ(rows(), "Beta,12/7/2026 8:31:23 PM,12/7/2026 9:21:23 PM,edited|"
                    "Beta,12/7/2026 8:31:23 PM,12/7/2026 9:31:23 PM,|");
}

// Any character is a name or a comment; only text that is not UTF-8 is refused. The comment is cut
// where the window's box cuts it: UTF-16 units, two for a character past the Basic Plane.
TEST_F(TrackingTest, NamesTakeAnyCharacterAndTheCommentIsCutAsTheBoxCutsIt) {
  for (const char* name : {"Caf\xC3\xA9", "\xE6\x97\xA5\xE6\x9C\xAC", "Launch \xF0\x9F\x9A\x80"})
    EXPECT_NO_THROW(CheckStartArguments(name, name)) << name;
  for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "caf\xC3", "\xE6\x97", "\xA9", "\xFF"})
    EXPECT_THROW(CheckStartArguments(bad, ""), ControlError) << bad;
  const std::string head(kMaxCommentChars - 1, 'a'), rocket = "\xF0\x9F\x9A\x80";
  form.tracker().SetComments(head.substr(1) + rocket + "b");
  EXPECT_EQ(form.tracker().Comments(), head.substr(1) + rocket);
  form.tracker().SetComments(head + "\xC3\xA9" + "b");
  EXPECT_EQ(form.tracker().Comments(), head + "\xC3\xA9");
}

// A switch in the second the stretch began records both: the second stretch is not the first ended again.
TEST_F(TrackingTest, ASwitchInTheSecondTheStretchBeganRecordsBoth) {
  form.tracker().Start("Alpha", std::nullopt, AwayRule::kKeepAway, {});
  form.tracker().Start("Beta", std::nullopt, AwayRule::kKeepAway, {});
  clock.now.seconds += 600;
  form.tracker().End(AwayRule::kKeepAway, {});
  EXPECT_EQ(folder.Read("projrpt.pro"), "Alpha,12/7/2026 9:01:23 PM,12/7/2026 9:01:23 PM,\r\n"
                                        "Beta,12/7/2026 9:01:23 PM,12/7/2026 9:11:23 PM,\r\n");
}

// Continue takes up the stretch that ended last (of two at once, the one begun later), not the one
// begun last, wherever its record stands in the report.
TEST_F(TrackingTest, ContinueTakesUpTheStretchThatEndedLast) {
  const std::string morning = "Beta,12/7/2026 8:00:00 AM,12/7/2026 12:00:00 PM,proofs\r\n"
                              "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:00:00 AM,\r\n"
                              "Delta,12/7/2026 7:00:00 AM,,\r\n";
  for (const auto& [report, taken] : {std::pair{morning, "Beta|proofs"},
                                      {morning + "Gamma,12/7/2026 11:00:00 AM,12/7/2026 12:00:00 PM,notes\r\n", "Gamma|notes"}}) {
    folder.Write("projrpt.pro", report);
    test::FakeMainView view;
    view.tracker().Continue({});
    EXPECT_EQ(view.ProjectText() + "|" + view.Comments(), taken);
  }
}

}  // namespace
}  // namespace tw
