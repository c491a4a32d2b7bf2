// The platform services built on Qt: texts, the settings store and the help viewer.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "desktop/help_index.h"
#include "desktop/qt_help_viewer.h"
#include "desktop/qt_settings.h"
#include "desktop/qt_shell.h"
#include "desktop/qt_text.h"
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
  const std::string file = std::string(TW_SOURCE_DIR) + "/shell/help/TALLYWRT.HLP";
  shell.OpenHelp(file, HelpPage::Search);
  HelpViewer* help = shell.helpViewer();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->tabs()->currentIndex(), 1);
  EXPECT_GT(help->keywordList()->count(), 20);
  QTest::keyClicks(help->keywordBox(), "center");
  EXPECT_EQ(help->keywordList()->currentItem()->text(), "Center App");

  shell.OpenHelp(file, HelpPage::Contents);
  EXPECT_EQ(shell.helpViewer(), help);  // one viewer
  EXPECT_EQ(help->tabs()->currentIndex(), 0);
  EXPECT_NE(help->page()->toPlainText().indexOf("Start Project"), -1);
  // A help file that is not there: the viewer says so itself.
  shell.OpenHelp("/nonexistent/TALLYWRT.HLP", HelpPage::Contents);
  EXPECT_NE(help->page()->toPlainText().indexOf("cannot be opened"), -1);
  help->close();

  // The viewer goes with its owner window; the next viewer then has none, and nothing refers to the old one.
  auto* owner = new QWidget;
  shell.SetOwnerWindow(owner);
  shell.OpenHelp(file, HelpPage::Contents);
  ASSERT_NE(shell.helpViewer(), nullptr);
  EXPECT_EQ(shell.helpViewer()->parentWidget(), owner);
  delete owner;
  EXPECT_EQ(shell.helpViewer(), nullptr);
  shell.OpenHelp(file, HelpPage::Search);
  ASSERT_NE(shell.helpViewer(), nullptr);
  EXPECT_EQ(shell.helpViewer()->parentWidget(), nullptr);
}

TEST(HelpIndex, TheHelpIndexFindsTopicsAndKeywordsByTheirFirstLetters) {
  const HelpIndex index = ReadHelpIndex(
      "<h1><a name=\"top\">Help</a></h1><p>text</p>\n"
      "<h2><a name=\"b\" title=\"zebra; Apple\">Backup &amp; Restore</a></h2>\n"
      "<h3 class=\"x\">\n<a name=\"c\">Clear\n Screen</a></h3><h2>No anchor</h2>");
  ASSERT_EQ(index.topics.size(), 3u);
  EXPECT_EQ(index.topics[1].title, "Backup & Restore");
  EXPECT_EQ(index.topics[2].title, "Clear Screen");
  EXPECT_EQ(index.topics[2].level, 3);
  std::vector<std::string> keywords;
  for (const HelpKeyword& k : index.keywords) keywords.push_back(k.keyword + ">" + k.anchor);
  EXPECT_EQ(keywords, (std::vector<std::string>{"Apple>b", "Backup & Restore>b", "Clear Screen>c",
                                                "Help>top", "zebra>b"}));
  EXPECT_EQ(FindKeyword(index.keywords, ""), 0);
  EXPECT_EQ(FindKeyword(index.keywords, "cl"), 2);
  EXPECT_EQ(FindKeyword(index.keywords, "BACK"), 1);
  EXPECT_EQ(FindKeyword(index.keywords, "d"), 3);  // nothing begins so: the next one
  EXPECT_EQ(FindKeyword(index.keywords, "zz"), 4);
  EXPECT_EQ(FindKeyword({}, "a"), -1);
}

TEST(HelpIndex, EveryLinkOfTheShippedHelpFileLeadsToATopic) {
  std::ifstream in(std::string(TW_SOURCE_DIR) + "/shell/help/TALLYWRT.HLP", std::ios::binary);
  std::stringstream html;
  html << in.rdbuf();
  const HelpIndex index = ReadHelpIndex(html.str());
  EXPECT_GE(index.topics.size(), 8u);
  std::set<std::string> anchors;
  for (const HelpTopic& t : index.topics) anchors.insert(t.anchor);
  const std::string text = html.str();
  const std::regex link("href=\"#([^\"]*)\"");
  int links = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator(); ++it, ++links)
    EXPECT_TRUE(anchors.count((*it)[1].str())) << (*it)[1].str();
  EXPECT_EQ(links + 1, static_cast<int>(index.topics.size()));  // the contents list every topic
}

}  // namespace
}  // namespace tw
