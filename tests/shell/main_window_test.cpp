// The main window as a user meets it: its controls, start-up, tracking by clicks and closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "shell/frm_main.h"
#include "shell/setup_main.h"
#include "state/program_state.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"
#include "tracking/running.h"
#include "widgets/twips.h"
#include "widgets/window_frame.h"

namespace tw {
namespace {

class MainWindowTest : public test::PlatformTest {
 protected:
  MainWindowTest() { system.endThrows = false; }
};

TEST_F(MainWindowTest, ControlsKeyboardAndLook) {
  frmMain window;
  window.show();
  // At this scaling; CTest runs it again at others.
  EXPECT_EQ(test::LayoutProblems(window), std::vector<std::string>{});
  // The designed outer size, the frame included; maximized anyway, it comes back.
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry() == TwipsRect(3615, 2670, 4770, 3660); }))
      << window.frameGeometry().width() << "x" << window.frameGeometry().height();
  window.setWindowState(Qt::WindowMaximized);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMaximized(); }));
  EXPECT_EQ(window.frameGeometry(), TwipsRect(3615, 2670, 4770, 3660));
  window.hide();
  EXPECT_TRUE(test::Child(window, "picIcon")->isHidden());
  for (const char* name : {"cmdStartProject", "cmdUpdateProjects", "lblProjectList"})
    EXPECT_EQ(test::Child(window, name)->palette().color(QPalette::Window), QColor(255, 255, 192)) << name;
  // With black text on it, also under a desktop's dark palette.
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  for (const auto role : {QPalette::WindowText, QPalette::ButtonText}) dark.setColor(role, Qt::white);
  QApplication::setPalette(dark);
  QPushButton button;
  PaintLightYellow(&button);
  EXPECT_EQ(button.palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(button.palette().color(QPalette::ButtonText), QColor(Qt::black));
  QApplication::setPalette(light);

  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(test::TabOrder(7), (std::vector<std::string>{"cmdStartProject", "txtStartProject", "cmdEndProject",
                                             "txtEndProject", "cboProjects", "txtComments",
                                             "cmdUpdateProjects"}));
  // Neither Enter nor Escape presses a button.
  QTest::keyClick(test::Child(window, "txtStartProject"), Qt::Key_Return);
  QTest::keyClick(test::Child(window, "txtEndProject"), Qt::Key_Escape);
  EXPECT_EQ(window.StartText(), "");
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
  window.hide();
}

// The kept outer rectangle is never a maximized one, in either order openbox tells of it (1280 x 1024).
TEST(MainWindowPlace, TheSavedGeometryNeverTakesAMaximizedOrReframedSize) {
  using State = OuterKeeping::State;
  using Answer = OuterKeeping::Answer;
  const QRect designed(241, 178, 318, 244);
  const QMargins normalFrame(1, 20, 1, 5), maximizedFrame(0, 19, 0, 0);
  const QRect inside(242, 198, 316, 219), maximized(0, 19, 1280, 1005);
  const auto framed = [&] {
    OuterKeeping keeping;
    EXPECT_EQ(keeping.Place(designed), designed);  // no frame known yet
    EXPECT_EQ(keeping.Seen(designed, QMargins(), State::Normal, 0), Answer::Nothing);
    EXPECT_EQ(keeping.Seen(designed, normalFrame, State::Normal, 0), Answer::AskInside);
    EXPECT_EQ(keeping.asked = keeping.Inside(), inside);
    return keeping;
  };
  // The state first, then the size and the frame; or the size and the frame before the state.
  for (bool stateFirst : {true, false}) {
    OuterKeeping keeping = framed();
    if (stateFirst) {
      EXPECT_EQ(keeping.Seen(maximized, maximizedFrame, State::Maximized, 0), Answer::Unmaximize);
    } else {
      EXPECT_EQ(keeping.Seen(maximized, maximizedFrame, State::Normal, 0), Answer::Wait);
      EXPECT_EQ(keeping.Seen(maximized, maximizedFrame, State::Maximized, 0), Answer::Unmaximize);
    }
    // Back to normal, still without borders for a while: nothing of it is kept.
    EXPECT_EQ(keeping.Seen(maximized, maximizedFrame, State::Normal, 0), Answer::Nothing);
    EXPECT_EQ(keeping.Seen(inside.adjusted(0, 0, 2, 6), maximizedFrame, State::Normal, 0), Answer::Nothing);
    EXPECT_EQ(keeping.Seen(inside, normalFrame, State::Normal, 0), Answer::AskInside);
    EXPECT_EQ(keeping.outer, designed) << stateFirst;
    EXPECT_EQ(keeping.Inside(), inside);
  }
  // A window manager that never frames it as before: after the wait, its frame is the frame.
  OuterKeeping keeping = framed();
  EXPECT_EQ(keeping.Seen(inside, QMargins(2, 22, 2, 2), State::Normal, 0), Answer::Wait);
  EXPECT_EQ(keeping.Settled(QMargins(2, 22, 2, 2), State::Normal), QRect(243, 200, 314, 220));
  EXPECT_EQ(keeping.outer, designed);

  // What the user does in the normal state is kept; a pixel of rounding at a fractional scaling is
  // not the user's.
  keeping = framed();
  EXPECT_EQ(keeping.Seen(inside.translated(1, -1), normalFrame, State::Normal, 1), Answer::Nothing);
  EXPECT_EQ(keeping.outer, designed);
  EXPECT_EQ(keeping.Seen(QRect(400, 300, 350, 250), normalFrame, State::Normal, 1), Answer::Nothing);
  EXPECT_EQ(keeping.outer, QRect(399, 280, 352, 275));
  // Minimized (hidden in the notification area), nothing it shows counts.
  EXPECT_EQ(keeping.Seen(QRect(0, 0, 10, 10), QMargins(), State::Minimized, 1), Answer::Nothing);
  EXPECT_EQ(keeping.outer, QRect(399, 280, 352, 275));
}

TEST_F(MainWindowTest, StartUpTrackingAndClosingByClicks) {
  folder.Write("project.lst", "Alpha\r\nBeta\r\n\r\n");
  settings.values["Project"] = "0";
  frmMain* window = Setup::Main();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Setup::DisplayDate, clock.now);
  EXPECT_EQ(window->ProjectIndex(), 0);
  EXPECT_EQ(shell.icons, std::vector<IconRecord>{Setup::NotifyIconRecord});
  window->setWindowState(Qt::WindowMinimized);
  shell.iconPress(IconPress::Left);  // start-up wires the icon's presses to the window
  EXPECT_TRUE(window->isVisible() && !window->isMinimized());
  EXPECT_EQ(LoadedForms().Count(), 1);  // the splash window is gone

  test::Click(*window, "cmdStartProject");
  EXPECT_EQ(window->StartText(), "12/7/2026 9:01:23 PM");
  clock.now.seconds += 3600;
  test::Click(*window, "cmdEndProject");
  EXPECT_EQ(window->TimeCalc(), "01:00:00");
  test::Click(*window, "cmdStartProject");
  EXPECT_EQ(window->EndText(), "");
  // Typing into the end box leaves "running": the saved stretch goes, and comes back once it is empty.
  for (const char* end : {"abc", ""}) {
    test::Retype(*window, "txtEndProject", end);
    WaitForRunningFile();
    EXPECT_EQ(folder.Exists("projrpt.run"), *end == 0) << end;
  }
  clock.now.seconds += 60;
  window->close();  // still running, the stretch taken up again: its one record ends at closing
  EXPECT_EQ(folder.Read("projrpt.pro"), "Alpha,12/7/2026 9:01:23 PM,12/7/2026 10:02:23 PM,\r\n");
  EXPECT_EQ(settings.values["MainLeft"], "3615");  // the rest of the shutdown's order: LifecycleTest
  delete window;
}

TEST_F(MainWindowTest, TheStartAndEndBoxesTipsNameTheFormTheReportIsWrittenIn) {
  frmMain window;
  QWidget* start = test::Child(window, "txtStartProject");
  QWidget* end = test::Child(window, "txtEndProject");
  EXPECT_EQ(start->toolTip(), "Start Time in MM/DD/YY HH:MM:SS AM/PM format");  // no report yet: the user's
  folder.Write("projrpt.pro", "Invoicing,13.11.2026 09:00:00,13.11.2026 13:00:00,\r\n");
  QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), start->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(start, &hover);
  EXPECT_EQ(start->toolTip(), "Start Time in DD.MM.YYYY HH:MM:SS format");
  EXPECT_EQ(end->toolTip(), "End Time in DD.MM.YYYY HH:MM:SS format");
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kSecond = 10000;  // a sanitizer's build runs some ten times slower
#else
constexpr int kSecond = 1000;
#endif

// A 15 MB paste is cut before the comment box lays it out, and the status bar says so.
TEST_F(MainWindowTest, AHugePasteIntoTheCommentIsCutAtOnce) {
  frmMain window;
  window.show();
  auto* comment = test::Child<QPlainTextEdit>(window, "txtComments");
  window.SetComments("kept ");
  QTextCursor end = comment->textCursor();
  end.movePosition(QTextCursor::End);
  comment->setTextCursor(end);
  QString pasted;
  while (pasted.size() < 15 * 1024 * 1024) pasted += QStringLiteral("x one two three four five six seven eight nine ten\n");
  QApplication::clipboard()->setText(pasted);
  QElapsedTimer took;
  took.start();
  comment->paste();
  EXPECT_LT(took.elapsed(), kSecond);
  EXPECT_EQ(comment->document()->characterCount() - 1, kMaxCommentChars);
  EXPECT_EQ(window.Comments().size(), size_t{kMaxCommentChars});
  EXPECT_EQ(window.Comments().substr(0, 10), "kept x one");
  EXPECT_EQ(test::Child<QLabel>(window, "sbStatusBar.Panel1")->text().toStdString(),
            "The pasted text was cut to 65530 of its " + std::to_string(pasted.size()) +
                " characters: a comment holds 65535");
  window.hide();
}

}  // namespace
}  // namespace tw
