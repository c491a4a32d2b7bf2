// The main window as a user meets it: controls, start-up, tracking by clicks and closing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/frm_main.h"
#include "state/program_state.h"
#include "app/setup_main.h"
#include "platform/handles.h"
#include "platform/qt_settings.h"
#include "platform/qt_text.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

class MainWindowTest : public test::PlatformTest {
 protected:
  MainWindowTest() { system.endThrows = false; }
  template <class W>
  W* Find(const QWidget& window, const char* name) {
    W* w = window.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
};

TEST_F(MainWindowTest, ControlsStandAtTheirDesignedPlaces) {
  struct Row {
    const char* name;
    int left, top, width, height;
    const char* caption;
    const char* tip;
  };
  // Placed at 120 dots per inch: 12 twips to the pixel.
  system.twipsPerPixel = 12;
  const Row rows[] = {
      {"cmdStartProject", 2280, 240, 1215, 375, "Start Project", "Start tracking your project"},
      {"txtStartProject", 120, 240, 2055, 285, "", "Start Time in MM/DD/YY HH:MM:SS AM/PM format"},
      {"cmdEndProject", 2280, 840, 1215, 375, "EndProject", "End the tracking of your project"},
      {"txtEndProject", 120, 840, 2055, 285, "", "End Time in MM/DD/YY HH:MM:SS AM/PM format"},
      {"cboProjects", 120, 2280, 2055, 315, "", ""},
      {"txtComments", 2280, 1560, 2295, 1095, "", "Comments about your project"},
      {"lblTimeCalc", 120, 1560, 2055, 255, "", ""},
      {"cmdUpdateProjects", 3600, 240, 975, 975, "Update Projects", "Update/Add to your project list"},
      {"lblProjectList", 120, 2040, 1215, 255, "Your Project List:", ""},
      {"lblComments", 2280, 1320, 1935, 255, "Comment about Project:", ""},
      {"lblTotalTime", 120, 1320, 1215, 255, "Time on project:", ""},
      {"picIcon", 1800, 1560, 495, 495, "", ""},
  };
  frmMain window;
  for (const Row& r : rows) {
    QWidget* w = Find<QWidget>(window, r.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), QRect(qRound(r.left / 12.0), qRound(r.top / 12.0), qRound(r.width / 12.0),
                                   qRound(r.height / 12.0)))
        << r.name;
    EXPECT_EQ(w->toolTip().toStdString(), r.tip) << r.name;
    QString caption;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) caption = b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
    EXPECT_EQ(caption.toStdString(), r.caption) << r.name;
    const bool white = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                       qobject_cast<QPlainTextEdit*>(w);
    if (!white && std::string(r.name) != "picIcon") {
      EXPECT_EQ(w->palette().color(QPalette::Window), QColor(255, 255, 192)) << r.name;
    } else if (white) {
      EXPECT_EQ(w->palette().color(QPalette::Base), QColor(Qt::white)) << r.name;
    }
  }
  EXPECT_TRUE(Find<QWidget>(window, "picIcon")->isHidden());
  EXPECT_FALSE(Find<QLabel>(window, "picIcon")->pixmap().isNull());
  EXPECT_EQ(window.windowTitle(), "Tallywright");
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_EQ(window.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(255, 255, 192));
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(Find<QWidget>(window, "sbStatusBar")->height(), qRound(270 / 12.0) + 2);
  for (const char* button : {"cmdStartProject", "cmdEndProject", "cmdUpdateProjects"}) {
    auto* b = Find<QPushButton>(window, button);
    EXPECT_FALSE(b->isDefault() || b->autoDefault()) << button;
  }

  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "cmdStartProject");
  std::vector<std::string> order;
  for (int i = 0; i < 7; ++i) {
    order.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"cmdStartProject", "txtStartProject", "cmdEndProject",
                                             "txtEndProject", "cboProjects", "txtComments",
                                             "cmdUpdateProjects"}));
  // Enter presses no button.
  QTest::keyClick(Find<QWidget>(window, "txtStartProject"), Qt::Key_Return);
  QTest::keyClick(Find<QWidget>(window, "txtEndProject"), Qt::Key_Escape);
  EXPECT_EQ(window.StartText(), "");
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
  window.hide();
}

TEST_F(MainWindowTest, StartUpTrackingAndClosingByClicks) {
  folder.Write("project.lst", "Alpha\r\nBeta\r\n\r\n");
  settings.values["Project"] = "0";
  frmMain* window = Setup::Main();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Setup::DisplayDate, clock.now);
  EXPECT_EQ(window->ProjectCount(), 3);
  EXPECT_EQ(window->ProjectIndex(), 0);
  // The icon was registered with the record naming the hidden icon holder.
  ASSERT_EQ(shell.records.size(), 1u);
  EXPECT_EQ(log.front(), "shell:0");
  EXPECT_EQ(shell.records[0].hWnd, HandleOf(window->picIcon()));
  EXPECT_EQ(LoadedForms().Count(), 1);  // the splash window is gone

  QTest::mouseClick(Find<QWidget>(*window, "cmdStartProject"), Qt::LeftButton);
  EXPECT_EQ(window->StartText(), "12/7/2026 9:01:23 PM");
  clock.now.seconds += 3600;
  QTest::mouseClick(Find<QWidget>(*window, "cmdEndProject"), Qt::LeftButton);
  EXPECT_EQ(window->TimeCalc(), "01:00:00");
  QTest::mouseClick(Find<QWidget>(*window, "cmdStartProject"), Qt::LeftButton);
  EXPECT_EQ(window->EndText(), "");
  clock.now.seconds += 60;
  window->close();  // still running: recorded with the closing moment
  EXPECT_EQ(folder.Read("projrpt.pro"),
            "Alpha,12/7/2026 9:01:23 PM,12/7/2026 10:01:23 PM,\r\n"
            "Alpha,12/7/2026 9:01:23 PM,12/7/2026 10:02:23 PM,\r\n");
  EXPECT_EQ(folder.Read("projrpt.bak"), folder.Read("projrpt.pro"));
  EXPECT_EQ(log.back(), "end:0");
  EXPECT_EQ(settings.values["MainLeft"], "3615");
  delete window;
}

TEST_F(MainWindowTest, ARememberedProjectThatIsGoneOrNotANumberIsNoFailure) {
  folder.Write("project.lst", "Alpha\r\nBeta\r\n\r\n");
  // A position past the list clears the selection; a text that is no number is no setting at all,
  // so the second entry stays selected as the list was read.
  for (auto [value, expected] : {std::pair{"7", -1}, {"-1", -1}, {"abc", 1}, {"", 1}}) {
    settings.values["Project"] = value;
    std::unique_ptr<frmMain> window(Setup::Main());
    EXPECT_EQ(window->ProjectIndex(), expected) << value;
    EXPECT_TRUE(dialogs.shown.empty());
  }
}

TEST(QtPlatform, TextsKeepEveryByteAndSettingsKeepTheirValues) {
  const std::string bytes("caf\xC3\xA9 \xFF\xFE\0 \xED\xA0\x80 \xF0\x9F\x98\x80 end", 22);
  EXPECT_EQ(ToBytes(FromBytes(bytes)), bytes);
  EXPECT_EQ(FromBytes("caf\xC3\xA9"), QString::fromUtf8("caf\xC3\xA9"));
  test::TempFolder folder;
  QtSettings store(QString::fromStdString(folder.File("Tallywright.ini")));
  EXPECT_EQ(store.GetSetting("Tallywright", "Settings", "MainLeft", "3615"), "3615");
  store.SaveSetting("Tallywright", "Settings", "MainLeft", "-120");
  store.SaveSetting("Tallywright", "Settings", "Project", "caf\xC3\xA9, two");
  QtSettings again(QString::fromStdString(folder.File("Tallywright.ini")));
  EXPECT_EQ(again.GetSetting("Tallywright", "Settings", "MainLeft", ""), "-120");
  EXPECT_EQ(again.GetSetting("Tallywright", "Settings", "Project", ""), "caf\xC3\xA9, two");
  EXPECT_NE(folder.Read("Tallywright.ini").find("[Settings]"), std::string::npos);
}

}  // namespace
}  // namespace tw
