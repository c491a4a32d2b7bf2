// The platform layer's records and views: the notification icon's record, the registry this
// platform offers, and the help file's contents and keyword index.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/help_index.h"
#include "platform/notify_icon.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

TEST(Platform, TheIconRecordIsTheShellsEightyEightBytes) {
  const auto bytes = MakeNotifyIconRecord(0x01020304, 0x0A0B0C0D).Bytes();
  const std::string head = std::string("\x58\0\0\0\x04\x03\x02\x01\x01\0\0\0\x07\0\0\0\0\x02\0\0\x0D\x0C\x0B\x0A", 24) +
                           std::string("Tallywright\0", 12) + std::string(52, ' ');
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), head);
}

TEST(Platform, DataLivesBesideAWritableProgramOtherwiseInTheUsersDataFolder) {
  EXPECT_EQ(ChooseDataFolder("/opt/tw", true, "/x", "/home/u"), "/opt/tw");
  EXPECT_EQ(ChooseDataFolder("/usr/bin", false, "/x/data", "/home/u"), "/x/data/Tallywright");
  // A relative or empty XDG_DATA_HOME is ignored, as the base directory rules say.
  for (const char* xdg : {"", "relative", static_cast<const char*>(nullptr)})
    EXPECT_EQ(ChooseDataFolder("/usr/bin", false, xdg, "/home/u"), "/home/u/.local/share/Tallywright");
}

TEST(Platform, TheRegistryNamesTheFirstSystemInformationProgramOnTheSearchPath) {
  test::TempFolder first, second;
  first.Write("kinfocenter", "");  // not executable: passed over
  second.Write("kinfocenter", "");
  second.Write("hardinfo", "");
  ::chmod(second.File("kinfocenter").c_str(), 0755);
  ::chmod(second.File("hardinfo").c_str(), 0755);
  RegistryView view = SystemRegistry(first.path() + "::" + second.path());
  std::uint32_t key = 0, type = 0, size = 1024;
  std::string value(size, '\0');
  ASSERT_EQ(view.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSysInfoKey, 0, 0, &key), ERROR_SUCCESS);
  ASSERT_EQ(view.RegQueryValueExA(key, "path", &type, value.data(), &size), ERROR_SUCCESS);
  EXPECT_EQ(value.substr(0, size), second.File("kinfocenter") + '\0');
  EXPECT_EQ(view.RegCloseKey(key), ERROR_SUCCESS);
  RegistryView none = SystemRegistry(first.path());
  EXPECT_EQ(none.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSysInfoKey, 0, 0, &key), ERROR_FILE_NOT_FOUND);
}

TEST(Platform, TheHelpIndexFindsTopicsAndKeywordsByTheirFirstLetters) {
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

TEST(Platform, EveryLinkOfTheShippedHelpFileLeadsToATopic) {
  std::ifstream in(std::string(TW_SOURCE_DIR) + "/app/help/TALLYWRT.HLP", std::ios::binary);
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
