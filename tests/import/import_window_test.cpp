// The Import window as a user meets it: opened from the Report menu, a Timewarrior folder's
// preview, Import, and the same folder again adding nothing; a file changed or deleted between the
// preview and Import.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/frm_main.h"
#include "import/frm_import.h"
#include "tests/support/fakes.h"
#include "tests/support/layout.h"
#include "tests/support/ui.h"

namespace tw {
namespace {

class ImportWindowTest : public test::PlatformTest {};

TEST_F(ImportWindowTest, PreviewsImportsAndAddsNothingTheSecondTime) {
  folder.Write("project.lst", "Website\r\n\r\n");
  frmImport::askPath = [](QWidget*, bool) { return QString(IMPORT_FIXTURES "/timew-data"); };
  frmMain main;
  main.show();
  const auto open = [&] {
    main.findChild<QAction*>("mnuReportImport")->trigger();
    frmImport* window = frmImport::Loaded();
    EXPECT_NE(window, nullptr);
    return window;
  };
  const int chosen = main.ProjectIndex();
  const int count = main.ProjectCount();
  frmImport* window = open();
  ASSERT_NE(window, nullptr);
  const std::string preview = test::Child<QPlainTextEdit>(*window, "txtPreview")->toPlainText().toStdString();
  EXPECT_NE(preview.find("4 stretches to add"), std::string::npos) << preview;
  EXPECT_NE(preview.find("2026-11.data line 2: it is still open (no end)"), std::string::npos);
  EXPECT_EQ(test::LayoutProblems(*window), std::vector<std::string>{});
  test::Click(*window, "cmdImport");
  EXPECT_EQ(frmImport::Loaded(), nullptr);
  const std::string report = folder.Read("projrpt.pro");
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 4);
  // The new names join the box after the old, and the chosen one stays chosen.
  EXPECT_EQ(folder.Read("project.lst"), "Website\r\nClient  Ltd\r\nServers\r\nSupport\r\n\r\n");
  EXPECT_GT(main.ProjectCount(), count);
  EXPECT_EQ(main.ProjectIndex(), chosen);

  window = open();
  ASSERT_NE(window, nullptr);
  EXPECT_NE(test::Child<QPlainTextEdit>(*window, "txtPreview")->toPlainText().toStdString().find("4 duplicates skipped"),
            std::string::npos);
  EXPECT_FALSE(test::Child<QPushButton>(*window, "cmdImport")->isEnabled());
  test::Click(*window, "cmdCancel");
  frmImport::askPath = nullptr;
}

TEST_F(ImportWindowTest, ImportWritesTheFileAsItIsWhenPressedAndNothingWhenItIsGone) {
  const std::string header = "User,Email,Client,Project,Task,Description,Billable,Start date,Start time,End date,"
                             "End time,Duration,Tags\n";
  const auto row = [](const char* project, const char* day) {
    return std::string("Ann,a@x,Acme,") + project + ",,,No," + day + ",09:00:00," + day + ",10:00:00,01:00:00,\n";
  };
  folder.Write("toggl.csv", header + row("Website", "2026-10-26") + row("Website", "2026-10-27"));
  frmImport::askPath = [this](QWidget*, bool) { return QString::fromStdString(folder.File("toggl.csv")); };
  frmMain main;
  main.findChild<QAction*>("mnuReportImport")->trigger();
  frmImport* window = frmImport::Loaded();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->preview().plan.added, 2u);
  folder.Write("toggl.csv", header + row("Servers", "2026-11-02"));
  test::Click(*window, "cmdImport");
  EXPECT_EQ(folder.Read("projrpt.pro"), "Servers,11/2/2026 9:00:00 AM,11/2/2026 10:00:00 AM,\r\n");

  folder.Write("toggl.csv", header + row("Support", "2026-11-03"));
  main.findChild<QAction*>("mnuReportImport")->trigger();
  window = frmImport::Loaded();
  ASSERT_NE(window, nullptr);
  std::filesystem::remove(folder.File("toggl.csv"));
  test::Click(*window, "cmdImport");
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_NE(dialogs.shown.back().prompt.find("there is no file"), std::string::npos) << dialogs.shown.back().prompt;
  EXPECT_EQ(frmImport::Loaded(), window);  // still open, to choose another file
  EXPECT_EQ(folder.Read("projrpt.pro"), "Servers,11/2/2026 9:00:00 AM,11/2/2026 10:00:00 AM,\r\n");
  test::Click(*window, "cmdCancel");
  frmImport::askPath = nullptr;
}

}  // namespace
}  // namespace tw
