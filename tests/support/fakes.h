#pragma once
// Stand-ins for the platform services, for tests. PlatformTest installs a full set into platform():
// a scratch program folder on disk, the real files layer (with a hook for failures), a United States
// date format, a fixed clock, and fakes that record what the program asked of them.
#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "state/main_view.h"
#include "tracking/tracker.h"
#include "platform/platform.h"

namespace tw {
// Readable test failures for date values.
inline void PrintTo(const DateTime& value, std::ostream* out) {
  const CivilDate d = CivilFromDay(value.day);
  *out << d.year << "-" << d.month << "-" << d.day << " +" << value.seconds << "s";
}
}  // namespace tw

namespace tw::test {

// What the fakes saw, in order ("save:MainLeft", "icon:remove", "end:0", ...).
using EventLog = std::vector<std::string>;

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  bool Exists(const std::string& name) const;
  std::string Read(const std::string& name) const;
  void Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

class FakeSettings : public Settings {
 public:
  explicit FakeSettings(EventLog& log) : log_(log) {}
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
  // Values of the "Tallywright"/"Settings" section.
  std::map<std::string, std::string> values;

 private:
  EventLog& log_;
};

struct ShownBox {
  std::string prompt;
  int style;
  std::string title;
};

class FakeDialogs : public Dialogs {
 public:
  explicit FakeDialogs(EventLog& log) : log_(log) {}
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  // Logged as "choose:" and the title; the answer is the next of answers, else the default button.
  int Choose(const std::string& prompt, const std::string& title,
             const std::vector<std::string>& buttons, int defaultButton, int escapeButton) override;
  // Answers given in turn (kEscape: the Escape key); when they run out, the default button.
  static constexpr int kEscape = -1;
  std::deque<int> answers;
  std::vector<ShownBox> shown;

 private:
  EventLog& log_;
};

// Thrown by FakeSystem::EndProcess, so that a test sees the process end where it would.
struct ProcessEnded {
  int code;
};

// The twips per pixel of the screen the window tests draw on (15 where there is none), so that a
// window test run at another display scaling places controls as the program would there.
extern double screenTwipsPerPixel;

class FakeSystem : public System {
 public:
  explicit FakeSystem(EventLog& log) : log_(log) {}
  std::string ExeName() const override { return exeName; }
  std::string ProgramFolder() const override { return folder; }
  double TwipsPerPixel() const override { return screenTwipsPerPixel; }
  double ScreenWidthTwips() const override { return screenWidth; }
  double ScreenHeightTwips() const override { return screenHeight; }
  SysInfoFacts SysInfo() const override;
  void Beep() override { log_.push_back("beep"); }
  void RestorePointer() override { log_.push_back("pointer"); }
  void DebugBreak() override { log_.push_back("debugger"); }
  void EndProcess(int exitCode) override;

  std::string exeName = "tests";
  std::string folder;
  double screenWidth = 19200, screenHeight = 14400;
  SysInfoFacts facts{0, 167, 6.1f, 1};
  bool sysInfoFails = false;
  bool endThrows = true;
  bool endExits = false;  // EndProcess really ends the process (a child process's test)

 private:
  EventLog& log_;
};

class FakeClock : public Clock {
 public:
  DateTime Now() const override { return now; }
  DateTime now = MakeDateTime({2026, 12, 7}, 21, 1, 23);
};

class FakeShell : public Shell {
 public:
  explicit FakeShell(EventLog& log) : log_(log) {}
  // Logged as "icon:add" and "icon:remove".
  bool AddIcon(const IconRecord& icon) override;
  bool RemoveIcon(const IconRecord& icon) override;
  void OnIconPress(std::function<void(IconPress)> onPress) override { iconPress = std::move(onPress); }
  bool HasNotificationArea() const override { return notificationArea; }
  // Logged as "balloon:", the title, ":" and the text.
  bool ShowBalloon(const std::string& title, const std::string& text) override;
  void OnBalloonClick(std::function<void()> onClick) override { balloonClick = std::move(onClick); }
  // The first of programs (full names) whose last part is name.
  std::string FindProgram(const std::string& name) const override;
  // Logged as "start:" and the path.
  void StartProgram(const std::string& path) override;
  // Logged as "help:", the file, ":" and "contents" or "search".
  void OpenHelp(const std::string& helpFile, HelpPage page) override;
  std::vector<IconRecord> icons;  // added and removed, in order
  bool notificationArea = true;
  std::function<void(IconPress)> iconPress;
  std::function<void()> balloonClick;
  std::vector<std::string> programs;
  // StartProgram fails with this error number when it is not 0.
  int startFails = 0;
  // OpenHelp fails with this description when it is not empty.
  std::string helpFails;

 private:
  EventLog& log_;
};

// The main window with no window: its boxes are a tracker's, its place and size plain fields.
class FakeMainView : public TrackerView {
 public:
  TrackerModel& tracker() const override { return *tracker_; }
  double Left() const override { return left; }
  double Top() const override { return top; }
  double Width() const override { return width; }
  double Height() const override { return height; }
  void SetLeft(double v) override { left = v; }
  void SetTop(double v) override { top = v; }
  void SetWidth(double v) override { width = v; }
  void SetHeight(double v) override { height = v; }
  bool IsMinimized() const override { return minimized; }

  double left = 0, top = 0, width = 0, height = 0;
  bool minimized = false;

 private:
  std::unique_ptr<TrackerModel> tracker_ = std::make_unique<TrackerModel>();
};

// A time zone's rules (a TZ value) for the length of a test.
class ZoneRules {
 public:
  explicit ZoneRules(const char* tz);
  ~ZoneRules();

 private:
  std::string old_;
  bool had_ = false;
};

// Clock changes: forward at 2:00 on 8 March 2026, back at 2:00 on 1 November 2026.
class EasternTime : public ZoneRules {
 public:
  EasternTime() : ZoneRules("EST5EDT,M3.2.0,M11.1.0") {}
};

// Berlin's: +01:00, forward at 2:00 on 29 March 2026, back at 3:00 on 25 October 2026.
class BerlinTime : public ZoneRules {
 public:
  BerlinTime() : ZoneRules("CET-1CEST,M3.5.0,M10.5.0/3") {}
};

// A United States format as the program writes it: 12/7/2026 9:01:23 PM.
DateFormat UsFormat();
// A day-month-year, 24-hour format with German weekdays: 07.12.2026 21:01:23 (no form of it names months).
DateFormat GermanFormat();

// Installs the fakes into platform() for the length of a test and restores the old set after.
class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest();
  ~PlatformTest() override;

  // Makes the n-th call (1-based) of the given step fail with errno err, counting from now.
  void FailStep(FileStep step, int n, int err);
  // Records every file step in the event log as "step:file-name".
  void LogFileSteps();

  EventLog log;
  TempFolder folder;
  Files files;
  FakeSettings settings{log};
  FakeDialogs dialogs{log};
  FakeSystem system{log};
  FakeClock clock;
  DateFormat format = UsFormat();
  FakeShell shell{log};

 private:
  Platform saved_;
  std::map<FileStep, int> counts_;
};

}  // namespace tw::test
