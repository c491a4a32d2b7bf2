// The error handler, the guarded-step protocol and the crash log.
#include <gtest/gtest.h>

#include <cerrno>

#include "errors/crash_log.h"
#include "errors/error.h"
#include "errors/guard.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

CrashLogFacts Facts() {
  CrashLogFacts f;
  f.stamp = "12-05-2026  10:04:22PM";
  f.screenWidthTwips = 19200;
  f.screenHeightTwips = 14400;
  f.system = SysInfoFacts{2, 1381, 4.0f, 1};
  return f;
}

TEST(CrashLog, EntryByteForByte) {
  const std::string tag = ErrorTag(53, "Setup/WriteRecord");
  EXPECT_EQ(tag, "[53] [Setup/WriteRecord]");
  // 22 + 24 = 46 columns: blanks to column 57, where the zone starts.
  EXPECT_EQ(CrashLogEntry(tag, 3, "Tallywright", "File not found", Facts()),
            "\r\n"
            "12-05-2026  10:04:22PM[53] [Setup/WriteRecord]           A\r\n"
            "Source> Tallywright\r\n"
            "Error>  File not found\r\n"
            "App Version> 1.0.0\r\n"
            "Monitor> 19200/14400\r\n"
            "System> Platform:Windows NT Build:1381 Version: 4\r\n"
            "Battery>1\r\n");
}

TEST(CrashLog, ZonesNumbersAndOddTexts) {
  CrashLogFacts f = Facts();
  f.system = SysInfoFacts{1, 0, 4.1f, 255};
  f.screenWidthTwips = 12345.5;
  // 22 + 20 = 42 columns: the letter field starts exactly at the zone of column 43.
  const std::string entry = CrashLogEntry(ErrorTag(-5, "Main/FormLoad"), 3, "", "one\r\ntwo", f);
  EXPECT_EQ(entry.substr(0, 58), "\r\n12-05-2026  10:04:22PM[-5] [Main/FormLoad] A\r\nSource> \r\n");
  EXPECT_NE(entry.find("Error>  one\r\ntwo\r\nApp Version> 1.0.0\r\nMonitor> 12345.5/14400\r\n"
                       "System> Platform:Windows 95/98  Build:0 Version: 4.1\r\nBattery>255\r\n"),
            std::string::npos);
  EXPECT_EQ(FinalTitle("Tallywright", ""), "Tallywright Error: []");
  EXPECT_FALSE(IsReleaseName("Tallywright2"));
}

class HandlerTest : public test::PlatformTest {
 protected:
  // A routine of three steps whose middle step fails `failures` times.
  std::string RunRoutine(int failures) {
    std::string trace;
    Guard step("Test/Routine");
    if (!step([&] { trace += "1"; })) return trace;
    if (!step([&] {
          trace += "2";
          if (failures-- > 0) throw RunError(57, "Device I/O error");
          trace += "ok";
        }))
      return trace + "-left";
    step([&] { trace += "3"; });
    return trace;
  }
};

TEST_F(HandlerTest, DevelopmentAnswersDriveTheGuardedSteps) {
  dialogs.answers = {Error::kRetry, Error::kIgnore};
  EXPECT_EQ(RunRoutine(2), "1223");  // retried once, then skipped
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].prompt, "Source> Tallywright\r\nError>  Device I/O error");
  EXPECT_EQ(dialogs.shown[0].title, "Design-Time Error [57] [Test/Routine]");
  EXPECT_EQ(dialogs.shown[0].style, MsgStyle::AbortRetryIgnore + MsgStyle::Exclamation +
                                        MsgStyle::DefaultButton2);
  EXPECT_EQ(log, (test::EventLog{"pointer", "beep", "box:Design-Time Error [57] [Test/Routine]",
                                 "debugger", "pointer", "beep",
                                 "box:Design-Time Error [57] [Test/Routine]"}));
  dialogs.answers = {Error::kAbort};
  EXPECT_EQ(RunRoutine(1), "12-left");
  EXPECT_EQ(Error::ErrorAction, 3);
  dialogs.answers = {Error::kRetry};
  EXPECT_EQ(RunRoutine(1), "122ok3");
  EXPECT_FALSE(folder.Exists("tests.log"));
}

TEST_F(HandlerTest, ReleaseLogsTellsAndEnds) {
  system.exeName = "TALLYWRIGHT";
  clock.now = MakeDateTime({2026, 12, 5}, 22, 4, 22);
  folder.Write("TALLYWRIGHT.log", "earlier\r\n");
  EXPECT_THROW(RunRoutine(1), test::ProcessEnded);
  EXPECT_EQ(Error::ErrorAction, 3);
  const std::string log = folder.Read("TALLYWRIGHT.log");
  EXPECT_EQ(log.substr(0, 11), "earlier\r\n\r\n");
  EXPECT_NE(log.find("12-05-2026  10:04:22PM[57] [Test/Routine]  A\r\nSource> Tallywright\r\n"),
            std::string::npos);
  EXPECT_NE(log.find("System> Platform:Unknown Build:167 Version: 6.1\r\nBattery>1\r\n"),
            std::string::npos);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].title, "TALLYWRIGHT Error: [Device I/O error]");
  EXPECT_EQ(dialogs.shown[0].style, MsgStyle::Critical);
  // The message names the program and where its log is.
  EXPECT_NE(dialogs.shown[0].prompt.find("in TALLYWRIGHT."), std::string::npos);
  EXPECT_NE(dialogs.shown[0].prompt.find("TALLYWRIGHT.log and located in " + folder.path() + ")"),
            std::string::npos);
  EXPECT_EQ(this->log.back(), "end:1");
}

TEST_F(HandlerTest, AHandlerThatCannotLogAbortsQuietly) {
  system.exeName = "Tallywright";
  FailStep(FileStep::Open, 1, EACCES);
  EXPECT_EQ(RunRoutine(1), "12-left");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_FALSE(folder.Exists("Tallywright.log"));
  system.sysInfoFails = true;
  files.SetHook(nullptr);
  EXPECT_EQ(RunRoutine(1), "12-left");
  EXPECT_FALSE(folder.Exists("Tallywright.log"));
  EXPECT_EQ(log, (test::EventLog{"pointer", "beep", "pointer", "beep"}));
}

}  // namespace
}  // namespace tw
