// The Preferences window, opened from the main window's Option menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "billing/work_target.h"
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

// The Shared box follows the folder as typed: a shared one stays ticked, a private one is never marked.
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

// The target's boxes, refused at the box with nothing saved; a setting that cannot be read kept.
TEST_F(PreferencesWindowTest, TheTargetIsEditedAndCheckedBeforeAnythingIsSaved) {
  settings.values[kWorkTargetKey] = "mon=8, tue=8, WEDNESDAY=6:30";
  settings.values[kBalanceSinceKey] = "2026-01-05";
  frmMain window;
  const auto open = [&](const std::function<void(frmPreferences&)>& act) {
    EXPECT_TRUE(test::WhileShown([&] { window.optionMenu()->actions()[3]->trigger(); },
                                 [&] { act(*frmPreferences::Loaded()); }));
  };
  open([&](frmPreferences& p) {
    QStringList shown;
    for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
      shown << test::Child<QLineEdit>(p, (std::string("txtTarget") + day).c_str())->text();
    EXPECT_EQ(shown, (QStringList{"8", "8", "6.5", "", "", "", ""}));
    test::Retype(p, "txtIdleMinutes", "20");
    test::Retype(p, "txtTargetThu", "nine");
    test::Retype(p, "txtTargetFri", " 7,5 ");
    QTest::keyClick(&p, Qt::Key_Return);
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.focusWidget(), test::Child<QLineEdit>(p, "txtTargetThu"));
    test::Retype(p, "txtTargetThu", "0");
    test::Retype(p, "txtDaysOff", "2026-12-31, 2026-12-24..2026-12-26, 2026-12-27");
    test::Retype(p, "txtBalanceSince", "5.1.2026");
    QTest::keyClick(&p, Qt::Key_Return);
    EXPECT_EQ(p.focusWidget(), test::Child<QLineEdit>(p, "txtBalanceSince"));
    EXPECT_TRUE(p.isVisible());
    test::Retype(p, "txtBalanceSince", "");
    QTest::keyClick(&p, Qt::Key_Return);
    EXPECT_FALSE(p.isVisible());
  });
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].prompt, "The target hours: Thu: \"nine\" is not hours: write them like 8, 7.5 or 7:30.");
  EXPECT_EQ(dialogs.shown[1].prompt, "The balance is counted since a day written like 2026-01-01.");
  // Nothing was saved before the last OK, and then only what changed.
  EXPECT_EQ(log, (test::EventLog{"box:Tallywright", "box:Tallywright", "save:IdleMinutes", "save:RemindHours",
                                 "save:WorkTarget", "save:DaysOff", "save:BalanceSince"}));
  EXPECT_EQ(settings.values[kWorkTargetKey], "Mon=8,Tue=8,Wed=6.5,Fri=7.5");
  EXPECT_EQ(settings.values[kDaysOffKey], "2026-12-24..2026-12-27,2026-12-31");
  EXPECT_EQ(settings.values[kBalanceSinceKey], "");

  settings.values[kWorkTargetKey] = "Mon=8,Tus=8";
  open([&](frmPreferences& p) {
    EXPECT_EQ(test::Child<QLineEdit>(p, "txtTargetMon")->text(), "Mon=8,Tus=8");
    QTest::keyClick(&p, Qt::Key_Return);
    EXPECT_TRUE(p.isVisible());
    test::Retype(p, "txtTargetMon", "8");
    test::Retype(p, "txtTargetTue", "8");
    QTest::keyClick(&p, Qt::Key_Return);
  });
  EXPECT_EQ(dialogs.shown.at(2).prompt, "Write each weekday's target hours in its own box, like 8, 7.5 or 7:30.");
  EXPECT_EQ(settings.values[kWorkTargetKey], "Mon=8,Tue=8");
}

}  // namespace
}  // namespace tw
