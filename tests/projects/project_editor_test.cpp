// The project box and the project list editor as real widgets; the list's rules: project_list_test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <functional>
#include <memory>

#include "shell/frm_main.h"
#include "shell/setup_main.h"
#include "projects/frm_project_list.h"
#include "projects/project_list.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"

namespace tw {
namespace {

using Names = std::vector<std::string>;

class ProjectEditorTest : public test::PlatformTest {
 protected:
  ProjectEditorTest() { system.endThrows = false; }
  ~ProjectEditorTest() override {
    if (frmProjectList* editor = frmProjectList::Loaded()) editor->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  std::unique_ptr<frmMain> Start(const std::string& list) {
    folder.Write("project.lst", list);
    std::unique_ptr<frmMain> window(Setup::Main());
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }

  // Clicks Update Projects and runs act on the modal editor, hidden after it so that the click returns.
  void UpdateProjects(frmMain& window, const std::function<void(frmProjectList&)>& act) {
    EXPECT_TRUE(test::WhileShown([&] { test::Click(window, "cmdUpdateProjects"); }, [&] {
      QPointer<frmProjectList> editor = frmProjectList::Loaded();
      ASSERT_TRUE(editor && editor->isVisible() && editor->isModal());
      act(*editor);
      if (editor && editor->isVisible()) editor->hide();
    }));
  }
  // Types at the end of the text; "\n" is the Enter key.
  static void Type(frmProjectList& editor, const char* text) {
    auto* box = test::Child<QPlainTextEdit>(editor, "txtProjectList");
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    const QStringList lines = QString::fromUtf8(text).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(box, Qt::Key_Return);
      QTest::keyClicks(box, lines[i]);
    }
  }
};

TEST_F(ProjectEditorTest, TheEditorShowsTheListAsTextWithItsInstructions) {
  auto window = Start("A\r\nB\r\n\r\n");
  frmProjectList& editor = frmProjectList::Load(*window);
  EXPECT_EQ(test::LayoutProblems(editor), std::vector<std::string>{});
  EXPECT_EQ(editor.Text(), "A\r\nB\r\n\r\n\r\n");
  // "<enter>" shows as typed.
  EXPECT_EQ(test::Child<QLabel>(editor, "lblInstructions")->textFormat(), Qt::PlainText);

  editor.show();
  editor.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
  EXPECT_EQ(test::TabOrder(5), (Names{"txtProjectList", "cmdSave", "cmdCancel", "cmdSettings", "txtProjectList"}));
}

TEST_F(ProjectEditorTest, SavingUnchangedTextKeepsFileAndBoxAndReturnsToTheRememberedProject) {
  // Non-breaking space, a line separator and non-ASCII names come back byte for byte.
  const std::string list = "Alpha\r\n Caf\xC3\xA9\xC2\xA0Noir \r\nx\xE2\x80\xA8y\r\nAlpha\r\n\r\n";
  auto window = Start(list);
  settings.values["Project"] = "3";
  UpdateProjects(*window, [&](frmProjectList& editor) {
    EXPECT_EQ(editor.Text(), list + "\r\n");
    test::Click(editor, "cmdSave");
  });
  EXPECT_EQ(frmProjectList::Loaded(), nullptr);
  EXPECT_EQ(LoadedForms().Count(), 1);
  EXPECT_EQ(folder.Read("project.lst"), list);
  EXPECT_EQ(ProjectEntries(*window), (Names{"Alpha", " Caf\xC3\xA9\xC2\xA0Noir ", "x\xE2\x80\xA8y", "Alpha", ""}));
  EXPECT_EQ(window->ProjectIndex(), 3);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProjectEditorTest, CancelKeepsTheTypedTextForTheNextUpdateProjects) {
  auto window = Start("A\r\nB\r\n\r\n");
  UpdateProjects(*window, [&](frmProjectList& editor) {
    Type(editor, "Gamma");
    test::Click(editor, "cmdCancel");
  });
  ASSERT_NE(frmProjectList::Loaded(), nullptr);
  EXPECT_FALSE(frmProjectList::Loaded()->isVisible());
  EXPECT_EQ(LoadedForms().Count(), 2);
  EXPECT_EQ(folder.Read("project.lst"), "A\r\nB\r\n\r\n");
  // The close box hides it the same way.
  UpdateProjects(*window, [&](frmProjectList& editor) {
    EXPECT_EQ(editor.Text(), "A\r\nB\r\n\r\n\r\nGamma");
    Type(editor, "\n\nDelta");
    editor.close();
  });
  UpdateProjects(*window, [&](frmProjectList& editor) {
    EXPECT_EQ(editor.Text(), "A\r\nB\r\n\r\n\r\nGamma\r\n\r\nDelta");
    test::Click(editor, "cmdSave");
  });
  EXPECT_EQ(folder.Read("project.lst"), "A\r\nB\r\nGamma\r\nDelta\r\n\r\n");
  // Shutdown unloads an editor left hidden.
  UpdateProjects(*window, [&](frmProjectList& editor) { test::Click(editor, "cmdCancel"); });
  window->close();
  EXPECT_EQ(frmProjectList::Loaded(), nullptr);
  EXPECT_EQ(LoadedForms().Count(), 1);
}

TEST_F(ProjectEditorTest, TheBoxRemembersItsPositionWhenItLosesTheFocus) {
  auto window = Start("Alpha\r\nBeta\r\nGamma\r\n\r\n");
  auto* box = test::Child<QComboBox>(*window, "cboProjects");
  auto* comments = test::Child(*window, "txtComments");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Down);  // Beta -> Gamma
  comments->setFocus();
  EXPECT_EQ(settings.values["Project"], "2");
  // Typed text is no entry of the list.
  box->setFocus();
  QTest::keyClicks(box, "new");
  comments->setFocus();
  EXPECT_EQ(settings.values["Project"], "-1");
}

}  // namespace
}  // namespace tw
