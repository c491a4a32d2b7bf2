// The shell's routines without windows: the notification icon's presses, minimizing, the About
// window's registry reading and System Info, and the help entries.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "app/about.h"
#include "app/help.h"
#include "app/sysinfo.h"
#include "app/tray.h"
#include "errors/error.h"
#include "platform/help_index.h"
#include "platform/notify_icon.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

class FakeTrayWindow : public TrayWindow {
 public:
  explicit FakeTrayWindow(test::EventLog& log) : log_(log) {}
  bool IsMinimized() const override { return minimized; }
  void SetNormalState() override {
    if (failNormal) throw RunError(5, "Invalid procedure call or argument");
    log_.push_back("normal");
    minimized = false;
  }
  void SetVisible(bool v) override {
    log_.push_back(v ? "show" : "hide");
    visible = v;
  }
  void SetStatusText(const std::string& text) override { log_.push_back("status:" + text); }
  void PopupOptionMenu() override { log_.push_back("popup"); }
  std::uint32_t WindowHandle() const override { return 42; }

  bool minimized = false, visible = true, failNormal = false;

 private:
  test::EventLog& log_;
};

class ShellTest : public test::PlatformTest {
 protected:
  FakeTrayWindow window{log};
};

TEST_F(ShellTest, TheIconsPressesAreRecognisedAtEveryScaling) {
  // x is the mouse message in pixels, converted to twips at the display's scaling.
  for (double twipsPerPixel : {15.0, 12.0, 10.0, 1440.0 / 110, 7.5, 20.0}) {
    for (std::uint32_t message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                  WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN}) {
      EXPECT_EQ(MouseMessageFromX(message * twipsPerPixel, twipsPerPixel), message) << twipsPerPixel;
    }
  }
  // The four values the shell gives at 15 and 12 twips per pixel.
  EXPECT_EQ(MouseMessageFromX(0x1E3C, 15), WM_RBUTTONDOWN);
  EXPECT_EQ(MouseMessageFromX(0x1830, 12), WM_RBUTTONDOWN);
  EXPECT_EQ(MouseMessageFromX(0x1E0F, 15), WM_LBUTTONDOWN);
  EXPECT_EQ(MouseMessageFromX(0x180C, 12), WM_LBUTTONDOWN);
  EXPECT_EQ(MouseMessageFromX(-7695, 15), 0u);
  EXPECT_EQ(MouseMessageFromX(7695, 0), 0u);
}

TEST_F(ShellTest, LeftPressRestoresRightPressOpensTheMenuAndTheRestDoesNothing) {
  system.twipsPerPixel = 1440.0 / 144;  // 144 dots per inch
  window.minimized = true, window.visible = false;
  for (std::uint32_t ignored : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MBUTTONDOWN})
    PicIconMouseMove(window, ignored * system.twipsPerPixel);
  EXPECT_TRUE(log.empty());

  PicIconMouseMove(window, WM_RBUTTONDOWN * system.twipsPerPixel);
  EXPECT_EQ(log, (test::EventLog{"popup"}));
  log.clear();
  PicIconMouseMove(window, WM_LBUTTONDOWN * system.twipsPerPixel);
  EXPECT_EQ(log, (test::EventLog{"normal", "show", "status:Tallywright", "foreground:42"}));
  EXPECT_FALSE(window.minimized);
  EXPECT_TRUE(window.visible);
}

TEST_F(ShellTest, APressThatFailsFollowsTheErrorProtocol) {
  window.failNormal = true;
  dialogs.answers = {Error::kIgnore, Error::kAbort};
  PicIconMouseMove(window, WM_LBUTTONDOWN * 15.0);  // ignore: the other steps still run
  PicIconMouseMove(window, WM_LBUTTONDOWN * 15.0);  // abort: the handler is left
  const std::string box = "box:Design-Time Error [5] [frmMain/picIcon]";
  EXPECT_EQ(log, (test::EventLog{"pointer", "beep", box, "show", "status:Tallywright",
                                 "foreground:42", "pointer", "beep", box}));
}

TEST_F(ShellTest, MinimizingHidesTheWindowOnlyWhereTheNotificationAreaCanBringItBack) {
  MainFormResize(window);  // resized, not minimized
  window.minimized = true;
  shell.notificationArea = false;
  MainFormResize(window);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(window.visible);
  shell.notificationArea = true;
  MainFormResize(window);
  EXPECT_EQ(log, (test::EventLog{"hide"}));
}

TEST_F(ShellTest, TheIconRecordIsTheShellsEightyEightBytes) {
  const auto bytes = MakeNotifyIconRecord(0x01020304, 0x0A0B0C0D).Bytes();
  std::array<std::uint8_t, 88> expected{};
  const std::uint8_t head[] = {88, 0, 0, 0, 4, 3, 2, 1, 1, 0, 0, 0, 7, 0, 0, 0, 0x00, 0x02, 0, 0,
                               0x0D, 0x0C, 0x0B, 0x0A, 'T', 'a', 'l', 'l', 'y', 'w', 'r', 'i', 'g',
                               'h', 't', 0};
  std::copy(std::begin(head), std::end(head), expected.begin());
  std::fill(expected.begin() + sizeof head, expected.end(), ' ');
  EXPECT_EQ(bytes, expected);
}

// Records what GetKeyValue asks of the registry.
class WatchedRegistry : public RegistryView {
 public:
  long RegOpenKeyExA(std::uint32_t root, const std::string& subKey, std::uint32_t options,
                     std::uint32_t access, std::uint32_t* result) override {
    calls.push_back("open:" + std::to_string(options) + ":" + std::to_string(access));
    return RegistryView::RegOpenKeyExA(root, subKey, options, access, result);
  }
  long RegCloseKey(std::uint32_t key) override {
    calls.push_back("close");
    return RegistryView::RegCloseKey(key);
  }
  std::vector<std::string> calls;
};

TEST(GetKeyValue, TrimsOneTerminatingZeroAndReadsNumbersAsTheirValue) {
  WatchedRegistry registry;
  const char* key = "SOFTWARE\\Tallywright\\Test";
  struct Case {
    std::uint32_t type;
    std::string bytes;
    std::string expected;
  };
  const Case cases[] = {
      {REG_SZ, std::string("C:\\Tools\\info.exe\0", 18), "C:\\Tools\\info.exe"},
      {REG_SZ, "no terminator", "no terminator"},  // taken in full
      {REG_SZ, std::string("two\0\0", 5), std::string("two\0", 4)},
      {REG_SZ, "", ""},
      {REG_DWORD, std::string("\x01\0\0\0", 4), "1"},
      {REG_DWORD, std::string("\0\x01\0\0", 4), "256"},
      {REG_DWORD, std::string("\x01\x0A\0\0", 4), "2561"},
      {REG_DWORD, std::string("\0\0\0\x01", 4), "16777216"},
      {REG_DWORD, std::string("\x0A\x0B\x0C\x0D", 4), "218893066"},
      {REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4), "-1"},
      {REG_DWORD, std::string("\0\0\0\0", 4), "0"},
      {3, std::string("\x01\x02", 2), "as it was"},  // binary: the value is left alone
  };
  for (const Case& c : cases) {
    registry.SetValue(HKEY_LOCAL_MACHINE, key, "Value", {c.type, c.bytes});
    std::string value = "as it was";
    EXPECT_TRUE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, key, "value", value));
    EXPECT_EQ(value, c.expected) << c.bytes;
  }
  EXPECT_EQ(registry.calls.front(), "open:0:131135");
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST(GetKeyValue, FailsWithAnEmptyValueAndClosesTheKeyOnEveryPath) {
  WatchedRegistry registry;
  registry.SetValue(HKEY_LOCAL_MACHINE, "Big", "Value", {REG_SZ, std::string(1025, 'x')});
  registry.SetText(HKEY_LOCAL_MACHINE, "Denied", "Value", "secret");
  registry.DenyKey(HKEY_LOCAL_MACHINE, "Denied");
  registry.SetText(HKEY_LOCAL_MACHINE, "Present", "Other", "text");
  for (const char* key : {"Missing", "Denied", "Present", "Big"}) {
    registry.calls.clear();
    std::string value = "old";
    EXPECT_FALSE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, key, "Value", value)) << key;
    EXPECT_EQ(value, "") << key;
    EXPECT_EQ(registry.calls.back(), "close") << key;
  }
  EXPECT_EQ(registry.OpenKeys(), 0);
}

class SysInfoTest : public test::PlatformTest {
 protected:
  void Message() {
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "System Information Is Unavailable At This Time");
    EXPECT_EQ(dialogs.shown[0].style, 0);
    EXPECT_EQ(dialogs.shown[0].title, "Tallywright");
  }
};

TEST_F(SysInfoTest, StartsTheRegisteredProgramWithoutLookingForIt) {
  registry.SetText(HKEY_LOCAL_MACHINE, kSysInfoKey, "PATH", "/nowhere/sysinfo");
  StartSysInfo();
  EXPECT_EQ(log, (test::EventLog{"start:/nowhere/sysinfo"}));
  // When the start fails (the program is not there), the user is told.
  shell.startFails = kErrFileNotFound;
  StartSysInfo();
  Message();
}

TEST_F(SysInfoTest, FallsBackOnTheFolderOnlyWhenItHoldsTheProgram) {
  registry.SetText(HKEY_LOCAL_MACHINE, kSysInfoLocationKey, "MSINFO", folder.path());
  StartSysInfo();
  Message();
  EXPECT_EQ(log, (test::EventLog{"box:Tallywright"}));
  folder.Write("MSINFO32.EXE", "");
  dialogs.shown.clear(), log.clear();
  StartSysInfo();
  EXPECT_EQ(log, (test::EventLog{"start:" + folder.File("MSINFO32.EXE")}));
}

TEST_F(SysInfoTest, NothingRegisteredTellsTheUser) {
  StartSysInfo();
  Message();
}

TEST(SystemRegistry, NamesTheFirstSystemInformationProgramOnTheSearchPath) {
  test::TempFolder first, second;
  first.Write("kinfocenter", "");  // not executable: passed over
  second.Write("kinfocenter", "");
  second.Write("hardinfo", "");
  ::chmod(second.File("kinfocenter").c_str(), 0755);
  ::chmod(second.File("hardinfo").c_str(), 0755);
  RegistryView view = SystemRegistry(first.path() + "::" + second.path());
  std::string path;
  EXPECT_TRUE(GetKeyValue(view, HKEY_LOCAL_MACHINE, kSysInfoKey, "PATH", path));
  EXPECT_EQ(path, second.File("kinfocenter"));
  RegistryView none = SystemRegistry(first.path());
  EXPECT_FALSE(GetKeyValue(none, HKEY_LOCAL_MACHINE, kSysInfoKey, "PATH", path));
  EXPECT_FALSE(GetKeyValue(none, HKEY_LOCAL_MACHINE, kSysInfoLocationKey, "MSINFO", path));
}

TEST_F(ShellTest, HelpOpensTheViewerOrSaysThereIsNoHelpFile) {
  ShowHelp(7, "Tallywright", "/opt/help/TALLYWRT.HLP", HELP_CONTENTS);
  ShowHelp(7, "Tallywright", "/opt/help/TALLYWRT.HLP", HELP_PARTIALKEY);
  EXPECT_EQ(log, (test::EventLog{"help:7:/opt/help/TALLYWRT.HLP:3:[]",
                                 "help:7:/opt/help/TALLYWRT.HLP:261:[]"}));
  EXPECT_TRUE(dialogs.shown.empty());
  log.clear();
  ShowHelp(7, "Main caption", "", HELP_CONTENTS);
  ShowHelp(7, "Main caption", "", HELP_PARTIALKEY);
  EXPECT_EQ(log, (test::EventLog{"box:Main caption", "box:Main caption"}));
  EXPECT_EQ(dialogs.shown.at(0).prompt,
            "The help file is not currently available. It is being developed.");
  EXPECT_EQ(dialogs.shown.at(0).style, 64);
  // A failing viewer: its description, OK, no icon, the program's title.
  dialogs.shown.clear();
  shell.helpFails = "The help viewer cannot start";
  ShowHelp(7, "Main caption", "/opt/help/TALLYWRT.HLP", HELP_CONTENTS);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt, "The help viewer cannot start");
  EXPECT_EQ(dialogs.shown[0].style, 0);
  EXPECT_EQ(dialogs.shown[0].title, "Tallywright");
}

TEST(Help, TheSettingIsTheBuildCopyOnlyForARunFromTheBuildFolder) {
  EXPECT_EQ(HelpFileSetting("/b/app", "/b/app", "/b/app/TALLYWRT.HLP", "/usr/share/tw/TALLYWRT.HLP"),
            "/b/app/TALLYWRT.HLP");
  EXPECT_EQ(HelpFileSetting("/usr/bin", "/b/app", "/b/app/TALLYWRT.HLP", "/usr/share/tw/TALLYWRT.HLP"),
            "/usr/share/tw/TALLYWRT.HLP");
  EXPECT_EQ(HelpFileSetting("/usr/bin", "", "", ""), "");
  EXPECT_EQ(VersionText(), "Version 1.0.0");
}

TEST(Help, TheIndexFindsTopicsAndKeywordsByTheirFirstLetters) {
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

TEST(Help, EveryLinkOfTheShippedHelpFileLeadsToATopic) {
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
