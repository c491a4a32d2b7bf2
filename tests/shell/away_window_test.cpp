// Time away's wiring in the main window: the question, the balloon and its click.
#include <gtest/gtest.h>

#include "shell/frm_main.h"
#include "shell/setup_main.h"
#include "tests/support/fake_idle.h"
#include "tests/support/fakes.h"
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

TEST_F(AwayWindowTest, TheReturnToldByTheSourceBringsTheQuestionAtOnce) {
  idle->tells = {true, true};
  frmMain* window = StartTracking();
  window->setWindowState(Qt::WindowMinimized);
  Later(100);
  idle->idleSeconds = 70;  // left at 9:01:53
  window->LookForAway();
  ASSERT_EQ(idle->watching, true);
  Later(30);
  idle->idleSeconds = 0;
  dialogs.answers = {1};  // End Then
  idle->TellBack();       // no look is due: the window looks as it is told
  EXPECT_EQ(dialogs.shown.size(), 1u);
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
  // Away again at the session's end: nothing recorded, the stretch kept as last seen.
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

}  // namespace
}  // namespace tw
