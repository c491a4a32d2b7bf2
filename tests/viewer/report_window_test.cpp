// The report window and the entry editor as a user meets them, driven as real widgets.
#include <gtest/gtest.h>

#include <cerrno>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "shell/frm_main.h"
#include "state/program_state.h"
#include "desktop/qt_text.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"
#include "viewer/frm_report.h"
#include "viewer/entry.h"
#include "viewer/frm_report_edit.h"

namespace tw {
namespace {

const std::string kAlpha = "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, then proofs";
const std::string kBeta = "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,";
const std::string kOther = "Other,12/8/2026 9:00 AM,12/8/2026 9:30 AM,next day";

class ReportWindowTest : public test::PlatformTest {
 protected:
  ReportWindowTest() {
    Setup::DisplayDate = clock.now;
    folder.Write("projrpt.pro", kAlpha + "\r\n\r\n" + kOther + "\r\nbad line\r\n" + kBeta + "\r\n");
  }

  // Shows the report; `act` runs while the window is up, and the window is closed after it.
  void Show(const std::function<void(frmReport&)>& act) {
    test::WhileShown([&] { Setup::ShowReport(main, ReportWindows(), Setup::DisplayDate); }, [&] {
      ASSERT_NE(frmReport::Loaded(), nullptr);
      act(*frmReport::Loaded());
      if (frmReport::Loaded()) frmReport::Loaded()->close();
    });
    EXPECT_EQ(frmReport::Loaded(), nullptr);
  }

  static QTreeWidget* List(const frmReport& w) { return w.findChild<QTreeWidget*>("ListView"); }
  static std::vector<std::string> Rows(const frmReport& w) {
    std::vector<std::string> rows;
    QTreeWidget* list = List(w);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      std::string row;
      for (int c = 0; c < 5; ++c) row += (c ? "|" : "") + ToBytes(list->topLevelItem(i)->text(c));
      rows.push_back(row);
    }
    return rows;
  }

  // Double-clicks a point of the list, runs act on the editor if one opened (then closed); says if so.
  bool DoubleClick(frmReport& w, QPoint at, const std::function<void(frmReportEdit&)>& act = {}) {
    bool opened = false;
    test::WhileShown([&] { QTest::mouseDClick(List(w)->viewport(), Qt::LeftButton, {}, at); }, [&] {
      if (frmReportEdit* editor = frmReportEdit::Loaded()) {
        opened = true;
        if (act) act(*editor);
        if (frmReportEdit::Loaded()) frmReportEdit::Loaded()->Unload();
      }
    });
    return opened;
  }
  bool DoubleClickRow(frmReport& w, int row, const std::function<void(frmReportEdit&)>& act = {}) {
    QTreeWidget* list = List(w);
    return DoubleClick(w, list->visualItemRect(list->topLevelItem(row)).center(), act);
  }

  test::FakeMainView main;
};

TEST_F(ReportWindowTest, ShowsTheDaysRowsAndTotalModally) {
  Show([&](frmReport& w) {
    EXPECT_EQ(w.windowTitle().toStdString(), "Report...   Date being displayed: Monday 12/07/2026");
    EXPECT_TRUE(w.isModal());
    EXPECT_EQ(test::LayoutProblems(w), std::vector<std::string>{});
    QTreeWidget* list = List(w);
    EXPECT_EQ(Rows(w), (std::vector<std::string>{
                           "Alpha|12/7/2026 9:00:00 AM|12/7/2026 10:30:00 AM|01:30:00|layout, then proofs",
                           "Beta|12/7/2026 11:00:00 AM|12/7/2026 1:45:00 PM|02:45:00|",
                           "Total Time:|||04:15:00|"}));
    EXPECT_TRUE(list->topLevelItem(2)->font(0).bold() && !list->topLevelItem(0)->font(0).bold());
    for (int dates : {1, 2})  // whole, with their four-digit years and seconds
      EXPECT_GE(list->columnWidth(dates), static_cast<QAbstractItemView*>(list)->sizeHintForColumn(dates));
    // A header click sorts nothing.
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(Rows(w)[0].substr(0, 5), "Alpha");
  });
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(LoadedForms().Count(), 0);
}

TEST_F(ReportWindowTest, DayButtonsRefillTheOneWindowThatOneCloseEnds) {
  Show([&](frmReport& w) {
    test::Click(w, "cmdNextDay");
    EXPECT_EQ(frmReport::Loaded(), &w);
    EXPECT_EQ(w.windowTitle().toStdString(), "Report...   Date being displayed: Tuesday 12/08/2026");
    EXPECT_EQ(Rows(w), (std::vector<std::string>{"Other|12/8/2026 9:00 AM|12/8/2026 9:30 AM|00:30:00|next day"}));
    const QPoint centre = w.pos();
    w.move(5, 5);
    test::Click(w, "cmdNextDay");  // the future lists nothing; the window comes back to the centre
    EXPECT_TRUE(Rows(w).empty());
    EXPECT_EQ(w.pos(), centre);
    for (int i = 0; i < 3; ++i) test::Click(w, "cmdDayBefore");
    EXPECT_EQ(Setup::DisplayDate, MakeDateTime({2026, 12, 6}, 21, 1, 23));
    clock.now = MakeDateTime({2026, 12, 8}, 7, 0, 0);
    test::Click(w, "cmdToday");
    EXPECT_EQ(Setup::DisplayDate, clock.now);
    test::Click(w, "cmdNextDay");
  });
  // View Report again shows the day that was shown last.
  Show([&](frmReport& w) {
    EXPECT_EQ(w.windowTitle().toStdString(), "Report...   Date being displayed: Wednesday 12/09/2026");
  });
}

TEST_F(ReportWindowTest, DoubleClickOpensARowsEntryWhoseSaveAndDeleteChangeItsLine) {
  // Bytes that are not text come back unchanged; two identical stretches stay apart.
  const std::string bytes = std::string("nul \0 and \xFF\xFE, \xC3\xA9", 16);
  folder.Write("projrpt.pro", kAlpha + bytes + "\r\n\r\n" + kAlpha + "\n" + kOther + "\r\n");
  Show([&](frmReport& w) {
    EXPECT_TRUE(DoubleClickRow(w, 1, [&](frmReportEdit& e) {
      EXPECT_EQ(test::LayoutProblems(e), std::vector<std::string>{});
      EXPECT_EQ(Setup::EditRow, 2);
      test::Retype(e, "txtComment", "first\nsecond");
      test::Click(e, "cmdSave");
      EXPECT_EQ(frmReportEdit::Loaded(), nullptr);
    }));
    EXPECT_EQ(Rows(w)[1], "Alpha|12/7/2026 9:00:00 AM|12/7/2026 10:30:00 AM|01:30:00|first second");
    EXPECT_EQ(main.tracker().StatusText(), "Saving Changes...");  // "Ready" once the window closes
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
      test::Retype(e, "txtProject", "Kept");
      test::Click(e, "cmdSave");
    }));
    EXPECT_FALSE(DoubleClickRow(w, 2));  // the total row is no entry
    EXPECT_TRUE(DoubleClickRow(w, 1, [&](frmReportEdit& e) { test::Click(e, "cmdDelete"); }));
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) { e.close(); }));  // as Cancel
    EXPECT_FALSE(DoubleClick(w, QPoint(50, List(w)->viewport()->height() - 5)));  // below the rows
  });
  EXPECT_EQ(folder.Read("projrpt.pro"),
            "Kept,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, then proofs" + bytes + "\r\n" + kOther + "\r\n");
  EXPECT_EQ(main.tracker().StatusText(), "Ready");
  EXPECT_TRUE(dialogs.shown.empty());
}

// Ctrl+Z and Ctrl+Shift+Z reach the window's history (its rules: tests/store/history_test.cpp).
TEST_F(ReportWindowTest, CtrlZUndoesTheWindowsChangesAndCtrlShiftZRedoesThem) {
  const std::string start = kAlpha + "\r\n" + kBeta + "\r\n";
  folder.Write("projrpt.pro", start);
  Show([&](frmReport& w) {
    EXPECT_TRUE(DoubleClickRow(w, 1, [&](frmReportEdit& e) { test::Click(e, "cmdDelete"); }));
    const std::string changed = folder.Read("projrpt.pro");
    EXPECT_EQ(ToBytes(w.findChild<QAction*>("mnuEditUndo")->text()), "&Undo the deletion of Beta 12/7/2026 11:00:00 AM");
    QApplication::setActiveWindow(&w);  // shortcuts reach the active window
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(folder.Read("projrpt.pro"), start);
    EXPECT_EQ(Rows(w).size(), 3u);  // both stretches and the total, shown again
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(folder.Read("projrpt.pro"), changed);
    EXPECT_TRUE(dialogs.shown.empty());
    w.findChild<QAction*>("mnuEditRedo")->trigger();  // nothing left to redo: said
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "There is nothing to redo.");
  });
}

TEST_F(ReportWindowTest, TheEditorRefusesWhatWouldBreakTheFileAndKeepsWhatWasTyped) {
  const std::string before = folder.Read("projrpt.pro");
  Show([&](frmReport& w) {
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
      for (const char* box : {"txtProject", "txtProjectStart", "txtProjectEnd"}) {
        const QString old = e.findChild<QLineEdit*>(box)->text();
        test::Retype(e, box, "soon, later");
        test::Click(e, "cmdSave");
        EXPECT_EQ(frmReportEdit::Loaded(), &e) << box;
        EXPECT_EQ(e.findChild<QLineEdit*>(box)->text(), "soon, later");
        e.findChild<QLineEdit*>(box)->setText(old);
      }
      test::Click(e, "cmdCancel");
    }));
  });
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[0].prompt, "A project name cannot contain a comma. Please remove it from the project.");
  EXPECT_EQ(dialogs.shown[2].prompt,
            "The Project End Time is not a date and time. Please type it like 12/7/2026 9:01:23 PM.");
  EXPECT_EQ(folder.Read("projrpt.pro"), before);
}

// Without a report no window comes and what follows runs at once; one that cannot be read is said;
// one gone while it is shown closes the window.
TEST_F(ReportWindowTest, NoReportNoWindowAndAnUnreadableOneIsSaid) {
  Show([&](frmReport& w) {
    ::unlink(folder.File("projrpt.pro").c_str());
    test::Click(w, "cmdNextDay");
    EXPECT_EQ(frmReport::Loaded(), nullptr);
  });
  bool after = false;
  Setup::ShowReport(main, ReportWindows(), clock.now, [&] { after = true; });
  EXPECT_TRUE(after);
  EXPECT_EQ(frmReport::Loaded(), nullptr);
  EXPECT_TRUE(dialogs.shown.empty());
  folder.Write("projrpt.pro", kAlpha + "\r\n");
  files.SetHook([](FileStep step, const std::string&) { return step == FileStep::Read ? EIO : 0; });
  Setup::ShowReport(main, ReportWindows(), clock.now);
  EXPECT_EQ(log, (test::EventLog{"pointer", "beep", "box:Design-Time Error [57] [Setup/ShowReport]"}));
}

// An entry another program changed since it was read, or a write that fails, leaves the report as it is.
TEST_F(ReportWindowTest, AnEntryChangedMeanwhileOrAFailedWriteLeavesTheReport) {
  const std::string changed = kAlpha + " and more\r\n";
  Show([&](frmReport& w) {
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
      folder.Write("projrpt.pro", changed);
      test::Click(e, "cmdSave");
    }));
    EXPECT_EQ(dialogs.shown.at(0).prompt, kStaleEntryMessage);
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
      FailStep(FileStep::Rename, 1, ENOSPC);
      test::Click(e, "cmdDelete");
    }));
    EXPECT_EQ(dialogs.shown.back().title, "Design-Time Error [61] [Setup/UpdateReport]");
  });
  EXPECT_EQ(folder.Read("projrpt.pro"), changed);
  EXPECT_FALSE(folder.Exists("report.tmp"));
  Setup::UpdateReport(EntryAction::Delete, 1, clock.now, ReportWindows());  // no report window: no entry
  EXPECT_EQ(folder.Read("projrpt.pro"), changed);
}

TEST_F(ReportWindowTest, TheReportMenuShowsTheReportAndRestoresIt) {
  system.endThrows = false;
  frmMain window;
  bool shown = false;
  test::WhileShown([&] { window.findChild<QAction*>("mnuReportViewReport")->trigger(); }, [&] {
    shown = frmReport::Loaded() != nullptr;
    if (frmReport::Loaded()) frmReport::Loaded()->close();
  });
  EXPECT_TRUE(shown);
  folder.Write("projrpt.bak", "backup\r\n");
  window.findChild<QAction*>("mnuReportRestoreReport")->trigger();  // answered Yes
  EXPECT_EQ(folder.Read("projrpt.pro"), "backup\r\n");
}

}  // namespace
}  // namespace tw
