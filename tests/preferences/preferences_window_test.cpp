// The Preferences window, opened from the main window's Option menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "platform/shared_folder.h"
#include "preferences/frm_preferences.h"
#include "shell/frm_main.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"

namespace tw {
namespace {

class PreferencesWindowTest : public test::PlatformTest {
 protected:
  PreferencesWindowTest() { system.endThrows = false; }
};

TEST_F(PreferencesWindowTest, RefusesBadNumbersAndSavesText) {
  frmMain window;
  QStringList items;
  for (QAction* item : window.optionMenu()->actions()) items << item->text();
  EXPECT_EQ(items, (QStringList{"Status &Bar", "&Center App", "Clear &Screen", "&Preferences...", "", "E&xit"}));
  settings.values["RemindHours"] = "junk";  // counts as the default
  for (auto key : {Qt::Key_Escape, Qt::Key_Return}) {  // Cancel, then OK
    EXPECT_TRUE(test::WhileShown([&] { window.optionMenu()->actions()[3]->trigger(); }, [&] {
      frmPreferences& p = *frmPreferences::Loaded();
      EXPECT_EQ(test::LayoutProblems(p, true), std::vector<std::string>{});
      EXPECT_EQ(test::Child<QLineEdit>(p, "txtRemindHours")->text(), "8");
      EXPECT_EQ(test::Child<QLabel>(p, "lblIdleSource")->text(),
                "Idle detection is off: nothing on this desktop tells the idle time. Reminders through: "
                "nothing on this desktop shows them.");
      test::Retype(p, "txtIdleMinutes", "20");
      test::Retype(p, "txtRemindHours", "1001\n");
      EXPECT_TRUE(p.isVisible());
      test::Retype(p, "txtRemindHours", " 0 ");
      QTest::keyClick(&p, key);
    }));
  }
  EXPECT_EQ(dialogs.shown.at(0).prompt,
            "The hours before a reminder must be a whole number from 0 to 1000 (0 turns it off).");
  EXPECT_EQ(log, (test::EventLog{"box:Tallywright", "box:Tallywright", "save:IdleMinutes", "save:RemindHours"}));
  EXPECT_EQ(settings.values["IdleMinutes"] + " " + settings.values["RemindHours"], "20 0");
}

// Leaving a shared folder for a private one: the box follows the folder as it is typed, so OK never
// marks the private folder shared; typed back, a shared folder is shown shared and cannot be unticked.
TEST_F(PreferencesWindowTest, TheSharedBoxFollowsTheFolder) {
  ShareFolder(files, folder.path(), "desk");
  settings.values[kDeviceNameKey] = "desk";
  test::TempFolder away;
  frmMain window;
  EXPECT_TRUE(test::WhileShown([&] { window.optionMenu()->actions()[3]->trigger(); }, [&] {
    frmPreferences& p = *frmPreferences::Loaded();
    QCheckBox* shared = test::Child<QCheckBox>(p, "chkShared");
    EXPECT_TRUE(shared->isChecked());
    EXPECT_FALSE(shared->isEnabled());
    // Typed, not yet left: the box already follows.
    test::Child<QLineEdit>(p, "txtDataFolder")->setFocus();
    test::Retype(p, "txtDataFolder", QString::fromStdString(away.path()));
    EXPECT_FALSE(shared->isChecked());
    EXPECT_TRUE(shared->isEnabled());
    shared->setChecked(true);
    test::Retype(p, "txtDataFolder", QString::fromStdString(folder.path()));
    EXPECT_TRUE(shared->isChecked());
    EXPECT_FALSE(shared->isEnabled());
    test::Retype(p, "txtDataFolder", QString::fromStdString(away.path()));
    EXPECT_FALSE(shared->isChecked());
    QTest::keyClick(&p, Qt::Key_Return);
  }));
  EXPECT_EQ(settings.values[kDataFolderKey], away.path());
  EXPECT_FALSE(IsSharedFolder(away.path()));
}

}  // namespace
}  // namespace tw
