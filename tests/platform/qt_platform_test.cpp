// The platform services built on Qt: texts, the settings store and the help viewer.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "platform/qt_help_viewer.h"
#include "platform/qt_settings.h"
#include "platform/qt_shell.h"
#include "platform/qt_text.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

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

TEST(QtPlatform, TheHelpViewerShowsContentsAndFindsKeywordsAsTyped) {
  QtShell shell;
  const std::string file = std::string(TW_SOURCE_DIR) + "/app/help/TALLYWRT.HLP";
  static const std::uint16_t empty = 0;
  ASSERT_TRUE(shell.WinHelpA(0, file, HELP_PARTIALKEY, &empty));
  HelpViewer* help = shell.helpViewer();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "Tallywright Help");
  EXPECT_EQ(help->tabs()->currentIndex(), 1);
  EXPECT_GT(help->keywordList()->count(), 20);
  QTest::keyClicks(help->keywordBox(), "center");
  EXPECT_EQ(help->keywordList()->currentItem()->text(), "Center App");

  ASSERT_TRUE(shell.WinHelpA(0, file, HELP_CONTENTS, nullptr));
  EXPECT_EQ(shell.helpViewer(), help);  // one viewer
  EXPECT_EQ(help->tabs()->currentIndex(), 0);
  EXPECT_NE(help->page()->toPlainText().indexOf("Start Project"), -1);
  // A help file that is not there: the viewer says so itself.
  ASSERT_TRUE(shell.WinHelpA(0, "/nonexistent/TALLYWRT.HLP", HELP_CONTENTS, nullptr));
  EXPECT_NE(help->page()->toPlainText().indexOf("cannot be opened"), -1);
  EXPECT_FALSE(shell.WinHelpA(0, file, 1, nullptr));
  help->close();
}

}  // namespace
}  // namespace tw
