// The Import window's wiring: the menu, the preview, Import, a second run, a file gone meanwhile.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/frm_main.h"
#include "import/frm_import.h"
#include "tests/import/import_support.h"
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
  // The new names join the box (the list's order is ImportTest's), and the chosen one stays chosen.
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

// What the file holds when Import is pressed is ImportFilesTest's; here, the refusal's wiring.
TEST_F(ImportWindowTest, AFileGoneBeforeImportIsSaidAndNothingWritten) {
  folder.Write("toggl.csv", test::kTogglHeader + test::TogglRow("Support", "2026-11-03"));
  frmImport::askPath = [this](QWidget*, bool) { return QString::fromStdString(folder.File("toggl.csv")); };
  frmMain main;
  main.findChild<QAction*>("mnuReportImport")->trigger();
  frmImport* window = frmImport::Loaded();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->preview().plan.added, 1u);
  std::filesystem::remove(folder.File("toggl.csv"));
  test::Click(*window, "cmdImport");
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_NE(dialogs.shown.back().prompt.find("there is no file"), std::string::npos) << dialogs.shown.back().prompt;
  EXPECT_EQ(frmImport::Loaded(), window);  // still open, to choose another file
  EXPECT_FALSE(folder.Exists("projrpt.pro"));
  test::Click(*window, "cmdCancel");
  frmImport::askPath = nullptr;
}

}  // namespace
}  // namespace tw
