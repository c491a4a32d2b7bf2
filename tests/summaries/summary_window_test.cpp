// The Summary window as a user meets it: opened from the Report menu beside a working main window,
// stepped through periods, exported, and a day opened in the daily report.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include "shell/frm_main.h"
#include "desktop/qt_text.h"
#include "store/changes.h"
#include "store/record_store.h"
#include "report/rewrite.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"
#include "viewer/frm_report.h"
#include "summaries/frm_summary.h"

namespace tw {
namespace {

std::int64_t D(int y, int m, int d) { return DayFromCivil({y, m, d}); }

class SummaryWindowTest : public test::PlatformTest {
 protected:
  SummaryWindowTest() {
    system.endThrows = false;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // weeks from Sunday
    folder.Write("projrpt.pro",
                 "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, then proofs\r\n"
                 "Beta,12/2/2026 9:00:00 AM,12/2/2026 9:20:00 AM,\r\n"
                 "Alpha,12/31/2026 9:00:00 AM,12/31/2026 9:07:00 AM,\r\n"
                 "typed by hand\r\n");
  }
  ~SummaryWindowTest() override { QLocale::setDefault(QLocale::system()); }
  static void Choose(frmSummary& s, const char* box, int index) {
    auto* combo = test::Child<QComboBox>(s, box);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
};

TEST_F(SummaryWindowTest, ShowsThisWeekBesideAWorkingMainWindowAndStepsThroughPeriods) {
  frmMain main;
  main.show();
  main.findChild<QAction*>("mnuReportSummary")->trigger();
  frmSummary* s = frmSummary::Loaded();
  ASSERT_NE(s, nullptr);
  EXPECT_TRUE(s->isVisible());
  EXPECT_FALSE(s->isModal());
  EXPECT_NE(test::Child<QLabel>(*s, "lblTotal")->text().toStdString().find(
                "Sunday 12/6/2026 to Saturday 12/12/2026:  01:30:00 (1.50 hours) in 1 stretch.  1 line"),
            std::string::npos);
  EXPECT_EQ(test::Child<QTreeWidget>(*s, "lstDays")->topLevelItemCount(), 7);
  EXPECT_EQ(test::LayoutProblems(*s), std::vector<std::string>{});
  // The main window's Start goes on while the summary is open, and the menu brings back this one.
  test::Click(main, "cmdStartProject");
  EXPECT_EQ(main.StartText(), "12/7/2026 9:01:23 PM");
  main.findChild<QAction*>("mnuReportSummary")->trigger();
  EXPECT_EQ(frmSummary::Loaded(), s);

  test::Click(*s, "cmdPrevious");
  EXPECT_EQ(s->summary().period, (Period{D(2026, 11, 29), D(2026, 12, 5)}));
  EXPECT_EQ(test::Child<QComboBox>(*s, "cboPeriod")->currentText(), "Last Week");
  Choose(*s, "cboPeriod", 3);  // This Month, then the next one
  EXPECT_EQ(s->summary().totalSeconds, 5400 + 1200 + 420);
  Choose(*s, "cboRounding", 5);  // 15 minutes: 7 minutes round to none, 20 to 15
  EXPECT_EQ(s->summary().totalSeconds, 5400 + 900);
  EXPECT_EQ(settings.values["SummaryRounding"], "15");
  test::Click(*s, "cmdNext");
  EXPECT_EQ(s->summary().period, (Period{D(2027, 1, 1), D(2027, 1, 31)}));
  EXPECT_EQ(test::Child<QComboBox>(*s, "cboPeriod")->currentText(), "Custom");
  s->close();
  EXPECT_EQ(frmSummary::Loaded(), nullptr);
}

TEST_F(SummaryWindowTest, ExportsTheCsvASpreadsheetReadsAndOpensADay) {
  test::FakeMainView main;
  frmSummary* s = frmSummary::Open(main, nullptr);
  frmSummary::askSavePath = [&](QWidget*, const QString& suggested, const QString& filter) {
    EXPECT_TRUE(suggested.endsWith("summary 2026-12-06 to 2026-12-12.csv")) << suggested.toStdString();
    EXPECT_EQ(filter, "CSV files (*.csv)");
    return QString::fromStdString(folder.File("week.csv"));
  };
  test::Click(*s, "cmdExport");
  // The columns are SummaryCommandTest's; here, this period's rows in the chosen file.
  EXPECT_NE(folder.Read("week.csv").find("\r\nAlpha,01:30:00,1.50,1,"), std::string::npos);
  // JSON, like every file the program writes, ends its lines with CR LF.
  test::Child<QComboBox>(*s, "cboExport")->setCurrentIndex(2);
  frmSummary::askSavePath = [&](QWidget*, const QString&, const QString& filter) {
    EXPECT_EQ(filter, "JSON files (*.json)");
    return QString::fromStdString(folder.File("week.json"));
  };
  test::Click(*s, "cmdExport");
  const std::string json = folder.Read("week.json");
  EXPECT_NE(json.find("\"from\": \"2026-12-06\",\r\n"), std::string::npos) << json;
  EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), std::count(json.begin(), json.end(), '\r'));
  frmSummary::askSavePath = [&](QWidget*, const QString&, const QString&) { return QString(); };
  test::Click(*s, "cmdExport");  // cancelled: nothing written
  EXPECT_FALSE(folder.Exists("week.csv.tmp"));
  frmSummary::askSavePath = nullptr;

  QTreeWidget* days = test::Child<QTreeWidget>(*s, "lstDays");
  std::string shown;
  const QPoint monday = days->visualItemRect(days->topLevelItem(1)).center();
  test::WhileShown([&] {
    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, monday);
    QTest::mouseDClick(days->viewport(), Qt::LeftButton, {}, monday);
  }, [&] {
    if (frmReport* report = frmReport::Loaded()) {
      shown = ToBytes(report->windowTitle());
      report->close();
    }
  });
  EXPECT_EQ(shown, "Report...   Date being displayed: Monday 12/07/2026");
  const QPointer<frmSummary> closed = s;
  s->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());  // a closed window goes
}

TEST_F(SummaryWindowTest, FollowsEveryChangeOfTheReportAndSaysWhyItCannotReadOne) {
  test::FakeMainView main;
  frmSummary* s = frmSummary::Open(main, nullptr);
  QLabel* total = test::Child<QLabel>(*s, "lblTotal");
  auto shows = [&](const std::string& text) {
    return QTest::qWaitFor([&] { return total->text().contains(QString::fromUtf8(text)); }, 10000);
  };
  ASSERT_TRUE(shows("01:30:00 (1.50 hours) in 1 stretch"));
  // A stretch appended, the way End Project appends one.
  AppendRecordLine(files, DataFolder::At(folder.path()), RecordLine("Gamma", "12/8/2026 9:00:00 AM", "12/8/2026 9:30:00 AM", ""));
  EXPECT_TRUE(shows("02:00:00 (2.00 hours) in 2 stretches")) << ToBytes(total->text());
  // An entry edited: the report rewritten and put in place by a rename.
  SourceLine alpha;
  alpha.text = "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, then proofs";
  ASSERT_TRUE(RewriteReportLine(files, folder.path(), alpha, "Alpha,12/7/2026 9:00:00 AM,12/7/2026 9:10:00 AM,"));
  EXPECT_TRUE(shows("00:40:00 (0.67 hours) in 2 stretches")) << ToBytes(total->text());
  EXPECT_EQ(test::Child<QTreeWidget>(*s, "lstDays")->topLevelItem(1)->text(1), "00:10:00");
  // A folder where the report was: the window says so and stays, and nothing is asked of the user.
  ASSERT_EQ(::unlink(folder.File("projrpt.pro").c_str()), 0);
  ASSERT_EQ(::mkdir(folder.File("projrpt.pro").c_str(), 0755), 0);
  EXPECT_TRUE(shows("The report could not be read: " + std::string(std::strerror(EISDIR)) + "."))
      << ToBytes(total->text());  // the system's words, in the person's language
  EXPECT_EQ(frmSummary::Loaded(), s);
  EXPECT_TRUE(dialogs.shown.empty());
  ::rmdir(folder.File("projrpt.pro").c_str());
  s->close();
}

// Edit > Undo in the Summary takes back the record's last change, whichever window or command made
// it, and the totals show the record as it was; Ctrl+Shift+Z makes it again. The menu bar pushes
// nothing out of the window.
TEST_F(SummaryWindowTest, TheEditMenuUndoesAndRedoesTheRecordsChanges) {
  frmMain main;
  main.show();
  main.findChild<QAction*>("mnuReportSummary")->trigger();
  frmSummary* s = frmSummary::Loaded();
  ASSERT_NE(s, nullptr);
  Changes(files, ProgramDataFolder(), kFromCommandLine, clock.UnixNow()).Add("Gamma,12/8/2026 9:00:00 AM,12/8/2026 10:00:00 AM,");
  EXPECT_TRUE(QTest::qWaitFor([&] { return s->summary().totalSeconds == 9000; }));
  auto* bar = test::Child<QMenuBar>(*s, "mnuBar");
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions().front()->text(), "&Edit");
  emit test::Child<QMenu>(*s, "mnuEdit")->aboutToShow();
  EXPECT_EQ(ToBytes(s->findChild<QAction*>("mnuEditUndo")->text()).rfind("&Undo ", 0), 0u);
  QApplication::setActiveWindow(s);
  QTest::keyClick(s, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(s->summary().totalSeconds, 5400);
  QTest::keyClick(s, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(s->summary().totalSeconds, 9000);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(test::LayoutProblems(*s), std::vector<std::string>{});
  s->close();
}

}  // namespace
}  // namespace tw
