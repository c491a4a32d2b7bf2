// The shell's routines without windows: the notification icon's presses, the About window's System
// Info, and the help entries. (Minimizing: ShellWindowTest.)
#include <gtest/gtest.h>

#include <filesystem>

#include "errors/error.h"
#include "shell/help.h"
#include "shell/sysinfo.h"
#include "shell/tray.h"
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
  void BringToFront() override { log_.push_back("front"); }

  bool minimized = false, failNormal = false;

 private:
  test::EventLog& log_;
};

class ShellTest : public test::PlatformTest {
 protected:
  FakeTrayWindow window{log};
};

TEST_F(ShellTest, TheIconsPressesOpenTheMenuOrRestoreTheWindowFollowingTheErrorProtocol) {
  window.minimized = true;
  PicIconPress(window, IconPress::Right);
  PicIconPress(window, IconPress::Left);
  EXPECT_EQ(log, (test::EventLog{"popup", "normal", "show", "status:Tallywright", "front"}));
  log.clear();
  window.failNormal = true;
  dialogs.answers = {Error::kIgnore, Error::kAbort};
  PicIconPress(window, IconPress::Left);  // ignore: the other steps still run
  PicIconPress(window, IconPress::Left);  // abort: the handler is left
  const std::string box = "box:Design-Time Error [5] [frmMain/picIcon]";
  EXPECT_EQ(log, (test::EventLog{"pointer", "beep", box, "show", "status:Tallywright", "front",
                                 "pointer", "beep", box}));
}

TEST_F(ShellTest, SystemInfoStartsTheFirstProgramOfTheListFoundOrTellsTheUser) {
  const auto told = [&] {
    const bool said = !dialogs.shown.empty() &&
                      dialogs.shown.back().prompt == kSysInfoUnavailable &&
                      dialogs.shown.back().style == 0 && dialogs.shown.back().title == "Tallywright";
    dialogs.shown.clear();
    return said;
  };
  StartSysInfo();  // none on the search path
  EXPECT_TRUE(told());
  // The list's order counts, not the search path's.
  shell.programs = {"/usr/bin/lxtask", "/usr/bin/gnome-system-monitor", "/opt/kde/bin/kinfocenter"};
  StartSysInfo();
  EXPECT_EQ(log, (test::EventLog{"box:Tallywright", "start:/opt/kde/bin/kinfocenter"}));
  EXPECT_TRUE(dialogs.shown.empty());
  shell.startFails = kErrFileNotFound;
  StartSysInfo();
  EXPECT_TRUE(told());
}

TEST_F(ShellTest, HelpOpensTheViewerOrSaysThereIsNoHelpFile) {
  ShowHelp("Tallywright", "/opt/help/TALLYWRT.HLP", HelpPage::Contents);
  ShowHelp("Tallywright", "/opt/help/TALLYWRT.HLP", HelpPage::Search);
  EXPECT_EQ(log, (test::EventLog{"help:/opt/help/TALLYWRT.HLP:contents",
                                 "help:/opt/help/TALLYWRT.HLP:search"}));
  log.clear();
  ShowHelp("Main caption", "", HelpPage::Search);
  EXPECT_EQ(log, (test::EventLog{"box:Main caption"}));
  EXPECT_EQ(dialogs.shown.at(0).prompt, kNoHelpFile);
  EXPECT_EQ(dialogs.shown.at(0).style, 64);
  // A failing viewer: its description in the program's box.
  shell.helpFails = "The help viewer cannot start";
  ShowHelp("Main caption", "/opt/help/TALLYWRT.HLP", HelpPage::Contents);
  EXPECT_EQ(dialogs.shown.at(1).prompt, "The help viewer cannot start");
  EXPECT_EQ(dialogs.shown.at(1).title, "Tallywright");
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
