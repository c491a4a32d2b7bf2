// tallywright-ctl's mending verbs against a data folder: the records they leave, what they refuse,
// and their undoing, in a folder of one machine and in a shared one.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "control/ctl_verbs.h"
#include "control/mend.h"
#include "dates/local_time.h"
#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "store/history.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

class MendTest : public test::PlatformTest {
 protected:
  MendTest() { clock.now = MakeDateTime({2026, 12, 8}, 18, 0, 0); }
  struct Result {
    int status;
    std::string out, err;
  };
  Result Run(const std::string& verb, const std::vector<std::string>& args) {
    MendContext c;
    c.files = &files;
    c.folder = DataFolder::At(folder.path());
    c.reportForm = &format;
    c.user = format.data();
    c.now = InstantOfLocal(clock.now);
    c.firstWeekday = 0;
    c.origin = "command line";
    std::ostringstream out, err;
    const int status = RunMend(verb, args, c, out, err);
    return {status, out.str(), err.str()};
  }
  std::string Report() const { return folder.Exists(kReportFile) ? folder.Read(kReportFile) : ""; }
  // The ids `list` prints for a day, in order.
  std::vector<std::string> Ids(const std::string& day) {
    std::istringstream lines(Run("list", {"--date", day, "--ids"}).out);
    std::vector<std::string> ids;
    for (std::string id; std::getline(lines, id);) ids.push_back(id);
    return ids;
  }
};

TEST_F(MendTest, TrackAddsAPastStretchAndRefusesOverlapsAndTheFuture) {
  Result r = Run("track", {"9:00", "10:30", "Meeting", "--comment", "weekly, with notes"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Report(), "Meeting,12/8/2026 9:00:00 AM,12/8/2026 10:30:00 AM,weekly, with notes\r\n");
  EXPECT_NE(r.out.find("1:30:00  Meeting  weekly, with notes"), std::string::npos) << r.out;
  // Overlapping the stretch just added: refused with it shown, unless asked for.
  r = Run("track", {"10:00", "11:00", "Call"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Meeting"), std::string::npos) << r.err;
  EXPECT_EQ(Run("track", {"10:00", "11:00", "Call", "--allow-overlap", "--dry-run"}).status, 0);
  EXPECT_EQ(Run("track", {"8:00", "9:00", "Prep", "--dry-run"}).status, 0);  // ending where it starts is no overlap
  EXPECT_EQ(Report(), "Meeting,12/8/2026 9:00:00 AM,12/8/2026 10:30:00 AM,weekly, with notes\r\n");
  // Times that are no moment, or mean two things, or are still to come; names a record cannot carry.
  for (const auto& args : std::vector<std::vector<std::string>>{{"9", "10", "X"},
                                                                 {"-30m", "now", "X"},
                                                                 {"17:00", "19:00", "X"},
                                                                 {"11:00", "10:00", "X"},
                                                                 {"11:00", "12:00"}}) {
    r = Run("track", args);
    EXPECT_EQ(r.status, 2) << args[0] << " " << r.err;
  }
  EXPECT_EQ(Run("track", {"11:00", "12:00", "A,B"}).status, 1);
  EXPECT_EQ(Run("track", {"11:00", "12:00", "A\nB"}).status, 1);
  r = Run("track", {"yesterday 17:00", "-23h", "Late work"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(Report().find("Late work,12/7/2026 5:00:00 PM,12/7/2026 7:00:00 PM,"), std::string::npos);
}

TEST_F(MendTest, EditDeleteAndSplitByIdAndUndoEachAsOneStep) {
  folder.Write(kReportFile, "Alpha,12/7/2026 9:00:00 AM,12/7/2026 11:00:00 AM,draft\r\n"
                            "Beta,12/7/2026 1:00:00 PM,12/7/2026 2:00:00 PM,\r\n");
  const std::string start = Report();
  std::vector<std::string> ids = Ids("2026-12-07");
  ASSERT_EQ(ids.size(), 2u);
  // A time of day alone is on the stretch's own day, not today.
  Result r = Run("edit", {ids[0], "--to", "11:30", "--comment", "final"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Report(), "Alpha,12/7/2026 9:00:00 AM,12/7/2026 11:30:00 AM,final\r\n"
                      "Beta,12/7/2026 1:00:00 PM,12/7/2026 2:00:00 PM,\r\n");
  EXPECT_EQ(Run("edit", {ids[0], "--to", "12:00"}).status, 1);  // that stretch is no longer as listed
  ids = Ids("2026-12-07");
  EXPECT_EQ(Run("edit", {ids[0], "--to", "13:30"}).status, 1);  // would overlap Beta
  EXPECT_EQ(Run("edit", {ids[0], "--to", "8:00"}).status, 1);   // would end before it starts
  r = Run("split", {ids[0], "10:15"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Report(), "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:15:00 AM,final\r\n"
                      "Beta,12/7/2026 1:00:00 PM,12/7/2026 2:00:00 PM,\r\n"
                      "Alpha,12/7/2026 10:15:00 AM,12/7/2026 11:30:00 AM,final\r\n");
  EXPECT_EQ(Run("split", {Ids("2026-12-07")[0], "12:00"}).status, 1);  // not inside it
  r = Run("delete", {Ids("2026-12-07")[2]});
  ASSERT_EQ(r.status, 0) << r.err;
  r = Run("undo", {"--dry-run"});
  EXPECT_NE(r.out.find("Would undo the deletion of Beta"), std::string::npos) << r.out;
  // Three undos: the deletion, the split (its two halves together), the edit.
  for (int i = 0; i < 3; ++i) ASSERT_EQ(Run("undo", {}).status, 0) << i;
  EXPECT_EQ(Report(), start);
  r = Run("undo", {});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("nothing to undo"), std::string::npos);
  ASSERT_EQ(Run("redo", {}).status, 0);
  ASSERT_EQ(Run("redo", {}).status, 0);
  EXPECT_EQ(Ids("2026-12-07").size(), 3u);
  r = Run("history", {"-n", "2"});
  EXPECT_NE(r.out.find("the split of Alpha 12/7/2026 9:00:00 AM"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("the edit of"), std::string::npos) << r.out;
  r = Run("history", {"--json"});
  EXPECT_EQ(r.out.front(), '[');
  EXPECT_NE(r.out.find("\"undone\":true"), std::string::npos);
  EXPECT_EQ(Run("edit", {"zzzz"}).status, 2);
  EXPECT_EQ(Run("edit", {"zzzz", "--to", "9:00"}).status, 1);
  EXPECT_EQ(Run("list", {"--week", "--month"}).status, 2);
  // A stretch that overlaps another already may have its comment mended: its times are no new overlap.
  folder.Write(kReportFile, "A,12/7/2026 9:00:00 AM,12/7/2026 11:00:00 AM,\r\nB,12/7/2026 10:00:00 AM,12/7/2026 12:00:00 PM,\r\n");
  ids = Ids("2026-12-07");
  EXPECT_EQ(Run("edit", {ids[0], "--comment", "typo mended", "--dry-run"}).status, 0);
  EXPECT_EQ(Run("edit", {ids[0], "--from", "9:30", "--dry-run"}).status, 1);
}

// In a shared folder the same verbs amend another machine's stretches, which keep their ids.
TEST_F(MendTest, InASharedFolderByAmendments) {
  settings.values[kDeviceNameKey] = "desk";
  ShareFolder(files, folder.path(), "desk");
  folder.Write("projrpt.laptop.pro", "Alpha,12/7/2026 9:00:00 AM,12/7/2026 11:00:00 AM,laptop's\r\n");
  const std::string laptop = folder.Read("projrpt.laptop.pro");
  const std::vector<std::string> ids = Ids("2026-12-07");
  ASSERT_EQ(ids.size(), 1u);
  ASSERT_EQ(Run("edit", {ids[0], "--project", "Gamma"}).status, 0);
  EXPECT_EQ(Ids("2026-12-07"), ids);
  EXPECT_NE(Run("list", {"--date", "2026-12-07"}).out.find("Gamma  laptop's"), std::string::npos);
  ASSERT_EQ(Run("undo", {}).status, 0);
  EXPECT_NE(Run("list", {"--date", "2026-12-07", "--json"}).out.find("\"project\":\"Alpha\""), std::string::npos);
  EXPECT_EQ(folder.Read("projrpt.laptop.pro"), laptop);
  EXPECT_TRUE(folder.Exists("projrpt.desk.hst"));
}

// With the program running the verbs that change the record go through it, the others read the
// folder here: every verb prints and exits alike, and the record and its history are the same bytes.
TEST_F(MendTest, ThroughTheRunningProgramTheSameFilesAsOnTheFolder) {
  struct Said {
    int status;
    std::string out, err;
    bool operator==(const Said&) const = default;
  };
  int asked = 0;
  const auto run = [&](bool program, std::vector<std::string> args) {
    std::ostringstream out, err;
    CtlContext c{{}, out, err, []() -> Tracker& { throw ControlError(kFailed, "no tracker here"); },
                 [&] { return folder.path(); }, {}};
    if (program)
      c.askOwner = [&](std::string_view line) {
        ++asked;
        return OwnerAnswer{OwnerAnswer::kAnswered, AnswerMendRequest(line)};
      };
    const int status = RunCtl(args, c);
    return Said{status, out.str(), err.str()};
  };
  std::map<bool, std::vector<Said>> said;
  std::map<bool, std::string> report, history;
  for (const bool program : {false, true}) {
    folder.Write(kReportFile, "Alpha,12/7/2026 9:00:00 AM,12/7/2026 11:00:00 AM,draft\r\n");
    std::filesystem::remove(folder.path() + "/projrpt.hst");
    std::vector<Said>& s = said[program];
    s.push_back(run(program, {"track", "13:00", "14:30", "Meeting", "--comment", "weekly\nnotes"}));
    s.push_back(run(program, {"track", "13:30", "14:00", "Call"}));  // overlaps: refused
    s.push_back(run(program, {"track", "13:30", "1400", "Call"}));   // no time: a bad command line
    s.push_back(run(program, {"list", "--date", "2026-12-07", "--ids"}));
    const std::string first = s.back().out.substr(0, 8);
    s.push_back(run(program, {"edit", first, "--to", "11:30", "--dry-run"}));
    s.push_back(run(program, {"edit", first, "--to", "11:30"}));
    s.push_back(run(program, {"split", run(false, {"list", "--date", "2026-12-07", "--ids"}).out.substr(0, 8), "10:00"}));
    s.push_back(run(program, {"delete", run(false, {"list", "--ids"}).out.substr(0, 8)}));
    s.push_back(run(program, {"undo"}));
    s.push_back(run(program, {"undo"}));
    s.push_back(run(program, {"redo"}));
    s.push_back(run(program, {"history"}));
    report[program] = Report();
    history[program] = folder.Read("projrpt.hst");
    clock.now = MakeDateTime({2026, 12, 8}, 18, 0, 0);
  }
  EXPECT_EQ(asked, 10);  // the writing verbs only
  ASSERT_EQ(said[false].size(), said[true].size());
  for (std::size_t i = 0; i < said[false].size(); ++i) {
    const Said& here = said[false][i];
    EXPECT_EQ(here, said[true][i]) << i << ": " << here.out << here.err;
    EXPECT_EQ(here.status, i == 1 ? 1 : i == 2 ? 2 : 0) << i << ": " << here.err;
  }
  EXPECT_EQ(report[false], report[true]);
  EXPECT_EQ(history[false], history[true]);
  // The deletion undone, the split made again: the line break of the comment came through.
  EXPECT_EQ(report[true], "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:00:00 AM,draft\r\n"
                          "Meeting,12/8/2026 1:00:00 PM,12/8/2026 2:30:00 PM,weekly notes\r\n"
                          "Alpha,12/7/2026 10:00:00 AM,12/7/2026 11:30:00 AM,draft\r\n");
  // An answer that is no answer is a refusal, never taken for done.
  std::ostringstream out, err;
  EXPECT_EQ(PrintMendAnswer("ok\t0", out, err), 1);
  EXPECT_EQ(PrintMendAnswer("error\tBusy\tTallywright is starting", out, err), 1);
  EXPECT_EQ(err.str(), "tallywright-ctl: Tallywright's answer cannot be read\ntallywright-ctl: Tallywright is starting\n");
  EXPECT_EQ(AnswerMendRequest("mend\tfrobnicate"), "error\tInvalidArgument\tUnknown request");
  // A lost answer: a change is never asked again; a reading is made here instead.
  const auto lost = [](std::string_view) { return OwnerAnswer{OwnerAnswer::kLost, ""}; };
  EXPECT_EQ(AskOwnerToMend(lost, "undo", {}, out, err), 1);
  EXPECT_EQ(AskOwnerToMend(lost, "list", {}, out, err), std::nullopt);
}

}  // namespace
}  // namespace tw
