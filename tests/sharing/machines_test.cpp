// Machines joining, leaving and coming back, editing the project list at once, and two under one name.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "preferences/data_preferences.h"
#include "preferences/sharing.h"
#include "projects/project_list.h"
#include "report/report_files.h"
#include "store/record_store.h"
#include "tests/sharing/sharing.h"

namespace tw {
namespace {

// How a machine joins: Preferences moving its files (Yes) or not (No), or DataFolder changed by hand.
enum class Way { Yes, No, Setting };

class MachinesTest : public test::PlatformTest {
 protected:
  struct Machine {
    explicit Machine(std::string n) : name(std::move(n)) {}
    std::string name;
    test::TempFolder shared;  // its copy of the shared folder
    test::TempFolder own;     // a folder of its own
    std::map<std::string, std::string> settings;
    std::string folder;       // where it keeps its files now
  };

  // Makes platform() machine m: its settings and its data folder.
  void Be(Machine& m) {
    if (current_) current_->settings = settings.values;
    settings.values = m.settings;
    current_ = &m;
    system.folder = m.folder.empty() ? m.own.path() : m.folder;
  }
  // The setting DataFolder changed by hand, as the next start finds it.
  void MoveTo(const std::string& folder) {
    settings.values[kDataFolderKey] = folder;
    system.folder = current_->folder = folder;
  }
  // A stretch of 12/d/2026 at hour h, recorded on the current machine.
  std::string Record(int d, int h, const std::string& comment) {
    const DateTime start = MakeDateTime({2026, 12, d}, h, 0, 0);
    const std::string line = JoinRecord("P", format.FormatGeneral(start), format.FormatGeneral({start.day, start.seconds + 1800}), comment);
    AppendRecordLine(files, DataFolder::At(system.folder), line);
    return line;
  }
  // The start-up look and the half minute's.
  void Look(Machine& m) {
    Be(m);
    CheckSharedFolder(main);
  }
  // What machine m shows of the first days of December: "device|record|amended on", in order.
  std::vector<std::string> Shown(Machine& m) {
    Be(m);
    std::vector<std::string> rows;
    for (int d = 1; d <= 4; ++d)
      for (std::string& row : test::DayRows(m.shared.path(), MakeDateTime({2026, 12, d}, 0, 0, 0), format))
        rows.push_back(std::move(row));
    return rows;
  }
  static size_t Count(const std::vector<std::string>& rows, const std::string& text) {
    return std::count_if(rows.begin(), rows.end(), [&](const std::string& r) { return r.find(text) != std::string::npos; });
  }
  // desk shares its folder through Preferences, its records with it.
  void ShareOnDesk(Machine& desk) {
    Be(desk);
    desk.own.Write(kReportFile, JoinRecord("P", "12/1/2026 8:00:00 AM", "12/1/2026 8:30:00 AM", "desk before") + "\r\n");
    desk.own.Write(kProjectListFile, ListText({"", "Alpha", "Desk-only"}));
    dialogs.answers = {MsgResult::Yes};
    ASSERT_EQ(SaveDataChoice(main, {desk.shared.path(), true, "desk"}), -1);
    dialogs.answers.clear();
    MoveTo(desk.shared.path());
  }
  void Come(Machine& laptop, Way way) {
    Be(laptop);
    if (way == Way::Setting) {
      settings.values[kDeviceNameKey] = laptop.name;
      MoveTo(laptop.shared.path());
      Look(laptop);
      return;
    }
    dialogs.answers = {way == Way::Yes ? MsgResult::Yes : MsgResult::No};
    ASSERT_EQ(SaveDataChoice(main, {laptop.shared.path(), true, laptop.name}), -1);
    dialogs.answers.clear();
    MoveTo(laptop.shared.path());
  }

  Machine* current_ = nullptr;
  test::FakeMainView main;
};

class JoinTest : public MachinesTest, public ::testing::WithParamInterface<Way> {};

// Joining, every way: the joiner's earlier report comes in under its name and its list is merged, on both machines.
TEST_P(JoinTest, BringsTheEarlierReportAndProjectList) {
  Machine desk("desk"), laptop("laptop");
  ShareOnDesk(desk);
  test::TestSync sync(desk.shared.path(), laptop.shared.path(), true);
  sync.Run();
  Be(laptop);
  const std::string before = JoinRecord("P", "12/2/2026 9:00:00 AM", "12/2/2026 9:30:00 AM", "laptop before");
  laptop.own.Write(kReportFile, before + "\r\n");
  laptop.own.Write(kProjectListFile, ListText({"", "Alpha", "Laptop-only", "Reise"}));
  Look(laptop);  // a run in its own folder: remembered
  Come(laptop, GetParam());
  sync.Run();
  Look(desk);
  sync.Run();
  for (Machine* m : {&desk, &laptop}) {
    const std::vector<std::string> rows = Shown(*m);
    EXPECT_EQ(Count(rows, "laptop|" + before), 1u) << m->name;
    EXPECT_EQ(Count(rows, "desk before"), 1u) << m->name;
    EXPECT_EQ(m->shared.Read(kProjectListFile), ListText({"", "Alpha", "Desk-only", "Laptop-only", "Reise"})) << m->name;
  }
  // Nothing of laptop's was written over, and its own folder gave up only what it moved.
  EXPECT_EQ(laptop.own.Exists(kReportFile), GetParam() != Way::Yes);
}

// Leaving, recording away and coming back, every way: no record lost or doubled on either machine.
TEST_P(JoinTest, ComingBackMergesWhatWasRecordedAway) {
  Machine desk("desk"), laptop("laptop");
  ShareOnDesk(desk);
  test::TestSync sync(desk.shared.path(), laptop.shared.path(), true);
  sync.Run();
  Come(laptop, Way::Yes);
  const std::string shared = Record(1, 10, "laptop in the shared folder");
  sync.Run();
  // Away: Preferences, or the setting changed by hand.
  if (GetParam() == Way::Setting) {
    MoveTo(laptop.own.path());
    Look(laptop);
  } else {
    ASSERT_EQ(SaveDataChoice(main, {laptop.own.path(), false, "laptop"}), -1);
    MoveTo(laptop.own.path());
  }
  EXPECT_FALSE(IsSharedFolder(laptop.own.path()));
  const std::string away = Record(2, 10, "laptop away");
  Be(desk);
  const std::string onDesk = Record(3, 10, "desk meanwhile");
  sync.Run();
  Come(laptop, GetParam());
  const std::string back = Record(4, 10, "laptop back");
  sync.Run();
  Look(desk);
  Look(laptop);
  sync.Run();
  const std::vector<std::string> view = Shown(desk);
  EXPECT_EQ(Shown(laptop), view);
  for (const std::string& line : {shared, away, back}) EXPECT_EQ(Count(view, "laptop|" + line), 1u) << line;
  EXPECT_EQ(Count(view, "desk|" + onDesk), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, JoinTest, ::testing::Values(Way::Yes, Way::No,
                                                              Way::Setting));

// Both machines change the list and the service keeps one version: every addition and removal holds.
TEST_F(MachinesTest, TheProjectListKeepsEveryMachinesChangesWhicheverVersionIsKept) {
  for (int winner : {0, 1}) {
    Machine desk("desk"), laptop("laptop");
    ShareOnDesk(desk);
    test::TestSync sync(desk.shared.path(), laptop.shared.path(), false);
    sync.Run();
    Come(laptop, Way::Yes);
    sync.Run();
    Look(desk);
    sync.Run();
    const auto edit = [&](Machine& m, const std::vector<std::string>& names) {
      Be(m);
      main.ClearProjects();
      main.AddProjects(names);
      Setup::WriteProjectList(main);
    };
    edit(desk, {"", "Alpha", "Desk-new"});                         // Desk-only removed, Desk-new added
    edit(laptop, {"", "Alpha", "Desk-only", "Both-lap", "Reise"});  // Both-lap and Reise added
    sync.Run(winner);
    Look(desk);
    Look(laptop);
    sync.Run(winner);
    // In the order of the version kept, the same on both.
    EXPECT_EQ(desk.shared.Read(kProjectListFile), laptop.shared.Read(kProjectListFile));
    std::vector<std::string> names = SplitLines(desk.shared.Read(kProjectListFile));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"", "", "Alpha", "Both-lap", "Desk-new", "Reise"})) << winner;
    for (Machine* m : {&desk, &laptop}) {
      Be(*m);
      EXPECT_EQ(main.ProjectCount(), 6) << m->name;  // the box: the names and the empty entry past the last
    }
  }
}

// A name another machine claimed is refused, even when only the folder's marker has arrived.
TEST_F(MachinesTest, ANameAnotherMachineUsesIsRefusedBeforeItsFilesArrive) {
  Machine desk("desk"), laptop("laptop");
  ShareOnDesk(desk);
  EXPECT_EQ(ClaimsIn(files, desk.shared.path(), "desk").size(), 1u);
  laptop.shared.Write(kSharedMarker, desk.shared.Read(kSharedMarker));
  Be(laptop);
  EXPECT_TRUE(MachineNameRefusal(laptop.shared.path(), "desk", ""));
  EXPECT_TRUE(MachineNameRefusal(laptop.shared.path(), "DESK", "desk"));
  EXPECT_EQ(FreeDeviceName(laptop.shared.path(), "desk"), "desk-2");
  EXPECT_FALSE(MachineNameRefusal(laptop.shared.path(), "laptop", ""));
  // A name claimed by another machine, whose records have not arrived, is refused too.
  Machine third("third");
  laptop.shared.Write(kSharedMarker, desk.shared.Read(kSharedMarker));
  Come(laptop, Way::Yes);
  test::TestSync(laptop.shared.path(), third.shared.path(), true).Run();
  Be(third);
  EXPECT_TRUE(MachineNameRefusal(third.shared.path(), "laptop", ""));
}

class NameClashTest : public MachinesTest, public ::testing::WithParamInterface<std::tuple<bool, int>> {};

// Two machines under one name: the later takes another name with its records; with one-version sync one report loses.
TEST_P(NameClashTest, TheLaterMachineTakesAnotherNameWithItsRecords) {
  const auto [copies, winner] = GetParam();
  Machine desk("desk"), laptop("laptop"), third("laptop");
  ShareOnDesk(desk);
  test::TestSync toLaptop(desk.shared.path(), laptop.shared.path(), copies);
  test::TestSync toThird(desk.shared.path(), third.shared.path(), copies);
  toLaptop.Run();
  toThird.Run();
  Come(laptop, Way::Yes);
  const std::string l1 = Record(1, 10, "laptop's first"), l2 = Record(2, 10, "laptop's second");
  clock.now.seconds += 60;
  Come(third, Way::Yes);  // laptop's claim has not arrived here
  const std::string t1 = Record(3, 10, "third's first"), t2 = Record(4, 10, "third's second");
  Be(desk);
  const std::string d1 = Record(3, 11, "desk's");
  for (int round = 0; round < 3; ++round) {
    toLaptop.Run(winner);
    toThird.Run(winner);
    toLaptop.Run(winner);
    for (Machine* m : {&desk, &laptop, &third}) Look(*m);
  }
  Be(third);
  EXPECT_EQ(settings.values[kDeviceNameKey], "laptop-2");
  EXPECT_TRUE(std::any_of(dialogs.shown.begin(), dialogs.shown.end(), [](const test::ShownBox& box) {
    return box.prompt.find("under the name laptop-2 from now on") != std::string::npos;
  }));
  Be(laptop);
  EXPECT_EQ(settings.values[kDeviceNameKey], "laptop");
  const std::vector<std::string> view = Shown(desk);
  EXPECT_EQ(Shown(laptop), view);
  EXPECT_EQ(Shown(third), view);
  EXPECT_EQ(Count(view, "desk|" + d1), 1u);
  const size_t laptops = Count(view, "laptop|" + l1) + Count(view, "laptop|" + l2);
  const size_t thirds = Count(view, "laptop-2|" + t1) + Count(view, "laptop-2|" + t2);
  EXPECT_EQ(Count(view, "laptop|" + t1) + Count(view, "laptop-2|" + l1), 0u);
  if (copies) {
    EXPECT_EQ(laptops, 2u);
    EXPECT_EQ(thirds, 2u);
  } else {
    // The version the service kept, whole; the other's lost.
    EXPECT_EQ(laptops + thirds, 2u);
    EXPECT_TRUE(laptops == 2 || thirds == 2);
  }
  EXPECT_EQ(view.size(), 2 + laptops + thirds);
}

INSTANTIATE_TEST_SUITE_P(BothServices, NameClashTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(0, 1)));

}  // namespace
}  // namespace tw
