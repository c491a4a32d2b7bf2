// Time away as the user meets it: the main window, hidden in the notification area, brought back
// with the question; the reminder's balloon and its click; the Preferences window.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "app/frm_main.h"
#include "app/frm_preferences.h"
#include "app/setup_main.h"
#include "tests/support/fake_idle.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"

namespace tw {
namespace {

class AwayWindowTest : public test::PlatformTest {
 protected:
  AwayWindowTest() { system.endThrows = false; }
  void Later(int seconds) { clock.now = LocalOfInstant(InstantOfLocal(clock.now) + seconds); }
  // The program started, a minute without input counting as time away, and Gamma started.
  frmMain* StartTracking() {
    settings.values["IdleMinutes"] = "1";
    frmMain* window = Setup::Main();
    window->WatchAbsences(std::make_unique<AwayWatch>(test::Only(source.release()), nullptr));
    window->SetProjectText("Gamma");
    test::Click(*window, "cmdStartProject");
    return window;
  }
  std::unique_ptr<test::FakeIdleSource> source = std::make_unique<test::FakeIdleSource>();
  test::FakeIdleSource* idle = source.get();  // the window's watch owns it once tracking
};

TEST_F(AwayWindowTest, BackFromTimeAwayTheHiddenWindowAsksAndTheBalloonBringsItBack) {
  frmMain* window = StartTracking();
  window->setWindowState(Qt::WindowMinimized);
  Later(100);
  idle->idleSeconds = 70;
  window->LookForAway();
  Later(75);
  idle->idleSeconds = 0;
  dialogs.answers = {2};  // End Then and Restart
  window->LookForAway();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(folder.Read("projrpt.pro"), "Gamma,12/7/2026 9:01:23 PM,12/7/2026 9:01:53 PM,\r\n");

  log.clear();
  Later(8 * 3600);
  window->setWindowState(Qt::WindowMinimized);
  window->LookForAway();
  window->LookForAway();
  EXPECT_EQ(log, (test::EventLog{"balloon:Tallywright:Still tracking Gamma since 12/7/2026 9:04:18 PM (8 h)."}));
  shell.balloonClick();
  EXPECT_TRUE(window->isVisible());
  delete window;
}

TEST_F(AwayWindowTest, TimeAwayIsAskedAboutBeforeEndProjectOrAShutdownCountsIt) {
  frmMain* window = StartTracking();
  Later(100);
  idle->idleSeconds = 72;  // left at 9:01:51
  window->LookForAway();
  Later(5);
  idle->idleSeconds = 0;
  dialogs.answers = {1};  // End Then
  test::Click(*window, "cmdEndProject");  // the first input since: the question comes first
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(folder.Read("projrpt.pro"), "Gamma,12/7/2026 9:01:23 PM,12/7/2026 9:01:51 PM,\r\n");
  test::Click(*window, "cmdStartProject");  // anew, after End Then
  EXPECT_EQ(window->StartText(), "12/7/2026 9:03:08 PM");
  // Away again when the session ends: nothing is recorded, the stretch is kept as last seen when
  // the person left, for the next start to ask about.
  Later(100);
  idle->idleSeconds = 90;
  window->LookForAway();
  window->EndNow();
  EXPECT_EQ(log.back(), "end:0");
  EXPECT_EQ(folder.Read("projrpt.pro"), "Gamma,12/7/2026 9:01:23 PM,12/7/2026 9:01:51 PM,\r\n");
  EXPECT_NE(folder.Read("projrpt.run").find("Start=12/7/2026 9:03:08 PM\r\nComment=\r\nLastSeen=12/7/2026 9:03:18 PM"),
            std::string::npos);
  delete window;
}

TEST_F(AwayWindowTest, PreferencesRefusesBadNumbersAndSavesText) {
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

}  // namespace
}  // namespace tw
