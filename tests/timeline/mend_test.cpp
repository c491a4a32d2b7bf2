// The timeline's mends: one write each, byte for byte; none where refused, unconfirmed or stale.
#include <gtest/gtest.h>

#include "platform/shared_folder.h"
#include "report/amendment.h"
#include "report/report_files.h"
#include "tests/sharing/sharing.h"
#include "tests/support/fakes.h"
#include "timeline/mend.h"

namespace tw {
namespace {

const std::string kAlpha = "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, menus";
const std::string kBeta = "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,";
const std::int64_t kDay = DayFromCivil({2026, 12, 7});

DateTime T(int h, int m, int day = 7) { return MakeDateTime({2026, 12, day}, h, m, 0); }

// A tracker that holds a running stretch in memory.
class HeldTracker : public RunningTracker {
 public:
  std::optional<RunningStretchView> Running() const override { return running; }
  bool MoveStart(const DateTime& start) override {
    if (!running || refuse) return false;
    running->start = start;
    return true;
  }
  std::optional<RunningStretchView> running;
  bool refuse = false;
};

class MendTest : public test::PlatformTest {
 protected:
  RecordStore Store() const { return RecordStore(files, test::Reports(folder.path(), format)); }
  DataFolder Folder() const {
    return shared_ ? DataFolder{folder.path(), true, "desk"} : DataFolder::Plain(folder.path());
  }
  // Runs a mend on a store read now, as the window makes one for each mend.
  template <class Mend>
  MendResult Run(Mend mend) {
    const RecordStore store = Store();
    const MendPlace place{&files, Folder(), &store, &tracker, now_};
    return mend(place);
  }
  // The stretch with this record text, as the timeline shows it now.
  StoredStretch Shown(const std::string& text, std::int64_t day = kDay) {
    for (StoredStretch& s : Store().Stretches(Period{day, day}))
      if (s.id.text == text) return s;
    ADD_FAILURE() << "not shown: " << text;
    return {};
  }
  void Share() {
    shared_ = true;
    settings.values[kDeviceNameKey] = "desk";
    test::MakeShared(folder.path(), "desk");
  }

  HeldTracker tracker;
  std::int64_t now_ = MomentOf(T(21, 1)) + 23;  // the fake clock's 9:01:23 PM
  bool shared_ = false;
};

TEST_F(MendTest, OneMachineEachMendRewritesOneLineOrAppendsOne) {
  folder.Write(kReportFile, kAlpha + "\r\n" + kBeta + "\r\n");
  // Alpha half an hour later: its line replaced where it stands, the comment's comma kept.
  StoreChange made;
  EXPECT_EQ(Run([&](auto& p) { return ChangeTimes(p, Shown(kAlpha), T(9, 30), T(11, 0), false, &made); }).outcome,
            MendOutcome::Written);
  const std::string moved = "Alpha,12/7/2026 9:30:00 AM,12/7/2026 11:00:00 AM,layout, menus";
  EXPECT_EQ(folder.Read(kReportFile), moved + "\r\n" + kBeta + "\r\n");
  EXPECT_EQ(made.kind, StoreChange::Change);
  EXPECT_EQ(made.record.text, kAlpha);
  EXPECT_EQ(made.replacement, moved);
  // A stretch added in a gap: appended as EndProject appends, in the report's form.
  EXPECT_EQ(Run([&](auto& p) {
              return AddStretch(p, EntryTexts{"Gamma", "12/7/2026 5:15 PM", "12/7/2026 18:00", "call"}, false, &made);
            }).outcome,
            MendOutcome::Written);
  const std::string added = "Gamma,12/7/2026 5:15:00 PM,12/7/2026 6:00:00 PM,call";
  EXPECT_EQ(folder.Read(kReportFile), moved + "\r\n" + kBeta + "\r\n" + added + "\r\n");
  EXPECT_EQ(made.kind, StoreChange::Append);
  EXPECT_EQ(made.line, added);
  // Beta deleted: only its line goes.
  EXPECT_EQ(Run([&](auto& p) { return DeleteStretch(p, Shown(kBeta)); }).outcome, MendOutcome::Written);
  EXPECT_EQ(folder.Read(kReportFile), moved + "\r\n" + added + "\r\n");
  // The entry editor's boxes: written as typed.
  const EntryTexts typed{"Alpha", "12/7/2026 9:30:00 AM", "12/7/2026 10:00 AM", "layout"};
  EXPECT_EQ(Run([&](auto& p) { return ChangeEntry(p, Shown(moved), typed, false); }).outcome, MendOutcome::Written);
  EXPECT_EQ(folder.Read(kReportFile), "Alpha,12/7/2026 9:30:00 AM,12/7/2026 10:00 AM,layout\r\n" + added + "\r\n");
}

TEST_F(MendTest, RefusedAndUnconfirmedChangesWriteNothing) {
  const std::string file = kAlpha + "\r\n" + kBeta + "\r\n";
  folder.Write(kReportFile, file);
  struct Case {
    const char* what;
    std::function<MendResult(const MendPlace&)> mend;
    MendOutcome outcome;
    std::string message;
  };
  const Case cases[] = {
      {"ending before it starts", [&](auto& p) { return ChangeTimes(p, Shown(kAlpha), T(10, 0), T(9, 0), false); },
       MendOutcome::Refused, kEndBeforeStart},
      {"of no length", [&](auto& p) { return ChangeTimes(p, Shown(kAlpha), T(10, 0), T(10, 0), false); },
       MendOutcome::Refused, kEndBeforeStart},
      {"moved onto Beta", [&](auto& p) { return ChangeTimes(p, Shown(kAlpha), T(10, 30), T(12, 0), false); },
       MendOutcome::Confirm, "This would overlap Beta, Monday 11:00 AM to 1:45 PM. Change it anyway?"},
      {"typed onto Beta",
       [&](auto& p) {
         return ChangeEntry(p, Shown(kAlpha), {"Alpha", "12/7/2026 8:00 AM", "12/7/2026 2:00 PM", ""}, false);
       },
       MendOutcome::Confirm, "This would overlap Beta, Monday 11:00 AM to 1:45 PM. Change it anyway?"},
      {"typed ending before it starts",
       [&](auto& p) {
         return ChangeEntry(p, Shown(kAlpha), {"Alpha", "12/7/2026 8:00 AM", "12/6/2026 2:00 PM", ""}, false);
       },
       MendOutcome::Refused, kEndBeforeStart},
      {"typed with a comma",
       [&](auto& p) { return ChangeEntry(p, Shown(kAlpha), {"A,b", "12/7/2026 8:00 AM", "12/7/2026 9:00 AM", ""}, false); },
       MendOutcome::Refused, "A project name cannot contain a comma. Please remove it from the project."},
      {"added over both",
       [&](auto& p) { return AddStretch(p, {"Gamma", "12/7/2026 10:00 AM", "12/7/2026 11:30 AM", ""}, false); },
       MendOutcome::Confirm, "This would overlap Alpha, Monday 9:00 AM to 10:30 AM and Beta, Monday 11:00 AM to 1:45 PM. "
                             "Change it anyway?"},
      {"added over the running stretch",
       [&](auto& p) { return AddStretch(p, {"Gamma", "12/7/2026 8:00 PM", "12/7/2026 8:30 PM", ""}, false); },
       MendOutcome::Confirm, "This would overlap Delta, Monday 7:00 PM to 9:01 PM (running). Change it anyway?"},
      {"added backwards",
       [&](auto& p) { return AddStretch(p, {"Gamma", "12/7/2026 3:00 PM", "12/7/2026 2:00 PM", ""}, false); },
       MendOutcome::Refused, kEndBeforeStart},
      {"added without a project",
       [&](auto& p) { return AddStretch(p, {"", "12/7/2026 3:00 PM", "12/7/2026 4:00 PM", ""}, false); },
       MendOutcome::Refused, "Choose or type the stretch's project."},
      {"added with no date-time",
       [&](auto& p) { return AddStretch(p, {"Gamma", "tomorrow", "12/7/2026 4:00 PM", ""}, false); },
       MendOutcome::Refused, "The Project Start Time is not a date and time. Please type it like 12/7/2026 9:01:23 PM."},
      {"the running stretch deleted",
       [&](auto& p) {
         Block running;
         running.project = "Delta";
         return DeleteBlock(p, running);
       },
       MendOutcome::Refused, kRunningNotDeleted},
  };
  tracker.running = RunningStretchView{"Delta", "", T(19, 0)};
  for (const Case& c : cases) {
    const MendResult r = Run(c.mend);
    EXPECT_EQ(r.outcome, c.outcome) << c.what;
    EXPECT_EQ(r.message, c.message) << c.what;
    EXPECT_EQ(folder.Read(kReportFile), file) << c.what;
  }
  // Confirmed, the overlap is written.
  EXPECT_EQ(Run([&](auto& p) { return ChangeTimes(p, Shown(kAlpha), T(10, 30), T(12, 0), true); }).outcome,
            MendOutcome::Written);
  EXPECT_EQ(folder.Read(kReportFile), "Alpha,12/7/2026 10:30:00 AM,12/7/2026 12:00:00 PM,layout, menus\r\n" + kBeta + "\r\n");
}

TEST_F(MendTest, AStretchChangedMeanwhileIsNeverOverwritten) {
  folder.Write(kReportFile, kAlpha + "\r\n" + kBeta + "\r\n");
  const StoredStretch alpha = Shown(kAlpha), beta = Shown(kBeta);
  // Another window edits Alpha and deletes Beta after the timeline showed them.
  const std::string edited = "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:45:00 AM,layout, menus";
  folder.Write(kReportFile, edited + "\r\n");
  const std::string meanwhile = folder.Read(kReportFile);
  EXPECT_EQ(Run([&](auto& p) { return ChangeTimes(p, alpha, T(9, 30), T(11, 0), false); }).outcome, MendOutcome::Stale);
  EXPECT_EQ(Run([&](auto& p) { return DeleteStretch(p, alpha); }).outcome, MendOutcome::Stale);
  EXPECT_EQ(Run([&](auto& p) { return ChangeTimes(p, beta, T(11, 0), T(17, 0), false); }).outcome, MendOutcome::Stale);
  EXPECT_EQ(folder.Read(kReportFile), meanwhile);
  // The same text written again elsewhere in the file is the same stretch, found where it is now.
  folder.Write(kReportFile, kBeta + "\r\n" + kAlpha + "\r\n");
  EXPECT_EQ(Run([&](auto& p) { return DeleteStretch(p, alpha); }).outcome, MendOutcome::Written);
  EXPECT_EQ(folder.Read(kReportFile), kBeta + "\r\n");
}

TEST_F(MendTest, TheRunningStretchCanHaveItsStartMovedButNotPastNow) {
  folder.Write(kReportFile, "Omega,12/7/2026 6:00:00 PM,12/7/2026 6:30:00 PM,\r\n");
  const std::string file = folder.Read(kReportFile);
  tracker.running = RunningStretchView{"Delta", "draft", T(20, 0)};
  Block running;
  running.project = "Delta";
  running.comment = "draft";
  running.start = T(20, 0);
  running.running = true;
  running.from = MomentOf(T(20, 0));
  running.to = now_;
  const DateTime end = LocalOf(now_);
  EXPECT_EQ(Run([&](auto& p) { return MoveBlock(p, running, T(19, 30), end, false); }).outcome, MendOutcome::Written);
  EXPECT_EQ(tracker.running->start, T(19, 30));
  running.start = T(19, 30);
  struct Case {
    const char* what;
    DateTime start, end;
    MendOutcome outcome;
    std::string message;
  };
  const Case cases[] = {
      {"past now", T(21, 5), end, MendOutcome::Refused, kRunningStartAfterNow},
      {"its end moved", T(19, 30), T(21, 30), MendOutcome::Refused, kRunningEndsByEndProject},
      {"onto Omega", T(18, 15), end, MendOutcome::Confirm,
       "This would overlap Omega, Monday 6:00 PM to 6:30 PM. Change it anyway?"},
  };
  for (const Case& c : cases) {
    const MendResult r = Run([&](auto& p) { return MoveBlock(p, running, c.start, c.end, false); });
    EXPECT_EQ(r.outcome, c.outcome) << c.what;
    EXPECT_EQ(r.message, c.message) << c.what;
    EXPECT_EQ(tracker.running->start, T(19, 30)) << c.what;
  }
  // Started meanwhile again (another project, from the main window): the drag is stale.
  tracker.running->project = "Epsilon";
  EXPECT_EQ(Run([&](auto& p) { return MoveBlock(p, running, T(19, 0), end, false); }).outcome, MendOutcome::Stale);
  tracker.running->project = "Delta";
  tracker.refuse = true;
  EXPECT_EQ(Run([&](auto& p) { return MoveBlock(p, running, T(19, 0), end, false); }).outcome, MendOutcome::Failed);
  EXPECT_EQ(folder.Read(kReportFile), file);
}

TEST_F(MendTest, TheMainWindowsBoxesHoldTheRunningStretch) {
  test::FakeMainView form;
  form.AddProjects({"Alpha", "Delta"});
  form.SetProjectIndex(1);
  form.SetComments("draft");
  form.SetStartText("12/7/2026 8:00:00 PM");
  BoxesTracker boxes(form);
  EXPECT_EQ(boxes.Running(), (RunningStretchView{"Delta", "draft", T(20, 0)}));
  EXPECT_TRUE(boxes.MoveStart(T(19, 45)));
  EXPECT_EQ(form.StartText(), "12/7/2026 7:45:00 PM");
  form.SetEndText("12/7/2026 9:00:00 PM");
  EXPECT_FALSE(boxes.Running());
}

TEST_F(MendTest, SharedFolderAnEditIsOneAmendmentAndAnAdditionThisMachinesRecord) {
  Share();
  const std::string laptopRecord = "Laptop work,12/7/2026 8:00:00 AM,12/7/2026 8:45:00 AM,notes";
  const std::uint64_t at = test::AppendLine(folder.path(), "laptop", kBeta);
  const std::uint64_t laptopAt = test::AppendLine(folder.path(), "laptop", laptopRecord);
  test::AppendLine(folder.path(), "desk", kAlpha);
  const std::string desk = DeviceFileName(kReportFile, "desk"), laptop = DeviceFileName(kReportFile, "laptop");
  const std::string laptopFile = folder.Read(laptop), deskFile = folder.Read(desk);

  // Laptop's Beta stretched to 5:00 PM from the desk: one amendment in the desk's report.
  const std::string stretched = "Beta,12/7/2026 11:00:00 AM,12/7/2026 5:00:00 PM,";
  EXPECT_EQ(Run([&](auto& p) { return ChangeTimes(p, Shown(kBeta), T(11, 0), T(17, 0), false); }).outcome,
            MendOutcome::Written);
  std::string expected = deskFile + AmendmentLine({UtcStamp(now_), laptop, at, kBeta, stretched}) + "\r\n";
  EXPECT_EQ(folder.Read(desk), expected);
  EXPECT_EQ(folder.Read(laptop), laptopFile);
  // Stretched again: the amendment names the record as recorded, and the new text.
  const StoredStretch shown = Shown(kBeta);
  EXPECT_EQ(shown.shown, stretched);
  EXPECT_EQ(shown.amendedOn, "desk");
  EXPECT_EQ(Run([&](auto& p) { return ChangeTimes(p, shown, T(11, 0), T(17, 30), false); }).outcome,
            MendOutcome::Written);
  expected += AmendmentLine({UtcStamp(now_), laptop, at, kBeta, "Beta,12/7/2026 11:00:00 AM,12/7/2026 5:30:00 PM,"}) + "\r\n";
  EXPECT_EQ(folder.Read(desk), expected);

  // A stretch added: an ordinary record at the end of the desk's own report.
  EXPECT_EQ(Run([&](auto& p) { return AddStretch(p, {"Gamma", "12/7/2026 6:00 PM", "12/7/2026 6:30 PM", "call"}, false); })
                .outcome,
            MendOutcome::Written);
  expected += "Gamma,12/7/2026 6:00:00 PM,12/7/2026 6:30:00 PM,call\r\n";
  EXPECT_EQ(folder.Read(desk), expected);

  // The desk's own Alpha deleted: an amendment too, its record left where it is.
  EXPECT_EQ(Run([&](auto& p) { return DeleteStretch(p, Shown(kAlpha)); }).outcome, MendOutcome::Written);
  expected += AmendmentLine({UtcStamp(now_), desk, 0, kAlpha, std::nullopt}) + "\r\n";
  EXPECT_EQ(folder.Read(desk), expected);
  EXPECT_EQ(folder.Read(laptop), laptopFile);

  // The laptop's own later edit arrives: the desk's drag of the old record writes nothing.
  const StoredStretch before = Shown(laptopRecord);
  test::Amend(folder.path(), "laptop", "laptop", laptopAt, laptopRecord,
              "Laptop work,12/7/2026 8:00:00 AM,12/7/2026 9:00:00 AM,notes", "2026-12-07T20:00:00Z");
  const std::string arrived = folder.Read(laptop);
  EXPECT_EQ(Run([&](auto& p) { return ChangeTimes(p, before, T(7, 30), T(8, 15), false); }).outcome, MendOutcome::Stale);
  EXPECT_EQ(Run([&](auto& p) { return DeleteStretch(p, before); }).outcome, MendOutcome::Stale);
  EXPECT_EQ(folder.Read(desk), expected);
  EXPECT_EQ(folder.Read(laptop), arrived);
}

}  // namespace
}  // namespace tw
