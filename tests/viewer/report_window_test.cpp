// The report window and the entry editor as a user meets them, driven as real widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app/frm_main.h"
#include "state/program_state.h"
#include "platform/qt_text.h"
#include "tests/support/fakes.h"
#include "viewer/frm_report.h"
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
    bool ran = false;
    QTimer::singleShot(0, [&] {
      ran = true;
      if (frmReport* w = frmReport::Loaded()) {
        act(*w);
        if (frmReport::Loaded()) frmReport::Loaded()->close();
      }
    });
    Setup::ShowReport(main, ReportWindows());
    if (!ran) QTest::qWait(1);
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

  // Double-clicks at a point of the list; `act` runs on the editor if one opens, which is then
  // closed. True when an editor opened.
  bool DoubleClick(frmReport& w, QPoint at, const std::function<void(frmReportEdit&)>& act = {}) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      if (frmReportEdit* editor = frmReportEdit::Loaded()) {
        opened = true;
        if (act) act(*editor);
        if (frmReportEdit::Loaded()) frmReportEdit::Loaded()->Unload();
      }
    });
    QTest::mouseDClick(List(w)->viewport(), Qt::LeftButton, {}, at);
    QTest::qWait(1);
    return opened;
  }
  bool DoubleClickRow(frmReport& w, int row, const std::function<void(frmReportEdit&)>& act = {}) {
    QTreeWidget* list = List(w);
    return DoubleClick(w, list->visualItemRect(list->topLevelItem(row)).center(), act);
  }
  static void Click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  static void Type(QWidget& window, const char* name, const QString& text) {
    if (auto* box = window.findChild<QLineEdit*>(name)) {
      box->selectAll();
      QTest::keyClick(box, Qt::Key_Backspace);
      QTest::keyClicks(box, text);
    } else if (auto* comment = window.findChild<QPlainTextEdit*>(name)) {
      comment->selectAll();
      QTest::keyClick(comment, Qt::Key_Backspace);
      QTest::keyClicks(comment, text);
    } else {
      ADD_FAILURE() << name;
    }
  }

  test::FakeMainView main;
};

TEST_F(ReportWindowTest, ShowsTheDayAsDesigned) {
  Show([&](frmReport& w) {
    EXPECT_EQ(w.windowTitle().toStdString(), "Report...   Date being displayed: Monday 12/07/2026");
    EXPECT_EQ(w.width(), 667);  // 10000 twips at 15 to the pixel
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.pos(), QPoint(307, 396));  // the middle of a 19200 x 14400 twip screen
    EXPECT_TRUE(w.isModal());
    struct Button {
      const char* name;
      int left;
      const char* tip;
    };
    for (const Button& b : {Button{"cmdDayBefore", 0, "View Previous Day"}, Button{"cmdToday", 72, "View Today"},
                            Button{"cmdNextDay", 144, "View Next Day"}, Button{"cmdClose", 587, ""}}) {
      auto* button = w.findChild<QPushButton*>(b.name);
      ASSERT_NE(button, nullptr) << b.name;
      EXPECT_EQ(button->geometry(), QRect(b.left, 0, 73, 25)) << b.name;
      EXPECT_EQ(button->toolTip().toStdString(), b.tip);
      EXPECT_EQ(button->icon().isNull(), std::string(b.name) == "cmdClose") << b.name;
      EXPECT_EQ(button->palette().color(QPalette::Button), QColor(255, 255, 192));
    }
    EXPECT_EQ(w.findChild<QPushButton*>("cmdClose")->text(), "&Close");

    QTreeWidget* list = List(w);
    EXPECT_EQ(list->geometry().topLeft(), QPoint(0, 24));
    EXPECT_EQ(list->width(), 660);
    EXPECT_LE(list->geometry().bottom(), w.height());
    const char* headers[] = {"Project Name", "Start of Project", "End of Project", "Project Time", "Comments"};
    const int widths[] = {133, 117, 117, 80, 207};
    for (int c = 0; c < 5; ++c) {
      EXPECT_EQ(list->headerItem()->text(c).toStdString(), headers[c]);
      EXPECT_EQ(list->header()->sectionSize(c), widths[c]) << c;
    }
    EXPECT_FALSE(list->header()->sectionsClickable());
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_EQ(list->font().family(), "Arial");
    EXPECT_EQ(list->font().pointSizeF(), 8.25);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(Rows(w), (std::vector<std::string>{
                           "Alpha|12/7/2026 9:00:00 AM|12/7/2026 10:30:00 AM|01:30:00|layout, then proofs",
                           "Beta|12/7/2026 11:00:00 AM|12/7/2026 1:45:00 PM|02:45:00|",
                           "Total Time:|||04:15:00|"}));
    EXPECT_TRUE(list->topLevelItem(2)->font(0).bold());
    EXPECT_FALSE(list->topLevelItem(0)->font(0).bold());
    // A header click sorts nothing.
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(Rows(w)[0].substr(0, 5), "Alpha");
  });
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(LoadedForms().Count(), 0);
}

TEST_F(ReportWindowTest, DayButtonsRefillTheOneWindowThatOneCloseEnds) {
  Show([&](frmReport& w) {
    Click(w, "cmdNextDay");
    EXPECT_EQ(frmReport::Loaded(), &w);
    EXPECT_EQ(w.windowTitle().toStdString(), "Report...   Date being displayed: Tuesday 12/08/2026");
    EXPECT_EQ(Rows(w), (std::vector<std::string>{"Other|12/8/2026 9:00 AM|12/8/2026 9:30 AM|00:30:00|next day"}));
    w.move(5, 5);
    Click(w, "cmdNextDay");  // the future lists nothing
    EXPECT_TRUE(Rows(w).empty());
    EXPECT_EQ(w.pos(), QPoint(307, 396));
    for (int i = 0; i < 3; ++i) Click(w, "cmdDayBefore");
    EXPECT_EQ(w.windowTitle().toStdString(), "Report...   Date being displayed: Sunday 12/06/2026");
    EXPECT_EQ(Setup::DisplayDate, MakeDateTime({2026, 12, 6}, 21, 1, 23));
    clock.now = MakeDateTime({2026, 12, 8}, 7, 0, 0);
    Click(w, "cmdToday");
    EXPECT_EQ(Setup::DisplayDate, clock.now);
    Click(w, "cmdNextDay");
  });
  // View Report again shows the day that was shown last.
  Show([&](frmReport& w) {
    EXPECT_EQ(w.windowTitle().toStdString(), "Report...   Date being displayed: Wednesday 12/09/2026");
  });
}

TEST_F(ReportWindowTest, NoReportFileMeansNoWindowAndNoMessage) {
  ::unlink(folder.File("projrpt.pro").c_str());
  Setup::ShowReport(main, ReportWindows());  // returns at once
  EXPECT_EQ(frmReport::Loaded(), nullptr);
  EXPECT_TRUE(dialogs.shown.empty());

  folder.Write("projrpt.pro", kAlpha + "\r\n");
  bool closedByDayButton = false;
  Show([&](frmReport& w) {
    EXPECT_EQ(Rows(w).size(), 1u);  // one row, no total row
    ::unlink(folder.File("projrpt.pro").c_str());
    Click(w, "cmdNextDay");
    closedByDayButton = frmReport::Loaded() == nullptr;
  });
  EXPECT_TRUE(closedByDayButton);
  EXPECT_TRUE(dialogs.shown.empty());

  // A file that cannot be read goes to the error handler; on Abort no window is shown.
  folder.Write("projrpt.pro", kAlpha + "\r\n");
  FailStep(FileStep::Read, 1, EIO);
  Setup::ShowReport(main, ReportWindows());
  EXPECT_EQ(frmReport::Loaded(), nullptr);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].title, "Design-Time Error [57] [Setup/ShowReport]");
}

TEST_F(ReportWindowTest, DoubleClickOpensTheRowsEntryOnly) {
  Show([&](frmReport& w) {
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
      EXPECT_EQ(e.windowTitle(), "Report Edit");
      EXPECT_TRUE(e.isModal());
      EXPECT_EQ(e.size(), QSize(277, 189));
      struct Control {
        const char* name;
        QRect place;
        const char* text;
      };
      const Control controls[] = {
          {"lblProject", {8, 8, 97, 17}, "Project"},
          {"txtProject", {112, 8, 161, 19}, "Alpha"},
          {"lblProjectStart", {8, 32, 97, 17}, "Project Start Time"},
          {"txtProjectStart", {112, 32, 161, 19}, "12/7/2026 9:00:00 AM"},
          {"lblProjectEnd", {8, 56, 97, 17}, "Project End Time"},
          {"txtProjectEnd", {112, 56, 161, 19}, "12/7/2026 10:30:00 AM"},
          {"lblComment", {8, 80, 97, 17}, "Comment"},
          {"txtComment", {112, 80, 161, 73}, "layout, then proofs"},
          {"cmdCancel", {0, 160, 57, 25}, "&Cancel"},
          {"cmdDelete", {104, 160, 57, 25}, "&Delete"},
          {"cmdSave", {216, 160, 57, 25}, "&Save"},
      };
      for (const Control& c : controls) {
        QWidget* widget = e.findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.place) << c.name;
        QString text = widget->property("text").toString();
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) text = box->toPlainText();
        EXPECT_EQ(text.toStdString(), c.text) << c.name;
      }
      // Resizing keeps the controls where they are.
      e.resize(500, 400);
      EXPECT_EQ(e.findChild<QWidget*>("cmdSave")->geometry(), QRect(216, 160, 57, 25));
      EXPECT_EQ(Setup::EditRow, 1);
      Click(e, "cmdCancel");
    }));
    EXPECT_TRUE(DoubleClickRow(w, 1, [&](frmReportEdit& e) {
      e.close();  // the close box does what Cancel does
      EXPECT_EQ(frmReportEdit::Loaded(), nullptr);
    }));
    EXPECT_EQ(Rows(w).size(), 3u);
    QTreeWidget* list = List(w);
    EXPECT_FALSE(DoubleClickRow(w, 2));  // the total row is no entry
    EXPECT_FALSE(DoubleClick(w, QPoint(50, list->viewport()->height() - 5)));  // below the rows
  });
  EXPECT_EQ(folder.Read("projrpt.pro"), kAlpha + "\r\n\r\n" + kOther + "\r\nbad line\r\n" + kBeta + "\r\n");
  EXPECT_EQ(main.status, "");
}

TEST_F(ReportWindowTest, SaveAndDeleteChangeExactlyTheOpenedLine) {
  // Two identical stretches: editing one leaves the other.
  folder.Write("projrpt.pro", kAlpha + "\r\n\r\n" + kAlpha + "\n" + kOther + "\r\n");
  Show([&](frmReport& w) {
    EXPECT_TRUE(DoubleClickRow(w, 1, [&](frmReportEdit& e) {
      Type(e, "txtComment", "first");
      QTest::keyClick(e.findChild<QPlainTextEdit*>("txtComment"), Qt::Key_Return);
      QTest::keyClicks(e.findChild<QPlainTextEdit*>("txtComment"), "second");
      Click(e, "cmdSave");
      EXPECT_EQ(frmReportEdit::Loaded(), nullptr);
    }));
    EXPECT_EQ(main.status, "Saving Changes...");
    EXPECT_EQ(folder.Read("projrpt.pro"),
              kAlpha + "\r\nAlpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,first second\r\n" + kOther + "\r\n");
    EXPECT_EQ(Rows(w)[1], "Alpha|12/7/2026 9:00:00 AM|12/7/2026 10:30:00 AM|01:30:00|first second");
    EXPECT_EQ(Rows(w)[2], "Total Time:|||03:00:00|");

    // A start on another day moves the entry there.
    EXPECT_TRUE(DoubleClickRow(w, 1, [&](frmReportEdit& e) {
      Type(e, "txtProjectStart", "12/8/2026 9:00:00 AM");
      Click(e, "cmdSave");
    }));
    EXPECT_EQ(Rows(w).size(), 1u);  // one row left, and no total row
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) { Click(e, "cmdDelete"); }));
    EXPECT_TRUE(Rows(w).empty());
  });
  EXPECT_EQ(main.status, "Ready");
  EXPECT_EQ(folder.Read("projrpt.pro"),
            "Alpha,12/8/2026 9:00:00 AM,12/7/2026 10:30:00 AM,first second\r\n" + kOther + "\r\n");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_FALSE(folder.Exists("report.tmp"));
}

TEST_F(ReportWindowTest, TheEditorRefusesWhatWouldBreakTheFile) {
  const std::string before = folder.Read("projrpt.pro");
  Show([&](frmReport& w) {
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
      struct Case {
        const char* box;
        const char* text;
        const char* message;
      };
      const Case cases[] = {
          {"txtProject", "Smith, Jones", "A project name cannot contain a comma. Please remove it from the project."},
          {"txtProjectStart", "soon", "The Project Start Time is not a date and time. Please type it like 12/7/2026 9:01:23 PM."},
          {"txtProjectEnd", "", "The Project End Time is not a date and time. Please type it like 12/7/2026 9:01:23 PM."},
      };
      for (const Case& c : cases) {
        const QString old = e.findChild<QLineEdit*>(c.box)->text();
        Type(e, c.box, c.text);
        Click(e, "cmdSave");
        EXPECT_EQ(frmReportEdit::Loaded(), &e) << c.box;
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown.back().prompt, c.message);
        EXPECT_EQ(dialogs.shown.back().title, "Tallywright");
        EXPECT_EQ(e.findChild<QLineEdit*>(c.box)->text().toStdString(), c.text);
        e.findChild<QLineEdit*>(c.box)->setText(old);
      }
      Click(e, "cmdCancel");
    }));
  });
  EXPECT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(folder.Read("projrpt.pro"), before);
  EXPECT_EQ(main.status, "");
}

TEST_F(ReportWindowTest, AChangedFileOrAFailedWriteChangesNothing) {
  const std::string changed = "Alpha,12/7/2026 9:00:00 AM,12/7/2026 11:00:00 AM,elsewhere\r\n" + kOther + "\r\n";
  Show([&](frmReport& w) {
    // Another program changed the line since the report was read.
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
      folder.Write("projrpt.pro", changed);
      Type(e, "txtComment", "mine");
      Click(e, "cmdSave");
    }));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, kStaleEntryMessage);
    EXPECT_EQ(folder.Read("projrpt.pro"), changed);
    EXPECT_EQ(Rows(w), (std::vector<std::string>{"Alpha|12/7/2026 9:00:00 AM|12/7/2026 11:00:00 AM|02:00:00|elsewhere"}));

    for (const char* button : {"cmdSave", "cmdDelete"}) {
      FailStep(FileStep::Write, 1, ENOSPC);
      EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
        Type(e, "txtProject", "Changed");
        Click(e, button);
      }));
      EXPECT_EQ(dialogs.shown.back().title, "Design-Time Error [61] [Setup/UpdateReport]") << button;
      EXPECT_EQ(folder.Read("projrpt.pro"), changed) << button;
      EXPECT_FALSE(folder.Exists("report.tmp"));
    }
  });
}

TEST_F(ReportWindowTest, UnreadableBytesAreShownAndKept) {
  const std::string comment = std::string("nul \0 and \xFF\xFE, \xC3\xA9", 16);
  folder.Write("projrpt.pro", "Bytes,12/7/2026 9:00 AM,12/7/2026 9:30 AM," + comment + "\r\n");
  Show([&](frmReport& w) {
    EXPECT_EQ(ToBytes(List(w)->topLevelItem(0)->text(4)), comment);
    EXPECT_TRUE(DoubleClickRow(w, 0, [&](frmReportEdit& e) {
      EXPECT_EQ(e.Entry().comment, comment);
      Type(e, "txtProject", "Kept");
      Click(e, "cmdSave");
    }));
  });
  EXPECT_EQ(folder.Read("projrpt.pro"), "Kept,12/7/2026 9:00 AM,12/7/2026 9:30 AM," + comment + "\r\n");
}

TEST_F(ReportWindowTest, TheReportMenuRunsItsCommands) {
  system.endThrows = false;
  frmMain window;
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = frmReport::Loaded() != nullptr;
    if (frmReport::Loaded()) frmReport::Loaded()->close();
  });
  window.findChild<QAction*>("mnuReportViewReport")->trigger();
  EXPECT_TRUE(shown);

  folder.Write("projrpt.bak", "backup\r\n");
  dialogs.answers = {MsgResult::Yes};
  window.findChild<QAction*>("mnuReportRestoreReport")->trigger();
  EXPECT_EQ(folder.Read("projrpt.pro"), "backup\r\n");
  dialogs.answers = {MsgResult::Ok};
  window.findChild<QAction*>("mnuReportClearReport")->trigger();
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[0].title, "Restore Report");
  EXPECT_EQ(dialogs.shown[2].title, "Report File Deleted");
}

}  // namespace
}  // namespace tw
