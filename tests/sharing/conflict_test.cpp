// Sync conflict copies: lists merged with removals honoured, reports and rates merged, nothing lost unread.
#include <gtest/gtest.h>

#include "billing/rates.h"
#include "platform/shared_folder.h"
#include "projects/project_list.h"
#include "projects/shared_list.h"
#include "store/conflict_copies.h"
#include "tests/sharing/sharing.h"

namespace tw {
namespace {

// The list derived from every machine's notes is the same from either version, and again when derived once more.
TEST(DerivedProjectListTest, EveryMachinesLatestChangeHoldsWhicheverListItStartsFrom) {
  const std::string base = ListText({"", "Alpha", "Beta", "Gamma"});
  const std::string onDesk = ListText({"", "Alpha", "Gamma", "Eta"});                  // Beta out, Eta in
  const std::string onLaptop = ListText({"", "Alpha", "Beta", "Gamma", "Delta", "Chi"});  // Delta, Chi in
  const std::vector<NotedChanges> changes = {{"desk", ProjectChangeLines(base, onDesk, 1796670000)},
                                             {"laptop", ProjectChangeLines(base, onLaptop, 1796670100)}};
  const std::string derived = ListText({"", "Alpha", "Gamma", "Eta", "Chi", "Delta"});
  EXPECT_EQ(DerivedProjectList(onDesk, changes), derived);
  EXPECT_EQ(DerivedProjectList(onLaptop, changes), ListText({"", "Alpha", "Gamma", "Delta", "Chi", "Eta"}));
  EXPECT_EQ(DerivedProjectList(derived, changes), derived);
  // Names never noted stay; a name removed and added again later is there.
  EXPECT_EQ(DerivedProjectList(onLaptop, {}), onLaptop);
  const std::vector<NotedChanges> again = {changes[0], {"home", ProjectChangeLines(onDesk, base, 1796670200)}};
  EXPECT_EQ(DerivedProjectList(onDesk, again), ListText({"", "Alpha", "Gamma", "Beta"}));
  // At the same second, the machine whose name sorts last; in one machine's notes, the later line.
  const std::vector<NotedChanges> tie = {{"laptop", ProjectChangeLines(onDesk, base, 1796670000)}, changes[0]};
  EXPECT_EQ(DerivedProjectList(base, tie), ListText({"", "Alpha", "Beta", "Gamma"}));
  const std::vector<NotedChanges> twice = {
      {"desk", ProjectChangeLines(base, onDesk, 1796670000) + ProjectChangeLines(onDesk, base, 1796670000)}};
  EXPECT_EQ(DerivedProjectList(onDesk, twice), ListText({"", "Alpha", "Gamma", "Beta"}));
}

class ConflictCopiesTest : public test::PlatformTest {
 protected:
  ConflictCopiesTest() {
    settings.values[kDeviceNameKey] = "desk";
    test::MakeShared(folder.path(), "desk");
  }
};

TEST_F(ConflictCopiesTest, ProjectListCopiesOfEachServiceAreMergedAndRemoved) {
  folder.Write("project.lst", ListText({"Alpha", "Gamma"}));
  folder.Write("project.desk.chg", ProjectChangeLines(ListText({"Alpha", "Beta", "Gamma"}), ListText({"Alpha", "Gamma"}), 1796670000));
  folder.Write("project.sync-conflict-20261207-210123-ABCDEFG.lst", ListText({"Alpha", "Beta", "Gamma", "Delta"}));
  folder.Write("project (conflicted copy 2026-12-07 211023).lst", ListText({"Alpha", "Epsilon"}));
  folder.Write("project (laptop's conflicted copy 2026-12-07).lst", ListText({"Zeta"}));
  const ListMerge merge = SettleProjectList(files, folder.path());
  EXPECT_EQ(merge.copies.size(), 3u);
  // Merged one after another in the order of their names.
  EXPECT_EQ(folder.Read("project.lst"), ListText({"Alpha", "Gamma", "Epsilon", "Zeta", "Delta"}));
  EXPECT_EQ(merge.added, (std::vector<std::string>{"Epsilon", "Zeta", "Delta"}));
  EXPECT_FALSE(folder.Exists("project.sync-conflict-20261207-210123-ABCDEFG.lst"));
  EXPECT_FALSE(folder.Exists("project (conflicted copy 2026-12-07 211023).lst"));
  EXPECT_NE(ListMergeMessage(merge).find("Epsilon"), std::string::npos);
  EXPECT_FALSE(SettleProjectList(files, folder.path()).written);
}

TEST_F(ConflictCopiesTest, OwnReportCopiesAreMergedOthersAreLeftAndNamed) {
  folder.Write("projrpt.desk.pro", "A,1,2,x\r\nB,1,2,y\r\n");
  // The copy holds one line more, and one line twice where the report holds it once.
  folder.Write("projrpt.desk.sync-conflict-20261207-210123-ABCDEFG.pro", "A,1,2,x\r\nA,1,2,x\r\nC,1,2,z\r\n");
  folder.Write("projrpt.desk.sync-conflict-20261207-210123-ABCDEFG.fmt", "ShortDate=M/d/yyyy\r\n");
  folder.Write("projrpt.laptop (conflicted copy 2026-12-07 211023).pro", "L,1,2,\r\n");
  folder.Write("unrelated (conflicted copy 2026-12-07 211023).txt", "mine\r\n");
  const ConflictCopies copies = TidyConflictCopies(files, folder.path(), "desk", "window", 0);
  EXPECT_EQ(folder.Read("projrpt.desk.pro"), "A,1,2,x\r\nB,1,2,y\r\nA,1,2,x\r\nC,1,2,z\r\n");
  EXPECT_EQ(copies.merged.size(), 1u);
  EXPECT_EQ(copies.removed.size(), 1u);
  ASSERT_EQ(copies.left.size(), 1u);
  EXPECT_TRUE(folder.Exists("projrpt.laptop (conflicted copy 2026-12-07 211023).pro"));
  EXPECT_TRUE(folder.Exists("unrelated (conflicted copy 2026-12-07 211023).txt"));
  EXPECT_NE(ConflictCopiesMessage(copies).find("projrpt.laptop.pro"), std::string::npos);
  // On laptop, the copy of its report is merged in turn.
  EXPECT_EQ(TidyConflictCopies(files, folder.path(), "laptop", "window", 0).merged.size(), 1u);
  EXPECT_EQ(folder.Read("projrpt.laptop.pro"), "L,1,2,\r\n");
}

TEST_F(ConflictCopiesTest, ACopyOfThisMachinesRatesIsMergedNotDropped) {
  folder.Write("project.desk.rates", "rate\tA\t2026-01-01\t80\t2026-12-01T00:00:00Z\r\n");
  folder.Write("project.desk.sync-conflict-20261207-210123-ABCDEFG.rates", "budget\tA\tmonth\t10\t\t2026-12-02T00:00:00Z\r\n");
  EXPECT_EQ(TidyConflictCopies(files, folder.path(), "desk", "window", 0).merged.size(), 1u);
  EXPECT_FALSE(folder.Exists("project.desk.sync-conflict-20261207-210123-ABCDEFG.rates"));
  EXPECT_EQ(ReadRates(files, folder.path()).book.BudgetOf("A", BudgetScope::Month), (Budget{36000, std::nullopt}));
}

}  // namespace
}  // namespace tw
