// The shell's routines without windows: the notification icon's presses, minimizing, the About
// window's registry reading and System Info, and the help entries.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/about.h"
#include "app/help.h"
#include "app/sysinfo.h"
#include "app/tray.h"
#include "errors/error.h"
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
  void SetVisible(bool v) override { log_.push_back(v ? "show" : "hide"); }
  void SetStatusText(const std::string& text) override { log_.push_back("status:" + text); }
  void PopupOptionMenu() override { log_.push_back("popup"); }
  std::uint32_t WindowHandle() const override { return 42; }

  bool minimized = false, failNormal = false;

 private:
  test::EventLog& log_;
};

class ShellTest : public test::PlatformTest {
 protected:
  FakeTrayWindow window{log};
};

TEST_F(ShellTest, TheIconsPressesAtAnyScaling) {
  EXPECT_EQ(MouseMessageFromX(WM_MBUTTONDOWN * 1440.0 / 110, 1440.0 / 110), WM_MBUTTONDOWN);
  EXPECT_EQ(MouseMessageFromX(-7695, 15), 0u);
  EXPECT_EQ(MouseMessageFromX(7695, 0), 0u);
  system.twipsPerPixel = 1440.0 / 144;
  window.minimized = true;
  for (std::uint32_t ignored : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MBUTTONDOWN})
    PicIconMouseMove(window, ignored * system.twipsPerPixel);
  EXPECT_TRUE(log.empty());
  PicIconMouseMove(window, WM_RBUTTONDOWN * system.twipsPerPixel);
  PicIconMouseMove(window, WM_LBUTTONDOWN * system.twipsPerPixel);
  EXPECT_EQ(log, (test::EventLog{"popup", "normal", "show", "status:Tallywright", "foreground:42"}));
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
  shell.notificationArea = true;
  MainFormResize(window);
  EXPECT_EQ(log, (test::EventLog{"hide"}));
}

TEST(GetKeyValue, ReadsTextsAndNumbersAndFailsEmptyClosingTheKeyOnEveryPath) {
  RegistryView registry;
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
      {REG_DWORD, std::string("\xFF\xFF\xFF\x7F", 4), "2147483647"},
      {REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4), "-1"},
      {3, std::string("\x01\x02", 2), "as it was"},  // binary: the value is left alone
  };
  for (const Case& c : cases) {
    registry.SetValue(HKEY_LOCAL_MACHINE, key, "Value", {c.type, c.bytes});
    std::string value = "as it was";
    EXPECT_TRUE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, key, "value", value));
    EXPECT_EQ(value, c.expected) << c.bytes;
  }
  registry.SetValue(HKEY_LOCAL_MACHINE, "Big", "Value", {REG_SZ, std::string(1025, 'x')});
  registry.SetText(HKEY_LOCAL_MACHINE, "Denied", "Value", "secret");
  registry.DenyKey(HKEY_LOCAL_MACHINE, "Denied");
  for (const char* missing : {"Missing", "Denied", "Big"}) {
    std::string value = "old";
    EXPECT_FALSE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, missing, "Value", value)) << missing;
    EXPECT_EQ(value, "") << missing;
  }
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(ShellTest, SystemInfoStartsTheRegisteredProgramOrTellsTheUser) {
  const auto told = [&] {
    const bool said = !dialogs.shown.empty() &&
                      dialogs.shown.back().prompt == "System Information Is Unavailable At This Time" &&
                      dialogs.shown.back().style == 0 && dialogs.shown.back().title == "Tallywright";
    dialogs.shown.clear();
    return said;
  };
  StartSysInfo();  // nothing registered
  EXPECT_TRUE(told());
  // The folder of the older key only counts when it holds the program.
  registry.SetText(HKEY_LOCAL_MACHINE, kSysInfoLocationKey, "MSINFO", folder.path());
  StartSysInfo();
  EXPECT_TRUE(told());
  folder.Write("MSINFO32.EXE", "");
  StartSysInfo();
  registry.SetText(HKEY_LOCAL_MACHINE, kSysInfoKey, "PATH", "/nowhere/sysinfo");
  StartSysInfo();  // started without looking for it
  EXPECT_EQ(log, (test::EventLog{"box:Tallywright", "box:Tallywright", "start:" + folder.File("MSINFO32.EXE"),
                                 "start:/nowhere/sysinfo"}));
  shell.startFails = kErrFileNotFound;
  StartSysInfo();
  EXPECT_TRUE(told());
}

TEST_F(ShellTest, HelpOpensTheViewerOrSaysThereIsNoHelpFile) {
  ShowHelp(7, "Tallywright", "/opt/help/TALLYWRT.HLP", HELP_CONTENTS);
  ShowHelp(7, "Tallywright", "/opt/help/TALLYWRT.HLP", HELP_PARTIALKEY);
  EXPECT_EQ(log, (test::EventLog{"help:7:/opt/help/TALLYWRT.HLP:3:[]",
                                 "help:7:/opt/help/TALLYWRT.HLP:261:[]"}));
  log.clear();
  ShowHelp(7, "Main caption", "", HELP_PARTIALKEY);
  EXPECT_EQ(log, (test::EventLog{"box:Main caption"}));
  EXPECT_EQ(dialogs.shown.at(0).prompt,
            "The help file is not currently available. It is being developed.");
  EXPECT_EQ(dialogs.shown.at(0).style, 64);
  // A failing viewer: its description in the program's box.
  shell.helpFails = "The help viewer cannot start";
  ShowHelp(7, "Main caption", "/opt/help/TALLYWRT.HLP", HELP_CONTENTS);
  EXPECT_EQ(dialogs.shown.at(1).prompt, "The help viewer cannot start");
  EXPECT_EQ(VersionText(), "Version 1.0.0");
}

TEST_F(ShellTest, TheHelpFileIsFoundBesideTheProgramThenUnderShareThenWhereConfigured) {
  const std::string bin = folder.File("usr/bin"), configured = folder.File("opt");
  for (const char* path : {"usr/bin", "usr/share/tallywright", "opt"})
    std::filesystem::create_directories(folder.File(path));
  // Nowhere: the configured place, for the viewer to say it cannot open it.
  EXPECT_EQ(FindHelpFile(files, bin, configured), configured + "/TALLYWRT.HLP");
  for (const std::string found : {"opt", "usr/share/tallywright", "usr/bin"}) {
    folder.Write(found + "/TALLYWRT.HLP", "");
    EXPECT_EQ(FindHelpFile(files, bin + "/", configured), folder.File(found + "/TALLYWRT.HLP"));
  }
  EXPECT_EQ(FindHelpFile(files, bin, ""), "");  // built without help
}

}  // namespace
}  // namespace tw
