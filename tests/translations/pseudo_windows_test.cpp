// Every window in the 40 %-longer pseudo-language: nothing cut off or overlapping, at 96 and 144 dpi.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QStyleOptionComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "desktop/qt_help_viewer.h"
#include "desktop/qt_translations.h"
#include "import/frm_import.h"
#include "tests/import/import_support.h"
#include "preferences/frm_preferences.h"
#include "projects/frm_project_settings.h"
#include "projects/frm_project_list.h"
#include "shell/frm_about.h"
#include "shell/frm_main.h"
#include "shell/frm_splash.h"
#include "state/program_state.h"
#include "summaries/frm_summary.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"
#include "timeline/frm_timeline.h"
#include "viewer/frm_report.h"
#include "viewer/frm_report_edit.h"

namespace tw {
namespace {

// Headers, buttons, boxes and labels narrower than their text (which the layout check does not measure).
std::vector<std::string> CutOff(const QWidget& window) {
  std::vector<std::string> cut;
  for (const QTreeWidget* list : window.findChildren<QTreeWidget*>()) {
    const QHeaderView* header = list->header();
    for (int i = 0; i < header->count(); ++i) {
      if (header->isSectionHidden(i) || header->sectionSize(i) >= header->sectionSizeHint(i)) continue;
      // The last column may go on past the list's right edge, read by scrolling.
      cut.push_back(list->objectName().toStdString() + " column \"" +
                    list->headerItem()->text(i).toStdString() + "\"");
    }
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->isVisible() || button->text().isEmpty() || !button->parentWidget()->layout()) continue;
    if (button->width() < button->sizeHint().width())
      cut.push_back(button->objectName().toStdString() + " \"" + button->text().toStdString() + "\"");
  }
  // A list box's chosen text: the longest of its own texts must fit (a project's name may not).
  for (const QComboBox* box : window.findChildren<QComboBox*>()) {
    if (!box->isVisible() || box->isEditable()) continue;
    const QString text = box->currentText();
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    if (box->fontMetrics().horizontalAdvance(text) > room.width())
      cut.push_back(box->objectName().toStdString() + " \"" + text.toStdString() + "\"");
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty() || label->wordWrap() || !label->parentWidget()->layout())
      continue;
    if (label->width() < label->sizeHint().width())
      cut.push_back(label->objectName().toStdString() + " \"" + label->text().toStdString() + "\"");
  }
  return cut;
}

std::vector<std::string> Problems(const QWidget& window) {
  std::vector<std::string> problems = test::LayoutProblems(window);
  for (std::string& cut : CutOff(window)) problems.push_back("cut off: " + cut);
  return problems;
}

class PseudoWindowsTest : public test::PlatformTest {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(InstallTranslations("en_XA", TW_PROGRAMS_DIR), "en_XA") << "the pseudo-language is not built";
  }
  PseudoWindowsTest() {
    system.endThrows = false;
    folder.Write("projrpt.pro",
                 "Website redesign,12/7/2026 9:03:00 AM,12/7/2026 10:15:00 AM,layout\r\n"
                 "Support,12/7/2026 11:00:00 AM,12/7/2026 1:45:00 PM,\r\n");
    folder.Write("project.lst", "Website redesign\r\nSupport\r\n");
  }
  static QAction* Item(const QWidget& window, const char* name) { return window.findChild<QAction*>(name); }
};

TEST_F(PseudoWindowsTest, NoTextIsCutOffInAnyWindow) {
  Setup::DisplayDate = clock.now;  // as the program's start sets it: the report shows the entries' day
  frmMain main;
  main.show();
  EXPECT_EQ(Problems(main), std::vector<std::string>{}) << "main window";
  EXPECT_NE(main.windowTitle(), QString()) << "the menus are translated";
  for (QAction* menu : main.menuBar()->actions()) EXPECT_NE(menu->text().indexOf(QChar(0xE9)), -1) << "menu";

  auto* splash = new frmSplash;
  EXPECT_EQ(Problems(*splash), std::vector<std::string>{}) << "splash";
  splash->Unload();

  EXPECT_TRUE(test::WhileShown([&] { Item(main, "mnuReportViewReport")->trigger(); }, [&] {
    ASSERT_NE(frmReport::Loaded(), nullptr);
    frmReport& report = *frmReport::Loaded();
    EXPECT_EQ(Problems(report), std::vector<std::string>{}) << "report";
    auto* list = test::Child<QTreeWidget>(report, "ListView");
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_TRUE(test::WhileShown([&] { test::Click(report, "cmdEdit"); }, [&] {
      ASSERT_NE(frmReportEdit::Loaded(), nullptr);
      EXPECT_EQ(Problems(*frmReportEdit::Loaded()), std::vector<std::string>{}) << "entry editor";
      frmReportEdit::Loaded()->Unload();
    }));
    report.Unload();
  }));

  EXPECT_TRUE(test::WhileShown([&] { test::Click(main, "cmdUpdateProjects"); }, [&] {
    EXPECT_EQ(Problems(*frmProjectList::Loaded()), std::vector<std::string>{}) << "project list";
    test::Click(*frmProjectList::Loaded(), "cmdCancel");
  }));

  // The windows beside the main window (Import once a file is chosen, with its preview).
  folder.Write("toggl.csv", test::kTogglHeader + test::TogglRow("Website", "2026-10-26"));
  frmImport::askPath = [this](QWidget*, bool) { return QString::fromStdString(folder.File("toggl.csv")); };
  const std::pair<const char*, QWidget* (*)()> beside[] = {
      {"mnuHelpAbout", []() -> QWidget* { return frmAbout::Loaded(); }},
      {"mnuReportSummary", []() -> QWidget* { return frmSummary::Loaded(); }},
      {"mnuReportImport", []() -> QWidget* { return frmImport::Loaded(); }},
      {"mnuReportTimeline", []() -> QWidget* { return frmTimeline::Loaded(); }}};
  for (const auto& [item, loaded] : beside) {
    Item(main, item)->trigger();
    ASSERT_NE(loaded(), nullptr) << item;
    EXPECT_EQ(Problems(*loaded()), std::vector<std::string>{}) << item;
    loaded()->close();
  }
  frmImport::askPath = nullptr;

  EXPECT_TRUE(test::WhileShown([&] { Item(main, "mnuReportRates")->trigger(); }, [&] {
    ASSERT_NE(frmProjectSettings::Loaded(), nullptr);
    EXPECT_EQ(Problems(*frmProjectSettings::Loaded()), std::vector<std::string>{}) << "project settings";
    frmProjectSettings::Loaded()->Unload();
  }));

  EXPECT_TRUE(test::WhileShown([&] { Item(main, "mnuOptionsPreferences")->trigger(); }, [&] {
    EXPECT_EQ(Problems(*frmPreferences::Loaded()), std::vector<std::string>{}) << "Preferences";
    frmPreferences::Loaded()->reject();
  }));

  HelpViewer help(nullptr);
  help.show();
  EXPECT_EQ(Problems(help), std::vector<std::string>{}) << "help";
  for (QTabWidget* tabs : help.findChildren<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      QTest::qWait(1);
      EXPECT_EQ(Problems(help), std::vector<std::string>{}) << "help, tab " << i;
    }
  }
  main.hide();
}

}  // namespace
}  // namespace tw

