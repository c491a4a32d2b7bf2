// The project box and the project list editor as the user meets them: real widgets, clicked and
// typed into on the offscreen platform.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/frm_main.h"
#include "app/setup_main.h"
#include "projects/frm_project_list.h"
#include "projects/project_list.h"
#include "tests/support/fakes.h"

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

  template <class W>
  static W* Find(const QWidget& window, const char* name) {
    W* w = window.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  // Clicks Update Projects and runs act on the editor while it is shown modally. Whatever act
  // leaves open is hidden afterwards, so that the click returns.
  void UpdateProjects(frmMain& window, const std::function<void(frmProjectList&)>& act) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      ran = true;
      QPointer<frmProjectList> editor = frmProjectList::Loaded();
      ASSERT_TRUE(editor && editor->isVisible() && editor->isModal());
      act(*editor);
      if (editor && editor->isVisible()) editor->hide();
    });
    QTest::mouseClick(Find<QWidget>(window, "cmdUpdateProjects"), Qt::LeftButton);
    EXPECT_TRUE(ran);
  }

  // Types at the end of the text; "\n" is the Enter key.
  static void Type(frmProjectList& editor, const char* text) {
    auto* box = Find<QPlainTextEdit>(editor, "txtProjectList");
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    const QStringList lines = QString::fromUtf8(text).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(box, Qt::Key_Return);
      QTest::keyClicks(box, lines[i]);
    }
  }
  static void Click(frmProjectList& editor, const char* button) {
    QTest::mouseClick(Find<QWidget>(editor, button), Qt::LeftButton);
  }
};

TEST_F(ProjectEditorTest, EditorLayout) {
  auto window = Start("A\r\nB\r\n\r\n");
  frmProjectList& editor = frmProjectList::Load(*window);
  EXPECT_EQ(editor.windowTitle(), "Project List");
  EXPECT_EQ(editor.minimumSize(), QSize(190, 213));
  EXPECT_EQ(editor.maximumSize(), QSize(190, 213));
  EXPECT_FALSE(editor.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  // Centred on the screen of 19200 x 14400 twips.
  EXPECT_EQ(editor.pos(), QPoint(545, 374));
  EXPECT_EQ(editor.Text(), "A\r\nB\r\n\r\n\r\n");

  struct Row {
    const char* name;
    QRect place;  // twips / 15
    const char* text;
    const char* tip;
  };
  const Row rows[] = {
      {"txtProjectList", {8, 64, 177, 105}, "", ""},
      {"lblInstructions", {16, 16, 169, 41},
       "Add or delete projects in the text box below. Hit <enter> at the end of each project.", ""},
      {"cmdSave", {96, 176, 81, 33}, "Sa&ve", "Save your project list"},
      {"cmdCancel", {8, 176, 81, 33}, "&Cancel", ""},
  };
  for (const Row& r : rows) {
    QWidget* w = Find<QWidget>(editor, r.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), r.place) << r.name;
    EXPECT_EQ(w->toolTip().toStdString(), r.tip) << r.name;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      EXPECT_EQ(b->text().toStdString(), r.text);
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
      EXPECT_EQ(l->text().toStdString(), r.text);
      EXPECT_EQ(l->textFormat(), Qt::PlainText);  // "<enter>" shows as typed
    }
    const QColor yellow(255, 255, 192);
    if (qobject_cast<QPlainTextEdit*>(w)) {
      EXPECT_NE(w->palette().color(QPalette::Base), yellow);
    } else {
      EXPECT_EQ(w->palette().color(QPalette::Window), yellow) << r.name;
    }
  }
  EXPECT_EQ(editor.palette().color(QPalette::Window), QColor(255, 255, 192));

  editor.show();
  editor.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
  std::vector<std::string> order;
  for (int i = 0; i < 4; ++i) {
    order.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"txtProjectList", "cmdSave", "cmdCancel", "txtProjectList"}));
}

TEST_F(ProjectEditorTest, SavingUnchangedTextKeepsFileAndBoxAndReturnsToTheRememberedProject) {
  // Non-breaking space, a line separator and non-ASCII names come back byte for byte.
  const std::string list = "Alpha\r\n Caf\xC3\xA9\xC2\xA0Noir \r\nx\xE2\x80\xA8y\r\nAlpha\r\n\r\n";
  auto window = Start(list);
  settings.values["Project"] = "3";
  UpdateProjects(*window, [&](frmProjectList& editor) {
    EXPECT_EQ(editor.Text(), list + "\r\n");
    Click(editor, "cmdSave");
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
    Click(editor, "cmdCancel");
  });
  ASSERT_NE(frmProjectList::Loaded(), nullptr);
  EXPECT_FALSE(frmProjectList::Loaded()->isVisible());
  EXPECT_EQ(LoadedForms().Count(), 2);
  EXPECT_EQ(ProjectEntries(*window), (Names{"A", "B", ""}));
  EXPECT_EQ(folder.Read("project.lst"), "A\r\nB\r\n\r\n");

  // The close box hides it the same way.
  UpdateProjects(*window, [&](frmProjectList& editor) {
    EXPECT_EQ(editor.Text(), "A\r\nB\r\n\r\n\r\nGamma");
    Type(editor, "\n\nDelta");
    editor.close();
  });
  UpdateProjects(*window, [&](frmProjectList& editor) {
    EXPECT_EQ(editor.Text(), "A\r\nB\r\n\r\n\r\nGamma\r\n\r\nDelta");
    Click(editor, "cmdSave");
  });
  EXPECT_EQ(ProjectEntries(*window), (Names{"A", "B", "Gamma", "Delta", ""}));
  EXPECT_EQ(folder.Read("project.lst"), "A\r\nB\r\nGamma\r\nDelta\r\n\r\n");

  // Shutdown unloads an editor left hidden.
  UpdateProjects(*window, [&](frmProjectList& editor) { Click(editor, "cmdCancel"); });
  window->close();
  EXPECT_EQ(frmProjectList::Loaded(), nullptr);
  EXPECT_EQ(LoadedForms().Count(), 1);
}

TEST_F(ProjectEditorTest, ACommaIsRefusedAndTheEditorKeepsTheText) {
  auto window = Start("A\r\n\r\n");
  UpdateProjects(*window, [&](frmProjectList& editor) {
    Type(editor, "Acme, Inc.");
    Click(editor, "cmdSave");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.Text(), "A\r\n\r\n\r\nAcme, Inc.");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Tallywright");
    EXPECT_EQ(dialogs.shown[0].style, MsgStyle::OkOnly + MsgStyle::Exclamation);
    EXPECT_NE(dialogs.shown[0].prompt.find("line 4:\nAcme, Inc."), std::string::npos);
    Click(editor, "cmdCancel");
  });
  EXPECT_EQ(ProjectEntries(*window), (Names{"A", ""}));
  EXPECT_EQ(folder.Read("project.lst"), "A\r\n\r\n");
}

TEST_F(ProjectEditorTest, TheBoxRemembersItsPositionWhenItLosesTheFocus) {
  auto window = Start("Alpha\r\nBeta\r\nGamma\r\n\r\n");
  auto* box = Find<QComboBox>(*window, "cboProjects");
  auto* comments = Find<QWidget>(*window, "txtComments");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Down);  // Beta -> Gamma
  comments->setFocus();
  EXPECT_EQ(settings.values["Project"], "2");

  // The records name the chosen entry.
  QTest::mouseClick(Find<QWidget>(*window, "cmdStartProject"), Qt::LeftButton);
  QTest::mouseClick(Find<QWidget>(*window, "cmdEndProject"), Qt::LeftButton);
  EXPECT_EQ(folder.Read("projrpt.pro").substr(0, 6), "Gamma,");

  // Typed text is no entry of the list.
  box->setFocus();
  QTest::keyClicks(box, "new");
  comments->setFocus();
  EXPECT_EQ(settings.values["Project"], "-1");

  // A remembered position that the shortened list no longer has clears the selection.
  settings.values["Project"] = "2";
  UpdateProjects(*window, [&](frmProjectList& editor) {
    editor.SetText("Solo");
    Click(editor, "cmdSave");
  });
  EXPECT_EQ(ProjectEntries(*window), (Names{"Solo", ""}));
  EXPECT_EQ(window->ProjectIndex(), -1);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProjectEditorTest, AHundredThousandNamesGoThroughTheEditor) {
  std::string list;
  for (int i = 0; i < 100000; ++i) list += "Project " + std::to_string(i) + "\r\n";
  list += "\r\n";
  auto window = Start(list);
  EXPECT_EQ(window->ProjectCount(), 100001);
  UpdateProjects(*window, [&](frmProjectList& editor) { Click(editor, "cmdSave"); });
  EXPECT_EQ(folder.Read("project.lst"), list);
  EXPECT_EQ(window->ProjectCount(), 100001);
  EXPECT_EQ(window->ProjectAt(99999), "Project 99999");
}

}  // namespace
}  // namespace tw
