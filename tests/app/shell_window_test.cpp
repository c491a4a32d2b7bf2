// The shell's windows as a user meets them: the menus, the Option menu's items, minimizing to the
// notification area and the icon's presses, the splash and About windows and the help viewer.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "app/frm_about.h"
#include "app/frm_main.h"
#include "app/frm_splash.h"
#include "state/program_state.h"
#include "app/setup_main.h"
#include "widgets/twips.h"
#include "platform/handles.h"
#include "platform/qt_help_viewer.h"
#include "platform/qt_shell.h"
#include "tests/support/fakes.h"

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
  std::string Status(const frmMain& window) {
    return window.findChild<QLabel*>("sbStatusBar.Panel1")->text().toStdString();
  }
  // Registers the real notification icon for window, as start-up does, and presses on it.
  void AddIcon(QtShell& tray, frmMain& window) {
    Setup::NotifyIconRecord =
        MakeNotifyIconRecord(HandleOf(window.picIcon()), HandleOf(&window.programIcon()));
    ASSERT_TRUE(tray.Shell_NotifyIconA(NIM_ADD, Setup::NotifyIconRecord));
  }
  void Press(QtShell& tray, QSystemTrayIcon::ActivationReason reason) {
    emit tray.trayIcon()->activated(reason);
  }
  void Minimize(frmMain& window) {
    window.show();
    window.setWindowState(Qt::WindowMinimized);
  }
};

TEST_F(ShellWindowTest, TheMenuTreeHasItsCaptionsNamesAndSeparators) {
  frmMain window;
  std::vector<std::string> tree;
  for (QAction* menu : window.menuBar()->actions()) {
    tree.push_back(menu->menu()->objectName().toStdString() + " " + menu->text().toStdString());
    for (QAction* item : menu->menu()->actions()) {
      tree.push_back("  " + item->objectName().toStdString() +
                     (item->isSeparator() ? " -" : " " + item->text().toStdString()));
      EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName().toStdString();
    }
  }
  EXPECT_EQ(tree, (std::vector<std::string>{
                      "mnuOptions &Option", "  mnuOptionsStatusBar Status &Bar",
                      "  mnuOptionsCenterApp &Center App", "  mnuOptionClearScreen Clear &Screen",
                      "  mnuViewBar0 -", "  mnuOptionsExit E&xit", "mnuReport &Report",
                      "  mnuReportViewReport &View Report", "  mnuReportClearReport &Clear Report",
                      "  mnuViewsep3 -", "  mnuReportRestoreReport &Restore Report",
                      "mnuHelp &Help", "  mnuHelpContents &Contents",
                      "  mnuHelpSearchForHelpOn &Search For Help On...", "  mnuHelpBar0 -",
                      "  mnuHelpAbout &About "}));
  EXPECT_TRUE(Item(window, "mnuOptionsStatusBar")->isChecked());
}

TEST_F(ShellWindowTest, StatusBarTwiceHidesAndShowsTheBarWithItsCheckMark) {
  frmMain window;
  QAction* item = Item(window, "mnuOptionsStatusBar");
  QStatusBar* bar = window.findChild<QStatusBar*>("sbStatusBar");
  EXPECT_EQ(Status(window), "Status");
  EXPECT_EQ(window.findChild<QLabel*>("sbStatusBar.Panel2")->text(), "12/7/2026");
  EXPECT_EQ(window.findChild<QLabel*>("sbStatusBar.Panel3")->text(), "9:01 PM");
  item->trigger();
  EXPECT_TRUE(bar->isHidden());
  EXPECT_FALSE(item->isChecked());
  item->trigger();
  EXPECT_FALSE(bar->isHidden());
  EXPECT_TRUE(item->isChecked());
}

TEST_F(ShellWindowTest, CenterAppOnAWindowLargerThanTheScreenGivesNegativeEdges) {
  frmMain window;
  window.SetWidth(30000);
  window.SetHeight(20100);
  Item(window, "mnuOptionsCenterApp")->trigger();
  EXPECT_EQ(window.Left(), (19200 - 30000) / 2);
  EXPECT_EQ(window.Top(), (14400 - 20100) / 2);
  EXPECT_EQ(window.Width(), 30000);
}

TEST_F(ShellWindowTest, ClearScreenWhileTrackingDropsTheStretchWithoutARecord) {
  frmMain window;
  QTest::mouseClick(window.findChild<QPushButton*>("cmdStartProject"), Qt::LeftButton);
  window.SetComments("half done");
  window.SetTimeCalc("01:00:00");
  Item(window, "mnuOptionClearScreen")->trigger();
  EXPECT_EQ(window.StartText() + window.EndText() + window.Comments(), "");
  EXPECT_EQ(window.TimeCalc(), "01:00:00");
  window.close();
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
}

TEST_F(ShellWindowTest, MinimizeHidesAndALeftPressOnTheIconBringsTheWindowBack) {
  frmMain window;
  QtShell tray;
  AddIcon(tray, window);
  EXPECT_EQ(tray.trayIcon()->toolTip(), "Tallywright");
  EXPECT_FALSE(tray.trayIcon()->icon().isNull());
  EXPECT_FALSE(tray.Shell_NotifyIconA(NIM_ADD, Setup::NotifyIconRecord));  // added once only

  for (double twipsPerPixel : {15.0, 1440.0 / 144}) {
    system.twipsPerPixel = twipsPerPixel;
    Minimize(window);
    EXPECT_TRUE(window.isHidden());
    EXPECT_TRUE(window.isMinimized());
    log.clear();
    Press(tray, QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(Status(window), "Tallywright");
    EXPECT_EQ(log, (test::EventLog{"foreground:" + std::to_string(window.WindowHandle())}));
  }
  EXPECT_TRUE(tray.Shell_NotifyIconA(NIM_DELETE, Setup::NotifyIconRecord));
  EXPECT_EQ(tray.trayIcon(), nullptr);
  window.hide();
}

TEST_F(ShellWindowTest, WithoutANotificationAreaMinimizingKeepsTheWindow) {
  frmMain window;
  shell.notificationArea = false;
  Minimize(window);
  EXPECT_FALSE(window.isHidden());
  EXPECT_TRUE(window.isMinimized());
  window.hide();
}

TEST_F(ShellWindowTest, DoubleClicksMovesAndOtherButtonsOnTheIconDoNothing) {
  frmMain window;
  QtShell tray;
  AddIcon(tray, window);
  Minimize(window);
  log.clear();
  for (auto reason : {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown})
    Press(tray, reason);
  EXPECT_TRUE(window.isHidden());
  EXPECT_FALSE(window.optionMenu()->isVisible());
  EXPECT_EQ(Status(window), "Status");
  EXPECT_TRUE(log.empty());
}

TEST_F(ShellWindowTest, RightPressWhileHiddenOpensTheOptionMenuAndExitKeepsTheOldGeometry) {
  frmMain* window = Setup::Main();
  QtShell tray;
  AddIcon(tray, *window);
  Minimize(*window);
  ASSERT_TRUE(window->isHidden());
  Press(tray, QSystemTrayIcon::Context);
  EXPECT_TRUE(window->optionMenu()->isVisible());
  EXPECT_TRUE(window->isHidden());
  log.clear();
  Item(*window, "mnuOptionsExit")->trigger();
  EXPECT_EQ(settings.values.count("MainLeft"), 0u);
  EXPECT_EQ(log, (test::EventLog{"shell:2", "end:0"}));
  window->optionMenu()->hide();
  delete window;
}

TEST_F(ShellWindowTest, TheSplashShowsLogoTitleVersionAndTheMakersTexts) {
  frmSplash* splash = new frmSplash;
  EXPECT_EQ(LoadedForms().Count(), 1);
  EXPECT_EQ(splash->size(), QSize(497, 314));
  const auto text = [&](const char* name) {
    auto* label = splash->findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text().toStdString() : std::string();
  };
  EXPECT_EQ(text("lblProductName"), "Tallywright");
  EXPECT_EQ(text("lblVersion"), "Version 1.0.0");
  EXPECT_EQ(text("lblPlatform"), "95/98/NT Platform");
  EXPECT_EQ(text("lblWarning"), "Track your projects and keep your projects on track.");
  EXPECT_EQ(text("lblCompanyProduct"), "Quillfen");
  EXPECT_FALSE(splash->findChild<QLabel*>("imgLogo")->pixmap().isNull());
  EXPECT_EQ(splash->findChild<QWidget*>("fraMainFrame")->geometry(), QRect(8, 8, 484, 297));
  // Right-aligned and sized to their text: they keep their right edge at 7005 twips.
  for (const char* name : {"lblPlatform", "lblVersion"})
    EXPECT_EQ(splash->findChild<QLabel*>(name)->geometry().right() + 1, 467) << name;
  EXPECT_EQ(splash->findChild<QLabel*>("lblPlatform")->font().pointSizeF(), 13.5);
  EXPECT_TRUE(splash->findChild<QLabel*>("lblProductName")->font().bold());
  splash->Unload();
  EXPECT_EQ(LoadedForms().Count(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ShellWindowTest, AboutIsOneModelessWindowCentredAtEachLoad) {
  frmMain window;
  window.show();
  Item(window, "mnuHelpAbout")->trigger();
  frmAbout* about = frmAbout::Loaded();
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(about->windowTitle(), "About Tallywright");
  EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(), "Version 1.0.0");
  EXPECT_EQ(about->findChild<QLabel*>("lblTitle")->text(), "Tallywright");
  EXPECT_EQ(about->size(), QSize(382, 237));
  EXPECT_EQ(about->pos(), QPoint(TwipsToPixels((19200 - 382 * 15) / 2.0), TwipsToPixels((14400 - 237 * 15) / 2.0)));
  auto* ok = about->findChild<QPushButton*>("cmdOK");
  EXPECT_TRUE(ok->isDefault());
  about->move(0, 0);
  Item(window, "mnuHelpAbout")->trigger();  // brought forward, not loaded again
  EXPECT_EQ(frmAbout::Loaded(), about);
  EXPECT_EQ(about->pos(), QPoint(0, 0));
  EXPECT_EQ(LoadedForms().Count(), 2);

  // System Info with nothing registered: the message, and the window stays.
  QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt, "System Information Is Unavailable At This Time");
  EXPECT_EQ(frmAbout::Loaded(), about);

  QTest::keyClick(about, Qt::Key_Escape);
  EXPECT_EQ(frmAbout::Loaded(), nullptr);
  EXPECT_EQ(LoadedForms().Count(), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Item(window, "mnuHelpAbout")->trigger();  // a new load, centred again
  EXPECT_NE(frmAbout::Loaded()->pos(), QPoint(0, 0));
  QTest::mouseClick(frmAbout::Loaded()->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(frmAbout::Loaded(), nullptr);
  window.hide();
}

TEST_F(ShellWindowTest, TheHelpEntriesOpenTheViewerAtItsContentsOrItsKeywordSearch) {
  frmMain window;
  Item(window, "mnuHelpContents")->trigger();
  Item(window, "mnuHelpSearchForHelpOn")->trigger();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].rfind("help:" + std::to_string(window.WindowHandle()) + ":", 0), 0u);
  EXPECT_NE(log[0].find("TALLYWRT.HLP:3:[]"), std::string::npos);
  EXPECT_NE(log[1].find("TALLYWRT.HLP:261:[]"), std::string::npos);

  QtShell viewer;
  const std::string file = std::string(TW_SOURCE_DIR) + "/app/help/TALLYWRT.HLP";
  static const std::uint16_t empty = 0;
  ASSERT_TRUE(viewer.WinHelpA(window.WindowHandle(), file, HELP_PARTIALKEY, &empty));
  HelpViewer* help = viewer.helpViewer();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->parentWidget(), &window);
  EXPECT_EQ(help->windowTitle(), "Tallywright Help");
  EXPECT_EQ(help->tabs()->currentIndex(), 1);
  EXPECT_EQ(help->keywordBox()->text(), "");
  EXPECT_GT(help->keywordList()->count(), 20);
  QTest::keyClicks(help->keywordBox(), "center");
  EXPECT_EQ(help->keywordList()->currentItem()->text(), "Center App");

  ASSERT_TRUE(viewer.WinHelpA(window.WindowHandle(), file, HELP_CONTENTS, nullptr));
  EXPECT_EQ(viewer.helpViewer(), help);  // one viewer
  EXPECT_EQ(help->tabs()->currentIndex(), 0);
  EXPECT_NE(help->page()->toPlainText().indexOf("Start Project"), -1);
  // A help file that is not there: the viewer says so itself.
  ASSERT_TRUE(viewer.WinHelpA(window.WindowHandle(), folder.File("TALLYWRT.HLP"), HELP_CONTENTS, nullptr));
  EXPECT_NE(help->page()->toPlainText().indexOf("cannot be opened"), -1);
  EXPECT_FALSE(viewer.WinHelpA(window.WindowHandle(), file, 1, nullptr));
  help->close();
}

}  // namespace
}  // namespace tw
