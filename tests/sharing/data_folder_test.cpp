// Choosing a data folder: the files offered, moved whole, a shared folder under this machine's name, never mid-stretch.
#include <gtest/gtest.h>

#include "preferences/data_preferences.h"
#include "platform/shared_folder.h"
#include "platform/system.h"
#include "projects/project_list.h"
#include "tests/sharing/sharing.h"

namespace tw {
namespace {

TEST(ChosenDataFolderTest, AFullPathOrOneUnderHome) {
  EXPECT_EQ(ChosenDataFolder(" ~/Sync/Tallywright/ ", "/home/u"), "/home/u/Sync/Tallywright");
  EXPECT_EQ(ChosenDataFolder("/a/../b//c/", "/home/u"), "/b/c");
  EXPECT_FALSE(ChosenDataFolder("Sync/Tallywright", "/home/u"));
  EXPECT_FALSE(ChosenDataFolder("", "/home/u"));
}

class DataFolderTest : public test::PlatformTest {
 protected:
  test::FakeMainView main;
  test::TempFolder target;
};

TEST_F(DataFolderTest, FilesMoveWholeToAFolderOfTheirOwn) {
  for (const char* name : {"projrpt.pro", "projrpt.bak", "projrpt.fmt", "project.lst"}) folder.Write(name, name);
  folder.Write("notes.txt", "not ours");
  // Never while a stretch runs: it would be left in the old folder.
  main.SetStartText("12/7/2026 9:00:00 AM");
  EXPECT_EQ(SaveDataChoice(main, {target.path(), false, "desk"}), 0);
  EXPECT_TRUE(folder.Exists("projrpt.pro"));
  main.SetStartText("");
  dialogs.answers = {MsgResult::Yes};
  EXPECT_EQ(SaveDataChoice(main, {target.path(), false, "desk"}), -1);
  for (const char* name : {"projrpt.pro", "projrpt.bak", "projrpt.fmt", "project.lst"}) {
    EXPECT_EQ(target.Read(name), name);
    EXPECT_FALSE(folder.Exists(name));
  }
  EXPECT_TRUE(folder.Exists("notes.txt"));
  EXPECT_EQ(settings.values[kDataFolderKey], target.path());
}

TEST_F(DataFolderTest, IntoASharedFolderUnderThisMachinesName) {
  test::MakeShared(target.path(), "laptop");
  target.Write("projrpt.laptop.pro", "L,1,2,\r\n");
  folder.Write("projrpt.pro", "D,1,2,\r\n");
  EXPECT_EQ(SaveDataChoice(main, {target.path(), false, "LAPTOP"}), 2);  // another machine's name
  dialogs.answers = {MsgResult::Yes};
  EXPECT_EQ(SaveDataChoice(main, {target.path(), false, "desk"}), -1);
  EXPECT_EQ(target.Read("projrpt.desk.pro"), "D,1,2,\r\n");  // the list's merge: JoinTest
  // A folder that is not shared and holds a report of its own takes no other one.
  test::TempFolder other;
  other.Write("projrpt.pro", "O,1,2,\r\n");
  folder.Write("projrpt.pro", "D,1,2,\r\n");
  dialogs.answers = {MsgResult::Yes};
  EXPECT_EQ(SaveDataChoice(main, {other.path(), false, "desk"}), 0);
  EXPECT_EQ(other.Read("projrpt.pro"), "O,1,2,\r\n");
  EXPECT_TRUE(folder.Exists("projrpt.pro"));
}

}  // namespace
}  // namespace tw
