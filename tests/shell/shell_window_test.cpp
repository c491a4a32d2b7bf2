// The shell's windows as a user meets them: menus, Option items, the icon's wiring, splash and About.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTest>
#include <set>

#include "desktop/qt_shell.h"
#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "shell/frm_splash.h"
#include "shell/setup_main.h"
#include "shell/tray.h"
#include "state/program_state.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"

namespace tw {
namespace {

class ShellWindowTest : public test::PlatformTest {
 protected:
  ShellWindowTest() { system.endThrows = false; }
  ~ShellWindowTest() override {
    if (frmAbout* about = frmAbout::Loaded()) about->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QAction* Item(const frmMain& window, const char* name) {
    auto* item = window.findChild<QAction*>(name);
    EXPECT_NE(item, nullptr) << name;
    return item;
  }
  // Shows the real notification icon for window, its presses wired as start-up wires them.
  void AddIcon(QtShell& tray, frmMain& window) {
    tray.OnIconPress([&window](IconPress press) { PicIconPress(window, press); });
    ASSERT_TRUE(tray.AddIcon(MakeNotifyIconRecord()));
  }
  void Press(QtShell& tray, QSystemTrayIcon::ActivationReason reason) {
    emit tray.trayIcon()->activated(reason);
  }
  void Minimize(frmMain& window) {
    window.show();
    window.setWindowState(Qt::WindowMinimized);
  }
};

TEST_F(ShellWindowTest, EachMenuHasItsOwnAccessKeysAndNoShortcuts) {
  frmMain window;
  for (QAction* menu : window.menuBar()->actions()) {
    std::set<QChar> keys;
    for (QAction* item : menu->menu()->actions()) {
      if (item->isSeparator()) continue;
      const QString text = item->text();
      const qsizetype amp = text.indexOf('&');
      ASSERT_GE(amp, 0) << text.toStdString();
      EXPECT_TRUE(keys.insert(text.at(amp + 1).toLower()).second) << text.toStdString();
      EXPECT_TRUE(item->shortcut().isEmpty()) << text.toStdString();
    }
  }
}

TEST_F(ShellWindowTest, StatusBarCenterAppAndClearScreen) {
  frmMain window;
  QAction* item = Item(window, "mnuOptionsStatusBar");
  QStatusBar* bar = window.findChild<QStatusBar*>("sbStatusBar");
  EXPECT_EQ(window.findChild<QLabel*>("sbStatusBar.Panel2")->text(), "12/7/2026");
  EXPECT_EQ(window.findChild<QLabel*>("sbStatusBar.Panel3")->text(), "9:01 PM");
  for (bool shown : {false, true}) {
    item->trigger();
    EXPECT_EQ(bar->isHidden(), !shown);
    EXPECT_EQ(item->isChecked(), shown);
  }

  // A window larger than the screen gets negative edges.
  window.SetWidth(30000);
  Item(window, "mnuOptionsCenterApp")->trigger();
  EXPECT_EQ(window.Left(), (19200 - 30000) / 2);

  // Clear Screen while tracking drops the stretch without a record.
  test::Click(window, "cmdStartProject");
  window.SetComments("half done");
  window.SetTimeCalc("01:00:00");
  Item(window, "mnuOptionClearScreen")->trigger();
  EXPECT_EQ(window.StartText() + window.EndText() + window.Comments(), "");
  EXPECT_EQ(window.TimeCalc(), "01:00:00");
  window.close();
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
}

TEST_F(ShellWindowTest, MinimizeHidesAndOnlyALeftPressOnTheIconBringsTheWindowBack) {
  frmMain window;
  QtShell tray(window.windowIcon());
  AddIcon(tray, window);
  EXPECT_FALSE(tray.AddIcon(MakeNotifyIconRecord()));  // added once only
  Minimize(window);
  EXPECT_TRUE(window.isHidden());
  for (auto reason : {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown})
    Press(tray, reason);
  EXPECT_TRUE(window.isHidden());
  Press(tray, QSystemTrayIcon::Trigger);
  EXPECT_TRUE(window.isVisible() && !window.isMinimized());
  // Without a notification area the window stays minimized with its taskbar button.
  shell.notificationArea = false;
  Minimize(window);
  EXPECT_FALSE(window.isHidden());
  window.hide();
}

TEST_F(ShellWindowTest, SplashAndAbout) {
  frmSplash* splash = new frmSplash;
  EXPECT_EQ(test::LayoutProblems(*splash), std::vector<std::string>{});
  EXPECT_EQ(LoadedForms().Count(), 1);
  splash->Unload();
  EXPECT_EQ(LoadedForms().Count(), 0);

  frmMain window;
  window.show();
  Item(window, "mnuHelpAbout")->trigger();
  frmAbout* about = frmAbout::Loaded();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(test::LayoutProblems(*about), std::vector<std::string>{});
  EXPECT_FALSE(about->isModal());
  EXPECT_TRUE(about->findChild<QPushButton*>("cmdOK")->isDefault());
  Item(window, "mnuHelpAbout")->trigger();  // brought forward, not loaded again
  EXPECT_EQ(frmAbout::Loaded(), about);
  EXPECT_EQ(LoadedForms().Count(), 2);
  QTest::keyClick(about, Qt::Key_Escape);
  EXPECT_EQ(frmAbout::Loaded(), nullptr);

  window.hide();
}

}  // namespace
}  // namespace tw
