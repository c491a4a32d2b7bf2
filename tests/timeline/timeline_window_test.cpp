// The Timeline window: a block dragged, the same changes by keyboard alone, what a screen reader is told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "report/report_files.h"
#include "desktop/qt_text.h"
#include "store/changes.h"
#include "shell/frm_main.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"
#include "timeline/frm_timeline.h"
#include "timeline/frm_timeline_add.h"
#include "viewer/frm_report_edit.h"

namespace tw {
namespace {

const std::string kAlpha = "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout";
const std::string kBeta = "Beta,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,";
const std::string kGamma = "Gamma,12/8/2026 2:00:00 PM,12/8/2026 3:00:00 PM,call";

class TimelineWindowTest : public test::PlatformTest {
 protected:
  TimelineWindowTest() {
    system.endThrows = false;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // weeks from Sunday
    folder.Write(kReportFile, kAlpha + "\r\n" + kBeta + "\r\n" + kGamma + "\r\n");
  }
  ~TimelineWindowTest() override {
    if (frmTimeline* t = frmTimeline::Loaded()) t->close();
    QLocale::setDefault(QLocale::system());
  }
  frmTimeline* Open(frmMain& main) {
    main.show();
    main.findChild<QAction*>("mnuReportTimeline")->trigger();
    frmTimeline* t = frmTimeline::Loaded();
    EXPECT_NE(t, nullptr);
    if (t) {
      EXPECT_TRUE(QTest::qWaitForWindowActive(t));
    }
    return t;
  }
  // The item of the stretch of this project.
  static int ItemOf(const TimelineView& view, const std::string& project) {
    for (std::size_t i = 0; i < view.items().size(); ++i) {
      const TimelineItem& item = view.items()[i];
      if (item.kind == TimelineItem::Stretch && view.timeline().blocks[item.block].project == project)
        return static_cast<int>(i);
    }
    return -1;
  }
  static void Key(TimelineView* view, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(view, key, modifiers);
  }
};

TEST_F(TimelineWindowTest, ABlockDraggedHalfAnHourLaterIsOneChangeOfItsRecord) {
  frmMain main;
  frmTimeline* t = Open(main);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->windowTitle(), "Timeline");
  EXPECT_FALSE(t->isModal());
  EXPECT_EQ(t->period(), (Period{DayFromCivil({2026, 12, 6}), DayFromCivil({2026, 12, 12})}));
  EXPECT_EQ(test::Child<QLabel>(*t, "lblTotal")->text(), "Week: 05:15:00");
  EXPECT_EQ(test::LayoutProblems(*t), std::vector<std::string>{});
  TimelineView* view = t->view();
  EXPECT_EQ(view->timeline().TotalOf(DayFromCivil({2026, 12, 7})), 5400 + 9900);

  // Alpha pressed in its middle and dragged down half an hour (Shift: five-minute steps).
  const int alpha = ItemOf(*view, "Alpha");
  ASSERT_GE(alpha, 0);
  view->Select(alpha);  // scrolled into view
  const QRect block = view->ItemRect(alpha);
  ASSERT_TRUE(view->viewport()->rect().contains(block.center()));
  const QPoint from = block.center();
  const QPoint to = from + QPoint(0, static_cast<int>(view->Plan().hourHeight / 2));
  QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, from);
  QTest::mouseMove(view->viewport(), from + QPoint(0, 6));
  QTest::mouseMove(view->viewport(), to);
  // While it moves (by whole minutes: the moves carry no Shift), its times and length show.
  EXPECT_TRUE(test::Child<QLabel>(*t, "lblReadout")->text().startsWith("Start 9:"));
  EXPECT_TRUE(test::Child<QLabel>(*t, "lblReadout")->text().endsWith(", length 01:30:00"));
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, to);
  EXPECT_EQ(folder.Read(kReportFile),
            "Alpha,12/7/2026 9:30:00 AM,12/7/2026 11:00:00 AM,layout\r\n" + kBeta + "\r\n" + kGamma + "\r\n");
  EXPECT_EQ(dialogs.shown.size(), 0u);
  // The timeline shows it at once, still selected.
  EXPECT_EQ(view->Selected(), ItemOf(*view, "Alpha"));
  EXPECT_EQ(view->timeline().blocks[view->items()[static_cast<std::size_t>(view->Selected())].block].start,
            MakeDateTime({2026, 12, 7}, 9, 30, 0));

  // Dragged onto Beta: asked, and answered No, nothing is written.
  dialogs.answers = {MsgResult::No};
  const QRect moved = view->ItemRect(ItemOf(*view, "Alpha"));
  QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, moved.center());
  QTest::mouseMove(view->viewport(), moved.center() + QPoint(0, 10));
  QTest::mouseMove(view->viewport(), moved.center() + QPoint(0, static_cast<int>(view->Plan().hourHeight)));
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      moved.center() + QPoint(0, static_cast<int>(view->Plan().hourHeight)));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt, "This would overlap Beta, Monday 11:00 AM to 1:45 PM. Change it anyway?");
  EXPECT_EQ(folder.Read(kReportFile),
            "Alpha,12/7/2026 9:30:00 AM,12/7/2026 11:00:00 AM,layout\r\n" + kBeta + "\r\n" + kGamma + "\r\n");

  // Changed by another window after the timeline showed it: the drag writes nothing over it.
  const std::string elsewhere = "Beta,12/7/2026 11:00:00 AM,12/7/2026 2:00:00 PM,from the report window";
  const QRect beta = view->ItemRect(ItemOf(*view, "Beta"));
  folder.Write(kReportFile, "Alpha,12/7/2026 9:30:00 AM,12/7/2026 11:00:00 AM,layout\r\n" + elsewhere + "\r\n" + kGamma + "\r\n");
  const std::string meanwhile = folder.Read(kReportFile);
  QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, beta.center());
  QTest::mouseMove(view->viewport(), beta.center() + QPoint(0, 10));
  QTest::mouseMove(view->viewport(), beta.center() + QPoint(0, 40));
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, beta.center() + QPoint(0, 40));
  EXPECT_EQ(folder.Read(kReportFile), meanwhile);
  EXPECT_EQ(dialogs.shown.back().prompt, kStaleStretchMessage);
  EXPECT_EQ(view->timeline().blocks[static_cast<std::size_t>(view->items()[static_cast<std::size_t>(ItemOf(*view, "Beta"))].block)].comment,
            "from the report window");
}

TEST_F(TimelineWindowTest, TheSameChangesWithTheKeyboardAlone) {
  frmMain main;
  frmTimeline* t = Open(main);
  ASSERT_NE(t, nullptr);
  TimelineView* view = t->view();
  EXPECT_TRUE(view->hasFocus());
  // Fifteen-minute steps, kept as the setting.
  auto* snap = test::Child<QComboBox>(*t, "cboSnap");
  snap->setCurrentIndex(2);
  emit snap->activated(2);
  EXPECT_EQ(settings.values[kSnapSetting], "15");
  EXPECT_EQ(view->SnapMinutes(), 15);

  // Beta stretched to 5:00 PM: its end thirteen steps later, then Enter.
  view->Select(ItemOf(*view, "Beta"));
  Key(view, Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier, 13);
  EXPECT_TRUE(view->HasPendingChange());
  EXPECT_EQ(folder.Read(kReportFile), kAlpha + "\r\n" + kBeta + "\r\n" + kGamma + "\r\n");
  Key(view, Qt::Key_Return);
  EXPECT_EQ(folder.Read(kReportFile),
            kAlpha + "\r\n" + "Beta,12/7/2026 11:00:00 AM,12/7/2026 5:00:00 PM,\r\n" + kGamma + "\r\n");

  // Alpha half an hour later: the whole stretch two steps on; Escape first drops a change.
  view->Select(ItemOf(*view, "Alpha"));
  Key(view, Qt::Key_Right, Qt::AltModifier);
  Key(view, Qt::Key_Escape);
  EXPECT_FALSE(view->HasPendingChange());
  Key(view, Qt::Key_Right, Qt::AltModifier, 2);
  Key(view, Qt::Key_Return);
  const std::string alpha = "Alpha,12/7/2026 9:30:00 AM,12/7/2026 11:00:00 AM,layout";
  EXPECT_EQ(folder.Read(kReportFile), alpha + "\r\n" + "Beta,12/7/2026 11:00:00 AM,12/7/2026 5:00:00 PM,\r\n" + kGamma + "\r\n");

  // Up from Alpha: the free time before it; Insert adds a stretch there in the window that opens.
  view->Select(ItemOf(*view, "Alpha"));
  Key(view, Qt::Key_Up);
  ASSERT_EQ(view->items()[static_cast<std::size_t>(view->Selected())].kind, TimelineItem::Gap);
  EXPECT_TRUE(test::WhileShown([&] { Key(view, Qt::Key_Insert); },
                               [&] {
                                 auto* add = qobject_cast<frmTimelineAdd*>(QApplication::activeModalWidget());
                                 ASSERT_NE(add, nullptr);
                                 EXPECT_EQ(add->Entry().start, "12/7/2026 8:30:00 AM");
                                 EXPECT_EQ(add->Entry().end, "12/7/2026 9:30:00 AM");
                                 test::Retype(*add, "txtProjectStart", "12/7/2026 8:45 AM");
                                 test::Retype(*add, "txtComment", "standup");
                                 test::Retype(*add, "cboProject", "Delta");
                                 EXPECT_EQ(test::LayoutProblems(*add), std::vector<std::string>{});
                                 test::Click(*add, "cmdAdd");
                               }));
  const std::string added = "Delta,12/7/2026 8:45:00 AM,12/7/2026 9:30:00 AM,standup";
  EXPECT_EQ(folder.Read(kReportFile),
            alpha + "\r\n" + "Beta,12/7/2026 11:00:00 AM,12/7/2026 5:00:00 PM,\r\n" + kGamma + "\r\n" + added + "\r\n");

  // Gamma deleted with the Delete key, after its question.
  view->Select(ItemOf(*view, "Gamma"));
  Key(view, Qt::Key_Delete);
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().prompt, "Delete this stretch?\n\nGamma, Tuesday 2:00 PM to 3:00 PM, call");
  EXPECT_EQ(folder.Read(kReportFile),
            alpha + "\r\n" + "Beta,12/7/2026 11:00:00 AM,12/7/2026 5:00:00 PM,\r\n" + added + "\r\n");

  // Enter on a stretch opens the entry editor, whose Save goes through the timeline.
  view->Select(ItemOf(*view, "Delta"));
  EXPECT_TRUE(test::WhileShown([&] { Key(view, Qt::Key_Return); },
                               [&] {
                                 frmReportEdit* editor = frmReportEdit::Loaded();
                                 ASSERT_NE(editor, nullptr);
                                 test::Retype(*editor, "txtProjectEnd", "12/7/2026 9:15:00 AM");
                                 test::Click(*editor, "cmdSave");
                               }));
  EXPECT_EQ(folder.Read(kReportFile), alpha + "\r\n" + "Beta,12/7/2026 11:00:00 AM,12/7/2026 5:00:00 PM,\r\n" +
                                          "Delta,12/7/2026 8:45:00 AM,12/7/2026 9:15:00 AM,standup\r\n");

  // Next and the date box move the view; Down past the last item goes on to the next week.
  test::Click(*t, "cmdNext");
  EXPECT_EQ(t->period().first, DayFromCivil({2026, 12, 13}));
  test::Click(*t, "cmdToday");
  EXPECT_EQ(t->period().first, DayFromCivil({2026, 12, 6}));
  view->setFocus();
  Key(view, Qt::Key_End);
  Key(view, Qt::Key_Down);
  EXPECT_EQ(t->period().first, DayFromCivil({2026, 12, 13}));
}

TEST_F(TimelineWindowTest, EachBlockIsAnObjectAScreenReaderCanNameAndUse) {
  frmMain main;
  frmTimeline* t = Open(main);
  ASSERT_NE(t, nullptr);
  TimelineView* view = t->view();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->text(QAccessible::Name), "Timeline");
  ASSERT_EQ(list->childCount(), static_cast<int>(view->items().size()));
  QAccessibleInterface* alpha = list->child(ItemOf(*view, "Alpha"));
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->role(), QAccessible::ListItem);
  EXPECT_EQ(alpha->text(QAccessible::Name), "Alpha, 9:00 AM to 10:30 AM, layout");
  EXPECT_TRUE(alpha->state().focusable);
  EXPECT_EQ(list->indexOfChild(alpha), ItemOf(*view, "Alpha"));
  EXPECT_EQ(alpha->parent(), list);
  QAccessibleActionInterface* actions = alpha->actionInterface();
  ASSERT_NE(actions, nullptr);
  EXPECT_TRUE(actions->actionNames().contains("Delete"));
  EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  // Its focus action selects it; the list's focused child is then that one.
  view->setFocus();
  actions->doAction(QAccessibleActionInterface::setFocusAction());
  EXPECT_EQ(view->Selected(), ItemOf(*view, "Alpha"));
  EXPECT_TRUE(alpha->state().focused);
  EXPECT_EQ(list->focusChild(), alpha);
  // Its delete action asks, and deletes.
  actions->doAction("Delete");
  EXPECT_EQ(folder.Read(kReportFile), kBeta + "\r\n" + kGamma + "\r\n");
}

// Edit > Undo in the timeline takes back the record's last change, whichever window or command
// made it, and the timeline shows the record as it was; Ctrl+Shift+Z makes it again.
TEST_F(TimelineWindowTest, TheEditMenuUndoesAndRedoesTheRecordsChanges) {
  frmMain main;
  frmTimeline* t = Open(main);
  ASSERT_NE(t, nullptr);
  const std::string before = folder.Read(kReportFile);
  Changes(files, ProgramDataFolder(), kFromCommandLine, clock.UnixNow()).Add("Delta,12/9/2026 9:00:00 AM,12/9/2026 10:00:00 AM,");
  EXPECT_TRUE(QTest::qWaitFor([&] { return test::Child<QLabel>(*t, "lblTotal")->text() == "Week: 06:15:00"; }));
  auto* bar = test::Child<QMenuBar>(*t, "mnuBar");
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions().front()->text(), "&Edit");
  emit test::Child<QMenu>(*t, "mnuEdit")->aboutToShow();
  EXPECT_EQ(ToBytes(t->findChild<QAction*>("mnuEditUndo")->text()).rfind("&Undo ", 0), 0u);
  QApplication::setActiveWindow(t);
  QTest::keyClick(t, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(folder.Read(kReportFile), before);
  EXPECT_EQ(test::Child<QLabel>(*t, "lblTotal")->text(), "Week: 05:15:00");
  QTest::keyClick(t, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(test::Child<QLabel>(*t, "lblTotal")->text(), "Week: 06:15:00");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(test::LayoutProblems(*t), std::vector<std::string>{});
}

}  // namespace
}  // namespace tw
